// The control base: its widget, place, colours, visibility and state, shared by every control class.
#include <QAccessible>
#include <QEvent>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "forms/forms.h"
#include "forms/forms_p.h"

namespace qv {

int MouseButtonCode(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

// ---- Control

Control::Control(Form* form, ControlKind kind, QString name, int index, Control* container)
    : alive_(std::make_shared<char>(0)),
      context_(std::make_unique<ControlFilter>(this)),
      form_(form),
      kind_(kind),
      name_(std::move(name)),
      index_(index),
      container_(container) {}

Control::~Control() {
    alive_.reset();
    if (auto* owned = dynamic_cast<OwnedWidget*>(widget_))
        owned->owner = nullptr;
}

void Control::setWidget(QWidget* w) {
    // The class is known only from its own constructor, which makes the first widget.
    if (!widget_ && whiteArea())
        backColor_ = kSysWindowBackground;
    widget_ = w;
    if (auto* owned = dynamic_cast<OwnedWidget*>(w))
        owned->owner = this;
    QWidget* parent = container_ && WidgetOf(*container_) ? WidgetOf(*container_) : form_->ensureWindow();
    w->setParent(parent);
    w->setObjectName(index_ >= 0 ? QStringLiteral("%1(%2)").arg(name_).arg(index_) : name_);
    w->installEventFilter(context_.get());
    w->setAutoFillBackground(fillsBackground());
    applyGeometry();
    applyColours();
    w->setEnabled(enabled_);
    w->setVisible(visible_);
}

void Control::replaceWidget(QWidget* w) {
    QWidget* old = widget_;
    const QString tip = old ? old->toolTip() : QString();
    if (auto* owned = dynamic_cast<OwnedWidget*>(old))
        owned->owner = nullptr;
    setWidget(w);
    w->setToolTip(tip);
    if (old) {
        old->removeEventFilter(context_.get());
        old->hide();
        ReleaseWidget(old);
    }
}

void Control::SetVisible(bool v) {
    const bool opens = v && !visible_;
    visible_ = v;
    if (widget_)
        widget_->setVisible(v);
    if (opens && form_ && IsContainer())
        form_->noteOpened(this);
}

void Control::SetEnabled(bool e) {
    enabled_ = e;
    if (widget_)
        widget_->setEnabled(e);
    enabledChanged();
}

bool Control::EffectivelyVisible() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_)
            return false;
    return form_ && form_->Visible();
}

bool Control::EffectivelyEnabled() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_)
            return false;
    return form_ && form_->window_ && form_->window_->isEnabled();
}

bool Control::inTwips() const {
    return container_ && container_->IsContainer();
}

void Control::applyGeometry() {
    if (!widget_)
        return;
    auto px = [this](int v) { return inTwips() ? qRound(v / double(kTwipsPerPixel)) : v; };
    widget_->setGeometry(px(left_), px(top_), std::max(0, px(width_)), std::max(0, px(height_)));
}

void Control::SetLeft(int v) {
    left_ = v;
    applyGeometry();
}
void Control::SetTop(int v) {
    top_ = v;
    applyGeometry();
}
void Control::SetWidth(int v) {
    width_ = v;
    applyGeometry();
}
void Control::SetHeight(int v) {
    height_ = v;
    applyGeometry();
}
void Control::Move(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

void Control::SetForeColor(Colour c) {
    foreColor_ = c;
    applyColours();
}

void Control::SetBackColor(Colour c) {
    backColor_ = c;
    applyColours();
}

void Control::applyColours() {
    if (!widget_)
        return;
    QPalette pal = widget_->palette();
    const QColor back = ToQColor(backColor_);
    const QColor fore = ToQColor(foreColor_);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Button, back);
    if (whiteArea())
        pal.setColor(QPalette::Base, back);
    // The disabled group keeps the desktop's grey text, so disabled controls still look disabled.
    for (auto group : {QPalette::Active, QPalette::Inactive})
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            pal.setColor(group, role, fore);
    widget_->setPalette(pal);
    widget_->update();
}

QString Control::ToolTipText() const {
    return widget_ ? widget_->toolTip() : QString();
}

void Control::SetAccessibleName(const QString& name) {
    if (widget_)
        widget_->setAccessibleName(name);
}

QString Control::AccessibleName() const {
    if (!widget_)
        return QString();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget_);
    return a ? a->text(QAccessible::Name) : widget_->accessibleName();
}

void Control::SetToolTipText(const QString& t) {
    if (widget_)
        widget_->setToolTip(t);
}

bool Control::HasFocus() const {
    if (!widget_ || !form_ || !form_->window_)
        return false;
    return form_->window_->focusWidget() == widget_;
}

bool ControlFilter::eventFilter(QObject* watched, QEvent* e) {
    if (watched == WidgetOf(*control_)) {
        WidgetEventScope scope;
        if (e->type() == QEvent::MouseButtonPress && control_->ParentForm())
            control_->ParentForm()->opening_ = false;
        if (e->type() == QEvent::FocusIn)
            Fire(control_->GotFocus);
        else if (e->type() == QEvent::FocusOut)
            Fire(control_->LostFocus);
    }
    return false;
}

void ReleaseWidget(QWidget* w) {
    if (WidgetEventScope::Active())
        w->deleteLater();
    else
        delete w;
}

}  // namespace qv
