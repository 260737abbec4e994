// Reading folders for the lists (through the file system in force), and the folder list.
#include <sys/xattr.h>
#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <map>
#include <thread>
#include <typeinfo>
#include <utility>

#include "forms/forms.h"
#include "forms/forms_p.h"
#include "forms/forms_reading.h"
#include "platform/fs_posix.h"
#include "platform/services.h"

namespace qv {

// ---- reading folders

QString normalisedPath(const QString& path) {
    QString p = QDir::cleanPath(QDir(path.isEmpty() ? QStringLiteral(".") : path).absolutePath());
    return p.isEmpty() ? QStringLiteral("/") : p;
}

QString joinPath(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// What a typed character picks in a list: after `current`, round to the start, the next entry that
// begins with it; -1 for none (or a key that is no character).
int NextEntryStartingWith(const QStringList& entries, int current, int keyAscii) {
    if (keyAscii < 32 || keyAscii == 127)
        return -1;
    const char32_t cp = static_cast<char32_t>(keyAscii);
    const QString lead = QString::fromUcs4(&cp, 1);
    const int n = static_cast<int>(entries.size());
    for (int step = 1; step <= n; ++step) {
        const int k = (std::max(current, -1) + step) % n;
        if (entries[k].startsWith(lead, Qt::CaseInsensitive))
            return k;
    }
    return -1;
}

namespace {

// The bytes of a name as the file name functions encode it; plain ASCII without the general
// converter.
void AppendEncoded(QByteArray& to, const QString& name) {
    const qsizetype n = name.size();
    const QChar* in = name.constData();
    char16_t any = 0;
    for (qsizetype i = 0; i < n; ++i) any |= in[i].unicode();
    if (any >= 0x80) {
        to += QFile::encodeName(name);
        return;
    }
    const qsizetype at = to.size();
    to.resize(at + n);
    char* out = to.data() + at;
    for (qsizetype i = 0; i < n; ++i) out[i] = static_cast<char>(in[i].unicode());
}

enum class Shown { Yes, No, Ask };

// Whether the real file system's list shows an entry, from its stored bits alone: the status query
// that GetAttributes makes besides answers nothing the list needs. Ask: only GetAttributes can tell
// (the entry may be gone, or its bits unreadable while it is there).
Shown ShownByStoredBits(const QByteArray& path) {
    char buffer[32];
    const ssize_t n = ::getxattr(path.constData(), kAttributeXattr, buffer, sizeof buffer - 1);
    if (n < 0)
        return errno == ENODATA || errno == ENOTSUP || errno == EOPNOTSUPP ? Shown::Yes : Shown::Ask;
    buffer[n] = '\0';
    bool ok = false;
    const int value = QByteArray(buffer).trimmed().toInt(&ok);
    return ok && (value & (AttrHidden | AttrSystem)) ? Shown::No : Shown::Yes;
}

// An entry to sort: the first units of its folded name, four to a word, highest first, the rest
// zero (no name holds a zero unit, so a shorter name that is the start of a longer one comes first).
struct SortEntry {
    static constexpr int kWords = 4;
    quint64 lead[kWords];
    qsizetype index;
};

// The order of the lists: ignoring case, the exact name breaking ties. A plain ASCII name folds
// as it is compared; only the others are folded beforehand.
class CaseBlindOrder {
  public:
    explicit CaseBlindOrder(const QStringList& names) : names_(names), folded_(names.size()) {
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString& name = names.at(i);
            char16_t any = 0;
            for (QChar c : name) any |= c.unicode();
            if (any >= 0x80)
                folded_[i] = name.toCaseFolded();
        }
    }
    SortEntry entry(qsizetype i) const {
        SortEntry e{{}, i};
        const bool plain = folded_[i].isNull();
        const QString& s = plain ? names_.at(i) : folded_[i];
        const qsizetype n = std::min<qsizetype>(s.size(), SortEntry::kWords * 4);
        const QChar* p = s.constData();
        for (qsizetype k = 0; k < n; ++k) {
            char16_t c = p[k].unicode();
            if (plain && c >= u'A' && c <= u'Z')
                c = static_cast<char16_t>(c + (u'a' - u'A'));
            e.lead[k / 4] |= quint64(c) << (16 * (3 - k % 4));
        }
        return e;
    }
    bool operator()(qsizetype a, qsizetype b) const {
        const int c = compareFolded(a, b);
        return c != 0 ? c < 0 : names_.at(a) < names_.at(b);
    }

  private:
    int compareFolded(qsizetype a, qsizetype b) const {
        const bool plainA = folded_[a].isNull(), plainB = folded_[b].isNull();
        const QString& sa = plainA ? names_.at(a) : folded_[a];
        const QString& sb = plainB ? names_.at(b) : folded_[b];
        const qsizetype n = std::min(sa.size(), sb.size());
        const QChar* pa = sa.constData();
        const QChar* pb = sb.constData();
        for (qsizetype i = 0; i < n; ++i) {
            char16_t ca = pa[i].unicode(), cb = pb[i].unicode();
            if (plainA && ca >= u'A' && ca <= u'Z')
                ca = static_cast<char16_t>(ca + (u'a' - u'A'));
            if (plainB && cb >= u'A' && cb <= u'Z')
                cb = static_cast<char16_t>(cb + (u'a' - u'A'));
            if (ca != cb)
                return ca < cb ? -1 : 1;
        }
        return sa.size() == sb.size() ? 0 : sa.size() < sb.size() ? -1 : 1;
    }

    const QStringList& names_;
    std::vector<QString> folded_;  // null for a plain ASCII name
};

}  // namespace

// What the lists show of a folder, read through the file system in force so that the user sees the
// names the program's checks see: no hidden entries (a leading dot, or the hidden or system
// attribute), sorted ignoring case with the exact name breaking ties.
// Throws PlatformError when the folder cannot be read.
QStringList readFolder(const QString& folder, EntryKind kind) {
    FileSystem* fs = services().files.get();
    if (!fs)
        throw PlatformError(QStringLiteral("No file system to read %1").arg(folder));
    QStringList names = kind == EntryKind::Files ? fs->FileNames(folder) : fs->FolderNames(folder);
    names.removeIf([](const QString& name) { return name.startsWith(QLatin1Char('.')); });

    // The attributes cost a query each; the real file system answers them from several threads at
    // once, which is what keeps a folder of many thousand files quick to open. The threads only read
    // `names` (const access: no detach) and each writes its own part of `shown`.
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    const bool real = typeid(*fs) == typeid(PosixFileSystem);
    const QByteArray nativePrefix = real ? QFile::encodeName(prefix) : QByteArray();
    std::vector<char> shown(static_cast<size_t>(names.size()), 0);
    auto judge = [&](qsizetype first, qsizetype last) {
        QByteArray path = nativePrefix;
        for (qsizetype i = first; i < last; ++i) {
            if (real) {
                path.truncate(nativePrefix.size());
                AppendEncoded(path, names.at(i));
                if (const Shown by = ShownByStoredBits(path); by != Shown::Ask) {
                    shown[static_cast<size_t>(i)] = by == Shown::Yes;
                    continue;
                }
            }
            try {
                shown[static_cast<size_t>(i)] =
                    !(fs->GetAttributes(prefix + names.at(i)) & (AttrHidden | AttrSystem));
            } catch (const PlatformError&) {
                // gone meanwhile
            }
        }
    };
    const qsizetype perThread = 4096;
    const int threads = real ? static_cast<int>(std::min<qsizetype>(
                                   std::max(1u, std::min(6u, std::thread::hardware_concurrency())),
                                   (names.size() + perThread - 1) / perThread))
                             : 1;
    // The helpers ask while this thread sorts every entry; the hidden ones drop out after.
    struct Helpers : std::vector<std::thread> {
        ~Helpers() {
            for (std::thread& h : *this)
                if (h.joinable())
                    h.join();
        }
    } helpers;
    if (threads <= 1) {
        judge(0, names.size());
    } else {
        const qsizetype share = (names.size() + threads - 1) / threads;
        for (int t = 0; t < threads; ++t)
            helpers.emplace_back(judge, std::min(names.size(), t * share),
                                 std::min(names.size(), (t + 1) * share));
    }

    // Each entry carries the start of its folded name beside it, which settles most comparisons
    // without reaching the names themselves.
    const CaseBlindOrder before(names);
    std::vector<SortEntry> order;
    order.reserve(static_cast<size_t>(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i) order.push_back(before.entry(i));
    std::sort(order.begin(), order.end(), [&before](const SortEntry& a, const SortEntry& b) {
        for (int w = 0; w < SortEntry::kWords; ++w)
            if (a.lead[w] != b.lead[w])
                return a.lead[w] < b.lead[w];
        return before(a.index, b.index);
    });
    for (std::thread& h : helpers) h.join();

    QStringList sorted;
    sorted.reserve(static_cast<qsizetype>(order.size()));
    for (const SortEntry& e : order)
        if (shown[static_cast<size_t>(e.index)])
            sorted.push_back(names.at(e.index));
    return sorted;
}

// ---- DirListBox

DirListBox::DirListBox(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::DirListBox, std::move(name), index, container) {
    auto* w = new ListWidget;
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setEditTriggers(QAbstractItemView::NoEditTriggers);
    w->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(w, &QListWidget::currentRowChanged, context(), [this](int row) {
        if (syncing_ || row < 0)
            return;
        WidgetEventScope scope;
        SetListIndex(indexOfRow(row));
    });
    QObject::connect(w, &QListWidget::itemDoubleClicked, context(), [this, w](QListWidgetItem* item) {
        WidgetEventScope scope;
        if (!syncing_)
            UserOpens(indexOfRow(w->row(item)));
    });
    // A selection made through the accessibility interface moves ListIndex as a click does, so that
    // the entry a tool selected is the one Enter opens.
    QObject::connect(w, &QListWidget::itemSelectionChanged, context(), [this, w] {
        if (syncing_)
            return;
        WidgetEventScope scope;
        // The entry selected besides the current one, if any.
        int row = -1;
        for (QListWidgetItem* item : w->selectedItems())
            if (row < 0 || w->row(item) != rowOf(listIndex_))
                row = w->row(item);
        auto token = LifeToken();
        if (row >= 0 && row != rowOf(listIndex_))
            UserClicks(indexOfRow(row));
        if (Alive(token) && (w->currentRow() != rowOf(listIndex_) || w->selectedItems().size() != 1 ||
                             row != rowOf(listIndex_))) {
            syncing_ = true;
            w->setCurrentRow(rowOf(listIndex_), QItemSelectionModel::ClearAndSelect);
            syncing_ = false;
        }
    });
    w->onEnter = [w] {
        if (auto* list = static_cast<DirListBox*>(w->owner))
            list->UserOpens(list->ListIndex());
    };
    w->onOpen = [w](int row) {
        if (auto* list = static_cast<DirListBox*>(w->owner);
            list && !list->syncing_ && list->EffectivelyEnabled() && list->EffectivelyVisible())
            list->UserOpens(list->indexOfRow(row));
    };
    setWidget(w);
    path_ = normalisedPath(QDir::currentPath());
    reload();
}

int DirListBox::rowOf(int index) const {
    return static_cast<int>(ancestors_.size()) + index;
}
int DirListBox::indexOfRow(int row) const {
    return row - static_cast<int>(ancestors_.size());
}

void DirListBox::reload(QStringList* read) {
    ancestors_.clear();
    ancestors_.push_back(QStringLiteral("/"));
    const QStringList parts = path_.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString at;
    for (const QString& part : parts) {
        at += QLatin1Char('/') + part;
        ancestors_.push_back(at);
    }
    try {
        subFolders_ = read ? std::move(*read) : readFolder(path_, EntryKind::Folders);
    } catch (const PlatformError&) {
        subFolders_.clear();
    }
    syncWidget();
}

void DirListBox::syncWidget() {
    auto* w = static_cast<QListWidget*>(Widget());
    syncing_ = true;
    w->clear();
    const int depth = static_cast<int>(ancestors_.size());
    // Indented on screen; read out by the folder's name, its depth as the description.
    auto add = [w](int level, const QString& name) {
        auto* item = new QListWidgetItem(QString(level * 2, QLatin1Char(' ')) + name);
        item->setData(Qt::AccessibleTextRole, name);
        item->setData(Qt::AccessibleDescriptionRole, QStringLiteral("Level %1").arg(level + 1));
        w->addItem(item);
    };
    for (int i = 0; i < depth; ++i)
        add(i, i == 0 ? QStringLiteral("/") : ancestors_[i].section(QLatin1Char('/'), -1));
    for (const QString& sub : subFolders_) add(depth, sub);
    w->setCurrentRow(rowOf(listIndex_));
    syncing_ = false;
}

void DirListBox::SetPath(const QString& path) {
    const QString target = normalisedPath(path);
    enter(target, readFolder(target, EntryKind::Folders));  // throws before anything changes
}

void DirListBox::enter(const QString& target, QStringList read) {
    if (target == path_)
        return;
    path_ = target;
    listIndex_ = -1;
    reload(&read);
    Fire(Change);
}

void DirListBox::SetListIndex(int i) {
    if (i < -static_cast<int>(ancestors_.size()) || i >= subFolders_.size())
        throw PlatformError(QStringLiteral("%1: no folder entry %2").arg(Name()).arg(i));
    if (i == listIndex_)
        return;
    listIndex_ = i;
    syncing_ = true;
    static_cast<QListWidget*>(Widget())->setCurrentRow(rowOf(i));
    syncing_ = false;
    Fire(Click);
}

QString DirListBox::List(int i) const {
    if (i >= 0)
        return i < subFolders_.size() ? joinPath(path_, subFolders_[i]) : QString();
    const int row = rowOf(i);
    return row >= 0 ? ancestors_[row] : QString();
}

void DirListBox::Refresh() {
    const int keep = listIndex_;
    reload();
    listIndex_ = keep >= -static_cast<int>(ancestors_.size()) && keep < subFolders_.size() ? keep : -1;
    syncWidget();
}

void DirListBox::UserClicks(int i) {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
    if (i < -static_cast<int>(ancestors_.size()) || i >= subFolders_.size())
        return;
    SetListIndex(i);
}

void DirListBox::UserOpens(int i) {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
    const QString target = List(i);
    if (target.isEmpty())
        return;
    const QString folder = normalisedPath(target);
    QStringList read;
    try {
        read = readFolder(folder, EntryKind::Folders);
    } catch (const PlatformError& e) {
        // A folder the user may not enter (or that has gone): the list stays where it was.
        Refresh();
        Fire(OpenRefused, folder, e.message());
        return;
    }
    // The checking read is the list's read too.
    enter(folder, std::move(read));
}

}  // namespace qv
