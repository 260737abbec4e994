#include "engine/views.h"

#include "core/state.h"
#include "engine/selection.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"

namespace qv::engineview {

namespace {

// The preview names when the main window is not loaded.
QStringList& DetachedPreview() {
    static QStringList names;
    return names;
}

FileListBox* WorkList() {
    FrmMain& m = frmMain();
    return m.Loaded() ? m.File1 : nullptr;
}

ListBox* PreviewList() {
    FrmMain& m = frmMain();
    return m.Loaded() ? m.List1 : nullptr;
}

}  // namespace

int WorkListCount() {
    FileListBox* list = WorkList();
    return list ? list->ListCount() : 0;
}

QString WorkListEntry(int i) {
    FileListBox* list = WorkList();
    return list ? list->List(i) : QString();
}

bool WorkListSelected(int i) {
    FileListBox* list = WorkList();
    return list && list->Selected(i);
}

void WorkListUnselect(int i) {
    FileListBox* list = WorkList();
    if (list && i >= 0 && i < list->ListCount()) {
        list->SetSelected(i, false);
    }
}

void PreviewClear() {
    DetachedPreview().clear();
    if (ListBox* list = PreviewList()) {
        list->Clear();
        list->SetListIndex(-1);
    }
}

void PreviewAdd(const QString& name) {
    if (ListBox* list = PreviewList()) {
        list->AddItem(name);
    } else {
        DetachedPreview().append(name);
    }
}

int PreviewCount() {
    if (ListBox* list = PreviewList()) {
        return list->ListCount();
    }
    return static_cast<int>(DetachedPreview().size());
}

QString PreviewEntry(int i) {
    if (ListBox* list = PreviewList()) {
        return list->List(i);
    }
    return DetachedPreview().value(i);
}

QString WorkDirPath() {
    FrmMain& m = frmMain();
    return m.Loaded() && m.Dir1 ? m.Dir1->Path() : QString();
}

QString MoveDirPath() {
    FrmMove& m = frmMove();
    return m.Loaded() && m.Dir1 ? m.Dir1->Path() : QString();
}

void SetWorkDirPath(const QString& path) {
    FrmMain& m = frmMain();
    if (m.Loaded() && m.Dir1 && !path.isEmpty()) {
        m.Dir1->SetPath(path);
    }
}

void SetMoveDirPath(const QString& path) {
    FrmMove& m = frmMove();
    if (m.Loaded() && m.Dir1 && !path.isEmpty()) {
        m.Dir1->SetPath(path);
    }
}

void RefreshFileLists() {
    FrmMain& m = frmMain();
    if (m.Loaded() && m.File1 && m.File2) {
        m.File1->Refresh();
        m.File1->SetListIndex(-1);
        m.File2->Refresh();
        m.File2->SetListIndex(-1);
    }
    FrmMove& mv = frmMove();
    if (mv.Loaded() && mv.File1) {
        mv.File1->Refresh();
        mv.File1->SetListIndex(-1);
    }
}

}  // namespace qv::engineview
