#include "help_fixture.h"

#include "core/family_codes.h"

namespace qv::test {

std::function<void(Form&)> NoteAndOK(std::vector<HelpBoxSeen>& seen) {
    return [&seen](Form& form) {
        auto& box = static_cast<help::FrmMessage&>(form);
        HelpBoxSeen s;
        s.caption = box.Caption();
        s.head = box.LabelHead->Caption();
        s.text = box.LabelMessage->Caption();
        s.okFace = box.LabelOK();
        s.cancelShown = box.ImageCancel->Visible();
        seen.push_back(s);
        click(*box.ImageOK);
    };
}

QString MarkerFor(int slot, int day) {
    const QString code = QLatin1String(FamilySlotCodes[slot]);
    const QString d = QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
    return QString(code[0]) + d[1] + code[1] + code[2] + d[0] + code[3];
}

void HelpTest::SetUp() {
    ASSERT_TRUE(temp_.isValid());
    UnloadEveryForm();
    help::ResetHelpState();
    UseMachine(QStringLiteral("prog/Help/"));
}

void HelpTest::TearDown() {
    SetModalResponder({});
    UnloadEveryForm();
    help::ResetHelpState();
    RestoreWorkingFolder();
}

void HelpTest::Record(int slot, const QString& name, const QString& folder) {
    const QString key = QLatin1String(FamilySlotPrefixes[slot]) + QStringLiteral("Guru");
    store_->SaveSetting("Holvent", "GuruNaam", key, name);
    store_->SaveSetting("Holvent", "GuruGhar", key, folder);
}

void HelpTest::Marker(int slot) {
    store_->SaveSetting("Holvent", "NidraGavir", "AnekGuru", MarkerFor(slot));
}

QString HelpTest::Value(const QString& section, const QString& key) const {
    return store_->values.value({QStringLiteral("Holvent"), section, key});
}

void HelpWindowTest::SetUp() {
    HelpTest::SetUp();
    help::frmMain().Show();
    ASSERT_TRUE(help::frmMain().Visible());
}

int HelpWindowTest::ShownFrame() const {
    int shown = -1;
    for (Frame* f : help::frmMain().FrameIntro.items()) {
        if (!f->Visible())
            continue;
        if (shown != -1)
            return -2;
        shown = f->Index();
    }
    return shown;
}

}  // namespace qv::test
