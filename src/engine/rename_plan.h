// The order of the renames inside one folder: a row whose new name another row's file still holds
// waits for that row, and a ring of such rows is opened through a temporary name.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace qv {

struct RenameStep {
    int row = 0;
    QString from;
    QString to;
    // After this step the row's file has its new name (a row's last step).
    bool last = true;
};

// How a folder tells names apart: exactly, or folded when the file system ignores case.
QString NameKey(const QString& name, bool caseBlind);

// The steps that rename olds[i] to news[i] for every row, never onto a name still held by another
// row's file. Old names are distinct, and so are new names (as the folder compares them). A row whose
// new name equals its old one gets one step from the name to itself; a name that differs only in
// case on a case-blind folder goes through a temporary name. `temporary` hands out a name that no
// file and no row has.
QList<RenameStep> PlanRenames(const QStringList& olds, const QStringList& news, bool caseBlind,
                              const std::function<QString()>& temporary);

// Whether the folder finds a name in another case, asked of the file system with names known to
// be there (a few are enough). A folder where none of them has a case to change counts as exact.
bool FolderIsCaseBlind(const QString& folder, const QStringList& present);

// A temporary name for the folder that holds no file and is none of `used` (keys of the folder's
// comparison); hidden, plainly the program's own, and one that an interrupted run leaves alone.
QString FreeTemporaryName(const QString& folder, const std::function<bool(const QString&)>& used);

}  // namespace qv
