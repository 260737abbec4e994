// Records owned by the main window and the folder dialog; see core/state.h.
#pragma once

#include <QString>
#include <QStringList>

namespace qv {

struct UiState {
    bool StartUpInProgress = false;
    bool JobBusy = false;
    bool PanelOpen = false;
    bool MoveDestinationMode = false;
    bool CriteriaDialogLoading = false;
    bool CriteriaHelpShown = false;
    bool CriteriaDialogClosed = false;
    int ReviewMode = 0;  // 1 on
    int ReviewModePending = 0;
    bool MoveListRefreshing = false;
    bool ViewLocked = false;
    bool ViewLockChanged = false;
    bool EasyProcessMode = false;
};

struct FolderBrowseHistory {
    QStringList FolderHistory;  // as the folder list gives them: no trailing "/" except at the root
    int FolderHistoryCount = 0;
    int FolderHistoryPos = 0;
};

struct MoveDialogState {
    bool MoveCreateMode = false;
    bool MoveRenameMode = false;
    int MadeFolderCount = 0;
    QStringList MadeFolders;
    bool MovePictureMode = false;
    bool PictureDefaultChosen = false;
    bool PictureDefaultSaved = false;
    // The folder browsed to in destination mode, trailing "/"; DestPath takes it only on the dialog's OK.
    QString DestPathPending;
    // Picture mode: a file was previewed, Default pressed or the caption typed since the chooser opened.
    bool PictureChoiceMade = false;
};

struct EasyFileChoice {
    int EasyFileIndex = -1;
};

struct MainWindowRecords : UiState, FolderBrowseHistory, MoveDialogState, EasyFileChoice {};

}  // namespace qv
