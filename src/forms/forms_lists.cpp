// Combo and list boxes, which hold entries of their own, and the drive list.
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
    QObject::connect(
        w->view()->selectionModel(), &QItemSelectionModel::selectionChanged, context(), [this, w] {
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

}  // namespace qv
