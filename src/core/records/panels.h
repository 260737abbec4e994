// Records owned by the panel controller; see core/state.h.
#pragma once

#include <QString>
#include <QStringList>

#include "core/keys.h"

namespace qv {

struct PanelKeys {
    SetButKeyField SetButKey;
    SetNullKeyField SetNullKey;
    FrameKeyField FrameKey;
    FrameKeyField FrameKeySaved;
    PanelKeyField PanelKey;
    bool SelectionEmptied = false;
    bool KeepViewLocked = false;
};

struct SelectionSettings {
    QString SelectionMode = QStringLiteral("Manual");
    int SelMaxFiles = 100;  // 0: no maximum
    int SelSkip = 0;
    bool SelKeep = false;
    int SelNumber = 0;
    QString SelString;
    bool SelCaseSensitive = false;
    QString SelExtension;
    int SelKind = 0;
    int SelNumKind = -1;
};

struct SelectionSettingsPending {
    int SelMaxFilesPending = 100;
    int SelSkipPending = 0;
    bool SelKeepPending = false;
    int SelNumberPending = 0;
    QString SelStringPending;
    bool SelCaseSensitivePending = false;
    QString SelExtensionPending;
    int EditSelKind = 0;
    int EditSelNumKind = -1;
};

// ReviewMode and ReviewModePending live in UiState.
struct ActionSettings {
    QString ActionName = QStringLiteral("Rename");
    int ActionIndex = 0;
    int EditActionIndex = 0;
    int ActionAttribute = 0;
    int EditActionAttribute = 0;
    bool OverwriteConfirmed = false;
    bool OverwritePending = false;
};

// One weight per control of the Options panel; their sum is OptionsCodePending.
struct OptionsWeights {
    int WeightInsertRigid = 0;
    int WeightReplaceRigid = 0;
    int WeightRemoveRigid = 0;
    int WeightCharReplaceRigid = 0;
    int WeightCharRemoveRigid = 0;
    int WeightHelpRigid = 0;
    int WeightAllowSystemRigid = 0;
    int WeightUndoWarnRigid = 0;
};

// The priority combos' committed choice (the run order itself is PriorityOrder).
struct PriorityChoices {
    QString PriorityChoice1 = QStringLiteral("Insert");
    QString PriorityChoice2 = QStringLiteral("Replace");
    QString PriorityChoice3 = QStringLiteral("Remove");
    int PriorityChoiceIndex1 = 0;
    int PriorityChoiceIndex2 = 1;
    int PriorityChoiceIndex3 = 2;
    int PriorityChanged = 0;
    bool PriorityFrameDue = false;
    QString PriorityChangeOp;
    QString PriorityChangeDir;
};

struct ButtonStateFlags {
    bool ShowFramePending = false;
    int OptionsNonDefault = 0;
    int NonDefaultCount = 0;
};

struct PanelRecords : PanelKeys,
                      SelectionSettings,
                      SelectionSettingsPending,
                      ActionSettings,
                      OptionsWeights,
                      PriorityChoices,
                      ButtonStateFlags {};

}  // namespace qv
