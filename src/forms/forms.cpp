// Forms, the control base and the simple controls.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>

#include "forms/forms.h"
#include "forms/forms_p.h"
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

namespace {

// What LoadPicture does short of the pixmap, which only the GUI thread makes: safe on any thread.
// `screenRatio` is the screen's pixel density, 0 without a screen.
QImage ReadPicture(const QString& path, qreal screenRatio, qreal& ratio, QString& error) {
    ratio = 1.0;
    // Opening a FIFO, device or socket waits for a writer that never comes.
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("Not a readable picture: %1 (not a regular file)").arg(path);
        return {};
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // A drawing is rendered for the screen's pixel density, so it stays crisp on a scaled display.
    if (reader.format() == "svg" && screenRatio > 0) {
        ratio = screenRatio;
        if (ratio > 1.0 && reader.size().isValid())
            reader.setScaledSize(reader.size() * ratio);
    }
    QImage image = reader.read();
    if (image.isNull())
        error = QStringLiteral("Not a readable picture: %1 (%2)").arg(path, reader.errorString());
    return image;
}

qreal ScreenRatio() {
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return gui ? gui->devicePixelRatio() : 0;
}

Picture Finished(QImage image, qreal ratio, const QString& path) {
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return Picture(pixmap, path);
}

}  // namespace

Picture LoadPicture(const QString& path) {
    qreal ratio = 1.0;
    QString error;
    QImage image = ReadPicture(path, ScreenRatio(), ratio, error);
    if (image.isNull())
        throw PlatformError(error);
    return Finished(std::move(image), ratio, path);
}

std::vector<Picture> LoadPictures(const QStringList& paths) {
    struct Read {
        QImage image;
        qreal ratio = 1.0;
        QString error;
    };
    std::vector<Read> read(static_cast<size_t>(paths.size()));
    const qreal screenRatio = ScreenRatio();
    std::atomic<qsizetype> next{0};
    auto work = [&] {
        for (qsizetype i; (i = next++) < paths.size();) {
            Read& r = read[static_cast<size_t>(i)];
            r.image = ReadPicture(paths[i], screenRatio, r.ratio, r.error);
        }
    };
    // Rendering drawings is most of a start-up's own work: a few threads share it.
    const qsizetype helpers = std::min<qsizetype>({paths.size() / 4, QThread::idealThreadCount() - 1, 3});
    std::vector<std::thread> threads;
    for (qsizetype t = 0; t < helpers; ++t) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    std::vector<Picture> pictures;
    pictures.reserve(read.size());
    for (qsizetype i = 0; i < paths.size(); ++i) {
        Read& r = read[static_cast<size_t>(i)];
        pictures.push_back(r.image.isNull() ? Picture() : Finished(std::move(r.image), r.ratio, paths[i]));
    }
    return pictures;
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
    const bool opens = v && !visible_;
    visible_ = v;
    if (widget_)
        widget_->setVisible(v);
    if (opens && form_ && (kind_ == ControlKind::Frame || kind_ == ControlKind::PictureBox))
        form_->noteOpened(this);
}

void Control::SetEnabled(bool e) {
    enabled_ = e;
    if (widget_)
        widget_->setEnabled(e);
    // A caption label lying on a button's face shows the button's state.
    if (kind_ == ControlKind::CommandButton && form_)
        for (const auto& c : form_->Controls())
            if (c->kind_ == ControlKind::Label && c->container_ == container_ && c->widget_)
                c->widget_->update();
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
    const QWidget* branch = c->Widget();
    while (branch->parentWidget() && branch->parentWidget() != window) branch = branch->parentWidget();
    if (branch->parentWidget() != window)
        return false;
    const QPoint middle = c->Widget()->mapTo(window, c->Widget()->rect().center());
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

// The picture box a handler rests the focus on, off a clicked button: no picture button itself.
bool restingPane(const Control* c) {
    return c->Kind() == ControlKind::PictureBox && !static_cast<const PictureBox*>(c)->Click;
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
    switch (kind_) {
        case ControlKind::Label: {
            const bool acts = static_cast<const Label*>(this)->ActsAsButton();
            if (acts && !(widget_->focusPolicy() & Qt::TabFocus)) {
                widget_->setFocusPolicy(Qt::TabFocus);
                // Its text clear of the focus mark drawn along its edges.
                static_cast<QLabel*>(widget_)->setMargin(4);
            }
            return acts;
        }
        case ControlKind::Frame:
        case ControlKind::Line:
            return false;
        case ControlKind::TextBox: {
            // A read-only box is read, not operated, unless it is there to be read whole.
            const auto* box = static_cast<const TextBox*>(this);
            return (!box->Locked() || (box->ReadStop() && !box->Text().isEmpty())) &&
                   (widget_->focusPolicy() & Qt::TabFocus);
        }
        case ControlKind::Image:
        case ControlKind::PictureBox: {
            // A picture that acts when clicked is a button to the keyboard; one that only shows is not.
            const bool acts = kind_ == ControlKind::Image ? static_cast<bool>(static_cast<const Image*>(this)->Click)
                                                         : static_cast<bool>(static_cast<const PictureBox*>(this)->Click);
            if (acts && !(widget_->focusPolicy() & Qt::TabFocus))
                widget_->setFocusPolicy(Qt::TabFocus);
            return acts;
        }
        case ControlKind::OptionButton: {
            // One stop per group: the chosen option, or the first when none is chosen.
            if (static_cast<const OptionButton*>(this)->Value())
                return true;
            const Control* first = nullptr;
            for (const Control* c : form_->tabOrder_) {
                if (c->kind_ != ControlKind::OptionButton || c->container_ != container_ || !c->EffectivelyVisible() ||
                    !c->EffectivelyEnabled())
                    continue;
                if (static_cast<const OptionButton*>(c)->Value())
                    return false;
                if (!first)
                    first = c;
            }
            return first == this;
        }
        default:
            return (widget_->focusPolicy() & Qt::TabFocus) != 0;
    }
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
    if (!KeyboardPress::AllowsFocusOn(this))
        return;
    if (form_ && form_->opening_ && restingPane(this))
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
    const auto& forms = registry();
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
    if (restingPane(target))
        return false;
    press->focusPlaced_ = true;
    return true;
}

bool Control::HasFocus() const {
    if (!widget_ || !form_ || !form_->window_)
        return false;
    return form_->window_->focusWidget() == widget_;
}

bool ControlFilter::eventFilter(QObject* watched, QEvent* e) {
    if (watched == control_->Widget()) {
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
        if (row.place_)
            row.place_(c, row.left_, row.top_, row.width_, row.height_);
        if (!row.caption_.isEmpty())
            row.setCaption_(c, row.caption_);
        row.bind_(row.slot_, c);
        bind(row.slot_, row.clear_);
    }
}

namespace {

// Every form left for later, loaded: what looks the forms up finds them as start-up left them.
void FinishPendingLoads() {
    const std::vector<Form*> forms = registry();
    for (Form* f : forms) f->FinishLoad();
}

}  // namespace

Form* FindForm(const QString& name) {
    FinishPendingLoads();
    const auto& r = registry();
    for (auto it = r.rbegin(); it != r.rend(); ++it)
        if ((*it)->Name() == name)
            return *it;
    return nullptr;
}

Form* FindLoadedForm(const QString& name) {
    FinishPendingLoads();
    const auto& r = registry();
    for (auto it = r.rbegin(); it != r.rend(); ++it)
        if ((*it)->Name() == name && (*it)->Loaded())
            return *it;
    return nullptr;
}

std::vector<Form*> AllForms() {
    FinishPendingLoads();
    return registry();
}

QWidget* Form::ensureWindow() {
    if (window_)
        return window_;
    InstallControlAccessibility();
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
    tabOrder_.clear();
    openers_.clear();
    designTabIndex_.clear();
    auto dying = std::move(controls_);
    controls_.clear();
    // Children before their containers.
    while (!dying.empty()) dying.pop_back();
}

void Form::LoadLater(std::function<void()> then) {
    if (window_ || loadPending_)
        return;
    loadPending_ = true;
    afterLoad_ = std::move(then);
}

void Form::FinishLoad() {
    if (!loadPending_)
        return;
    loadPending_ = false;
    const std::function<void()> then = std::move(afterLoad_);
    afterLoad_ = nullptr;
    Load();
    if (then)
        then();
}

void Form::Load() {
    if (loadPending_) {
        FinishLoad();
        return;
    }
    if (window_)
        return;
    ensureWindow();
    designing_ = true;
    try {
        Design();
    } catch (...) {
        designing_ = false;
        throw;
    }
    designing_ = false;
    Form_Load();
}

void Form::Show() {
    Load();
    if (!window_)
        return;  // Form_Load unloaded it again
    const bool opens = !window_->isVisible();
    if (opens)
        noteShownBy();
    window_->show();
    if (opens)
        openOnFirstStop();
}

void Form::openOnFirstStop() {
    ensureTabOrder();
    QWidget* focus = window_->focusWidget();
    const auto onStop = std::find_if(tabOrder_.begin(), tabOrder_.end(), [focus](const Control* c) {
        return c->Widget() == focus && c->isTabStop();
    });
    if (onStop == tabOrder_.end())
        for (Control* c : tabOrder_)
            if (c->isTabStop()) {
                c->Widget()->setFocus(Qt::OtherFocusReason);
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

bool isContainerKind(const Control* c) {
    return c->Kind() == ControlKind::Frame || c->Kind() == ControlKind::PictureBox;
}

// Where a container's first control starts, in the container's own position's units (its caption
// and border lie above that); its own top when it holds none.
int innerTop(const std::vector<std::unique_ptr<Control>>& all, const Control* c) {
    if (!isContainerKind(c))
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
        while (end < kids.size() && oneRow(kids[k], kids[end]))
            ++end;
        std::stable_sort(kids.begin() + static_cast<std::ptrdiff_t>(k), kids.begin() + static_cast<std::ptrdiff_t>(end),
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
        if (c->Kind() == ControlKind::Frame || c->Kind() == ControlKind::PictureBox)
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
        if (tabOrder_[k]->Widget() == focus)
            at = k;
    for (int k = 0; k < n && focus && at < 0; ++k) {
        const Control* c = tabOrder_[k];
        if (c->Widget() && c->Kind() != ControlKind::Frame && c->Kind() != ControlKind::PictureBox &&
            c->Widget()->isAncestorOf(focus))
            at = k;
    }
    if (at < 0)
        at = next ? -1 : n;
    for (int step = 1; step <= n; ++step) {
        const int k = ((next ? at + step : at - step) % n + n) % n;
        Control* c = tabOrder_[k];
        if (c->isTabStop()) {
            c->Widget()->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void Form::focusAfterPress(Control* pressed, const std::vector<const Control*>& opened) {
    ensureTabOrder();
    if (pressed->isTabStop()) {
        pressed->Widget()->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The pressed control went with its frame: back to what opened that frame, else into a frame
    // the press opened. Not the next stop: a second Enter would press whatever comes next, and that
    // may end the program (Quit) or throw work away. The first stop of the pressed control's panel,
    // or else of the window, is a safe place to land.
    if (focusOpenerOf(pressed))
        return;
    for (const Control* frame : opened)
        if (std::find_if(controls_.begin(), controls_.end(), [frame](const auto& c) { return c.get() == frame; }) !=
                controls_.end() &&
            frame->EffectivelyVisible())
            for (Control* c : tabOrder_)
                if (isInside(c, frame) && c->isTabStop()) {
                    c->Widget()->setFocus(Qt::TabFocusReason);
                    return;
                }
    for (const Control* box = pressed->Container();; box = box->Container()) {
        for (Control* c : tabOrder_)
            if ((!box || isInside(c, box)) && c != pressed && c->isTabStop()) {
                c->Widget()->setFocus(Qt::TabFocusReason);
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
        const auto it = std::find_if(openers_.begin(), openers_.end(), [box](const Opener& o) { return o.opened == box; });
        if (it == openers_.end() || !Alive(it->alive))
            continue;
        Control* by = it->by;
        if (by->isTabStop()) {
            by->Widget()->setFocus(Qt::OtherFocusReason);
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
        by->Widget()->setFocus(Qt::OtherFocusReason);
    else if (!owner->focusOpenerOf(by))
        owner->focusAfterPress(by);
}

CommandButton* Form::CancelButton() const {
    for (const auto& c : controls_)
        if (c->Kind() == ControlKind::CommandButton && static_cast<CommandButton*>(c.get())->Cancel())
            return static_cast<CommandButton*>(c.get());
    return nullptr;
}

bool FormWindow::focusNextPrevChild(bool next) {
    if (!form || form->Controls().empty())
        return QWidget::focusNextPrevChild(next);
    WidgetEventScope scope;
    return form->moveFocus(next);
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
    WidgetEventScope scope;
    if (form && e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        if (CommandButton* cancel = form->CancelButton(); cancel && cancel->EffectivelyEnabled()) {
            KeyboardPress press(cancel);
            cancel->UserClicks();
            return;
        }
    }
    QWidget::keyPressEvent(e);
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
    noteShownBy();
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
    openOnFirstStop();
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
    FinishLoad();
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
    FinishPendingLoads();
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
    target->Widget()->setFocus(Qt::TabFocusReason);
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
    if (owner && !e->isAutoRepeat() && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
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
    if (!c)
        return false;
    switch (c->Kind()) {
        case ControlKind::CommandButton:
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
            return true;
        case ControlKind::Image:
            return static_cast<bool>(static_cast<const Image*>(c)->Click);
        case ControlKind::PictureBox:
            return static_cast<bool>(static_cast<const PictureBox*>(c)->Click);
        case ControlKind::Label:
            return static_cast<const Label*>(c)->ActsAsButton();
        default:
            return false;
    }
}

void userClick(Control* c) {
    switch (c->Kind()) {
        case ControlKind::CommandButton:
            static_cast<CommandButton*>(c)->UserClicks();
            break;
        case ControlKind::CheckBox:
            static_cast<CheckBox*>(c)->UserClicks();
            break;
        case ControlKind::OptionButton:
            static_cast<OptionButton*>(c)->UserClicks();
            break;
        case ControlKind::Image:
            static_cast<Image*>(c)->UserClicks();
            break;
        case ControlKind::PictureBox:
            static_cast<PictureBox*>(c)->UserClicks();
            break;
        case ControlKind::Label:
            static_cast<Label*>(c)->UserClicks();
            break;
        default:
            break;
    }
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
// click, at once.
class ClickableAccessible : public QAccessibleWidget {
  public:
    ClickableAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAccessible::Role role() const override {
        const Control* c = ownerOf(widget());
        if (c && c->Kind() == ControlKind::Image)
            return actsOnClick(c) ? QAccessible::Button : QAccessible::Graphic;
        if (c && c->Kind() == ControlKind::PictureBox)
            return actsOnClick(c) ? QAccessible::Button : QAccessible::Pane;
        if (c && c->Kind() == ControlKind::Label)
            return actsOnClick(c) ? QAccessible::Button : QAccessible::StaticText;
        return QAccessibleWidget::role();
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
        if (c->Kind() == ControlKind::CheckBox) {
            const int v = static_cast<const CheckBox*>(c)->Value();
            st.checkable = true;
            st.checked = v == 1;
            st.checkStateMixed = v == 2;
        } else if (c->Kind() == ControlKind::OptionButton) {
            st.checkable = true;
            st.checked = static_cast<const OptionButton*>(c)->Value();
        } else if (c->Kind() == ControlKind::Label && static_cast<const Label*>(c)->Chosen()) {
            st.checkable = true;
            st.checked = *static_cast<const Label*>(c)->Chosen();
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(widget())) {
            st.pressed = b->isDown();
        }
        return st;
    }

    QStringList actionNames() const override {
        QStringList names;
        const Control* c = ownerOf(widget());
        if (actsOnClick(c)) {
            if (c->Kind() == ControlKind::CheckBox)
                names << toggleAction() << pressAction();
            else if (c->Kind() == ControlKind::OptionButton)
                names << pressAction() << toggleAction();
            else
                names << pressAction();
        }
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
                    userClick(c);
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
        return index == 0 && combo()->view() ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
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
    if (dynamic_cast<ButtonWidget*>(w))
        return new ClickableAccessible(w, QAccessible::Button);
    if (dynamic_cast<CheckWidget*>(w))
        return new ClickableAccessible(w, QAccessible::CheckBox);
    if (dynamic_cast<OptionWidget*>(w))
        return new ClickableAccessible(w, QAccessible::RadioButton);
    if (dynamic_cast<ImageWidget*>(w))
        return new ClickableAccessible(w, QAccessible::Graphic);
    if (dynamic_cast<PictureWidget*>(w))
        return new ClickableAccessible(w, QAccessible::Pane);
    if (dynamic_cast<LabelWidget*>(w))
        return new ClickableAccessible(w, QAccessible::StaticText);
    return nullptr;
}

}  // namespace

void InstallControlAccessibility() {
    static const bool installed = (QAccessible::installFactory(&ControlAccessibleFactory), true);
    (void)installed;
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
    if (QWidget* w = button ? button->Widget() : nullptr)
        w->installEventFilter(new FocusMarkKeeper(w));
}

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

namespace qv {

void ReportFatal(const std::exception& e) {
    const QString program = QCoreApplication::applicationName();
    const QString what = QString::fromUtf8(e.what());
    std::fprintf(stderr, "%s: %s\n", program.toLocal8Bit().constData(), what.toLocal8Bit().constData());
    QMessageBox::critical(nullptr, program, program + QStringLiteral(" cannot go on:\n\n") + what);
}

}  // namespace qv
