// What assistive tools see of the controls: roles, names, states and actions. Every action a tool
// takes runs the control's own user path, from the event loop, so that the tool's call returns at once.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <algorithm>
#include <optional>
#include <utility>

#include "forms/forms.h"
#include "forms/forms_p.h"

namespace qv {

namespace {

// A frame is announced by its caption, as a group box is, unless it was given a name of its own.
class FrameAccessible : public QAccessibleWidget {
  public:
    explicit FrameAccessible(FrameWidget* w) : QAccessibleWidget(w, QAccessible::Grouping) {}
    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = static_cast<const FrameWidget*>(widget())->caption;
        return s;
    }
    // A frame without a border whose controls are all hidden draws nothing: it is not showing.
    QAccessible::State state() const override {
        QAccessible::State st = QAccessibleWidget::state();
        if (st.invisible || static_cast<const FrameWidget*>(widget())->border)
            return st;
        for (const QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisible())
                return st;
        st.invisible = true;
        return st;
    }
};

Control* ownerOf(const QWidget* w) {
    const auto* owned = dynamic_cast<const OwnedWidget*>(w);
    return owned ? owned->owner : nullptr;
}

// "&&" is an ampersand; a lone "&" marks the access key and is not read out.
QString withoutAccessKeys(const QString& s) {
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('&')) {
            if (i + 1 < s.size() && s[i + 1] == QLatin1Char('&'))
                out += s[++i];
            continue;
        }
        out += s[i];
    }
    return out;
}

bool actsOnClick(const Control* c) {
    return c && c->ActsOnClick();
}

// A window under an open modal box takes no clicks, and no tool's actions either.
bool blockedByModal(const QWidget* w) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && w && w->window() != modal;
}

// A control one clicks, as assistive tools see it: an option button is a radio button of its
// frame's group (the widget is not auto-exclusive, so Qt would call it a check box), a picture that
// acts is a button, a picture box that does not is a pane (the focus rests there after many clicks,
// and a filler is read out as nothing), and every action a tool can take runs the control's own
// click, at once. `idle` is the role of one that does not act, `acting` that of one that does;
// `actions` are what a tool can do to it while it acts, the default first.
class ClickableAccessible : public QAccessibleWidget {
  public:
    ClickableAccessible(QWidget* w, QAccessible::Role idle, QAccessible::Role acting, QStringList actions)
        : QAccessibleWidget(w, idle), acting_(acting), actions_(std::move(actions)) {}

    QAccessible::Role role() const override {
        const Control* c = ownerOf(widget());
        return c && actsOnClick(c) ? acting_ : QAccessibleWidget::role();
    }

    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty()) {
            if (const auto* b = qobject_cast<const QAbstractButton*>(widget()))
                s = withoutAccessKeys(b->text());
            else if (const auto* l = qobject_cast<const QLabel*>(widget()))
                s = l->text();
        }
        return s;
    }

    QAccessible::State state() const override {
        QAccessible::State st = QAccessibleWidget::state();
        const Control* c = ownerOf(widget());
        if (!c)
            return st;
        if (const std::optional<int> on = c->ToggleState()) {
            st.checkable = true;
            st.checked = *on == 1;
            st.checkStateMixed = *on == 2;
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(widget())) {
            st.pressed = b->isDown();
        }
        return st;
    }

    QStringList actionNames() const override {
        const QStringList names = actsOnClick(ownerOf(widget())) ? actions_ : QStringList();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (blockedByModal(widget()))
            return;
        Control* c = ownerOf(widget());
        if ((name == pressAction() || name == toggleAction()) && actsOnClick(c)) {
            // A control that cannot act refuses the press, and the user keeps the place.
            if (!c->EffectivelyEnabled() || !c->EffectivelyVisible())
                return;
            // The tool's call returns at once: the press runs from the event loop after it, so that
            // a box it opens does not hold the tool waiting until the box is answered.
            QMetaObject::invokeMethod(
                widget(),
                [c, token = c->LifeToken(), w = QPointer<QWidget>(widget())] {
                    if (!Alive(token) || !w || blockedByModal(w) || !c->EffectivelyEnabled() ||
                        !c->EffectivelyVisible())
                        return;
                    WidgetEventScope scope;
                    KeyboardPress press(c);
                    c->UserClicks();
                },
                Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == pressAction() || name == toggleAction())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(name);
    }

  private:
    QAccessible::Role acting_;
    QStringList actions_;
};

// A form's window is announced (with its caption) as a window, or as a dialog while it is shown
// modal; a plain widget would be read out as a filler.
class FormAccessible : public QAccessibleWidget {
  public:
    explicit FormAccessible(FormWindow* w) : QAccessibleWidget(w, QAccessible::Window) {}
    QAccessible::Role role() const override {
        return widget()->windowModality() != Qt::NonModal ? QAccessible::Dialog : QAccessible::Window;
    }
};

// A combo given a name is announced by that name, its choice being its value; left to itself Qt on
// this desktop reads the choice out as the name. The drop-down list is its one child, as before.
// The choice is its text too, read-only, for tools that read a combo's text rather than its value.
class ComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ComboAccessible(QComboBox* w) : QAccessibleWidget(w, QAccessible::ComboBox) {}
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString all = combo()->currentText();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(combo()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return combo()->currentText();
        const bool unnamed = combo()->accessibleName().isEmpty();
        if (t == QAccessible::Name && unnamed && !combo()->currentText().isEmpty())
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return combo()->view() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && combo()->view() ? QAccessible::queryAccessibleInterface(combo()->view())
                                             : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && combo()->view() && child->object() == combo()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State st = QAccessibleWidget::state();
        st.expandable = true;
        st.expanded = combo()->view() && combo()->view()->isVisible();
        return st;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (blockedByModal(widget()))
            return;
        if (name == showMenuAction() || name == pressAction()) {
            if (!combo()->isEnabled() && !combo()->view()->isVisible())
                return;  // a locked list does not open, to a tool as to a click
            if (combo()->view() && combo()->view()->isVisible())
                combo()->hidePopup();
            else
                combo()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* ControlAccessibleFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (auto* window = dynamic_cast<FormWindow*>(w))
        return new FormAccessible(window);
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return new ComboAccessible(combo);
    if (auto* list = dynamic_cast<ListWidget*>(w); list && list->onOpen)
        return MakeOpeningListAccessible(list);
    if (auto* frame = dynamic_cast<FrameWidget*>(w))
        return new FrameAccessible(frame);
    const QStringList press{QAccessibleActionInterface::pressAction()};
    const QString toggle = QAccessibleActionInterface::toggleAction();
    if (dynamic_cast<ButtonWidget*>(w))
        return new ClickableAccessible(w, QAccessible::Button, QAccessible::Button, press);
    if (dynamic_cast<CheckWidget*>(w))
        return new ClickableAccessible(w, QAccessible::CheckBox, QAccessible::CheckBox,
                                       QStringList{toggle} + press);
    if (dynamic_cast<OptionWidget*>(w))
        return new ClickableAccessible(w, QAccessible::RadioButton, QAccessible::RadioButton,
                                       press + QStringList{toggle});
    if (dynamic_cast<ImageWidget*>(w))
        return new ClickableAccessible(w, QAccessible::Graphic, QAccessible::Button, press);
    if (dynamic_cast<PictureWidget*>(w))
        return new ClickableAccessible(w, QAccessible::Pane, QAccessible::Button, press);
    if (dynamic_cast<LabelWidget*>(w))
        return new ClickableAccessible(w, QAccessible::StaticText, QAccessible::Button, press);
    return nullptr;
}

}  // namespace

void InstallControlAccessibility() {
    static const bool installed = (QAccessible::installFactory(&ControlAccessibleFactory), true);
    (void)installed;
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

}  // namespace qv
