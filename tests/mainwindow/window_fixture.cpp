#include "window_fixture.h"

#include "core/panel_calls.h"
#include "mainwindow/panels.h"

namespace qv::test {

void WindowTest::panels_CommitAction() {
    S.PanelKey = QStringLiteral("Action");
    SetValueByKey();
}

void WindowTest::CommitRule(int kind, int numKind, int max, int skip, int number, const QString& text,
                            bool caseSensitive, bool keep) {
    if (OptionButton* o = frmMain().OptionSelection[kind])
        o->SetValue(true);  // as the panel's option buttons leave it
    S.EditSelKind = kind;
    S.EditSelNumKind = numKind;
    S.SelMaxFilesPending = max;
    S.SelSkipPending = skip;
    S.SelNumberPending = number;
    S.SelStringPending = kind == 2 ? text : QString();
    S.SelExtensionPending = kind == 3 ? text : QString();
    S.SelCaseSensitivePending = caseSensitive;
    S.SelKeepPending = keep;
    S.PanelKey = QStringLiteral("Selection");
    SetValueByKey();
}

void WindowTest::RenameSet() {
    S.PanelKey = QStringLiteral("RenameSet");
    SetValueByKey();
}

}  // namespace qv::test
