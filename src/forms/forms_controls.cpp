// The control classes short of text boxes and lists: labels, buttons, check and option buttons,
// images, picture boxes, frames and lines, with the widgets that stand for them.
#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "forms/forms.h"
#include "forms/forms_p.h"
#include "platform/services.h"

namespace qv {

// ---- Label

Label::Label(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::Label, std::move(name), index, container) {
    InstallControlAccessibility();
    auto* w = new LabelWidget;
    w->setTextFormat(Qt::PlainText);
    w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(w);
}

void Label::SetCaption(const QString& c) {
    caption_ = c;
    static_cast<QLabel*>(Widget())->setText(c);
}

void Label::SetTransparent(bool t) {
    transparent_ = t;
    Widget()->setAutoFillBackground(!t);
    Widget()->update();
}

void Label::SetAlignment(int a) {
    Qt::Alignment h = a == 1 ? Qt::AlignRight : a == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    static_cast<QLabel*>(Widget())->setAlignment(h | Qt::AlignTop);
}

void Label::SetWordWrap(bool w) {
    static_cast<QLabel*>(Widget())->setWordWrap(w);
}

void Label::UserClicks() {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
    UserPress user(this);
    Fire(Click);
}

bool Label::OnDisabledFace() const {
    if (!transparent_ || !ParentForm())
        return false;
    const QRect mine(Left(), Top(), Width(), Height());
    for (const auto& c : ParentForm()->Controls()) {
        if (c.get() == this)
            return false;  // made later: it lies over this label, not under it
        if (c->Kind() == ControlKind::CommandButton && c->Container() == Container() &&
            QRect(c->Left(), c->Top(), c->Width(), c->Height()).contains(mine))
            return !c->Enabled();
    }
    return false;
}

void Label::SetChosen(bool chosen) {
    if (chosen_ == chosen)
        return;
    chosen_ = chosen;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(Widget(), changed);
    QAccessible::updateAccessibility(&event);
}

std::optional<int> Label::ToggleState() const {
    if (!chosen_)
        return std::nullopt;
    return *chosen_ ? 1 : 0;
}

bool Label::ActsAsButton() const {
    if (!Click || !ParentForm())
        return false;
    const QRect mine(Left(), Top(), Width(), Height());
    for (const auto& c : ParentForm()->Controls())
        if (c->Kind() == ControlKind::CommandButton && c->Container() == Container() &&
            QRect(c->Left(), c->Top(), c->Width(), c->Height()).contains(mine))
            return false;
    return true;
}

void LabelWidget::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    auto* label = static_cast<Label*>(owner);
    if (label && label->ActsAsButton() && !e->isAutoRepeat() &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        WidgetEventScope scope;
        KeyboardPress press(label);
        label->UserClicks();
        return;
    }
    QLabel::keyPressEvent(e);
}

void LabelWidget::paintEvent(QPaintEvent* e) {
    auto* label = static_cast<Label*>(owner);
    if (!label || !isEnabled() || !label->OnDisabledFace()) {
        QLabel::paintEvent(e);
        if (hasFocus()) {
            QPainter p(this);
            QStyleOptionFocusRect opt;
            opt.initFrom(this);
            opt.rect = rect().adjusted(1, 1, -1, -1);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
        }
        return;
    }
    // The caption of a disabled button: the desktop's disabled text, whatever colour it was given.
    QPainter p(this);
    QPalette pal = palette();
    pal.setCurrentColorGroup(QPalette::Disabled);
    int flags = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()));
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    style()->drawItemText(&p, contentsRect(), flags, pal, false, text(), foregroundRole());
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* e) {
    WidgetEventScope scope;
    QLabel::mouseReleaseEvent(e);
    if (owner && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        UserPress user(owner);
        Fire(static_cast<Label*>(owner)->Click);
    }
}

// ---- CommandButton

CommandButton::CommandButton(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::CommandButton, std::move(name), index, container) {
    InstallControlAccessibility();
    auto* w = new ButtonWidget;
    w->setFocusPolicy(Qt::StrongFocus);
    w->setAutoDefault(false);
    QObject::connect(w, &QPushButton::clicked, context(), [this] {
        WidgetEventScope scope;
        UserPress user(this);
        Fire(Click);
    });
    QObject::connect(w, &QPushButton::pressed, context(), [this] { refreshFace(); });
    QObject::connect(w, &QPushButton::released, context(), [this] { refreshFace(); });
    setWidget(w);
}

void CommandButton::SetCaption(const QString& c) {
    caption_ = c;
    static_cast<QPushButton*>(Widget())->setText(c);
}

void CommandButton::SetPicture(const Picture& p) {
    picture_ = p;
    refreshFace();
}
void CommandButton::SetDownPicture(const Picture& p) {
    downPicture_ = p;
    refreshFace();
}
void CommandButton::SetDisabledPicture(const Picture& p) {
    disabledPicture_ = p;
    refreshFace();
}

const Picture& CommandButton::ShownPicture() const {
    if (!Enabled() && !disabledPicture_.IsEmpty())
        return disabledPicture_;
    auto* b = static_cast<QPushButton*>(Widget());
    if (b && b->isDown() && !downPicture_.IsEmpty())
        return downPicture_;
    return picture_;
}

void CommandButton::refreshFace() {
    if (Widget())
        Widget()->update();
}

void CommandButton::UserClicks() {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
    UserPress user(this);
    Fire(Click);
}

// A caption label lying on the button's face shows the button's state.
void CommandButton::enabledChanged() {
    if (!ParentForm())
        return;
    for (const auto& c : ParentForm()->Controls())
        if (c->Kind() == ControlKind::Label && c->Container() == Container() && WidgetOf(*c))
            WidgetOf(*c)->update();
}

void CommandButton::SetCancel(bool c) {
    // One Cancel button a form, as one Escape key.
    if (c && ParentForm())
        for (const auto& other : ParentForm()->Controls())
            if (other->Kind() == ControlKind::CommandButton)
                static_cast<CommandButton*>(other.get())->cancel_ = false;
    cancel_ = c;
}

namespace {

bool PressesButton(const QKeyEvent* e) {
    return e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

}  // namespace

void ButtonWidget::keyPressEvent(QKeyEvent* e) {
    std::optional<KeyboardPress> press;
    if (owner && PressesButton(e))
        press.emplace(owner);
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        if (!e->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

// Space presses a button when it is let go.
void ButtonWidget::keyReleaseEvent(QKeyEvent* e) {
    std::optional<KeyboardPress> press;
    // Enter has pressed the button already: its release presses nothing.
    if (owner && e->key() == Qt::Key_Space)
        press.emplace(owner);
    QPushButton::keyReleaseEvent(e);
}

void CheckWidget::keyReleaseEvent(QKeyEvent* e) {
    std::optional<KeyboardPress> press;
    if (owner && PressesButton(e))
        press.emplace(owner);
    QCheckBox::keyReleaseEvent(e);
}

void OptionWidget::keyReleaseEvent(QKeyEvent* e) {
    std::optional<KeyboardPress> press;
    if (owner && PressesButton(e))
        press.emplace(owner);
    QRadioButton::keyReleaseEvent(e);
}

void ButtonWidget::paintEvent(QPaintEvent* e) {
    auto* button = static_cast<CommandButton*>(owner);
    if (!button || button->ShownPicture().IsEmpty()) {
        QPushButton::paintEvent(e);
        return;
    }
    // A graphical button: the picture fills the face and the caption sits over it.
    QPainter p(this);
    p.drawPixmap(rect(), button->ShownPicture().pixmap());
    if (hasFocus()) {
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        opt.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
    }
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

// ---- CheckBox

CheckBox::CheckBox(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::CheckBox, std::move(name), index, container) {
    InstallControlAccessibility();
    auto* w = new CheckWidget;
    w->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(w, &QCheckBox::clicked, context(), [this] {
        WidgetEventScope scope;
        UserPress user(this);
        SetValue(value_ == 1 ? 0 : 1);
    });
    // A box ticked by anything but the control (a tool's toggle through the widget) is the user's
    // click it stands for; the control then shows what it holds.
    QObject::connect(w, &QCheckBox::toggled, context(), [this, w] {
        const int shown = w->checkState() == Qt::Unchecked ? 0 : w->checkState() == Qt::Checked ? 1 : 2;
        if (shown == value_)
            return;
        WidgetEventScope scope;
        auto token = LifeToken();
        {
            KeyboardPress press(this);
            UserClicks();
        }
        if (Alive(token) && shown != value_) {
            w->setTristate(value_ == 2);
            w->setCheckState(value_ == 0 ? Qt::Unchecked : value_ == 1 ? Qt::Checked : Qt::PartiallyChecked);
        }
    });
    setWidget(w);
}

void CheckBox::SetCaption(const QString& c) {
    caption_ = c;
    static_cast<QCheckBox*>(Widget())->setText(c);
}

void CheckBox::SetValue(int v) {
    if (v < 0 || v > 2)
        throw PlatformError(QStringLiteral("Invalid check box value %1").arg(v));
    if (v == value_)
        return;
    value_ = v;
    auto* w = static_cast<QCheckBox*>(Widget());
    w->setTristate(v == 2);
    w->setCheckState(v == 0 ? Qt::Unchecked : v == 1 ? Qt::Checked : Qt::PartiallyChecked);
    Fire(Click);
}

void CheckBox::UserClicks() {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
    UserPress user(this);
    SetValue(value_ == 1 ? 0 : 1);
}

// ---- OptionButton

OptionButton::OptionButton(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::OptionButton, std::move(name), index, container) {
    InstallControlAccessibility();
    auto* w = new OptionWidget;
    w->setAutoExclusive(false);
    w->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(w, &QRadioButton::clicked, context(), [this] {
        WidgetEventScope scope;
        SetValue(true);
    });
    // Chosen from outside the control: the user's click; an option is never unchosen that way.
    QObject::connect(w, &QRadioButton::toggled, context(), [this, w](bool on) {
        if (on == value_)
            return;
        WidgetEventScope scope;
        auto token = LifeToken();
        if (on) {
            KeyboardPress press(this);
            UserClicks();
        }
        if (Alive(token) && w->isChecked() != value_)
            w->setChecked(value_);
    });
    setWidget(w);
}

void OptionWidget::keyPressEvent(QKeyEvent* e) {
    auto* option = static_cast<OptionButton*>(owner);
    const int key = e->key();
    const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
    if (!option || !(back || key == Qt::Key_Down || key == Qt::Key_Right)) {
        QRadioButton::keyPressEvent(e);
        return;
    }
    WidgetEventScope scope;
    // The group's options in tab order, those a user can reach.
    std::vector<OptionButton*> group;
    std::vector<std::pair<int, OptionButton*>> ordered;
    for (const auto& c : option->ParentForm()->Controls())
        if (c->Kind() == ControlKind::OptionButton && c->Container() == option->Container() &&
            c->EffectivelyVisible() && c->EffectivelyEnabled())
            ordered.emplace_back(c->TabIndex(), static_cast<OptionButton*>(c.get()));
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& o : ordered) group.push_back(o.second);
    const auto at = std::find(group.begin(), group.end(), option);
    if (group.size() < 2 || at == group.end())
        return;
    const auto n = static_cast<std::ptrdiff_t>(group.size());
    const std::ptrdiff_t k = ((at - group.begin()) + (back ? n - 1 : 1)) % n;
    OptionButton* target = group[static_cast<size_t>(k)];
    WidgetOf(*target)->setFocus(Qt::TabFocusReason);
    KeyboardPress press(target);
    target->UserClicks();
}

void OptionButton::SetCaption(const QString& c) {
    caption_ = c;
    static_cast<QRadioButton*>(Widget())->setText(c);
}

void OptionButton::SetValue(bool v) {
    if (v == value_)
        return;
    if (!v) {
        value_ = false;
        static_cast<QRadioButton*>(Widget())->setChecked(false);
        return;
    }
    for (const auto& c : ParentForm()->Controls()) {
        if (c.get() == this || c->Kind() != ControlKind::OptionButton || c->Container() != Container())
            continue;
        auto* other = static_cast<OptionButton*>(c.get());
        if (!other->value_)
            continue;
        other->value_ = false;
        static_cast<QRadioButton*>(WidgetOf(*other))->setChecked(false);
    }
    value_ = true;
    static_cast<QRadioButton*>(Widget())->setChecked(true);
    Fire(Click);
}

void OptionButton::UserClicks() {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
    SetValue(true);
}

// ---- Image

Image::Image(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::Image, std::move(name), index, container) {
    InstallControlAccessibility();
    setWidget(new ImageWidget);
}

void Image::SetPicture(const Picture& p) {
    picture_ = p;
    auto* w = static_cast<ImageWidget*>(Widget());
    w->pixmap = p.pixmap();
    if (!stretch_ && !p.IsEmpty()) {
        // Without stretching the image takes the picture's size.
        const int unit = inTwips() ? kTwipsPerPixel : 1;
        Move(Left(), Top(), p.pixmap().width() * unit, p.pixmap().height() * unit);
    }
    w->update();
}

void Image::SetStretch(bool s) {
    stretch_ = s;
    static_cast<ImageWidget*>(Widget())->stretch = s;
    Widget()->update();
}

void ImageWidget::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if (owner && !e->isAutoRepeat() &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        WidgetEventScope scope;
        KeyboardPress press(owner);
        static_cast<Image*>(owner)->UserClicks();
        return;
    }
    QWidget::keyPressEvent(e);
}

void PictureWidget::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    auto* box = static_cast<PictureBox*>(owner);
    if (box && box->Click && !e->isAutoRepeat() &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        WidgetEventScope scope;
        KeyboardPress press(box);
        box->UserClicks();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Image::UserClicks() {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
    UserPress user(this);
    auto token = LifeToken();
    Fire(MouseDown, 1);
    if (!Alive(token))
        return;
    Fire(MouseUp, 1);
    if (!Alive(token))
        return;
    Fire(Click);
}

void ImageWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!pixmap.isNull()) {
        if (stretch)
            p.drawPixmap(rect(), pixmap);
        else
            p.drawPixmap(0, 0, pixmap);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        opt.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
    }
}

void ImageWidget::mousePressEvent(QMouseEvent* e) {
    WidgetEventScope scope;
    if (owner)
        Fire(static_cast<Image*>(owner)->MouseDown, MouseButtonCode(e->button()));
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* e) {
    WidgetEventScope scope;
    if (!owner)
        return;
    auto* image = static_cast<Image*>(owner);
    auto token = image->LifeToken();
    Fire(image->MouseUp, MouseButtonCode(e->button()));
    if (Alive(token) && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        UserPress user(image);
        Fire(image->Click);
    }
}

// ---- PictureBox

PictureBox::PictureBox(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::PictureBox, std::move(name), index, container) {
    InstallControlAccessibility();
    auto* w = new PictureWidget;
    w->setFocusPolicy(Qt::StrongFocus);
    setWidget(w);
}

void PictureBox::SetPicture(const Picture& p) {
    picture_ = p;
    static_cast<PictureWidget*>(Widget())->pixmap = p.pixmap();
    Widget()->update();
    describePicture();
}

void PictureBox::SetPictureDescriptions(std::vector<std::pair<QString, QString>> byId) {
    descriptions_ = std::move(byId);
    describePicture();
}

void PictureBox::describePicture() {
    if (descriptions_.empty())
        return;
    QString said;
    for (const auto& [id, text] : descriptions_)
        if (id == picture_.id())
            said = text;
    if (Widget()->accessibleDescription() != said)
        Widget()->setAccessibleDescription(said);
}

void PictureBox::SetBorderStyle(int b) {
    borderStyle_ = b;
    static_cast<PictureWidget*>(Widget())->border = b != 0;
    Widget()->update();
}

void PictureBox::UserClicks() {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
    UserPress user(this);
    Fire(Click);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!pixmap.isNull())
        p.drawPixmap(0, 0, pixmap);
    if (border) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* e) {
    WidgetEventScope scope;
    if (owner && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        UserPress user(owner);
        Fire(static_cast<PictureBox*>(owner)->Click);
    }
}

// ---- Frame

Frame::Frame(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::Frame, std::move(name), index, container) {
    InstallControlAccessibility();
    setWidget(new FrameWidget);
}

void Frame::SetCaption(const QString& c) {
    caption_ = c;
    static_cast<FrameWidget*>(Widget())->caption = c;
    Widget()->update();
}

void Frame::SetBorderStyle(int b) {
    borderStyle_ = b;
    static_cast<FrameWidget*>(Widget())->border = b != 0;
    Widget()->update();
}

void FrameWidget::paintEvent(QPaintEvent*) {
    if (!border)
        return;
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const int top = caption.isEmpty() ? 0 : fm.height() / 2;
    const QColor line = palette().color(QPalette::Dark);
    p.setPen(line);
    p.drawRect(QRect(0, top, width() - 1, height() - 1 - top));
    const QTransform toScreen = p.deviceTransform();
    const qreal scale = toScreen.m11();
    if (toScreen.type() <= QTransform::TxScale && std::abs(scale - std::round(scale)) > 1e-6) {
        // At a fractional display scale a left or top side that falls between two screen pixels is
        // not drawn: it goes on the first whole screen pixel inside the frame as well.
        constexpr qreal kSlack = 1e-6;
        const QRectF area = toScreen.mapRect(QRectF(0, top, width(), height() - top));
        const qreal left = std::ceil(area.left() - kSlack), upper = std::ceil(area.top() - kSlack);
        const qreal right = std::floor(area.right() + kSlack), lower = std::floor(area.bottom() + kSlack);
        p.save();
        p.setWorldTransform(toScreen.inverted());
        p.fillRect(QRectF(left, upper, right - left, 1), line);
        p.fillRect(QRectF(left, upper, 1, lower - upper), line);
        p.restore();
    }
    if (caption.isEmpty())
        return;
    // A caption longer than the border ends with an ellipsis.
    const QString shown = fm.elidedText(caption, Qt::ElideRight, std::max(0, width() - 16));
    const QRect text(8, 0, fm.horizontalAdvance(shown) + 4, fm.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(text, Qt::AlignCenter, shown);
}

// ---- Line

Line::Line(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::Line, std::move(name), index, container) {
    auto* w = new LineWidget;
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    setWidget(w);
}

void Line::SetPoints(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const int unit = inTwips() ? kTwipsPerPixel : 1;
    const int left = std::min(x1, x2), top = std::min(y1, y2);
    Move(left, top, std::abs(x2 - x1) + unit, std::abs(y2 - y1) + unit);
    auto* w = static_cast<LineWidget*>(Widget());
    w->from = QPoint((x1 - left) / unit, (y1 - top) / unit);
    w->to = QPoint((x2 - left) / unit, (y2 - top) / unit);
    w->update();
}

void Line::SetY2(int y2) {
    SetPoints(x1_, y1_, x2_, y2);
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawLine(from, to);
}

}  // namespace qv
