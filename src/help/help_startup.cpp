#include "help/help_startup.h"

#include <cstdlib>

#include "core/family_codes.h"
#include "help/frm_main.h"
#include "help/help_message.h"
#include "help/help_state.h"
#include "platform/services.h"
#include "platform/version.h"

namespace qv::help {

namespace {

using namespace family;

QString Get(const QString& section, const QString& key) {
    return settingsStore().GetSetting(kApp, section, key);
}

[[noreturn]] void Refuse(HelpMessageId key) {
    HM.MessageKey = key;
    ShowProgramMessage();
    systemServices().EndProgram(0);
    std::abort();  // EndProgram does not return
}

void BringForward(Form& f) {
    if (!f.Loaded() || !f.Visible())
        return;
    BringToFront(f);
}

// A second start brings this copy forward: its window, and a message it shows over the window or
// before the window is there at all (start-up messages come first).
void RaiseWindow() {
    BringForward(frmMain());
    BringForward(frmMessage());
}

}  // namespace

void CheckScreenSize() {
    System& sys = systemServices();
    if (sys.ScreenWidthTwips() < kMinScreenWidthTwips || sys.ScreenHeightTwips() < kMinScreenHeightTwips)
        Refuse(HelpMessageId::MessageSmallScreen);
}

void GetHelpFolder() {
    HS.HelpFolder = WithTrailingSlash(systemServices().ProgramFolder());
    HS.HelpFolderUpper = HS.HelpFolder;  // paths here are case-sensitive
}

void GetWindowsFolder() {
    HS.WinDir = WithTrailingSlash(systemServices().SystemFolder());
    HS.WinDirLen = HS.WinDir.size();
    HS.WinDirUpper = HS.WinDir;
}

bool InsideSystemFolder() {
    // An empty system folder protects nothing; it must not match every path.
    if (HS.WinDirLen == 0)
        return false;
    return HS.HelpFolderUpper.size() >= HS.WinDirLen &&
           HS.HelpFolderUpper.left(HS.WinDirLen) == HS.WinDirUpper;
}

int MarkerSlot(const QString& marker) {
    if (marker.size() < 6)
        return 0;
    const QString code = QString(marker[0]) + marker[2] + marker[3] + marker[5];
    for (int i = 0; i < static_cast<int>(FamilySlotCodes.size()); ++i)
        if (code == QLatin1String(FamilySlotCodes[i]))
            return i;
    return 0;
}

void FindParentProgram() {
    try {
        const QString marker = Get(kMarkerSection, kMarkerKey);
        if (marker.isEmpty()) {
            HS.ParentNotPresent = true;
            return;
        }
        const int last = MarkerSlot(marker);
        QString key;
        for (int slot = 0; slot <= last; ++slot) {
            const QString k = QLatin1String(FamilySlotPrefixes[slot]) + QStringLiteral("Guru");
            const QString name = Get(kNames, k);
            if (!name.isEmpty() && name == HS.ParentName) {
                key = k;
                break;
            }
        }
        if (key.isEmpty()) {
            HS.ParentNotPresent = true;
            return;
        }
        const QString folder = Get(kFolders, key);
        // A record without a folder cannot lead to the program: treat it as a missing program file.
        if (folder.isEmpty()) {
            HS.ParentNotFound = true;
            return;
        }
        const QString exe = ProgramFilePath(folder, HS.ParentName);
        if (!fileSystem().FileExists(exe)) {
            HS.ParentNotFound = true;
            return;
        }
        HS.HelpDefaultPath =
            ProgramFilePath(WithTrailingSlash(folder) + QStringLiteral("Help/"), HS.HelpName);
        HS.ParentExePath = exe;
        HS.ProfileNickName = Get(kProfile, QStringLiteral("NickName"));
        HS.ProfileUserPic = Get(kProfile, QStringLiteral("UserPic"));
        HS.ProfilePicCaption = Get(kProfile, QStringLiteral("PicCaption"));
    } catch (const PlatformError&) {
        // Whatever was found so far stands.
    }
}

void RegisterHelpPath() {
    bool lost = false;
    try {
        if (fileSystem().FileExists(HS.HelpDefaultPath))
            return;
        const QString stored = Get(kHelpPaths, HS.HelpName);
        // A stored path that leads to another program is no help path: this one's own replaces it.
        if (NamesProgramFile(stored, HS.HelpName) && fileSystem().FileExists(stored))
            return;
        if (fileSystem().FileExists(HS.HelpExePath))
            settingsStore().SaveSetting(kApp, kHelpPaths, HS.HelpName, HS.HelpExePath);
        else
            lost = true;
    } catch (const PlatformError&) {
        return;
    }
    if (lost)
        Refuse(HelpMessageId::MessageMyPathLost);
}

void ShowUserPicture() {
    FrmMain& m = frmMain();
    if (!HS.ProfileNickName.isEmpty())
        m.LabelGreeting->SetCaption(QStringLiteral("Hello, ") + HS.ProfileNickName + QStringLiteral("!"));
    m.FrameView->SetVisible(!HS.ProfileNickName.isEmpty() || !HS.ProfileUserPic.isEmpty());
    if (HS.ProfileUserPic.isEmpty())
        return;
    try {
        m.ImageUser->SetPicture(LoadPicture(HS.ProfileUserPic));
        m.FrameView->SetCaption(HS.ProfilePicCaption);
    } catch (const PlatformError&) {
        // The designed picture stays, and so does the caption.
    }
}

void StartHelpWindow() {
    FrmMain& m = frmMain();
    if (HS.ParentNotPresent || HS.ParentNotFound) {
        m.CommandActivate->SetVisible(false);
        m.LabelParent->SetVisible(false);
    }
    m.ShowTopic();
    ShowUserPicture();
}

void RunParentProgram() {
    if (!systemServices().StartProgram(HS.ParentExePath)) {
        HM.MessageKey = HelpMessageId::MessageRunParentError;
        ShowParentMessage();
    }
}

void Main() {
    if (SingleInstance* instance = services().instance.get()) {
        instance->onActivateRequest = RaiseWindow;
        if (!instance->Acquire(HS.HelpName))
            systemServices().EndProgram(0);
    }
    CheckScreenSize();
    GetHelpFolder();
    GetWindowsFolder();
    if (InsideSystemFolder())
        Refuse(HelpMessageId::MessageProgInSystem);

    HS.HelpName = QStringLiteral("QuorvanHelp");
    HS.HelpVersion = QStringLiteral("Version " QUORVAN_VERSION);
    HS.HelpExePath = ProgramFilePath(HS.HelpFolder, HS.HelpName);
    HS.ParentName = QStringLiteral("Quorvan");

    FindParentProgram();
    if (HS.ParentNotPresent) {
        HM.MessageKey = HelpMessageId::MessageParentNotPresent;
        ShowParentMessage();
    }
    if (HS.ParentNotFound) {
        HM.MessageKey = HelpMessageId::MessageParentNotFound;
        ShowParentMessage();
    }
    if (!HS.ParentNotPresent && !HS.ParentNotFound) {
        HS.ParentFound = true;
        RegisterHelpPath();
    }

    FrmMain& m = frmMain();
    m.Load();
    StartHelpWindow();
    m.Show();
    m.PictureMain->SetFocus();
}

}  // namespace qv::help
