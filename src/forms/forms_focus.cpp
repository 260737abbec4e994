// Focus and Tab order: the reading order a window's stops take, where Tab goes, and where the focus
// lands after a press from the keyboard or an assistive tool.
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "forms/forms.h"
#include "forms/forms_p.h"

namespace qv {

namespace {

// Tab indices count within the outermost frame a control sits in (or among the controls placed on the
// form itself): a window's panels each keep their own order, and an index set in one panel does not
// take the control out of it.
const Control* tabGroup(const Control* c) {
    const Control* outer = nullptr;
    for (const Control* up = c->Container(); up; up = up->Container()) outer = up;
    return outer;
}

// Under a panel: a shown frame or picture box stacked above the control's own part of the window
// lies over its middle.
bool coveredByPanel(const Control* c, const QWidget* window) {
    const QWidget* branch = WidgetOf(*c);
    while (branch->parentWidget() && branch->parentWidget() != window) branch = branch->parentWidget();
    if (branch->parentWidget() != window)
        return false;
    const QPoint middle = WidgetOf(*c)->mapTo(window, WidgetOf(*c)->rect().center());
    const QObjectList& kids = window->children();
    for (qsizetype k = kids.indexOf(branch) + 1; k > 0 && k < kids.size(); ++k) {
        auto* above = qobject_cast<QWidget*>(kids[k]);
        if (above && !above->isHidden() &&
            (dynamic_cast<FrameWidget*>(above) || dynamic_cast<PictureWidget*>(above)) &&
            above->geometry().contains(middle))
            return true;
    }
    return false;
}

}  // namespace

int Control::TabIndex() const {
    if (!form_)
        return 0;
    const Control* group = tabGroup(this);
    int k = 0;
    if (form_->designing_) {
        for (const auto& c : form_->controls_) {
            if (c.get() == this)
                return k;
            k += tabGroup(c.get()) == group;
        }
        return 0;
    }
    form_->ensureTabOrder();
    for (const Control* c : form_->tabOrder_) {
        if (c == this)
            return k;
        k += tabGroup(c) == group;
    }
    return 0;
}

void Control::SetTabIndex(int i) {
    if (!form_)
        return;
    if (form_->designing_) {
        // The reading order is taken once every control is there; this applies on top of it.
        form_->designTabIndex_.emplace_back(this, i);
        return;
    }
    form_->ensureTabOrder();
    auto& order = form_->tabOrder_;
    order.erase(std::find(order.begin(), order.end(), this));
    // Before the group's control now at place i, or after the group's last one.
    const Control* group = tabGroup(this);
    auto at = order.end();
    auto afterLast = order.end();
    int k = 0;
    for (auto it = order.begin(); it != order.end(); ++it) {
        if (tabGroup(*it) != group)
            continue;
        if (k++ == std::max(0, i)) {
            at = it;
            break;
        }
        afterLast = it + 1;
    }
    order.insert(at != order.end() ? at : afterLast, this);
}

bool Control::isTabStop() const {
    if (!widget_ || !EffectivelyVisible() || !EffectivelyEnabled())
        return false;
    // What the window keeps out of sight (a control a panel covers) is no stop while it is so.
    if (form_ && form_->window_ &&
        (!widget_->isVisibleTo(form_->window_) || coveredByPanel(this, form_->window_)))
        return false;
    return tabStop();
}

bool Control::tabStop() const {
    return (widget_->focusPolicy() & Qt::TabFocus) != 0;
}

const std::vector<Control*>& Control::formTabOrder() const {
    return form_->tabOrder_;
}

bool Label::tabStop() const {
    const bool acts = ActsAsButton();
    if (acts && !(Widget()->focusPolicy() & Qt::TabFocus)) {
        Widget()->setFocusPolicy(Qt::TabFocus);
        // Its text clear of the focus mark drawn along its edges.
        static_cast<QLabel*>(Widget())->setMargin(4);
    }
    return acts;
}

bool TextBox::tabStop() const {
    // A read-only box is read, not operated, unless it is there to be read whole.
    return (!Locked() || (ReadStop() && !Text().isEmpty())) && (Widget()->focusPolicy() & Qt::TabFocus);
}

namespace {

// A picture that acts when clicked is a button to the keyboard; one that only shows is not.
bool pictureStop(const Control* c) {
    const bool acts = c->ActsOnClick();
    if (acts && !(WidgetOf(*c)->focusPolicy() & Qt::TabFocus))
        WidgetOf(*c)->setFocusPolicy(Qt::TabFocus);
    return acts;
}

}  // namespace

bool Image::tabStop() const {
    return pictureStop(this);
}

bool PictureBox::tabStop() const {
    return pictureStop(this);
}

bool OptionButton::tabStop() const {
    // One stop per group: the chosen option, or the first when none is chosen.
    if (Value())
        return true;
    const Control* first = nullptr;
    for (const Control* c : formTabOrder()) {
        if (c->Kind() != ControlKind::OptionButton || c->Container() != Container() ||
            !c->EffectivelyVisible() || !c->EffectivelyEnabled())
            continue;
        if (static_cast<const OptionButton*>(c)->Value())
            return false;
        if (!first)
            first = c;
    }
    return first == this;
}

void Control::SetFocus() {
    if (!widget_ || !EffectivelyVisible() || !EffectivelyEnabled())
        return;
    if (widget_->focusPolicy() == Qt::NoFocus)
        return;
    if (!KeyboardPress::AllowsFocusOn(this))
        return;
    if (form_ && form_->opening_ && restsFocus())
        return;
    widget_->setFocus(Qt::OtherFocusReason);
}

KeyboardPress::KeyboardPress(Control* pressed)
    : pressed_(pressed),
      alive_(pressed->LifeToken()),
      outer_(current_),
      user_(pressed),
      form_(pressed->ParentForm()),
      formShown_(form_ && form_->Visible()) {
    current_ = this;
    if (form_)
        form_->opening_ = false;
}

KeyboardPress::~KeyboardPress() {
    current_ = outer_;
    // The press closed its window: the focus goes back to what opened it.
    const auto& forms = LiveForms();
    if (formShown_ && std::find(forms.begin(), forms.end(), form_) != forms.end() && !form_->Visible()) {
        form_->focusBackAfterClose();
        return;
    }
    if (focusPlaced_ || !Alive(alive_))
        return;
    Form* f = pressed_->ParentForm();
    if (!f || !f->window_ || !f->window_->isVisible())
        return;
    f->focusAfterPress(pressed_, opened_);
}

void KeyboardPress::NoteOpened(const Control* frame) {
    KeyboardPress* press = current_;
    if (press && Alive(press->alive_) && press->form_ == frame->ParentForm())
        press->opened_.push_back(frame);
}

bool KeyboardPress::AllowsFocusOn(const Control* target) {
    KeyboardPress* press = current_;
    if (!press || !Alive(press->alive_) || target->ParentForm() != press->pressed_->ParentForm())
        return true;
    if (target->restsFocus())
        return false;
    press->focusPlaced_ = true;
    return true;
}

void Form::openOnFirstStop() {
    ensureTabOrder();
    QWidget* focus = window_->focusWidget();
    const auto onStop = std::find_if(tabOrder_.begin(), tabOrder_.end(), [focus](const Control* c) {
        return WidgetOf(*c) == focus && c->isTabStop();
    });
    if (onStop == tabOrder_.end())
        for (Control* c : tabOrder_)
            if (c->isTabStop()) {
                WidgetOf(*c)->setFocus(Qt::OtherFocusReason);
                break;
            }
    // The desktop style marks the focus only once the keyboard has moved it: the user is shown at
    // once where the keys go.
    window_->setAttribute(Qt::WA_KeyboardFocusChange);
    // Until the user acts in the window, a move to its resting pane (made as the window is shown) is
    // not made: the window opens on a control that can be read out and used.
    opening_ = true;
    auto* window = static_cast<FormWindow*>(window_);
    QTimer::singleShot(0, window, [window] {
        if (window->form)  // not when the form has let its window go
            window->form->opening_ = false;
    });
}

namespace {

bool isInside(const Control* c, const Control* container) {
    for (const Control* up = c->Container(); up; up = up->Container())
        if (up == container)
            return true;
    return false;
}

// Where a container's first control starts, in the container's own position's units (its caption
// and border lie above that); its own top when it holds none.
int innerTop(const std::vector<std::unique_ptr<Control>>& all, const Control* c) {
    if (!c->IsContainer())
        return c->Top();
    std::optional<int> first;  // in twips, as a container places its controls
    for (const auto& k : all)
        if (k->Container() == c && k->Kind() != ControlKind::Line) {
            const int top = innerTop(all, k.get());
            first = std::min(first.value_or(top), top);
        }
    if (!first)
        return c->Top();
    return c->Top() + (c->Container() ? *first : *first / kTwipsPerPixel);
}

// Left to right, top to bottom, a container's controls right after the container, and the option
// buttons of a group together where the group's first one stands (the group is one stop).
void appendInReadingOrder(const std::vector<std::unique_ptr<Control>>& all, const Control* container,
                          std::vector<Control*>& out) {
    struct Kid {
        Control* c;
        int top, inner;
    };
    std::vector<Kid> kids;
    for (const auto& c : all)
        if (c->Container() == container)
            kids.push_back({c.get(), c->Top(), innerTop(all, c.get())});
    std::stable_sort(kids.begin(), kids.end(), [](const Kid& a, const Kid& b) { return a.top < b.top; });
    // A row: what starts less than half a line below the row's first control, a line being the
    // lower of the two (a tall frame beside a button row does not take the row's first button); a
    // frame starts both at its border and where its controls do.
    auto oneRow = [](const Kid& first, const Kid& next) {
        const int half = std::max(1, std::min(first.c->Height(), next.c->Height()) / 2);
        for (int a : {first.top, first.inner})
            for (int b : {next.top, next.inner})
                if (std::abs(b - a) < half)
                    return true;
        return false;
    };
    for (size_t k = 0; k < kids.size();) {
        size_t end = k + 1;
        while (end < kids.size() && oneRow(kids[k], kids[end])) ++end;
        std::stable_sort(kids.begin() + static_cast<std::ptrdiff_t>(k),
                         kids.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const Kid& a, const Kid& b) { return a.c->Left() < b.c->Left(); });
        k = end;
    }
    std::vector<Control*> ordered;
    bool optionsDone = false;
    for (const Kid& kid : kids) {
        if (kid.c->Kind() != ControlKind::OptionButton) {
            ordered.push_back(kid.c);
            continue;
        }
        if (std::exchange(optionsDone, true))
            continue;
        for (const Kid& o : kids)
            if (o.c->Kind() == ControlKind::OptionButton)
                ordered.push_back(o.c);
    }
    for (Control* c : ordered) {
        out.push_back(c);
        if (c->IsContainer())
            appendInReadingOrder(all, c, out);
    }
}

}  // namespace

void Form::ensureTabOrder() {
    if (tabOrder_.size() == controls_.size())
        return;
    if (tabOrder_.empty()) {
        appendInReadingOrder(controls_, nullptr, tabOrder_);
        for (auto [c, i] : std::exchange(designTabIndex_, {})) c->SetTabIndex(i);
        return;
    }
    // Controls made since: after the last control of their container, or last.
    for (const auto& owned : controls_) {
        Control* c = owned.get();
        if (std::find(tabOrder_.begin(), tabOrder_.end(), c) != tabOrder_.end())
            continue;
        auto at = tabOrder_.end();
        if (const Control* box = c->Container())
            for (auto it = tabOrder_.begin(); it != tabOrder_.end(); ++it)
                if (*it == box || isInside(*it, box))
                    at = it + 1;
        tabOrder_.insert(at, c);
    }
}

bool Form::moveFocus(bool next) {
    if (!window_)
        return false;
    ensureTabOrder();
    const int n = static_cast<int>(tabOrder_.size());
    QWidget* focus = window_->focusWidget();
    int at = -1;
    for (int k = 0; k < n && focus && at < 0; ++k)
        if (WidgetOf(*tabOrder_[k]) == focus)
            at = k;
    for (int k = 0; k < n && focus && at < 0; ++k) {
        const Control* c = tabOrder_[k];
        if (WidgetOf(*c) && !c->IsContainer() && WidgetOf(*c)->isAncestorOf(focus))
            at = k;
    }
    if (at < 0)
        at = next ? -1 : n;
    for (int step = 1; step <= n; ++step) {
        const int k = ((next ? at + step : at - step) % n + n) % n;
        Control* c = tabOrder_[k];
        if (c->isTabStop()) {
            WidgetOf(*c)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void Form::focusAfterPress(Control* pressed, const std::vector<const Control*>& opened) {
    ensureTabOrder();
    if (pressed->isTabStop()) {
        WidgetOf(*pressed)->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The pressed control went with its frame: back to what opened that frame, else into a frame
    // the press opened. Not the next stop: a second Enter would press whatever comes next, and that
    // may end the program (Quit) or throw work away. The first stop of the pressed control's panel,
    // or else of the window, is a safe place to land.
    if (focusOpenerOf(pressed))
        return;
    for (const Control* frame : opened)
        if (std::find_if(controls_.begin(), controls_.end(),
                         [frame](const auto& c) { return c.get() == frame; }) != controls_.end() &&
            frame->EffectivelyVisible())
            for (Control* c : tabOrder_)
                if (isInside(c, frame) && c->isTabStop()) {
                    WidgetOf(*c)->setFocus(Qt::TabFocusReason);
                    return;
                }
    for (const Control* box = pressed->Container();; box = box->Container()) {
        for (Control* c : tabOrder_)
            if ((!box || isInside(c, box)) && c != pressed && c->isTabStop()) {
                WidgetOf(*c)->setFocus(Qt::TabFocusReason);
                return;
            }
        if (!box)
            return;
    }
}

void Form::noteOpened(const Control* frame) {
    KeyboardPress::NoteOpened(frame);
    Control* by = UserPress::Innermost(this);
    if (!by || by == frame || isInside(by, frame))
        return;
    std::erase_if(openers_, [frame](const Opener& o) { return o.opened == frame; });
    openers_.push_back({frame, by, by->LifeToken()});
}

void Form::noteShownBy() {
    formOpener_ = UserPress::Innermost(this, true);
    formOpenerAlive_ = formOpener_ ? formOpener_->LifeToken() : std::weak_ptr<void>();
}

bool Form::focusOpenerOf(const Control* pressed, int depth) {
    if (depth > 8)  // openers that opened each other's frames
        return false;
    for (const Control* box = pressed->Container(); box; box = box->Container()) {
        if (box->Visible())
            continue;
        const auto it = std::find_if(openers_.begin(), openers_.end(),
                                     [box](const Opener& o) { return o.opened == box; });
        if (it == openers_.end() || !Alive(it->alive))
            continue;
        Control* by = it->by;
        if (by->isTabStop()) {
            WidgetOf(*by)->setFocus(Qt::OtherFocusReason);
            return true;
        }
        return focusOpenerOf(by, depth + 1);
    }
    return false;
}

void Form::focusBackAfterClose() {
    Control* by = formOpener_;
    if (!by || !Alive(formOpenerAlive_))
        return;
    Form* owner = by->ParentForm();
    if (!owner || !owner->window_ || !owner->window_->isVisible())
        return;
    owner->ensureTabOrder();
    owner->window_->activateWindow();
    if (by->isTabStop())
        WidgetOf(*by)->setFocus(Qt::OtherFocusReason);
    else if (!owner->focusOpenerOf(by))
        owner->focusAfterPress(by);
}

bool FormWindow::focusNextPrevChild(bool next) {
    if (!form || form->Controls().empty())
        return QWidget::focusNextPrevChild(next);
    WidgetEventScope scope;
    return form->moveFocus(next);
}

namespace {

class FocusMarkKeeper : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::FocusIn)
            if (auto* w = qobject_cast<QWidget*>(watched))
                w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        return false;
    }
};

}  // namespace

void KeepFocusMark(Control* button) {
    if (QWidget* w = button ? WidgetOf(*button) : nullptr)
        w->installEventFilter(new FocusMarkKeeper(w));
}

}  // namespace qv
