// Forms: the registry of live forms, building a window from its position table, loading, showing
// (modal too), unloading, and the report of a failure that ends the program.
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <utility>

#include "forms/forms.h"
#include "forms/forms_p.h"

namespace qv {

namespace {

ModalResponder& responder() {
    static ModalResponder r;
    return r;
}

}  // namespace

// Every live form, in the order they were made.
std::vector<Form*>& LiveForms() {
    static std::vector<Form*> forms;
    return forms;
}

// ---- Form

Form::Form(QString name) : name_(std::move(name)) {
    LiveForms().push_back(this);
}

Form::~Form() {
    auto& r = LiveForms();
    r.erase(std::remove(r.begin(), r.end(), this), r.end());
    bindings_.clear();  // the members they point at have gone with the subclass
    if (!window_)
        return;
    dropControls();
    if (QCoreApplication::instance())
        releaseWindow();
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
            if (!container->IsContainer())
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
    const std::vector<Form*> forms = LiveForms();
    for (Form* f : forms) f->FinishLoad();
}

}  // namespace

Form* FindForm(const QString& name) {
    FinishPendingLoads();
    const auto& r = LiveForms();
    for (auto it = r.rbegin(); it != r.rend(); ++it)
        if ((*it)->Name() == name)
            return *it;
    return nullptr;
}

Form* FindLoadedForm(const QString& name) {
    FinishPendingLoads();
    const auto& r = LiveForms();
    for (auto it = r.rbegin(); it != r.rend(); ++it)
        if ((*it)->Name() == name && (*it)->Loaded())
            return *it;
    return nullptr;
}

std::vector<Form*> AllForms() {
    FinishPendingLoads();
    return LiveForms();
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

CommandButton* Form::CancelButton() const {
    for (const auto& c : controls_)
        if (c->Kind() == ControlKind::CommandButton && static_cast<CommandButton*>(c.get())->Cancel())
            return static_cast<CommandButton*>(c.get());
    return nullptr;
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
    const auto& forms = LiveForms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        QWidget* w = WindowOf(*(*it));
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
        const auto& r = LiveForms();
        return std::find(r.begin(), r.end(), f) != r.end();
    };
    FinishPendingLoads();
    // An unload handler may load another form: go round again while a round unloads something.
    for (int round = 0; round < 16; ++round) {
        bool unloaded = false;
        const std::vector<Form*> forms = LiveForms();
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
    const auto& r = LiveForms();
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

void ReportFatal(const std::exception& e) {
    const QString program = QCoreApplication::applicationName();
    const QString what = QString::fromUtf8(e.what());
    std::fprintf(stderr, "%s: %s\n", program.toLocal8Bit().constData(), what.toLocal8Bit().constData());
    QMessageBox::critical(nullptr, program, program + QStringLiteral(" cannot go on:\n\n") + what);
}

}  // namespace qv
