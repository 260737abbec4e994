// The file list: a folder's files in a model of their own (a big folder lists without an item
// each), with single, simple and extended selection by mouse, keyboard and assistive tools.
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
    static_cast<QListView*>(Widget())->setSelectionMode(multiSelect_ == 0 ? QAbstractItemView::SingleSelection
                                                        : multiSelect_ == 1
                                                            ? QAbstractItemView::MultiSelection
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
            walking(
                [&] { list->userClick(std::clamp(i, 0, n - 1), false, shift && list->MultiSelect() == 2); });
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
