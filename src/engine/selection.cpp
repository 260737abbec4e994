#include "engine/selection.h"

#include <algorithm>

#include "core/state.h"
#include "engine/filename.h"

namespace qv {

void SplitFileName(const QString& file, QString& name, QString& dot, QString& ext) {
    const qsizetype at = file.lastIndexOf(QLatin1Char('.'));
    if (at < 0) {
        name = file;
        dot.clear();
        ext.clear();
        return;
    }
    name = file.left(at);
    dot = QStringLiteral(".");
    ext = file.mid(at + 1);
}

void SelectionTableAppend(const QString& file, int listIndex) {
    QString name, dot, ext;
    SplitFileName(file, name, dot, ext);
    S.ComboFile1.append(file);
    S.ComboIndex.append(DecimalNumber(listIndex));
    S.ComboName.append(name);
    S.ComboDot.append(dot);
    S.ComboExt.append(ext);
    S.ComboClearString.append(RowOkMark);
}

void SelectionTableClear() {
    // Every column at once, so that a column added to the record cannot be left behind.
    static_cast<SelectionTable&>(S) = SelectionTable{};
}

void SelectionTableResplit() {
    const int rows = static_cast<int>(S.ComboFile1.size());
    for (int i = 0; i < rows; ++i) {
        SplitFileName(S.ComboFile1.at(i), S.ComboName[i], S.ComboDot[i], S.ComboExt[i]);
        S.ComboClearString[i] = RowOkMark;
    }
}

void SelectionTableRemoveRow(int i) {
    if (i < 0 || i >= SelectionTableCount()) {
        return;
    }
    S.ComboFile1.removeAt(i);
    S.ComboIndex.removeAt(i);
    S.ComboName.removeAt(i);
    S.ComboDot.removeAt(i);
    S.ComboExt.removeAt(i);
    S.ComboClearString.removeAt(i);
}

int SelectionTableCount() {
    return static_cast<int>(S.ComboName.size());
}

QString SelectionNewName(int i) {
    const QString& name = S.ComboName.at(i);
    const QString& dot = S.ComboDot.at(i);
    const QString& ext = S.ComboExt.at(i);
    if (dot.isEmpty() && ext.isEmpty()) {
        return name;
    }
    // One allocation for the whole name, filled in place.
    QString out(name.size() + dot.size() + ext.size(), Qt::Uninitialized);
    QChar* at = out.data();
    for (const QString* part : {&name, &dot, &ext}) {
        std::copy_n(part->constData(), part->size(), at);
        at += part->size();
    }
    return out;
}

bool SelectionRowMarked(int i) {
    return S.ComboClearString.at(i) == RowConflictMark;
}

bool SelectionMarkRow(int i) {
    if (SelectionRowMarked(i)) {
        return false;
    }
    S.ComboClearString[i] = RowConflictMark;
    return true;
}

void SetValueActionFlags() {
    S.NamesToBuild = false;
    S.ConflictCheckDue = false;
    S.ReadyToFinalize = false;
    S.HasSelection = S.SelectedCount == 0 ? 0 : 1;
    if (S.HasSelection == 1) {
        const QString& a = S.ActionName;
        if (a == QLatin1String("Delete") || a == QLatin1String("Set Attribute")) {
            S.ReadyToFinalize = true;
        } else if (a == QLatin1String("Move") || a == QLatin1String("Copy")) {
            S.ConflictCheckDue = true;
        } else if (a == QLatin1String("Rename") || a == QLatin1String("Rename And Copy") ||
                   a == QLatin1String("Copy And Rename") || a == QLatin1String("Move And Rename")) {
            const int on = S.ExtensionOn + S.CaseOn + S.HandleOn + S.SpaceOn + S.InsertOn + S.ReplaceOn +
                           S.RemoveOn + S.AutoOn;
            S.NamesToBuild = on > 0;
        }
    }
    // A table left holding built names (a conflict report answered, a free-space refusal) would have
    // the criteria applied twice by the next Preview.
    if (S.NamesToBuild || S.ConflictCheckDue)
        SelectionTableResplit();
}

void SetValueSplitNames() {
    SelectionTableResplit();
}

}  // namespace qv
