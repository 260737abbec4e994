// The commits of the File Selection and Action panels: pending settings become the committed ones,
// the captions that show them follow, and the selection is collected again for them.
#include "core/panel_calls.h"
#include "core/state.h"
#include "engine/selection.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "mainwindow/panels.h"

namespace qv::panels {

void SetValueSelectionOK() {
    QString caption, info;
    if (S.EditSelKind != 0) {
        if (S.SelKind == 0)
            ++S.NonDefaultCount;
        const QString start = QString::number(S.SelSkipPending + 1);
        if (S.EditSelKind == 1) {
            S.SelStringPending.clear();
            S.SelExtensionPending.clear();
            S.SelCaseSensitivePending = false;
            QString count;
            if (S.EditSelNumKind == 0) {
                S.SelectionMode = QStringLiteral("All");
                count = QStringLiteral("All");
                if (S.SelMaxFilesPending != 0)
                    S.SelNumberPending = S.SelMaxFilesPending;
            } else {
                S.SelectionMode = QStringLiteral("ByNumber");
                if (S.SelMaxFilesPending != 0 && S.SelNumberPending > S.SelMaxFilesPending)
                    S.SelNumberPending = S.SelMaxFilesPending;
                count = QString::number(S.SelNumberPending);
            }
            const QString plural = count == QLatin1String("All") || S.SelNumberPending >= 2
                                       ? QStringLiteral("s.")
                                       : QStringLiteral(".");
            caption = QStringLiteral("By Number -> ") + count + QStringLiteral(" File") + plural;
            info = QStringLiteral("Selection Start From File #") + start + QStringLiteral(".");
        } else {
            S.SelNumberPending = 0;
            QString subject;
            if (S.EditSelKind == 2) {
                S.SelectionMode = QStringLiteral("ByString");
                subject = S.SelStringPending;
                S.SelExtensionPending.clear();
                caption = QStringLiteral("By String -> ");
            } else {
                S.SelectionMode = QStringLiteral("ByExtension");
                subject = S.SelExtensionPending;
                S.SelStringPending.clear();
                caption = QStringLiteral("By Extension -> ");
            }
            const QString plural = S.SelMaxFilesPending > 1 ? QStringLiteral("s.") : QStringLiteral(".");
            info = S.SelSkipPending > 0 ? QStringLiteral("Start from File# ") + start : QString();
            if (S.SelMaxFilesPending != 0)
                info = QStringLiteral("Max. ") + QString::number(S.SelMaxFilesPending) +
                       QStringLiteral(" File") + plural + QStringLiteral(" ") + info;
            caption += subject + QStringLiteral(".");
        }
    } else {
        if (S.SelKind != 0)
            --S.NonDefaultCount;
        S.SelectionMode = QStringLiteral("Manual");
        S.SelSkipPending = 0;
        S.SelNumberPending = 0;
        S.SelKeepPending = false;
        S.SelCaseSensitivePending = false;
        S.SelStringPending.clear();
        S.SelExtensionPending.clear();
        caption = QStringLiteral("Manual File Selection");
    }
    CommitSelectionPending();
    FrmMain& m = frmMain();
    if (m.Loaded()) {
        m.FrameDisplaySelection->SetCaption(caption);
        m.LabelSelectionInfo->SetCaption(info);
        m.FrameSelection->SetVisible(false);
    }
    S.FileListByProgram = true;
    if (S.SelectionMode == QLatin1String("Manual"))
        SetValueClearSelection();
    else
        SetValueCollectFiles();
    S.SelKind = S.EditSelKind;
    S.FileListByProgram = false;
    S.SelNumKind = S.EditSelKind == 1 ? S.EditSelNumKind : -1;
}

void SetValueActionOK() {
    FrmMain& m = frmMain();
    S.ReviewMode = S.ReviewModePending;
    if (EditedAction() == Action::SetAttribute && S.EditActionAttribute == 0) {
        S.OverwritePending = false;
        S.ActionAttribute = 0;
        S.EditActionIndex = S.ActionIndex;
        if (m.Loaded())
            m.FrameAction->SetVisible(false);
        return;
    }
    struct Row {
        const char* name;
        const char* preview;
        const char* job;
        const char* destLabel;
    };
    static const Row rows[] = {
        {"Rename", "Preview", "Rename", ""},
        {"Rename And Copy", "Preview", "Rename+Copy", "Copy To :"},
        {"Copy And Rename", "Preview", "Copy+Rename", "Copy To :"},
        {"Move And Rename", "Preview", "Move+Rename", "Move To :"},
        {"Copy", "Finalize", "Copy", "Copy To :"},
        {"Move", "Finalize", "Move", "Move To :"},
        {"Delete", "Preview", "Delete", ""},
        {"Set Attribute", "Preview", "Set Attribute", "Attribute :"},
    };
    const int index = S.EditActionIndex;
    if (index < 0 || index >= static_cast<int>(std::size(rows)))
        return;
    const Action action = ActionAt(index);
    S.DestLabelText.clear();
    if (action == Action::Rename && CurrentAction() != Action::Rename)
        --S.NonDefaultCount;
    else if (action != Action::Rename && CurrentAction() == Action::Rename)
        ++S.NonDefaultCount;
    const Row& row = rows[index];
    S.ActionName = QLatin1String(row.name);
    QString destText;
    if (NeedsDestination(action))
        destText = S.DestPath;
    else if (action == Action::Delete)
        destText = QStringLiteral("Files Will Be Deleted Permanently. No Undo Available For Detete.");
    else if (action == Action::SetAttribute && m.Loaded() && m.OptionAttribute[S.EditActionAttribute])
        destText = m.OptionAttribute[S.EditActionAttribute]->Caption();
    const bool keepsOverwrite = Copies(action);
    const QString suffix =
        keepsOverwrite && S.OverwritePending ? QStringLiteral(" : Overwrite Confirmed") : QString();
    if (!keepsOverwrite)
        S.OverwritePending = false;
    // The list of files to act on stays on show; Easy Process has no such list to keep.
    if (!HasPreview(action) && S.ViewLocked && !S.EasyProcessMode)
        S.KeepViewLocked = true;
    S.ActionIndex = index;
    S.ActionAttribute = action == Action::SetAttribute ? S.EditActionAttribute : 0;
    S.OverwriteConfirmed = S.OverwritePending;
    if (m.Loaded()) {
        if (S.ActionAttribute == 0 && m.OptionAttribute[0])
            m.OptionAttribute[0]->SetValue(true);
        m.FrameDisplayAction->SetCaption(S.ActionName + suffix);
        m.TextActionDestination->SetText(destText);
        m.LabelActionDestination->SetCaption(QLatin1String(row.destLabel));
        m.LabelJob->SetCaption(QLatin1String(row.job));
        // The button reads as its frame: Copy and Move are checked by Finalize, with no names to preview.
        m.FramePreview->SetCaption(QLatin1String(row.preview));
        m.CommandPreview->SetCaption(QLatin1String(row.preview));
    }
    // A folder dialog still to be built stands on S.MoveLastPath already.
    if (frmMoveAsIs().Loaded())
        S.MoveLastPath = frmMoveAsIs().Dir1->Path();
    if (!S.EasyProcessMode && S.HasSelection == 1) {
        if (m.Loaded() && m.List1->ListCount() > 0) {
            m.List1->Clear();
            m.List1->SetListIndex(-1);
        }
        S.PreviewNames.clear();
        SetValueListSelected();
        if (!HasPreview(action))
            SetValueListForDelete();
        else
            qv::SetValueSplitNames();
    }
    if (m.Loaded()) {
        m.SingleProcessPrepareForAction();
        m.LabelReviewMode->SetVisible(S.ReviewMode != 0);
        m.FrameAction->SetVisible(false);
    }
}

}  // namespace qv::panels
