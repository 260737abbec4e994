#include "core/startup.h"

#include <QApplication>
#include <QWidget>

#include "core/family.h"
#include "core/folders.h"
#include "core/message.h"
#include "core/profile.h"
#include "core/settings_file.h"
#include "core/state.h"
#include "criteria/frm_ren.h"
#include "mainwindow/frm_hid.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "panels/frm_but.h"
#include "panels/panels.h"
#include "platform/services.h"

namespace qv {

namespace {

// A second start asked this copy to come forward: restore the main window and raise it.
void RaiseMainWindow() {
    FrmMain& m = frmMain();
    // A main window that start-up has not shown yet stays hidden; only what is on screen comes forward.
    if (m.Loaded() && m.Visible()) {
        if (QWidget* w = m.Window()) {
            w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
            w->raise();
            w->activateWindow();
        }
    }
    // An open message box stays on top of the window it blocks.
    if (QWidget* box = QApplication::activeModalWidget()) {
        box->raise();
        box->activateWindow();
    }
}

void Refuse(const char* key) {
    S.MessageKey = QLatin1String(key);
    MessageShowSystem();
    systemServices().EndProgram(0);
}

}  // namespace

void ActivatePrevInstance() {
    // The single-instance service has already told the running copy to come forward.
    systemServices().EndProgram(0);
}

void CheckScreenSize() {
    System& sys = systemServices();
    if (sys.ScreenWidthTwips() < kMinScreenWidthTwips || sys.ScreenHeightTwips() < kMinScreenHeightTwips)
        Refuse("MessageSmallScreen");
}

void SetStartValues() {
    S.SelectionMode = QStringLiteral("Manual");
    S.ActionName = QStringLiteral("Rename");
    S.SelKind = 0;
    S.ActionIndex = 0;
    S.ActionAttribute = 0;
    S.RenCaseChoice = 0;
    S.EditCaseChoice = 0;
    S.RenInsertPlace = 0;
    S.RenReplaceKind = 0;
    S.RenRemoveKind = 0;
    S.RenAutoType = 0;
    S.RenAutoPlaceIndex = 0;
    S.RenAutoZeroFillIndex = 0;
    S.SelNumKind = -1;
    S.RenCaseOption = -1;
    S.EditCaseOption = -1;
    S.RenSpaceMode = -1;
    S.EditSpaceMode = -1;
    S.RenHandleMode = -1;
    S.EditHandleMode = -1;
    S.MarkInsertMissing = true;
    S.MarkReplaceMissing = true;
    S.OptionsCode = 3 + (S.HelpAtStart ? 32 : 0) + (S.SkipUndoWarning ? 128 : 0);
    S.OptionsCodePending = S.OptionsCode;
}

void Main() {
    SingleInstance* instance = services().instance.get();
    if (instance) {
        instance->onActivateRequest = RaiseMainWindow;
        if (!instance->Acquire(QStringLiteral("Quorvan")))
            ActivatePrevInstance();
    }

    frmBut().Load();
    frmMove().Load();

    CheckScreenSize();
    S.StartUpInProgress = true;
    S.FileNum = 1;
    S.ProgName = QStringLiteral("Quorvan");
    S.ProgVersion = QStringLiteral("Version 1.1.2");
    S.HelpProgName = QStringLiteral("QuorvanHelp");

    GetWindowsDir();
    if (S.WinDirLen > 0 && S.WinDirLen <= S.ProgPathUpper.size() &&
        S.ProgPathUpper.left(S.WinDirLen) == S.WinDirUpper)
        Refuse("MessageProgInSystem");

    S.StartDriveType = GetDriveTypeName(S.StartDriveRoot);
    OnRestGetFamily();

    S.SettingsPath = S.ProgFolder + S.ProgName + QStringLiteral("/Set.Kastrel");
    S.FirstStart = !fileSystem().FileExists(S.SettingsPath);
    ProgGetSettings();
    FamilyRegister();

    if (S.UserName.isEmpty()) {
        S.MessageKey = QStringLiteral("MessageGetUserName");
        MessageShowSystem();
    }
    if (!S.FirstStart)
        ReadSettingsFile();

    frmHid().Load();
    frmRen().Load();
    frmMain().Load();

    S.MoveLastPath = frmMain().Dir1->Path();
    try {
        frmMove().Dir1->SetPath(S.MoveLastPath);
    } catch (const PlatformError&) {
        // Stays in the folder it opened at load.
    }

    S.DestPath = S.WorkPath;
    S.DestPathCommitted = S.DestPath;
    S.DestPathUpper = S.DestPath;

    try {
        S.DestFreeKB = BytesToKB(fileSystem().AvailableSpace(S.MoveDriveObject));
    } catch (const PlatformError&) {
        S.DestFreeKB = 0;
    }
    S.DestSpaceCaption = SpaceCaption(S.MoveDriveLetter, S.DestFreeKB);
    frmMove().LabelMoveSpaceFree->SetCaption(S.DestSpaceCaption);
    frmMain().LabelSpaceFree->SetCaption(S.DestSpaceCaption);

    SetStartValues();
    SetButPictures();
    frmMain().Show();
    S.StartUpInProgress = false;

    if (S.FirstStart) {
        S.FirstStart = false;
        S.MessageKey = QStringLiteral("MessageFisrtTimeMode");
        MessageShowWork();
    }
}

}  // namespace qv
