#include "engine/rename_plan.h"

#include <QHash>
#include <vector>

#include "engine/leftovers.h"
#include "platform/services.h"

namespace qv {

namespace {

QString SwapCase(const QString& s) {
    QString out = s;
    for (QChar& c : out) {
        if (c.isUpper()) {
            c = c.toLower();
        } else if (c.isLower()) {
            c = c.toUpper();
        }
    }
    return out;
}

}  // namespace

QString NameKey(const QString& name, bool caseBlind) {
    return caseBlind ? name.toCaseFolded() : name;
}

QList<RenameStep> PlanRenames(const QStringList& olds, const QStringList& news, bool caseBlind,
                              const std::function<QString()>& temporary) {
    const int rows = static_cast<int>(olds.size());
    // The folded names live as long as the table below, which only looks at them: no copies of the
    // names themselves, which a table of many thousand rows would spend its time on.
    QStringList oldKeys;
    QStringList newKeys;
    if (caseBlind) {
        oldKeys.reserve(rows);
        newKeys.reserve(rows);
        for (int i = 0; i < rows; ++i) {
            oldKeys.append(NameKey(olds.at(i), true));
            newKeys.append(NameKey(news.at(i), true));
        }
    }
    const QStringList& oldNames = caseBlind ? oldKeys : olds;
    const QStringList& newNames = caseBlind ? newKeys : news;
    QHash<QStringView, int> holder;  // old name -> its row
    holder.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        holder.insert(QStringView(oldNames.at(i)), i);
    }
    // The row whose file holds row i's new name now, or -1.
    std::vector<int> blocker(static_cast<size_t>(rows), -1);
    for (int i = 0; i < rows; ++i) {
        blocker[i] = holder.value(QStringView(newNames.at(i)), -1);
    }

    QList<RenameStep> steps;
    steps.reserve(rows);
    auto emitRow = [&](int r) {
        const QString& from = olds.at(r);
        const QString& to = news.at(r);
        if (blocker[r] == r && from != to) {
            // The same file under another case: straight onto itself the file system refuses.
            const QString t = temporary();
            steps.append({r, from, t, false});
            steps.append({r, t, to, true});
        } else {
            steps.append({r, from, to, true});
        }
    };

    enum : char { Fresh, OnPath, Done };
    std::vector<char> state(static_cast<size_t>(rows), Fresh);
    std::vector<int> path;
    for (int i = 0; i < rows; ++i) {
        if (state[i] != Fresh) {
            continue;
        }
        // Follow who holds each name until a free one: those renames run from the far end back.
        path.clear();
        int b = i;
        while (b >= 0 && state[b] == Fresh) {
            state[b] = OnPath;
            path.push_back(b);
            b = blocker[b] == b ? -1 : blocker[b];
        }
        const bool ring = b == i && path.size() > 1;
        if (ring) {
            // Every name of the ring is held: one file steps aside first and comes last.
            const QString t = temporary();
            steps.append({i, olds.at(i), t, false});
            for (size_t k = path.size() - 1; k >= 1; --k) {
                emitRow(path[k]);
            }
            steps.append({i, t, news.at(i), true});
        } else {
            for (size_t k = path.size(); k-- > 0;) {
                emitRow(path[k]);
            }
        }
        for (int r : path) {
            state[r] = Done;
        }
    }
    return steps;
}

bool FolderIsCaseBlind(const QString& folder, const QStringList& present) {
    FileSystem& fs = fileSystem();
    int tried = 0;
    for (const QString& name : present) {
        const QString other = SwapCase(name);
        if (other == name) {
            continue;
        }
        const FileSystem::Entry here = fs.Stat(folder + name);
        if (!here.exists()) {
            if (++tried == 4) {
                break;
            }
            continue;
        }
        const FileSystem::Entry there = fs.Stat(folder + other);
        if (!there.exists()) {
            return false;
        }
        if (there.sameAs(here)) {
            return true;
        }
        // Two entries, or a file system without lasting identities: the folder's own list says.
        return !fs.EntryNames(folder).contains(other);
    }
    return false;
}

QString FreeTemporaryName(const QString& folder, const std::function<bool(const QString&)>& used) {
    static quint64 counter = 0;
    for (;;) {
        const QString name = MakeTemporaryName(TemporaryKind::RenameHolder, ++counter);
        // The record kept beside it takes a name too.
        if (!used(name) && !fileSystem().Stat(folder + name).exists() &&
            !fileSystem().Stat(folder + HolderRecordName(name)).exists()) {
            return name;
        }
    }
}

}  // namespace qv
