#include "engine/conflicts.h"

#include <QHash>
#include <QSet>
#include <exception>

#include "core/folders.h"
#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "core/windows.h"
#include "engine/actions.h"
#include "engine/filename.h"
#include "engine/selection.h"
#include "platform/services.h"

namespace qv {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A hit: the check's counter always, the total and the mark only for a row not yet marked.
void Hit(int i, int& counter) {
    ++counter;
    if (SelectionMarkRow(i)) {
        ++S.ConflictTotal;
    }
}

// Every name in a folder, files and folders, hidden ones too.
QSet<QString> NamesOnDisk(const QString& folder) {
    FileSystem& fs = fileSystem();
    const QStringList files = fs.FileNames(folder);
    const QStringList folders = fs.FolderNames(folder);
    QSet<QString> names(files.begin(), files.end());
    for (const QString& f : folders) {
        names.insert(f);
    }
    return names;
}

// The name each row's file gets in the destination folder.
QString DestinationName(int i) {
    // Copy and Move keep the file's name, whatever names were built.
    if (S.ActionName == QStringLiteral("Copy") || S.ActionName == QStringLiteral("Move")) {
        return S.ComboFile1.at(i);
    }
    return SelectionNewName(i);
}

}  // namespace

bool FindConflictNameZeroLength() {
    return Trapped("FindConflictNameZeroLength", [&] {
        const int rows = SelectionTableCount();
        for (int i = 0; i < rows; ++i) {
            // A name that cannot be one file name here would move the file or fail: as bad as none.
            if (S.ComboName.at(i).isEmpty() || !IsUsableFileName(SelectionNewName(i))) {
                Hit(i, S.ConflictZeroLength);
            }
        }
    });
}

bool FindConflictWithExistName() {
    return Trapped("FindConflictWithExistName", [&] {
        // Unselected entries of the list, and every name on the disk that no row's file holds now
        // (hidden files are not listed but take the name all the same).
        QSet<QString> taken;
        Windows& w = windows();
        const int listed = w.FileCount(FileList::Work);
        for (int k = 0; k < listed; ++k) {
            if (!w.FileSelected(FileList::Work, k)) {
                taken.insert(w.FileEntry(FileList::Work, k));
            }
        }
        const QSet<QString> moving(S.ComboFile1.begin(), S.ComboFile1.end());
        for (const QString& name : NamesOnDisk(S.WorkPath)) {
            if (!moving.contains(name)) {
                taken.insert(name);
            }
        }
        const int rows = SelectionTableCount();
        for (int i = 0; i < rows; ++i) {
            if (taken.contains(SelectionNewName(i))) {
                Hit(i, S.ConflictExistName);
            }
        }
    });
}

bool FindConflictWithNewName() {
    return Trapped("FindConflictWithNewName", [&] {
        // A row is a hit when a later row has the same new name: all but the last of each group.
        const int rows = SelectionTableCount();
        QHash<QString, int> lastRow;
        lastRow.reserve(rows);
        QStringList names;
        names.reserve(rows);
        for (int i = 0; i < rows; ++i) {
            names.append(SelectionNewName(i));
            lastRow.insert(names.last(), i);
        }
        for (int i = 0; i < rows - 1; ++i) {
            if (lastRow.value(names.at(i)) > i) {
                Hit(i, S.ConflictNewName);
            }
        }
    });
}

bool FindConflictWithMove() {
    return Trapped("FindConflictWithMove", [&] {
        // Always the destination folder on the disk: the folder dialog's list may show another one.
        const QSet<QString> present = NamesOnDisk(S.DestPath);
        const int rows = SelectionTableCount();
        for (int i = 0; i < rows; ++i) {
            if (present.contains(DestinationName(i))) {
                Hit(i, S.ConflictMove);
            }
        }
    });
}

bool FindConflictSetAttribute() {
    return Trapped("FindConflictSetAttribute", [&] {
        FileSystem& fs = fileSystem();
        const int rows = SelectionTableCount();
        for (int i = 0; i < rows; ++i) {
            const int a = fs.GetAttributes(S.WorkPath + S.ComboFile1.at(i));
            // Only a value that is exactly one of these is refused; every hit counts in the total.
            if (a == 4 || a == 8 || a == 16 || a == 64 || a == 128) {
                SelectionMarkRow(i);
                ++S.ConflictTotal;
            }
        }
    });
}

void FindConflictStart() {
    if (!S.ConflictCheckDue) {
        return;
    }
    const QString& action = S.ActionName;
    bool checked = true;
    auto run = [&checked](bool (*check)()) { checked = check() && checked; };
    if (action == QStringLiteral("Rename")) {
        run(FindConflictNameZeroLength);
        run(FindConflictWithExistName);
        run(FindConflictWithNewName);
    } else if (action == QStringLiteral("Rename And Copy")) {
        run(FindConflictNameZeroLength);
        run(FindConflictWithExistName);
        run(FindConflictWithNewName);
        if (!S.OverwriteConfirmed) {
            run(FindConflictWithMove);
        }
    } else if (action == QStringLiteral("Copy And Rename")) {
        run(FindConflictNameZeroLength);
        run(FindConflictWithNewName);
        if (!S.OverwriteConfirmed) {
            run(FindConflictWithMove);
        }
    } else if (action == QStringLiteral("Move And Rename")) {
        run(FindConflictNameZeroLength);
        run(FindConflictWithNewName);
        run(FindConflictWithMove);
    } else if (action == QStringLiteral("Copy")) {
        if (!S.OverwriteConfirmed) {
            run(FindConflictWithMove);
        }
    } else if (action == QStringLiteral("Move")) {
        run(FindConflictWithMove);
    } else if (action == QStringLiteral("Set Attribute")) {
        run(FindConflictSetAttribute);
    }

    if (S.ConflictTotal < 1) {
        // Rows a failed check never reached must not go on to Finalize.
        if (!checked) {
            return;
        }
        if (S.ActionIndex >= 1 && S.ActionIndex <= 5) {
            const qint64 needKB = ShowSelectedFilesSize();
            if (S.DestFreeKB < needKB) {
                S.MessageKey = QStringLiteral("MessageNeedFreeSpace");
                MessageShowWork();
                return;
            }
        }
        ActionRebuildNameList();
        return;
    }

    S.MessageKey = QStringLiteral("MessageReadyFoundConflict");
    S.MessageReadyText = FindConflictReport();
    MessageShowReady();
    if (S.MessageReply == QStringLiteral("ReplyClearConflict")) {
        FindConflictClear();
    } else if (S.MessageReply == QStringLiteral("ReplyResetConlict")) {
        S.PreviewNames.clear();
        windows().ShowPreviewNames();
        // Every row back to "OK" with the name its file has now, whatever the panel side rebuilds.
        SelectionTableResplit();
        SetValueActionFlags();
        SetValueSplitNames();
    }
    S.MessageReply.clear();
}

QString FindConflictReport() {
    QString r =
        QStringLiteral("Total ") + QString::number(S.ConflictTotal) + QStringLiteral(" conflicting file");
    if (S.ConflictTotal > 1) {
        r += QStringLiteral("s");
    }
    r += QStringLiteral(" found.") + kCrLf + kCrLf;
    const struct {
        int count;
        const char* label;
    } lines[] = {
        {S.ConflictInsert, "Number of selection for which Insert is not possible is : "},
        {S.ConflictReplace, "Number of selection for which Replace is not possible is : "},
        {S.ConflictRemove, "Number of selection for which Remove is not possible is : "},
        {S.ConflictAuto, "Number of selection for which Auto is not possible is : "},
        {S.ConflictZeroLength, "Number of selection getting zero length file name is : "},
        {S.ConflictExistName, "Number of new name conflicting with existing file name is : "},
        {S.ConflictNewName, "Number of new name conflicting with other new name is : "},
        {S.ConflictMove, "Number of new name conflicting with files in Destination Folder is : "},
    };
    for (const auto& line : lines) {
        if (line.count > 0) {
            r += QLatin1String(line.label) + QString::number(line.count) + kCrLf;
        }
    }
    r += kCrLf;
    if (S.ConflictMove > 0 && (S.ConflictExistName != 0 || S.ConflictNewName != 0)) {
        r += QStringLiteral(" To change Renaming options and/or Destination Folder ");
    } else if (S.ConflictMove > 0) {
        r += QStringLiteral(" To change Destination Folder ");
    } else {
        r += QStringLiteral(" To change Renaming options ");
    }
    r += QStringLiteral(
        "please press Cancel. To unselect the conflicting files please press OK, it will be done "
        "automatically.");
    return r;
}

void FindConflictClear() {
    S.FileListByProgram = true;
    // One pass that keeps the unmarked rows in order, so the columns stay parallel.
    SelectionTable kept;
    int removed = 0;
    const int rows = SelectionTableCount();
    for (int i = 0; i < rows; ++i) {
        if (SelectionRowMarked(i)) {
            bool ok = false;
            const int listIndex = S.ComboIndex.at(i).toInt(&ok);
            if (ok) {
                windows().SetFileSelected(FileList::Work, listIndex, false);
            }
            ++removed;
            continue;
        }
        kept.ComboFile1.append(S.ComboFile1.at(i));
        kept.ComboIndex.append(S.ComboIndex.at(i));
        kept.ComboName.append(S.ComboName.at(i));
        kept.ComboDot.append(S.ComboDot.at(i));
        kept.ComboExt.append(S.ComboExt.at(i));
        kept.ComboClearString.append(S.ComboClearString.at(i));
    }
    static_cast<SelectionTable&>(S) = std::move(kept);
    S.FileListByProgram = false;
    S.SelectedCount -= removed;
    S.ConflictInsert = 0;
    S.ConflictReplace = 0;
    S.ConflictRemove = 0;
    S.ConflictAuto = 0;
    S.ConflictExistName = 0;
    S.ConflictNewName = 0;
    S.ConflictMove = 0;
    S.ConflictZeroLength = 0;
    S.HasSelection = S.SelectedCount == 0 ? 0 : 1;
}

}  // namespace qv
