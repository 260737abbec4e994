#include "engine/conflicts.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

#include "core/folders.h"
#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "core/windows.h"
#include "engine/actions.h"
#include "engine/filename.h"
#include "engine/rename_plan.h"
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

// Every name in a folder, whatever holds it (files, folders, links), hidden ones too: one read of
// the folder, no query per name.
QStringList NamesOnDisk(const QString& folder) {
    return fileSystem().EntryNames(folder);
}

QSet<QString> Keys(const QStringList& names, bool blind) {
    QSet<QString> keys;
    keys.reserve(names.size());
    for (const QString& n : names) {
        keys.insert(NameKey(n, blind));
    }
    return keys;
}

bool IsCopyOrMove() {
    return S.ActionName == QStringLiteral("Copy") || S.ActionName == QStringLiteral("Move");
}

// The folders the new names land in.
QStringList NewNameFolders() {
    const QString& a = S.ActionName;
    if (a == QStringLiteral("Rename")) {
        return {S.WorkPath};
    }
    if (a == QStringLiteral("Rename And Copy")) {
        return {S.WorkPath, S.DestPath};
    }
    if (a == QStringLiteral("Copy And Rename") || a == QStringLiteral("Move And Rename") || IsCopyOrMove()) {
        return {S.DestPath};
    }
    return {};
}

// Whether a folder the new names land in ignores case; the names tried are ones known to be there.
bool AnyCaseBlind(const QStringList& folders) {
    for (const QString& f : folders) {
        if (f.isEmpty()) {
            continue;
        }
        QStringList present = S.ComboFile1.mid(0, 4);
        if (f != S.WorkPath) {
            try {
                present = NamesOnDisk(f).mid(0, 4);
            } catch (const PlatformError&) {
                // A folder that cannot be listed: the destination check reports it, once.
                continue;
            }
        }
        if (FolderIsCaseBlind(f, present)) {
            return true;
        }
    }
    return false;
}

// A 64-bit hash of UTF-16 text taken piece by piece: the pieces hash as their concatenation.
class TextHash {
  public:
    TextHash& add(QStringView s) {
        for (const QChar c : s) {
            h_ = (h_ ^ c.unicode()) * 1099511628211ULL;
        }
        return *this;
    }
    quint64 value() const { return h_; }

  private:
    quint64 h_ = 14695981039346656037ULL;
};

// Row i's new name as the folders compare it, hashed from its parts as they stand, so that no name
// is built for a row whose hash no other row has.
quint64 NewNameHash(int i, bool blind) {
    if (blind) {
        return TextHash().add(NameKey(SelectionNewName(i), true)).value();
    }
    return TextHash().add(S.ComboName.at(i)).add(S.ComboDot.at(i)).add(S.ComboExt.at(i)).value();
}

// The keys of a list of names, asked whether it holds one: the list's hashes sorted, so building it
// stores no string and a question compares names only where the hashes agree.
class KeySet {
  public:
    KeySet(const QStringList& names, bool blind) : names_(names), blind_(blind) {
        hashes_.reserve(static_cast<size_t>(names.size()));
        for (qsizetype k = 0; k < names.size(); ++k) {
            hashes_.emplace_back(TextHash().add(key(k)).value(), k);
        }
        std::sort(hashes_.begin(), hashes_.end());
    }

    bool contains(const QString& key) const {
        const quint64 h = TextHash().add(key).value();
        for (auto at = std::lower_bound(hashes_.begin(), hashes_.end(), std::make_pair(h, qsizetype(0)));
             at != hashes_.end() && at->first == h; ++at) {
            if (this->key(at->second) == key) {
                return true;
            }
        }
        return false;
    }

  private:
    QString key(qsizetype k) const { return NameKey(names_.at(k), blind_); }

    const QStringList names_;
    const bool blind_;
    std::vector<std::pair<quint64, qsizetype>> hashes_;
};

// The name each row's file gets in the destination folder.
QString DestinationName(int i) {
    // Copy and Move keep the file's name, whatever names were built.
    if (IsCopyOrMove()) {
        return S.ComboFile1.at(i);
    }
    return SelectionNewName(i);
}

}  // namespace

bool FindConflictNameZeroLength() {
    return Trapped("FindConflictNameZeroLength", [&] {
        // The shortest limit of the folders the names go to, where their file systems tell it.
        qsizetype most = kNameMaxBytes;
        for (const QString& f : NewNameFolders()) {
            if (!f.isEmpty()) {
                most = qMin<qsizetype>(most, fileSystem().NameMax(f));
            }
        }
        S.ConflictNotAName = 0;
        S.ConflictLongName = 0;
        S.ConflictNameLimit = static_cast<int>(most);
        const int rows = SelectionTableCount();
        for (int i = 0; i < rows; ++i) {
            if (S.ComboName.at(i).isEmpty()) {
                Hit(i, S.ConflictZeroLength);
                continue;
            }
            // A name that cannot be one file name there would move the file or fail: each is told
            // for what it is.
            switch (FileNameFault(SelectionNewName(i), most)) {
                case NameFault::None:
                    break;
                case NameFault::TooLong:
                    Hit(i, S.ConflictLongName);
                    break;
                case NameFault::Empty:
                case NameFault::NotAName:
                    Hit(i, S.ConflictNotAName);
                    break;
            }
        }
    });
}

bool FindConflictWithExistName() {
    return Trapped("FindConflictWithExistName", [&] {
        const QString& w = S.WorkPath;
        const bool blind = FolderIsCaseBlind(w, S.ComboFile1.mid(0, 4));
        // Unselected entries of the list, and every name on the disk that no row's file holds now
        // (hidden files are not listed but take the name all the same).
        const KeySet moving(S.ComboFile1, blind);
        QSet<QString> taken;
        Windows& win = windows();
        const int listed = win.FileCount(FileList::Work);
        for (int k = 0; k < listed; ++k) {
            if (!win.FileSelected(FileList::Work, k)) {
                taken.insert(NameKey(win.FileEntry(FileList::Work, k), blind));
            }
        }
        for (const QString& name : NamesOnDisk(w)) {
            const QString key = NameKey(name, blind);
            if (!moving.contains(key)) {
                taken.insert(key);
            }
        }
        // Where case counts, a row whose new name hashes as no taken name does cannot be taken: its
        // name is not built.
        std::vector<quint64> takenHashes;
        if (!blind) {
            takenHashes.reserve(static_cast<size_t>(taken.size()));
            for (const QString& key : std::as_const(taken)) {
                takenHashes.push_back(TextHash().add(key).value());
            }
            std::sort(takenHashes.begin(), takenHashes.end());
        }
        FileSystem& fs = fileSystem();
        const int rows = SelectionTableCount();
        for (int i = 0; i < rows; ++i) {
            if (!blind &&
                !std::binary_search(takenHashes.begin(), takenHashes.end(), NewNameHash(i, false))) {
                continue;
            }
            const QString neu = SelectionNewName(i);
            const QString key = NameKey(neu, blind);
            // A folder that ignores case may fold further than the names here do: it is asked.
            if (taken.contains(key) || (blind && !moving.contains(key) && fs.Stat(w + neu).exists())) {
                Hit(i, S.ConflictExistName);
            }
        }
    });
}

bool FindConflictWithNewName() {
    return Trapped("FindConflictWithNewName", [&] {
        const bool blind = AnyCaseBlind(NewNameFolders());
        // A row is a hit when a later row has the same new name: all but the last of each group.
        // Rows sorted by the hash of their new names: only rows that share a hash have their names
        // built and compared.
        const int rows = SelectionTableCount();
        std::vector<std::pair<quint64, int>> order;
        order.reserve(static_cast<size_t>(rows));
        for (int i = 0; i < rows; ++i) {
            order.emplace_back(NewNameHash(i, blind), i);
        }
        std::sort(order.begin(), order.end());
        std::vector<int> hits;
        QStringList keys;
        QHash<QString, int> lastRow;
        for (size_t a = 0; a < order.size();) {
            size_t b = a + 1;
            while (b < order.size() && order[b].first == order[a].first) {
                ++b;
            }
            if (b - a > 1) {
                // The rows of one hash are in row order: a row is a hit when a later one has its
                // name. Many rows may share one name, so the last row of each name is looked up.
                keys.clear();
                lastRow.clear();
                for (size_t k = a; k < b; ++k) {
                    keys.append(NameKey(SelectionNewName(order[k].second), blind));
                    lastRow.insert(keys.last(), order[k].second);
                }
                for (size_t k = a; k < b; ++k) {
                    if (lastRow.value(keys.at(static_cast<qsizetype>(k - a))) > order[k].second) {
                        hits.push_back(order[k].second);
                    }
                }
            }
            a = b;
        }
        std::sort(hits.begin(), hits.end());
        for (const int i : hits) {
            Hit(i, S.ConflictNewName);
        }
    });
}

bool FindConflictWithMove() {
    return Trapped("FindConflictWithMove", [&] {
        // Always the destination folder on the disk: the folder dialog's list may show another one.
        const QString& d = S.DestPath;
        const QStringList present = NamesOnDisk(d);
        const bool blind = FolderIsCaseBlind(d, present.mid(0, 4));
        const QSet<QString> taken = Keys(present, blind);
        FileSystem& fs = fileSystem();
        const int rows = SelectionTableCount();
        for (int i = 0; i < rows; ++i) {
            const QString name = DestinationName(i);
            if (taken.contains(NameKey(name, blind)) || (blind && fs.Stat(d + name).exists())) {
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
        if (NeedsDestination(CurrentAction())) {
            const qint64 needKB = ShowSelectedFilesSize();
            if (S.DestFreeKB < needKB) {
                S.MessageKey = MessageId::MessageNeedFreeSpace;
                MessageShowWork();
                return;
            }
        }
        ActionRebuildNameList();
        return;
    }

    S.MessageKey = MessageId::MessageReadyFoundConflict;
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
        {S.ConflictNotAName,
         "Number of new name holding a character that file names can not hold (or being \".\" or \"..\") "
         "is : "},
        {S.ConflictLongName, nullptr},
        {S.ConflictExistName, "Number of new name conflicting with existing file name is : "},
        {S.ConflictNewName, "Number of new name conflicting with other new name is : "},
        {S.ConflictMove, "Number of new name conflicting with files in Destination Folder is : "},
    };
    for (const auto& line : lines) {
        if (line.count > 0) {
            const QString label =
                line.label ? QString(QLatin1String(line.label))
                           : QStringLiteral("Number of new name longer than the Folder allows (at most ") +
                                 QString::number(S.ConflictNameLimit) + QStringLiteral(" bytes) is : ");
            r += label + QString::number(line.count) + kCrLf;
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
    S.ConflictNotAName = 0;
    S.ConflictLongName = 0;
    S.HasSelection = S.SelectedCount == 0 ? 0 : 1;
}

}  // namespace qv
