// The handlers of the panels' own controls. The panels themselves (their opening, OK, Cancel and
// input rules) come with the panel work; until then their buttons are there and do nothing. Wired
// now: what the folder view, the job buttons and the resets rely on.
#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include "core/panel_calls.h"
#include "core/state.h"
#include "mainwindow/frm_main.h"

namespace qv {

namespace {

// The priority lists are chosen with the mouse only: typed characters do not pick an entry.
class SwallowCharacters : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(event);
            if (!k->text().isEmpty() && k->text().at(0).isPrint())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void FrmMain::WirePanelHandlers() {
    for (OptionButton* o : OptionSelection.items()) {
        const int i = o->Index();
        o->Click = [i] {
            S.EditSelKind = i;
            S.SetNullKey = QStringLiteral("setNullIndexSelection");
            SetNullByTag();
        };
    }
    for (OptionButton* o : OptionAction.items()) {
        const int i = o->Index();
        o->Click = [i] {
            S.EditActionIndex = i;
            S.SetNullKey = QStringLiteral("setNullIndexAction");
            SetNullByTag();
        };
    }
    CheckActionMode->Click = [this] {
        S.ReviewModePending = CheckActionMode->Value() == 1 ? 1 : 0;
        S.SetNullKey = QStringLiteral("setNullIndexAction");
        SetNullByTag();
    };
    for (ComboBox* c : {ComboPriority1st, ComboPriority2nd, ComboPriority3rd}) {
        c->Widget()->installEventFilter(new SwallowCharacters(c->Widget()));
        c->Click = [] {
            if (S.StartUpInProgress)
                return;
            S.SetButKey = QStringLiteral("setButOnlyPriority");
            SetButtons();
        };
    }
}

}  // namespace qv
