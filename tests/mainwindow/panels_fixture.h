// The panels driven as a user drives them: the panel buttons, the controls in the panels, the boxes'
// keys and pastes, and the message boxes they explain themselves with.
#pragma once

#include "core/panel_calls.h"
#include "mainwindow/panels.h"
#include "window_fixture.h"

namespace qv::test {

class PanelsTest : public WindowTest {
  protected:
    // Answers every message box with OK and notes what it said.
    struct Messages {
        ModalScript script;
        QStringList texts;
        Messages& expect(int n = 1) {
            for (int i = 0; i < n; ++i)
                script.expect(kMessageBox, [this](Form& f) {
                    auto& box = static_cast<FrmMessage&>(f);
                    texts << box.LabelMessage->Caption();
                    box.CommandOK->UserClicks();
                });
            return *this;
        }
    };

    void Apply(const char* key) {
        S.PanelKey = QLatin1String(key);
        SetValueByKey();
    }
    void ClickIn(CommandButton* b) { ASSERT_TRUE(click(*b)); }
    void Choose(OptionButton* o) { ASSERT_TRUE(click(*o)); }

    // The whole text of a box selected, as a user's drag over it leaves it.
    static void SelectAllOf(TextBox* box) {
        box->SetSelStart(0);
        box->SetSelLength(static_cast<int>(box->Text().size()));
    }
};

}  // namespace qv::test
