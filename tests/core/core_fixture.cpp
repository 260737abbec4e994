#include "core_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/state.h"
#include "criteria/frm_ren.h"
#include "mainwindow/frm_hid.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "panels/frm_but.h"

namespace qv::test {

BoxScript::BoxScript() {
    SetModalResponder([this](Form& form) {
        auto* box = dynamic_cast<FrmMessage*>(&form);
        if (!box) {
            otherForms.push_back(form.Name());
            ADD_FAILURE() << "unexpected modal form " << form.Name().toStdString();
            form.Hide();
            return;
        }
        BoxSeen s;
        s.caption = box->Caption();
        s.head = box->LabelHead->Caption();
        s.text = box->LabelMessage->Caption();
        s.okFace = box->LabelOK->Caption();
        s.cancelFace = box->LabelCancel->Caption();
        s.okEnabled = box->CommandOK->Enabled();
        s.cancelEnabled = box->CommandCancel->Enabled();
        s.inputVisible = box->TextInput0->Visible();
        s.checkVisible = box->CheckDoNotShow->Visible();
        seen_.push_back(s);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected message box: " << s.text.left(60).toStdString();
            box->Unload();
            return;
        }
        Answer a = std::move(answers_.front());
        answers_.pop_front();
        a(*box);
    });
}

BoxScript::~BoxScript() {
    SetModalResponder({});
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " expected message box(es) never came";
}

void UnloadAllForms() {
    for (Form* f : std::initializer_list<Form*>{&frmMessage(), &frmMain(), &frmMove(), &frmRen(), &frmHid(),
                                                &frmBut()}) {
        try {
            f->Unload();
        } catch (const ProgramEnded&) {
        }
    }
}

void CoreTest::SetUp() {
    ASSERT_TRUE(temp_.isValid());
    UnloadAllForms();
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
    UnloadAllForms();
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
