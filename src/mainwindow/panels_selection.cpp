// File selection processing: the automatic rule over the work folder's list, the count, the
// selection table and the preview list of the actions that do not rename.
#include <QHash>

#include "core/little_help.h"
#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "engine/selection.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/panels.h"

namespace qv::panels {

namespace {

bool ListsFiles() {
    return S.ActionName == QLatin1String("Delete") || S.ActionName == QLatin1String("Set Attribute");
}

// Selects exactly the entries `want` says; entries already right are not touched.
template <class Want>
void SelectWhere(FileListBox& files, Want want) {
    const int n = files.ListCount();
    for (int i = 0; i < n; ++i) files.SetSelected(i, want(i));
}

void ClearList1(FrmMain& m) {
    if (m.List1->ListCount() > 0)
        m.List1->Clear();
    m.List1->SetListIndex(-1);
    S.PreviewNames.clear();
}

}  // namespace

void SetValueCollectFiles() {
    SetValueAutoSelect();
    SetValueShowSpaceNeed();
    if (S.HasSelection == 1) {
        SetValueListSelected();
        if (ListsFiles())
            SetValueListForDelete();
        else
            SetValueSplitNames();
    }
    if (S.SelectedCount < 1) {
        S.HasSelection = 0;
        // Nothing selected: no row may stay behind for an action to pick up, nor a file listed for one.
        SelectionTableClear();
        if (ListsFiles() && frmMain().Loaded())
            ClearList1(frmMain());
        if (!HasPreview(CurrentAction()))
            S.SelectionEmptied = true;
    } else if (S.SelectedCount > 1 && S.RenReplaceKind == 1 && S.RenAutoType == 0) {
        S.MessageKey = MessageId::MessageReplaceMultiName;
        MessageShowWork();
    }
}

void SetValueAutoSelect() {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    m.ForgetVanishedWorkFolder();
    FileListBox& files = *m.File1;
    const int last = files.ListCount() - 1;
    if (last < 0) {
        S.HasSelection = 0;
        S.SelectedCount = 0;
        return;
    }
    const QString& mode = S.SelectionMode;
    const bool all = mode == QLatin1String("All"), byNumber = mode == QLatin1String("ByNumber"),
               byString = mode == QLatin1String("ByString"), byExt = mode == QLatin1String("ByExtension");
    if (!all && !byNumber && !byString && !byExt)
        return;  // manual: the list stays as the user left it
    const int skip = S.SelSkip;
    if (skip > last) {
        SelectWhere(files, [](int) { return false; });
        return;
    }
    if (all || byNumber) {
        int hi = all ? (S.SelMaxFiles != 0 ? skip + S.SelMaxFiles - 1 : last) : S.SelNumber + skip - 1;
        hi = std::min(hi, last);
        SelectWhere(files, [&](int i) { return i >= skip && i <= hi; });
        return;
    }
    // By string or by extension: matches from the skip on, up to the maximum.
    int matches = 0;
    const SelectionRule rule;
    SelectWhere(files, [&](int i) {
        if (i < skip || !rule.Matches(files.List(i)))
            return false;
        ++matches;
        return S.SelMaxFiles == 0 || matches <= S.SelMaxFiles;
    });
}

void SetValueShowSpaceNeed() {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    S.SelectedCount = m.File1->SelCount();
    S.HasSelection = S.SelectedCount == 0 ? 0 : 1;
    // A size shown for an earlier selection is stale now.
    m.LabelSpaceNeed->SetVisible(false);
    m.CommandFileSize->SetEnabled(S.SelectedCount >= 2);
}

void SetValueListSelected() {
    SelectionTableClear();
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    const int n = m.File1->ListCount();
    int found = 0;
    for (int i = 0; i < n && found < S.SelectedCount; ++i) {
        if (m.File1->Selected(i)) {
            SelectionTableAppend(m.File1->List(i), i);
            ++found;
        }
    }
}

void SetValueListForDelete() {
    FrmMain& m = frmMain();
    if (S.ComboFile1.isEmpty() || !m.Loaded())
        return;
    ClearList1(m);
    for (const QString& name : S.ComboFile1) m.List1->AddItem(name);
}

void SetValueClearSelection() {
    FrmMain& m = frmMain();
    if (m.Loaded()) {
        const bool byProgram = S.FileListByProgram;
        S.FileListByProgram = true;
        // Every selection goes, whatever made it: an automatic rule leaves no current entry behind.
        if (m.File1->ListCount() > 0 && (m.File1->SelCount() > 0 || m.File1->ListIndex() != -1)) {
            m.File1->SetListIndex(-1);
            m.File1->Refresh();
        }
        S.FileListByProgram = byProgram;
        ClearList1(m);
        m.LabelSpaceNeed->SetVisible(false);
        m.CommandFileSize->SetEnabled(false);
    }
    SelectionTableClear();
    S.PreviewNames.clear();
    S.HasSelection = 0;
    S.SelectedCount = 0;
    S.NamesToBuild = false;
    S.ConflictCheckDue = false;
    S.ReadyToFinalize = false;
}

void SetValueRestoreSelection() {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    m.File1->Refresh();
    // By name: a file added or removed on disk since the table was made shifts every index after it.
    const int n = m.File1->ListCount();
    QHash<QString, int> at;
    at.reserve(n);
    for (int i = 0; i < n; ++i) at.insert(m.File1->List(i), i);
    for (qsizetype row = 0; row < S.ComboFile1.size(); ++row) {
        const auto it = at.constFind(S.ComboFile1.at(row));
        if (it == at.constEnd())
            continue;
        m.File1->SetSelected(it.value(), true);
        S.ComboIndex[row] = QString::number(it.value());
    }
}

}  // namespace qv::panels
