// List controls: combo and list boxes, and the drive, folder and file lists.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractListModel>
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
#include <sys/xattr.h>
#include <algorithm>
#include <cerrno>
#include <map>
#include <thread>
#include <typeinfo>
#include <utility>

#include "forms/forms.h"
#include "forms/forms_p.h"
#include "platform/fs_posix.h"
#include "platform/services.h"

namespace qv {

// ---- reading folders

namespace {

enum class EntryKind { Files, Folders };

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

}  // namespace

// ---- ListControl

ListControl::ListControl(Form* form, ControlKind kind, QString name, int index, Control* container)
    : Control(form, kind, std::move(name), index, container) {}

void ListControl::checkIndex(int i) const {
    if (i < 0 || i >= items_.size())
        throw PlatformError(QStringLiteral("%1: no list entry %2").arg(Name()).arg(i));
}

void ListControl::AddItem(const QString& item, int at) {
    if (at > items_.size() || at < -1)
        throw PlatformError(QStringLiteral("%1: cannot add at %2").arg(Name()).arg(at));
    if (at == -1)
        at = items_.size();
    items_.insert(at, item);
    if (listIndex_ >= at)
        ++listIndex_;
    syncing_ = true;
    if (auto* combo = qobject_cast<QComboBox*>(Widget()))
        combo->insertItem(at, item);
    else if (auto* list = qobject_cast<QListWidget*>(Widget()))
        list->insertItem(at, item);
    syncing_ = false;
    itemInserted(at);
    syncWidget();
}

void ListControl::RemoveItem(int i) {
    checkIndex(i);
    items_.removeAt(i);
    if (listIndex_ == i)
        listIndex_ = -1;
    else if (listIndex_ > i)
        --listIndex_;
    syncing_ = true;
    if (auto* combo = qobject_cast<QComboBox*>(Widget()))
        combo->removeItem(i);
    else if (auto* list = qobject_cast<QListWidget*>(Widget()))
        delete list->takeItem(i);
    syncing_ = false;
    itemRemoved(i);
    syncWidget();
}

void ListControl::Clear() {
    items_.clear();
    listIndex_ = -1;
    syncing_ = true;
    if (auto* combo = qobject_cast<QComboBox*>(Widget()))
        combo->clear();
    else if (auto* list = qobject_cast<QListWidget*>(Widget()))
        list->clear();
    syncing_ = false;
    itemsCleared();
    syncWidget();
}

void ListControl::SetItems(const QStringList& items) {
    items_ = items;
    listIndex_ = -1;
    syncing_ = true;
    if (auto* combo = qobject_cast<QComboBox*>(Widget())) {
        combo->clear();
        combo->addItems(items);
    } else if (auto* list = qobject_cast<QListWidget*>(Widget())) {
        list->clear();
        list->addItems(items);
    }
    syncing_ = false;
    itemsCleared();
    for (int i = 0; i < items_.size(); ++i) itemInserted(i);
    syncWidget();
}

QString ListControl::List(int i) const {
    return i >= 0 && i < items_.size() ? items_[i] : QString();
}

void ListControl::SetList(int i, const QString& s) {
    checkIndex(i);
    items_[i] = s;
    syncing_ = true;
    if (auto* combo = qobject_cast<QComboBox*>(Widget()))
        combo->setItemText(i, s);
    else if (auto* list = qobject_cast<QListWidget*>(Widget()))
        list->item(i)->setText(s);
    syncing_ = false;
}

void ListControl::SetListIndex(int i) {
    if (i != -1)
        checkIndex(i);
    if (i == listIndex_)
        return;
    listIndex_ = i;
    syncWidget();
    Fire(Click);
}

QString ListControl::Text() const {
    return List(listIndex_);
}

void ListControl::UserChooses(int i) {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
    if (i < 0 || i >= items_.size())
        return;
    userChoose(i);
}

void ListControl::userChoose(int i) {
    SetListIndex(i);
}

// ---- ComboBox

namespace {

// Characters typed into a closed combo go through the control's KeyPress before they pick an entry.
// Typed into the open list they go through it too: one it discards does not move the highlight there,
// which Return would then choose.
class ComboKeys : public QObject {
  public:
    explicit ComboKeys(ComboBox* combo, bool open = false) : combo_(combo), open_(open) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QList<uint> cps = key->text().toUcs4();
        if (cps.isEmpty())
            return false;
        for (uint cp : cps)
            if (cp < 32 || cp == 127)
                return false;
        WidgetEventScope scope;
        auto token = combo_->LifeToken();
        ComboBox* combo = combo_;
        if (open_) {
            bool discarded = false;
            for (uint cp : cps) {
                int key = static_cast<int>(cp);
                Fire(combo->KeyPress, key);
                if (!Alive(token))
                    return true;
                discarded = discarded || key == 0;
            }
            return discarded;
        }
        for (uint cp : cps) {
            combo->UserKey(static_cast<int>(cp));
            if (!Alive(token))
                break;
        }
        return true;
    }

  private:
    ComboBox* combo_;
    bool open_;
};

// Assistive tools read a closed list's choice from its drop-down entries, and take an entry to be
// showing when it lies inside its list's area, which Qt keeps after the list closes: the closed list
// has no area, so its entries read as out of sight. Opening lays the list out anew.
class ClosedListOutOfSight : public QObject {
  public:
    explicit ClosedListOutOfSight(QComboBox* combo) : QObject(combo), view_(combo->view()) {
        if (QWidget* popup = view_->parentWidget()) {
            popup->installEventFilter(this);
            shrink();
        }
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Hide)
            shrink();
        if (e->type() == QEvent::Show)
            if (QLayout* layout = static_cast<QWidget*>(watched)->layout()) {
                layout->invalidate();
                layout->activate();
            }
        return false;
    }

  private:
    void shrink() {
        if (view_ && view_->parentWidget() && !view_->parentWidget()->isVisible()) {
            view_->parentWidget()->resize(0, 0);
            view_->resize(0, 0);
        }
    }
    QPointer<QAbstractItemView> view_;
};

// The style lays a drop-down list's entries out wider than the list (each a little wider than the
// list itself), so that assistive tools were told of entries reaching past the list's edge. An entry
// is no wider than the list it is drawn in.
class EntriesInTheList : public QAbstractItemDelegate {
  public:
    EntriesInTheList(QAbstractItemDelegate* style, QAbstractItemView* view, QObject* parent)
        : QAbstractItemDelegate(parent), style_(style), view_(view) {
        style_->setParent(this);
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        style_->paint(painter, option, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = style_->sizeHint(option, index);
        if (view_ && view_->viewport()->width() > 0)
            size.setWidth(std::min(size.width(), view_->viewport()->width()));
        return size;
    }

  private:
    QAbstractItemDelegate* style_;
    QPointer<QAbstractItemView> view_;
};

}  // namespace

void ComboBox::UserKey(int keyAscii) {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
    int key = keyAscii;
    auto token = LifeToken();
    Fire(KeyPress, key);
    if (!Alive(token))
        return;
    // As in a closed drop-down list.
    if (const int k = NextEntryStartingWith(items_, listIndex_, key); k >= 0)
        userChoose(k);
}

ComboBox::ComboBox(Form* form, QString name, int index, Control* container)
    : ListControl(form, ControlKind::ComboBox, std::move(name), index, container) {
    auto* w = new QComboBox;
    auto* keys = new ComboKeys(this);
    keys->setParent(context());
    w->installEventFilter(keys);
    auto* openKeys = new ComboKeys(this, true);
    openKeys->setParent(context());
    w->view()->installEventFilter(openKeys);
    w->setEditable(false);
    w->setFocusPolicy(Qt::StrongFocus);
    new ClosedListOutOfSight(w);
    if (QAbstractItemDelegate* style = w->itemDelegate())
        w->setItemDelegate(new EntriesInTheList(style, w->view(), w));
    QObject::connect(w, &QComboBox::activated, context(), [this](int i) {
        if (syncing_)
            return;
        WidgetEventScope scope;
        auto token = LifeToken();
        if (i >= 0 && i < items_.size())
            userChoose(i);
        if (Alive(token))
            syncWidget();  // a pick the control refused must not stay on show
    });
    // An assistive tool picks an entry by selecting it in the drop-down list, open or closed, without
    // moving the list's current entry (which the mouse and the keys move along with the selection).
    // That pick is the user's choice, as a click on the entry is; it runs once the tool's call has
    // returned.
    QObject::connect(w->view()->selectionModel(), &QItemSelectionModel::selectionChanged, context(), [this, w] {
        if (syncing_)
            return;
        QAbstractItemView* view = w->view();
        const QModelIndexList picked = view->selectionModel()->selectedIndexes();
        const int row = picked.size() == 1 ? picked.front().row() : -1;
        if (row >= 0 && row == view->currentIndex().row())
            return;  // the mouse or the keys in the open list: Qt chooses on their click or Enter
        const QWidget* modal = QApplication::activeModalWidget();
        if (row < 0 || row == listIndex_ || (modal && w->window() != modal) || !EffectivelyEnabled() ||
            !EffectivelyVisible()) {
            // No pick (an entry unselected, or refused): the list shows the choice again.
            QMetaObject::invokeMethod(
                context(),
                [this, token = LifeToken()] {
                    if (Alive(token))
                        syncWidget();
                },
                Qt::QueuedConnection);
            return;
        }
        QMetaObject::invokeMethod(
            context(),
            [this, w, row, token = LifeToken()] {
                if (!Alive(token))
                    return;
                WidgetEventScope scope;
                if (w->view()->isVisible())
                    w->hidePopup();
                UserChooses(row);
                if (Alive(token))
                    syncWidget();
            },
            Qt::QueuedConnection);
    });
    setWidget(w);
}

void ComboBox::syncWidget() {
    syncing_ = true;
    auto* w = static_cast<QComboBox*>(Widget());
    w->setCurrentIndex(listIndex_);
    // Assistive tools read a closed list's choice from its drop-down list too, which Qt brings up to
    // date only when it opens.
    if (QItemSelectionModel* selection = w->view() ? w->view()->selectionModel() : nullptr) {
        const QModelIndex at = w->model()->index(listIndex_, w->modelColumn(), w->rootModelIndex());
        if (at.isValid())
            selection->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
        else
            selection->clear();
    }
    syncing_ = false;
}

// ---- ListBox

ListBox::ListBox(Form* form, QString name, int index, Control* container)
    : ListControl(form, ControlKind::ListBox, std::move(name), index, container) {
    auto* w = new ListWidget;
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setEditTriggers(QAbstractItemView::NoEditTriggers);
    w->setUniformItemSizes(true);
    w->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(w, &QListWidget::itemSelectionChanged, context(), [this] {
        WidgetEventScope scope;
        if (!syncing_)
            userSelectionChanged();
    });
    setWidget(w);
}

void ListBox::itemInserted(int at) {
    if (multiSelect_ != 0)
        selected_.insert(selected_.begin() + at, false);
}

void ListBox::itemRemoved(int i) {
    if (multiSelect_ != 0 && i < static_cast<int>(selected_.size()))
        selected_.erase(selected_.begin() + i);
}

void ListBox::itemsCleared() {
    selected_.clear();
}

bool ListBox::Selected(int i) const {
    if (i < 0 || i >= items_.size())
        return false;
    if (multiSelect_ == 0)
        return i == listIndex_;
    return selected_[i];
}

int ListBox::SelCount() const {
    if (multiSelect_ == 0)
        return listIndex_ >= 0 ? 1 : 0;
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void ListBox::SetSelected(int i, bool s) {
    checkIndex(i);
    if (multiSelect_ == 0) {
        if (s) {
            SetListIndex(i);
        } else if (listIndex_ == i) {
            listIndex_ = -1;
            syncWidget();
            Fire(Click);
        }
        return;
    }
    if (selected_[i] == s)
        return;
    selected_[i] = s;
    syncWidget();
    Fire(Click);
}

void ListBox::SetMultiSelect(int mode) {
    multiSelect_ = std::clamp(mode, 0, 2);
    selected_.assign(items_.size(), false);
    auto* w = static_cast<QListWidget*>(Widget());
    syncing_ = true;
    w->setSelectionMode(multiSelect_ == 0   ? QAbstractItemView::SingleSelection
                        : multiSelect_ == 1 ? QAbstractItemView::MultiSelection
                                            : QAbstractItemView::ExtendedSelection);
    syncing_ = false;
    syncWidget();
}

void ListBox::syncWidget() {
    auto* w = static_cast<QListWidget*>(Widget());
    syncing_ = true;
    if (multiSelect_ == 0) {
        w->clearSelection();
        if (listIndex_ >= 0)
            w->setCurrentRow(listIndex_, QItemSelectionModel::ClearAndSelect);
        else
            w->setCurrentRow(-1);
    } else {
        for (int i = 0; i < w->count(); ++i) w->item(i)->setSelected(selected_[i]);
        if (listIndex_ >= 0)
            w->setCurrentRow(listIndex_, QItemSelectionModel::NoUpdate);
    }
    syncing_ = false;
}

void ListBox::userSelectionChanged() {
    auto* w = static_cast<QListWidget*>(Widget());
    if (multiSelect_ == 0) {
        const auto chosen = w->selectedItems();
        const int row = chosen.isEmpty() ? -1 : w->row(chosen.first());
        if (row == listIndex_)
            return;
        listIndex_ = row;
    } else {
        for (int i = 0; i < w->count(); ++i) selected_[i] = w->item(i)->isSelected();
        listIndex_ = w->currentRow();
    }
    Fire(Click);
}

void ListBox::userChoose(int i) {
    if (multiSelect_ == 0) {
        SetListIndex(i);
        return;
    }
    if (multiSelect_ == 1) {
        selected_[i] = !selected_[i];
    } else {
        std::fill(selected_.begin(), selected_.end(), false);
        selected_[i] = true;
    }
    listIndex_ = i;
    syncWidget();
    Fire(Click);
}

void ListWidget::keyPressEvent(QKeyEvent* e) {
    WidgetEventScope scope;
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && onEnter) {
        auto enter = onEnter;
        enter();
        return;
    }
    QListWidget::keyPressEvent(e);
}

// ---- a list whose entries open, to assistive tools

namespace {

class OpeningListAccessible;

// One entry: read as a list item with its text, selected or not, showing or not; its default action
// opens it (as a double click does), its toggle selects it (as Qt's own entries do).
class OpeningEntryAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    OpeningEntryAccessible(ListWidget* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ && row_ >= 0 && row_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return list_ ? QAccessible::queryAccessibleInterface(list_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        const QListWidgetItem* it = item();
        if (!it)
            return {};
        if (t == QAccessible::Name) {
            const QString named = it->data(Qt::AccessibleTextRole).toString();
            return named.isEmpty() ? it->text() : named;
        }
        if (t == QAccessible::Description)
            return it->data(Qt::AccessibleDescriptionRole).toString();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QListWidgetItem* it = item();
        if (!it)
            return {};
        const QRect r = list_->visualItemRect(it);
        return QRect(list_->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State st;
        const QListWidgetItem* it = item();
        if (!it)
            return st;
        st.selectable = true;
        st.selected = it->isSelected();
        st.focusable = true;
        st.focused = list_->hasFocus() && list_->currentRow() == row_;
        // Out of sight: outside the list's area, or the list is not on show.
        const QRect r = list_->visualItemRect(it);
        st.invisible = !list_->isVisible() || !list_->viewport()->rect().intersects(r);
        st.offscreen = st.invisible;
        st.disabled = !list_->isEnabled();
        return st;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    QString localizedActionDescription(const QString& name) const override {
        if (name == pressAction())
            return QStringLiteral("Open");
        return QAccessibleActionInterface::localizedActionDescription(name);
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == pressAction())
            return {QStringLiteral("Return")};
        return {};
    }
    void doAction(const QString& name) override {
        if (!isValid() || !list_->isEnabled())
            return;
        if (const QWidget* modal = QApplication::activeModalWidget(); modal && list_->window() != modal)
            return;
        if (name == toggleAction()) {
            QListWidgetItem* it = item();
            it->setSelected(!it->isSelected());
            return;
        }
        if (name != pressAction())
            return;
        // The tool's call returns first: what the open starts (a box included) runs after it.
        QMetaObject::invokeMethod(
            list_.data(),
            [list = list_, row = row_] {
                if (!list || !list->onOpen || row >= list->count())
                    return;
                WidgetEventScope scope;
                auto open = list->onOpen;
                open(row);
            },
            Qt::QueuedConnection);
    }

  private:
    QListWidgetItem* item() const { return isValid() ? list_->item(row_) : nullptr; }
    QPointer<ListWidget> list_;
    int row_;
};

class OpeningListAccessible : public QAccessibleWidget {
  public:
    explicit OpeningListAccessible(ListWidget* list) : QAccessibleWidget(list, QAccessible::List) {
        // Entries are made anew whenever the list changes.
        QAbstractItemModel* model = list->model();
        auto drop = [this] { dropEntries(); };
        connections_.push_back(QObject::connect(model, &QAbstractItemModel::modelReset, drop));
        connections_.push_back(QObject::connect(model, &QAbstractItemModel::layoutChanged, drop));
        connections_.push_back(QObject::connect(model, &QAbstractItemModel::rowsInserted, drop));
        connections_.push_back(QObject::connect(model, &QAbstractItemModel::rowsRemoved, drop));
    }
    ~OpeningListAccessible() override {
        for (const auto& c : connections_) QObject::disconnect(c);
        dropEntries();
    }

    ListWidget* list() const { return static_cast<ListWidget*>(widget()); }
    int childCount() const override { return list()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= list()->count())
            return nullptr;
        if (const auto at = entries_.find(index); at != entries_.end())
            return QAccessible::accessibleInterface(at->second);
        auto* entry = new OpeningEntryAccessible(list(), index);
        entries_[index] = QAccessible::registerAccessibleInterface(entry);
        return entry;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        for (const auto& [row, id] : entries_)
            if (QAccessible::accessibleInterface(id) == c)
                return row;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = list()->viewport()->mapFromGlobal(QPoint(x, y));
        const QListWidgetItem* it = list()->itemAt(at);
        return it ? child(list()->row(it)) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return list()->hasFocus() && list()->currentRow() >= 0 ? child(list()->currentRow()) : nullptr;
    }

  private:
    void dropEntries() {
        for (const auto& [row, id] : std::exchange(entries_, {})) QAccessible::deleteAccessibleInterface(id);
    }
    mutable std::map<int, QAccessible::Id> entries_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace

QAccessibleInterface* MakeOpeningListAccessible(ListWidget* list) {
    return new OpeningListAccessible(list);
}

// ---- DriveListBox

DriveListBox::DriveListBox(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::DriveListBox, std::move(name), index, container) {
    auto* w = new QComboBox;
    w->setEditable(false);
    w->setFocusPolicy(Qt::StrongFocus);
    new ClosedListOutOfSight(w);
    QObject::connect(w, &QComboBox::activated, context(), [this](int i) {
        if (syncing_)
            return;
        WidgetEventScope scope;
        if (i >= 0 && i < drives_.size()) {
            auto token = LifeToken();
            SetDrive(drives_[i]);
            if (!Alive(token))
                return;
        }
        syncWidget();
    });
    setWidget(w);
    if (services().files) {
        drives_ = fileSystem().Drives();
        drive_ = fileSystem().GetDriveName(QDir::currentPath());
    }
    syncWidget();
}

int DriveListBox::ListCount() const {
    return drives_.size();
}
QString DriveListBox::List(int i) const {
    return i >= 0 && i < drives_.size() ? drives_[i] : QString();
}
int DriveListBox::ListIndex() const {
    return drives_.indexOf(drive_);
}

void DriveListBox::syncWidget() {
    auto* w = static_cast<QComboBox*>(Widget());
    syncing_ = true;
    if (w->count() != drives_.size() || [&] {
            for (int i = 0; i < w->count(); ++i)
                if (w->itemText(i) != drives_[i])
                    return true;
            return false;
        }()) {
        w->clear();
        w->addItems(drives_);
    }
    w->setCurrentIndex(ListIndex());
    syncing_ = false;
}

void DriveListBox::Refresh() {
    drives_ = fileSystem().Drives();
    syncWidget();
}

void DriveListBox::SetDrive(const QString& pathOrDrive) {
    QString drive = fileSystem().GetDriveName(pathOrDrive);
    if (drive.isEmpty())
        throw PlatformError(QStringLiteral("No drive for %1").arg(pathOrDrive));
    if (drive == drive_)
        return;
    if (!drives_.contains(drive))
        drives_ = fileSystem().Drives();
    if (!drives_.contains(drive))
        throw PlatformError(QStringLiteral("Not a mounted drive: %1").arg(drive));
    drive_ = drive;
    syncWidget();
    Fire(Change);
}

void DriveListBox::UserChooses(int i) {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
    if (i < 0 || i >= drives_.size())
        return;
    SetDrive(drives_[i]);
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
        if (auto* list = static_cast<DirListBox*>(w->owner); list && !list->syncing_ &&
                                                              list->EffectivelyEnabled() && list->EffectivelyVisible())
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

// ---- FileListBox

namespace {

class FileListModel : public QAbstractListModel {
  public:
    QStringList names;
    std::vector<bool> selected;
    int selectedCount = 0;
    QWidget* view = nullptr;
    bool hidden = false;  // the view is hidden: no entries for assistive tools to read as showing

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() || hidden ? 0 : names.size();
    }

    void setHidden(bool h) {
        beginResetModel();
        hidden = h;
        endResetModel();
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const int row = index.row();
        if (row < 0 || row >= names.size())
            return {};
        switch (role) {
            case Qt::DisplayRole:
                return names[row];
            case Qt::BackgroundRole:
                if (selected[row] && view)
                    return view->palette().brush(QPalette::Highlight);
                return {};
            case Qt::ForegroundRole:
                if (selected[row] && view)
                    return view->palette().brush(QPalette::HighlightedText);
                return {};
            default:
                return {};
        }
    }

    void reset(QStringList n) {
        beginResetModel();
        names = std::move(n);
        selected.assign(names.size(), false);
        selectedCount = 0;
        endResetModel();
    }

    void set(int i, bool s) {
        if (selected[i] == s)
            return;
        selected[i] = s;
        selectedCount += s ? 1 : -1;
    }

    void clear() {
        std::fill(selected.begin(), selected.end(), false);
        selectedCount = 0;
    }

    void changed(int first, int last) {
        if (names.isEmpty() || hidden)
            return;
        Q_EMIT dataChanged(index(first), index(last), {Qt::BackgroundRole, Qt::ForegroundRole});
    }
};

}  // namespace

struct FileListBox::Impl {
    FileListModel model;
    bool syncing = false;      // the control is writing the view's selection
    bool syncPending = false;  // the view's selection is behind; brought up when the loop is idle
};

FileListBox::FileListBox(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::FileListBox, std::move(name), index, container),
      impl_(std::make_unique<Impl>()) {
    auto* view = new FileListView;
    view->setUniformItemSizes(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setFocusPolicy(Qt::StrongFocus);
    view->setLayoutMode(QListView::SinglePass);
    impl_->model.view = view;
    view->setModel(&impl_->model);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, context(), [this] {
        if (impl_->syncing)
            return;
        WidgetEventScope scope;
        viewSelectionChanged();
    });
    setWidget(view);
    path_ = normalisedPath(QDir::currentPath());
    try {
        reread(path_);
    } catch (const PlatformError&) {
    }
}

FileListBox::~FileListBox() {
    if (auto* view = static_cast<QListView*>(Widget()))
        view->setModel(nullptr);
}

void FileListBox::reread(const QString& path) {
    QStringList names = readFolder(path, EntryKind::Files);
    impl_->model.reset(std::move(names));
    listIndex_ = -1;
    anchor_ = -1;
}

void FileListBox::showChanges() {
    auto* view = static_cast<QListView*>(Widget());
    impl_->model.changed(0, impl_->model.names.size() - 1);
    scheduleSync();
    if (view->selectionModel()) {
        const QModelIndex current = listIndex_ >= 0 ? impl_->model.index(listIndex_) : QModelIndex();
        impl_->syncing = true;
        view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        impl_->syncing = false;
    }
}

void FileListBox::scheduleSync() {
    // Once for a run of changes from code (a program may select thousands of files one by one).
    if (impl_->syncPending)
        return;
    impl_->syncPending = true;
    QTimer::singleShot(0, context(), [this] {
        if (impl_->syncPending)
            syncSelection();
    });
}

void FileListBox::syncSelection() {
    auto* view = static_cast<QListView*>(Widget());
    QItemSelectionModel* sm = view ? view->selectionModel() : nullptr;
    impl_->syncPending = false;
    if (!sm)
        return;
    const FileListModel& m = impl_->model;
    const int n = static_cast<int>(m.names.size());
    QItemSelection selection;
    for (int i = 0; i < n;) {
        if (!m.selected[i]) {
            ++i;
            continue;
        }
        int last = i;
        while (last + 1 < n && m.selected[last + 1]) ++last;
        selection.select(m.index(i), m.index(last));
        i = last + 1;
    }
    // Cleared, then selected: either step is cheap, where one that compares the two would not be.
    impl_->syncing = true;
    sm->clearSelection();
    sm->select(selection, QItemSelectionModel::Select);
    impl_->syncing = false;
}

void FileListBox::viewSelectionChanged() {
    auto* view = static_cast<QListView*>(Widget());
    QItemSelectionModel* sm = view->selectionModel();
    FileListModel& m = impl_->model;
    if (!EffectivelyEnabled() || !EffectivelyVisible()) {
        syncSelection();
        return;
    }
    const int n = static_cast<int>(m.names.size());
    int chosen = -1;
    bool changed = false;
    for (int i = 0; i < n; ++i) {
        const bool s = sm->isSelected(m.index(i));
        if (s == m.selected[i])
            continue;
        changed = true;
        if (s && (chosen < 0 || i != listIndex_))
            chosen = i;
    }
    if (!changed)
        return;
    // A tool's pick in a one-entry list clears the view first and selects after: the clearing alone
    // is no pick (a user cannot unpick such a list), and the view shows the pick again unless the
    // selection follows.
    if (multiSelect_ == 0 && chosen < 0) {
        scheduleSync();
        return;
    }
    if (multiSelect_ == 0) {
        // One entry at most: the one just selected, or none.
        m.clear();
        if (chosen >= 0)
            m.set(chosen, true);
        listIndex_ = chosen;
    } else {
        for (int i = 0; i < n; ++i) m.set(i, sm->isSelected(m.index(i)));
        if (chosen >= 0)
            listIndex_ = anchor_ = chosen;
    }
    showChanges();
    syncSelection();
    // The tool's call returns first: a box the pick opens must not hold it until it is answered.
    QMetaObject::invokeMethod(
        context(),
        [this, token = LifeToken()] {
            if (Alive(token))
                Fire(Click);
        },
        Qt::QueuedConnection);
}

void FileListBox::checkIndex(int i) const {
    if (i < 0 || i >= impl_->model.names.size())
        throw PlatformError(QStringLiteral("%1: no file entry %2").arg(Name()).arg(i));
}

void FileListBox::SetPath(const QString& path) {
    const QString target = normalisedPath(path);
    if (target == path_)
        return;
    reread(target);
    path_ = target;
    showChanges();
    Fire(PathChange);
}

void FileListBox::SetPathUnread(const QString& path) {
    const QString target = normalisedPath(path);
    if (target == path_ && ListCount() == 0)
        return;
    impl_->model.reset({});
    listIndex_ = -1;
    anchor_ = -1;
    const bool moved = target != path_;
    path_ = target;
    showChanges();
    if (moved)
        Fire(PathChange);
}

void FileListBox::SetPathAs(const FileListBox& source) {
    if (source.path_ == path_)
        return;
    impl_->model.reset(source.impl_->model.names);
    listIndex_ = -1;
    anchor_ = -1;
    path_ = source.path_;
    showChanges();
    Fire(PathChange);
}

void FileListBox::RefreshAs(const FileListBox& source) {
    if (source.path_ != path_) {
        Refresh();
        return;
    }
    impl_->model.reset(source.impl_->model.names);
    listIndex_ = -1;
    anchor_ = -1;
    showChanges();
}

int FileListBox::ListCount() const {
    return impl_->model.names.size();
}

QString FileListBox::List(int i) const {
    return i >= 0 && i < impl_->model.names.size() ? impl_->model.names[i] : QString();
}

void FileListBox::SetListIndex(int i) {
    if (i != -1)
        checkIndex(i);
    if (i == listIndex_)
        return;
    if (multiSelect_ == 0) {
        impl_->model.clear();
        if (i >= 0)
            impl_->model.set(i, true);
    }
    listIndex_ = i;
    showChanges();
    Fire(Click);
}

bool FileListBox::Selected(int i) const {
    return i >= 0 && i < impl_->model.names.size() && impl_->model.selected[i];
}

int FileListBox::SelCount() const {
    return impl_->model.selectedCount;
}

void FileListBox::SetSelected(int i, bool s) {
    checkIndex(i);
    if (impl_->model.selected[i] == s)
        return;
    if (multiSelect_ == 0) {
        impl_->model.clear();
        listIndex_ = s ? i : -1;
    }
    impl_->model.set(i, s);
    auto* view = static_cast<QListView*>(Widget());
    if (multiSelect_ == 0) {
        showChanges();
    } else {
        impl_->model.changed(i, i);
        scheduleSync();
        view->viewport()->update();
    }
    Fire(Click);
}

void FileListBox::SetMultiSelect(int mode) {
    multiSelect_ = std::clamp(mode, 0, 2);
    impl_->syncing = true;
    static_cast<QListView*>(Widget())->setSelectionMode(multiSelect_ == 0   ? QAbstractItemView::SingleSelection
                                                        : multiSelect_ == 1 ? QAbstractItemView::MultiSelection
                                                                            : QAbstractItemView::ExtendedSelection);
    impl_->syncing = false;
    impl_->model.clear();
    anchor_ = -1;
    showChanges();
}

void FileListBox::Refresh() {
    try {
        reread(path_);
    } catch (const PlatformError&) {
        impl_->model.reset({});  // the folder is gone: nothing to list
        listIndex_ = -1;
        anchor_ = -1;
    }
    showChanges();
}

void FileListBox::UserClicks(int i, bool ctrl, bool shift) {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
    userClick(i, ctrl, shift);
}

void FileListBox::userClick(int i, bool ctrl, bool shift) {
    FileListModel& m = impl_->model;
    if (i < 0 || i >= m.names.size())
        return;
    if (multiSelect_ == 0) {
        m.clear();
        m.set(i, true);
    } else if (multiSelect_ == 1) {
        m.set(i, !m.selected[i]);
    } else if (shift) {
        if (anchor_ < 0 || anchor_ >= m.names.size())
            anchor_ = i;
        if (!ctrl)
            m.clear();
        for (int k = std::min(anchor_, i); k <= std::max(anchor_, i); ++k) m.set(k, true);
    } else if (ctrl) {
        m.set(i, !m.selected[i]);
        anchor_ = i;
    } else {
        m.clear();
        m.set(i, true);
        anchor_ = i;
    }
    listIndex_ = i;
    showChanges();
    syncSelection();
    static_cast<QListView*>(Widget())->scrollTo(m.index(i));
    Fire(Click);
}

void FileListBox::UserKey(int keyAscii) {
    int key = keyAscii;
    auto token = LifeToken();
    Fire(KeyPress, key);
    if (!Alive(token))
        return;
    if (const int k = NextEntryStartingWith(impl_->model.names, listIndex_, key); k >= 0)
        userClick(k, false, false);
}

void FileListView::setVisible(bool visible) {
    auto* files = static_cast<FileListBox*>(owner);
    if (!files || files->impl_->model.hidden == !visible) {
        QListView::setVisible(visible);
        return;
    }
    if (!visible) {
        QListView::setVisible(false);
        files->impl_->model.setHidden(true);
        return;
    }
    files->impl_->model.setHidden(false);
    QListView::setVisible(true);
    files->showChanges();
    files->syncSelection();
}

void FileListView::mousePressEvent(QMouseEvent* e) {
    WidgetEventScope scope;
    auto* list = static_cast<FileListBox*>(owner);
    if (!list)
        return;
    setFocus(Qt::MouseFocusReason);
    if (e->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(e->position().toPoint());
    if (!index.isValid())
        return;
    list->userClick(index.row(), e->modifiers().testFlag(Qt::ControlModifier),
                    e->modifiers().testFlag(Qt::ShiftModifier));
}

// The control owns every selection change: no rubber band, no drag, no selection on release.
void FileListView::mouseMoveEvent(QMouseEvent*) {}
void FileListView::mouseReleaseEvent(QMouseEvent*) {}
void FileListView::mouseDoubleClickEvent(QMouseEvent*) {}

void FileListView::keyPressEvent(QKeyEvent* e) {
    WidgetEventScope scope;
    auto* list = static_cast<FileListBox*>(owner);
    if (!list)
        return;
    const int n = list->ListCount();
    const bool shift = e->modifiers().testFlag(Qt::ShiftModifier);
    const bool ctrl = e->modifiers().testFlag(Qt::ControlModifier);
    auto token = list->LifeToken();
    // The keys that walk the list: their Clicks are no choice.
    auto walking = [list, token](auto&& step) {
        const bool outer = list->browsing_;
        list->browsing_ = true;
        step();
        if (Alive(token))
            list->browsing_ = outer;
    };
    auto moveTo = [&](int i) {
        if (n > 0)
            walking([&] { list->userClick(std::clamp(i, 0, n - 1), false, shift && list->MultiSelect() == 2); });
    };
    switch (e->key()) {
        case Qt::Key_Up:
            moveTo(list->ListIndex() - 1);
            return;
        case Qt::Key_Down:
            moveTo(list->ListIndex() + 1);
            return;
        case Qt::Key_Home:
            moveTo(0);
            return;
        case Qt::Key_End:
            moveTo(n - 1);
            return;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            QListView::keyPressEvent(e);
            return;
        default:
            break;
    }
    if (ctrl)
        return;
    const QList<uint> cps = e->text().toUcs4();
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (list->chooseByKey_ && (enter || e->key() == Qt::Key_Space) && list->ListIndex() >= 0) {
        list->userClick(list->ListIndex(), false, false);
        return;
    }
    if (enter) {
        list->UserKey(13);
        return;
    }
    if (e->key() == Qt::Key_Backspace) {
        list->UserKey(8);
        return;
    }
    for (uint cp : cps) {
        walking([&] { list->UserKey(static_cast<int>(cp)); });
        if (!Alive(token))
            return;
    }
}

}  // namespace qv
