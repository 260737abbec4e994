#include "core_fixture.h"

#include <QFile>

#include "core/state.h"
#include "mainwindow/program_windows.h"

namespace qv::test {

void PressOK(FrmMessage& f) {
    f.CommandOK->UserClicks();
}

void PressCancel(FrmMessage& f) {
    f.CommandCancel->UserClicks();
}

std::function<void(Form&)> Box(std::vector<BoxSeen>& seen, BoxAnswer answer) {
    return [&seen, answer = std::move(answer)](Form& form) {
        auto& box = static_cast<FrmMessage&>(form);  // the script has checked the form's name
        BoxSeen s;
        s.caption = box.Caption();
        s.head = box.LabelHead->Caption();
        s.text = box.LabelMessage->Caption();
        s.okFace = box.LabelOK->Caption();
        s.cancelFace = box.LabelCancel->Caption();
        s.okEnabled = box.CommandOK->Enabled();
        s.cancelEnabled = box.CommandCancel->Enabled();
        s.inputVisible = box.TextInput0->Visible();
        s.checkVisible = box.CheckDoNotShow->Visible();
        seen.push_back(s);
        answer(box);
    };
}

void CoreTest::SetUp() {
    ASSERT_TRUE(temp_.isValid());
    InstallProgramWindows();
    UnloadEveryForm();
    ResetState();
    UseMachine(QString());
}

void CoreTest::TearDown() {
    SetModalResponder({});
    S.SettingsPath.clear();  // no settings file from the tidy-up
    UnloadEveryForm();
    ResetState();
    RestoreWorkingFolder();
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

}  // namespace qv::test
