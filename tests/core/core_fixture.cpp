#include "core_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    system_ = &services_.useSystem<FakeSystem>();
    system_->programFolder = temp_.path() + QStringLiteral("/");
    system_->systemFolder = QStringLiteral("/usr/");
    system_->screenWidthTwips = 1280 * 15;
    system_->screenHeightTwips = 1024 * 15;
    store_ = &services_.useSettings<MemorySettingsStore>();
    instance_ = &services_.useInstance<FakeSingleInstance>();
    services_.useRealFiles();
    savedCwd_ = QDir::currentPath();
}

void CoreTest::TearDown() {
    SetModalResponder({});
    S.SettingsPath.clear();  // no settings file from the tidy-up
    UnloadEveryForm();
    ResetState();
    QDir::setCurrent(savedCwd_);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

}  // namespace qv::test
