// Forms, the control base and the simple controls.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWindow>
#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>

#include "platform/forms.h"
#include "platform/forms_p.h"
#include "platform/services.h"

namespace qv {

namespace {

std::vector<Form*>& registry() {
    static std::vector<Form*> forms;
    return forms;
}

ModalResponder& responder() {
    static ModalResponder r;
    return r;
}

bool hasWhiteArea(ControlKind k) {
    switch (k) {
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
        case ControlKind::ListBox:
        case ControlKind::DriveListBox:
        case ControlKind::DirListBox:
        case ControlKind::FileListBox:
            return true;
        default:
            return false;
    }
}

bool fillsBackground(ControlKind k) {
    switch (k) {
        case ControlKind::Label:
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
        case ControlKind::PictureBox:
        case ControlKind::Frame:
            return true;
        default:
            return false;
    }
}

}  // namespace

// ---- colours and pictures

QColor ToQColor(Colour c) {
    if ((c & 0x80000000u) == 0)
        return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    const QPalette pal = QApplication::palette();
    switch (c & 0xFFu) {
        case 0x04:
            return pal.color(QPalette::Window);  // menu
        case 0x05:
            return pal.color(QPalette::Base);  // window background
        case 0x07:
            return pal.color(QPalette::WindowText);  // menu text
        case 0x08:
            return pal.color(QPalette::Text);  // window text
        case 0x0C:
            return pal.color(QPalette::Mid);  // application workspace
        case 0x0D:
            return pal.color(QPalette::Highlight);
        case 0x0E:
            return pal.color(QPalette::HighlightedText);
        case 0x0F:
            return pal.color(QPalette::Button);  // button face
        case 0x10:
            return pal.color(QPalette::Dark);  // button shadow
        case 0x11:
            return pal.color(QPalette::Disabled, QPalette::Text);
        case 0x12:
            return pal.color(QPalette::WindowText);  // button text
        case 0x14:
            return pal.color(QPalette::Light);
        case 0x15:
            return pal.color(QPalette::Shadow);
        case 0x16:
            return pal.color(QPalette::Midlight);
        case 0x17:
            return pal.color(QPalette::ToolTipText);
        case 0x18:
            return pal.color(QPalette::ToolTipBase);
        default:
            return pal.color(QPalette::Window);
    }
}

Picture LoadPicture(const QString& path) {
    // Opening a FIFO, device or socket waits for a writer that never comes, and there is one thread.
    if (!QFileInfo(path).isFile())
        throw PlatformError(QStringLiteral("Not a readable picture: %1 (not a regular file)").arg(path));
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // A drawing is rendered for the screen's pixel density, so it stays crisp on a scaled display.
    qreal ratio = 1.0;
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (reader.format() == "svg" && gui) {
        ratio = gui->devicePixelRatio();
        if (ratio > 1.0 && reader.size().isValid())
            reader.setScaledSize(reader.size() * ratio);
    }
    QImage image = reader.read();
    if (image.isNull())
        throw PlatformError(
            QStringLiteral("Not a readable picture: %1 (%2)").arg(path, reader.errorString()));
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return Picture(pixmap, path);
}

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
      container_(container) {
    if (hasWhiteArea(kind))
        backColor_ = kSysWindowBackground;
}

Control::~Control() {
    alive_.reset();
    if (auto* owned = dynamic_cast<OwnedWidget*>(widget_))
        owned->owner = nullptr;
}

void Control::setWidget(QWidget* w) {
    widget_ = w;
    if (auto* owned = dynamic_cast<OwnedWidget*>(w))
        owned->owner = this;
    QWidget* parent = container_ && container_->Widget() ? container_->Widget() : form_->ensureWindow();
    w->setParent(parent);
    w->setObjectName(index_ >= 0 ? QStringLiteral("%1(%2)").arg(name_).arg(index_) : name_);
    w->installEventFilter(context_.get());
    w->setAutoFillBackground(fillsBackground(kind_));
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
    visible_ = v;
    if (widget_)
        widget_->setVisible(v);
}

void Control::SetEnabled(bool e) {
    enabled_ = e;
    if (widget_)
        widget_->setEnabled(e);
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
    return container_ &&
           (container_->kind_ == ControlKind::Frame || container_->kind_ == ControlKind::PictureBox);
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
    if (hasWhiteArea(kind_))
        pal.setColor(QPalette::Base, back);
    // The disabled group keeps the desktop's grey text, so disabled controls still look disabled.
    for (auto group : {QPalette::Active, QPalette::Inactive})
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            pal.setColor(group, role, fore);
    widget_->setPalette(pal);
    widget_->update();
}

void Control::SetTabIndex(int i) {
    tabIndex_ = i;
    if (!form_)
        return;
    // Rebuild the window's tab chain in TabIndex order.
    std::vector<QWidget*> chain;
    std::vector<const Control*> ordered;
    for (const auto& c : form_->Controls())
        if (c->widget_ && c->widget_->focusPolicy() != Qt::NoFocus)
            ordered.push_back(c.get());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex_ < b->tabIndex_; });
    for (size_t k = 1; k < ordered.size(); ++k)
        QWidget::setTabOrder(ordered[k - 1]->widget_, ordered[k]->widget_);
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

void Control::SetFocus() {
    if (!widget_ || !EffectivelyVisible() || !EffectivelyEnabled())
        return;
    if (widget_->focusPolicy() == Qt::NoFocus)
        return;
    widget_->setFocus(Qt::OtherFocusReason);
}

bool Control::HasFocus() const {
    if (!widget_ || !form_ || !form_->window_)
        return false;
    return form_->window_->focusWidget() == widget_;
}

bool ControlFilter::eventFilter(QObject* watched, QEvent* e) {
    if (watched == control_->Widget()) {
        WidgetEventScope scope;
        if (e->type() == QEvent::FocusIn)
            Fire(control_->GotFocus);
        else if (e->type() == QEvent::FocusOut)
            Fire(control_->LostFocus);
    }
    return false;
}

// ---- Form

Form::Form(QString name) : name_(std::move(name)) {
    registry().push_back(this);
}

Form::~Form() {
    auto& r = registry();
    r.erase(std::remove(r.begin(), r.end(), this), r.end());
    bindings_.clear();  // the members they point at have gone with the subclass
    if (!window_)
        return;
    dropControls();
    if (QCoreApplication::instance())
        releaseWindow();
}

void ReleaseWidget(QWidget* w) {
    if (WidgetEventScope::Active())
        w->deleteLater();
    else
        delete w;
}

void Form::releaseWindow() {
    QWidget* w = window_;
    window_ = nullptr;
    static_cast<FormWindow*>(w)->form = nullptr;
    w->hide();
    ReleaseWidget(w);
}

void Form::bind(void* slot, void (*clear)(void*)) {
    for (const Binding& b : bindings_)
        if (b.slot == slot)
            return;
    bindings_.push_back({slot, clear});
}

namespace {

[[noreturn]] void placementError(const Form& form, const QString& what) {
    throw std::logic_error(QStringLiteral("%1: %2").arg(form.Name(), what).toStdString());
}

bool isContainer(ControlKind k) {
    return k == ControlKind::Frame || k == ControlKind::PictureBox;
}

}  // namespace

Control* Form::placedContainer(const QString& reference) const {
    QString name = reference;
    int index = -1;
    if (reference.endsWith(QLatin1Char(')'))) {
        const qsizetype open = reference.indexOf(QLatin1Char('('));
        bool ok = false;
        index = open > 0 ? reference.mid(open + 1, reference.size() - open - 2).toInt(&ok) : -1;
        if (!ok || index < 0)
            return nullptr;
        name = reference.left(open);
    }
    return Find(name, index);
}

void Form::Place(std::initializer_list<Placement> rows) {
    for (const Placement& row : rows) {
        const QString what =
            row.index_ >= 0 ? QStringLiteral("%1(%2)").arg(row.name_).arg(row.index_) : row.name_;
        if (row.name_.isEmpty())
            placementError(*this, QStringLiteral("a placement row without a name"));
        Control* container = nullptr;
        if (!row.container_.isEmpty()) {
            container = placedContainer(row.container_);
            if (!container)
                placementError(
                    *this,
                    QStringLiteral("%1 is placed in %2, which is not there (yet)").arg(what, row.container_));
            if (!isContainer(container->Kind()))
                placementError(
                    *this,
                    QStringLiteral("%1 is placed in %2, which is no container").arg(what, row.container_));
        }
        // One name is one control, or one array of controls told apart by index.
        for (const auto& c : controls_)
            if (c->Name() == row.name_ && (c->Index() == row.index_ || (c->Index() < 0) != (row.index_ < 0)))
                placementError(*this, QStringLiteral("the name %1 is already in use").arg(what));
        if (row.taken_(row.slot_))
            placementError(*this, QStringLiteral("the member for %1 already holds a control").arg(what));
        if (!row.caption_.isEmpty() && !row.setCaption_)
            placementError(*this, QStringLiteral("%1 has no caption to set").arg(what));

        std::unique_ptr<Control> made = row.make_(this, row.name_, row.index_, container);
        Control* c = made.get();
        controls_.push_back(std::move(made));
        row.place_(c, row.left_, row.top_, row.width_, row.height_);
        if (!row.caption_.isEmpty())
            row.setCaption_(c, row.caption_);
        row.bind_(row.slot_, c);
        bind(row.slot_, row.clear_);
    }
}

Form* FindForm(const QString& name) {
    const auto& r = registry();
    for (auto it = r.rbegin(); it != r.rend(); ++it)
        if ((*it)->Name() == name)
            return *it;
    return nullptr;
}

Form* FindLoadedForm(const QString& name) {
    const auto& r = registry();
    for (auto it = r.rbegin(); it != r.rend(); ++it)
        if ((*it)->Name() == name && (*it)->Loaded())
            return *it;
    return nullptr;
}

std::vector<Form*> AllForms() {
    return registry();
}

QWidget* Form::ensureWindow() {
    if (window_)
        return window_;
    auto* w = new FormWindow(this);
    w->setObjectName(name_);
    w->setWindowTitle(caption_);
    w->move(left_, top_);
    w->resize(width_, height_);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ToQColor(backColor_));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    window_ = w;
    return w;
}

void Form::dropControls() {
    auto dying = std::move(controls_);
    controls_.clear();
    // Children before their containers.
    while (!dying.empty()) dying.pop_back();
}

void Form::Load() {
    if (window_)
        return;
    ensureWindow();
    Design();
    Form_Load();
}

void Form::Show() {
    Load();
    if (!window_)
        return;  // Form_Load unloaded it again
    window_->show();
}

void Form::endModalLoop() {
    if (modalLoop_)
        modalLoop_->quit();
}

namespace {

// The window a modal box blocks: the active one, or, when the program is not in the foreground,
// the newest form whose window is on show.
QWidget* modalOwner(const QWidget* box) {
    if (QWidget* active = QApplication::activeWindow(); active && active != box)
        return active;
    const auto& forms = registry();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        QWidget* w = (*it)->Window();
        if (w && w != box && w->isVisible())
            return w;
    }
    return nullptr;
}

}  // namespace

void Form::ShowModal() {
    Load();
    if (!window_)
        return;
    if (window_->isVisible())
        window_->hide();
    window_->setWindowModality(Qt::ApplicationModal);
    // Owned by the window it blocks, so that a window manager keeps it on top of that window.
    if (QWidget* owner = modalOwner(window_)) {
        window_->winId();
        if (window_->windowHandle() && owner->windowHandle())
            window_->windowHandle()->setTransientParent(owner->windowHandle());
    }
    modal_ = true;
    struct Restore {
        Form* f;
        ~Restore() {
            f->modal_ = false;
            f->modalLoop_ = nullptr;
            if (f->window_) {
                f->window_->hide();
                f->window_->setWindowModality(Qt::NonModal);
            }
        }
    } restore{this};
    window_->show();
    if (responder()) {
        ModalResponder answer = responder();
        answer(*this);
        return;  // a form still shown is hidden by Restore
    }
    QEventLoop loop;
    modalLoop_ = &loop;
    if (Visible())
        loop.exec(QEventLoop::DialogExec);
}

void Form::Hide() {
    if (!window_)
        return;
    window_->hide();
    endModalLoop();
}

bool Form::Visible() const {
    return window_ && window_->isVisible();
}

bool Form::Unload(int unloadMode) {
    if (!window_)
        return true;
    if (unloading_)
        return false;
    unloading_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{unloading_};
    int cancel = 0;
    Form_QueryUnload(cancel, unloadMode);
    if (cancel != 0)
        return false;
    Form_Unload();
    if (!window_)
        return true;
    // The members first, so that none points at a dropped control; then the controls, so that no
    // focus handler runs while the window disappears.
    for (const Binding& b : std::exchange(bindings_, {})) b.clear(b.slot);
    dropControls();
    Dropped();
    releaseWindow();
    endModalLoop();
    return true;
}

bool Form::UserCloses() {
    if (!window_)
        return true;
    QPointer<QWidget> w = window_;
    window_->close();
    if (window_)
        return false;
    // The close event has returned: the window it left to the event loop can go now.
    if (w && !WidgetEventScope::Active())
        delete w.data();
    return true;
}

void FormWindow::closeEvent(QCloseEvent* e) {
    WidgetEventScope scope;
    e->ignore();
    if (form)
        form->Unload(0);
}

bool UnloadAllForms() {
    std::exception_ptr failure;
    std::vector<Form*> stayed;  // refused or threw: not asked again
    auto live = [](Form* f) {
        const auto& r = registry();
        return std::find(r.begin(), r.end(), f) != r.end();
    };
    // An unload handler may load another form: go round again while a round unloads something.
    for (int round = 0; round < 16; ++round) {
        bool unloaded = false;
        const std::vector<Form*> forms = registry();
        for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
            Form* f = *it;
            if (!live(f) || !f->Loaded() || f->unloading_ ||
                std::find(stayed.begin(), stayed.end(), f) != stayed.end())
                continue;
            try {
                if (f->Unload())
                    unloaded = true;
                else
                    stayed.push_back(f);
            } catch (...) {
                if (!failure)
                    failure = std::current_exception();
                stayed.push_back(f);
            }
        }
        if (!unloaded)
            break;
    }
    if (failure)
        std::rethrow_exception(failure);
    const auto& r = registry();
    return std::none_of(r.begin(), r.end(), [](const Form* f) { return f->Loaded() && !f->unloading_; });
}

void Form::SetCaption(const QString& c) {
    caption_ = c;
    if (window_)
        window_->setWindowTitle(c);
}

int Form::Left() const {
    return window_ ? window_->x() : left_;
}
int Form::Top() const {
    return window_ ? window_->y() : top_;
}
int Form::Width() const {
    return window_ ? window_->width() : width_;
}
int Form::Height() const {
    return window_ ? window_->height() : height_;
}

void Form::Move(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    if (!window_)
        return;
    window_->move(left_, top_);
    window_->resize(width_, height_);
}

void Form::SetBackColor(Colour c) {
    backColor_ = c;
    if (!window_)
        return;
    QPalette pal = window_->palette();
    pal.setColor(QPalette::Window, ToQColor(c));
    window_->setPalette(pal);
}

QWidget* Form::Window() const {
    return window_;
}

Control* Form::Find(const QString& name, int index) const {
    for (const auto& c : controls_)
        if (c->Name() == name && c->Index() == index)
            return c.get();
    return nullptr;
}

void SetModalResponder(ModalResponder r) {
    responder() = std::move(r);
}
bool HasModalResponder() {
    return static_cast<bool>(responder());
}

// ---- Label

Label::Label(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::Label, std::move(name), index, container) {
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
    Fire(Click);
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* e) {
    WidgetEventScope scope;
    QLabel::mouseReleaseEvent(e);
    if (owner && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Fire(static_cast<Label*>(owner)->Click);
}

// ---- CommandButton

CommandButton::CommandButton(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::CommandButton, std::move(name), index, container) {
    auto* w = new ButtonWidget;
    w->setFocusPolicy(Qt::StrongFocus);
    w->setAutoDefault(false);
    QObject::connect(w, &QPushButton::clicked, context(), [this] {
        WidgetEventScope scope;
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
    Fire(Click);
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
    auto* w = new CheckWidget;
    w->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(w, &QCheckBox::clicked, context(), [this] {
        WidgetEventScope scope;
        SetValue(value_ == 1 ? 0 : 1);
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
    SetValue(value_ == 1 ? 0 : 1);
}

// ---- OptionButton

OptionButton::OptionButton(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::OptionButton, std::move(name), index, container) {
    auto* w = new OptionWidget;
    w->setAutoExclusive(false);
    w->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(w, &QRadioButton::clicked, context(), [this] {
        WidgetEventScope scope;
        SetValue(true);
    });
    setWidget(w);
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
        static_cast<QRadioButton*>(other->Widget())->setChecked(false);
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

void Image::UserClicks() {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
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
    if (pixmap.isNull())
        return;
    QPainter p(this);
    if (stretch)
        p.drawPixmap(rect(), pixmap);
    else
        p.drawPixmap(0, 0, pixmap);
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
    if (Alive(token) && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Fire(image->Click);
}

// ---- PictureBox

PictureBox::PictureBox(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::PictureBox, std::move(name), index, container) {
    auto* w = new PictureWidget;
    w->setFocusPolicy(Qt::StrongFocus);
    setWidget(w);
}

void PictureBox::SetPicture(const Picture& p) {
    picture_ = p;
    static_cast<PictureWidget*>(Widget())->pixmap = p.pixmap();
    Widget()->update();
}

void PictureBox::SetBorderStyle(int b) {
    borderStyle_ = b;
    static_cast<PictureWidget*>(Widget())->border = b != 0;
    Widget()->update();
}

void PictureBox::UserClicks() {
    if (!EffectivelyEnabled() || !EffectivelyVisible())
        return;
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
    if (owner && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Fire(static_cast<PictureBox*>(owner)->Click);
}

// ---- Frame

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
};

QAccessibleInterface* FrameAccessibleFactory(const QString&, QObject* object) {
    auto* w = object && object->isWidgetType() ? dynamic_cast<FrameWidget*>(object) : nullptr;
    return w ? new FrameAccessible(w) : nullptr;
}

}  // namespace

Frame::Frame(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::Frame, std::move(name), index, container) {
    static const bool installed = (QAccessible::installFactory(&FrameAccessibleFactory), true);
    (void)installed;
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
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(QRect(0, top, width() - 1, height() - 1 - top));
    if (caption.isEmpty())
        return;
    const QRect text(8, 0, fm.horizontalAdvance(caption) + 4, fm.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(text, Qt::AlignCenter, caption);
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
