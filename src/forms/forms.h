// The forms runtime: forms and intrinsic controls with the event semantics the program is written
// against, each control backed by a Qt widget. The windows of both programs are written against
// this header (the control classes are in forms_controls.h); the logic (core, engine) includes none
// of it, and nothing outside src/forms includes forms_p.h, the widgets behind the controls. The
// windows never reach a control's widget or a form's window: only the runtime's own files (through
// forms_p.h) and the tests (through forms_testing.h) name WidgetOf and WindowOf.
//
// Semantics in short:
// - Handlers are plain synchronous calls. Writing an event-firing property from code runs the handler
//   at once (and handlers may re-enter); writing the value a property already has fires nothing.
// - Event-firing writes: OptionButton::SetValue(true) -> Click; CheckBox::SetValue -> Click;
//   TextBox::SetText -> Change; ComboBox/ListBox::SetListIndex -> Click; DirListBox::SetPath -> Change;
//   FileListBox::SetPath -> PathChange; FileListBox::SetSelected -> Click; DriveListBox::SetDrive -> Change.
// - What the user does with mouse, keyboard or an assistive tool (a screen reader's action, voice
//   control, switch access) reaches the same handlers, once.
// - Tab order: the controls in one outermost frame (or those placed on the form itself) hold unique
//   TabIndex values; setting one moves the control to that place among them and shifts the others.
//   Until code sets one, the order is the window's reading order (left to right, top to bottom, a
//   frame's controls together; tops less than half a line apart are one row), taken once the form
//   is built. Tab stops only on controls that act and that the user sees: one option button per
//   group (the chosen one), picture buttons and labels that act included; no read-only text box
//   (but one made a read stop while it holds a text),
//   nothing hidden or lying under a panel. A window opens with the focus on its first stop,
//   its focus mark shown.
// - Escape presses the form's Cancel button; Enter and Space press a focused button. A press from
//   the keyboard or an assistive tool leaves the focus on the pressed control; when that no longer
//   acts, on the control whose press opened its frame, else on the first control of a frame the
//   press opened, else on the first stop of its panel or else of the window (never on whatever came
//   next). A press that closes its window hands the focus back to the control whose press opened
//   it. The handlers' move of the focus to the window's picture box is for clicks.
// - Positions: a control placed directly on a form is in pixels; one inside a Frame or PictureBox
//   container is in twips (15 twips a pixel).
#pragma once

#include <exception>

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "forms/forms_controls.h"

class QEventLoop;
class QTimer;
class QWidget;

namespace qv {

class Form;

// A group of controls of one name told apart by Index.
template <class T>
class ControlArray {
  public:
    T* operator[](int i) const {
        for (T* c : items_)
            if (c->Index() == i)
                return c;
        return nullptr;
    }
    void add(T* c) { items_.push_back(c); }
    int Count() const { return static_cast<int>(items_.size()); }
    const std::vector<T*>& items() const { return items_; }
    void clear() { items_.clear(); }

  private:
    std::vector<T*> items_;
};

namespace detail {

template <class T>
std::unique_ptr<Control> makeControl(Form* form, const QString& name, int index, Control* container) {
    return std::make_unique<T>(form, name, index, container);
}
template <class T>
void clearPointer(void* slot) {
    *static_cast<T**>(slot) = nullptr;
}
template <class T>
void clearArray(void* slot) {
    static_cast<ControlArray<T>*>(slot)->clear();
}

}  // namespace detail

// One row of a form's position table, bound to the form's member that will point at the control.
//
// Why rows: a window of a few hundred controls reads best as the layout table it is drawn from, and
// a control made from a row that names its member can neither get the wrong kind (the kind is the
// member's type) nor be left dangling when the form unloads (the form clears what it bound).
//
// `container` is "" for the form itself, else the name of a Frame or PictureBox made earlier
// ("Name(i)" for an item of a container array). left, top, width and height are in the container's
// units (pixels on the form, twips inside a container); for a Line they are X1, Y1, X2, Y2.
// `caption` is for controls that have one (Label, CommandButton, CheckBox, OptionButton, Frame).
// A row without a place is for a window laid out from its font: its layout code moves the control
// once every row is made.
class Placement {
  public:
    template <class T>
    Placement(T** member, QString name, QString container, QString caption = {})
        : Placement(member, std::move(name), std::move(container), 0, 0, 0, 0, std::move(caption)) {
        place_ = nullptr;
    }
    template <class T>
    Placement(ControlArray<T>* array, int index, QString name, QString container, QString caption = {})
        : Placement(array, index, std::move(name), std::move(container), 0, 0, 0, 0, std::move(caption)) {
        place_ = nullptr;
    }
    template <class T>
    Placement(T** member, QString name, QString container, int left, int top, int width, int height,
              QString caption = {})
        : Placement(std::move(name), -1, std::move(container), left, top, width, height, std::move(caption)) {
        static_assert(
            std::is_base_of_v<Control, T> && std::is_constructible_v<T, Form*, QString, int, Control*>,
            "a placement row makes a control class");
        slot_ = member;
        make_ = &detail::makeControl<T>;
        clear_ = &detail::clearPointer<T>;
        bind_ = [](void* slot, Control* c) { *static_cast<T**>(slot) = static_cast<T*>(c); };
        taken_ = [](const void* slot) { return *static_cast<T* const*>(slot) != nullptr; };
        setup<T>();
    }
    template <class T>
    Placement(ControlArray<T>* array, int index, QString name, QString container, int left, int top,
              int width, int height, QString caption = {})
        : Placement(std::move(name), index, std::move(container), left, top, width, height,
                    std::move(caption)) {
        static_assert(
            std::is_base_of_v<Control, T> && std::is_constructible_v<T, Form*, QString, int, Control*>,
            "a placement row makes a control class");
        slot_ = array;
        make_ = &detail::makeControl<T>;
        clear_ = &detail::clearArray<T>;
        bind_ = [](void* slot, Control* c) { static_cast<ControlArray<T>*>(slot)->add(static_cast<T*>(c)); };
        taken_ = [](const void*) { return false; };  // a taken index is a name already in use
        setup<T>();
    }

  private:
    friend class Form;
    Placement(QString name, int index, QString container, int left, int top, int width, int height,
              QString caption)
        : name_(std::move(name)),
          container_(std::move(container)),
          caption_(std::move(caption)),
          index_(index),
          left_(left),
          top_(top),
          width_(width),
          height_(height) {}
    template <class T>
    void setup() {
        if constexpr (requires(T & t, const QString& c) { t.SetCaption(c); })
            setCaption_ = [](Control* c, const QString& text) { static_cast<T*>(c)->SetCaption(text); };
        if constexpr (std::is_same_v<T, Line>)
            place_ = [](Control* c, int x1, int y1, int x2, int y2) {
                static_cast<Line*>(c)->SetPoints(x1, y1, x2, y2);
            };
        else
            place_ = [](Control* c, int l, int t, int w, int h) { c->Move(l, t, w, h); };
    }

    QString name_, container_, caption_;
    int index_;
    int left_, top_, width_, height_;
    void* slot_ = nullptr;
    std::unique_ptr<Control> (*make_)(Form*, const QString&, int, Control*) = nullptr;
    void (*clear_)(void*) = nullptr;
    void (*bind_)(void*, Control*) = nullptr;
    bool (*taken_)(const void*) = nullptr;
    void (*setCaption_)(Control*, const QString&) = nullptr;
    void (*place_)(Control*, int, int, int, int) = nullptr;
};

// A form. Subclasses build their controls in Design() and wire the handlers there.
// Unload drops every control and deletes the window at once (a program that runs without an event
// loop keeps nothing); only an unload from inside a widget's own event leaves the window to the
// event loop. The next Load starts again from Design().
class Form {
  public:
    explicit Form(QString name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& Name() const { return name_; }
    bool Loaded() const { return window_ != nullptr; }
    void Load();  // builds and runs Form_Load once; the form stays hidden
    // For start-up: a hidden form the first window does not need is loaded once that window has
    // painted, or sooner when anything reaches it (its accessor, a form lookup, an unload), with
    // `then` run after its Form_Load. Counts as loaded from now for all that reaches it.
    void LoadLater(std::function<void()> then = {});
    void FinishLoad();  // a form left for later is loaded now; else nothing
    bool LoadPending() const { return loadPending_; }
    void Show();  // loads when needed
    // Modal: returns when the form is hidden or unloaded. Under tests the modal responder answers.
    void ShowModal();
    void Hide();
    bool Visible() const;
    bool IsModal() const { return modal_; }
    // Runs Form_QueryUnload (unloadMode 0 = the window's own close command, 1 = code) and, unless
    // cancelled, Form_Unload, then drops the controls. False when the unload was cancelled.
    bool Unload(int unloadMode = 1);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void Move(int left, int top, int width, int height);  // pixels
    void SetBackColor(Colour c);

    // Every control of the form (in creation order); the one with this name and index.
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    Control* Find(const QString& name, int index = -1) const;
    // The button marked Cancel, which Escape presses; nullptr when there is none.
    CommandButton* CancelButton() const;

    // Under tests, closing the window as its close command would.
    bool UserCloses();

  protected:
    virtual void Design() = 0;
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }
    virtual void Form_Unload() {}
    // Called once the form's controls are dropped, for clean-up beyond the members bound through
    // Place, Add(member, ...) and AddTo, which the form has set back to nullptr (or emptied) by then.
    virtual void Dropped() {}

    // Makes the controls of a position table, row by row, each bound to its member. A container that
    // is not there (or is no container), a name or name and index already in use, a member bound
    // twice or a caption for a control without one is a mistake in the table: std::logic_error.
    void Place(std::initializer_list<Placement> rows);

    template <class T>
    T* Add(const QString& name, Control* container = nullptr, int index = -1) {
        auto c = std::make_unique<T>(this, name, index, container);
        T* raw = c.get();
        controls_.push_back(std::move(c));
        return raw;
    }
    // The same, bound to the member that points at it: cleared when the controls go.
    template <class T>
    T* Add(T*& member, const QString& name, Control* container = nullptr, int index = -1) {
        member = Add<T>(name, container, index);
        bind(&member, &detail::clearPointer<T>);
        return member;
    }
    // The array is emptied when the controls go.
    template <class T>
    T* AddTo(ControlArray<T>& array, const QString& name, int index, Control* container = nullptr) {
        T* c = Add<T>(name, container, index);
        array.add(c);
        bind(&array, &detail::clearArray<T>);
        return c;
    }

  private:
    friend class Control;
    friend class FormWindow;
    friend QWidget* forms_internal::WindowOf(const Form& form);
    friend class KeyboardPress;
    friend class ControlFilter;
    friend bool UnloadAllForms();
    struct Binding {
        void* slot;
        void (*clear)(void*);
    };
    QWidget* Window() const;  // others ask WindowOf
    QWidget* ensureWindow();
    bool loadPending_ = false;
    std::function<void()> afterLoad_;
    void dropControls();
    void releaseWindow();
    void endModalLoop();
    void bind(void* slot, void (*clear)(void*));
    Control* placedContainer(const QString& reference) const;
    std::vector<Binding> bindings_;
    QString name_;
    QString caption_;
    QWidget* window_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    bool modal_ = false;
    bool unloading_ = false;
    QEventLoop* modalLoop_ = nullptr;
    // Tab order: every control, the first stop first. Built on first use once Design has run.
    void ensureTabOrder();
    bool moveFocus(bool next);
    void focusAfterPress(Control* pressed, const std::vector<const Control*>& opened = {});
    void openOnFirstStop();
    bool opening_ = false;
    // What a user's press opened, and by which control: a key press that closes a frame or the
    // form hands the focus back to its opener (or to what opened that one's frame).
    struct Opener {
        const Control* opened;
        Control* by;
        std::weak_ptr<void> alive;
    };
    std::vector<Opener> openers_;
    Control* formOpener_ = nullptr;
    std::weak_ptr<void> formOpenerAlive_;
    void noteOpened(const Control* frame);
    void noteShownBy();
    bool focusOpenerOf(const Control* pressed, int depth = 0);
    void focusBackAfterClose();
    std::vector<Control*> tabOrder_;
    std::vector<std::pair<Control*, int>> designTabIndex_;  // set while Design runs
    bool designing_ = false;
    int left_ = 0, top_ = 0, width_ = 480, height_ = 360;
    Colour backColor_ = kSysButtonFace;
};

// The most recently made live form of this name, or nullptr.
Form* FindForm(const QString& name);
// The loaded form of this name made last, or nullptr.
Form* FindLoadedForm(const QString& name);
// Every live form, in the order they were made.
std::vector<Form*> AllForms();

// Unloads every loaded form, newest first, so that the end of a program or of a test needs no list
// of its own that could miss a form; forms that an unload handler loads again are unloaded too. A
// form whose Form_QueryUnload cancels stays, as does one whose unload throws (the first exception is
// rethrown once the rest have gone). False when a form is still loaded (other than one already
// unloading, whose handler called this).
bool UnloadAllForms();

// Nothing may end a program unexplained: what failed, on the terminal and in a box captioned with
// the application's name.
void ReportFatal(const std::exception& e);

// Under tests a responder answers every modal form, synchronously, instead of a nested event loop.
using ModalResponder = std::function<void(Form&)>;
void SetModalResponder(ModalResponder responder);  // empty: real modal loops
bool HasModalResponder();

// --- What a window asks of its controls and of itself, in controls' terms: the windows never reach
// the widgets behind them.

// The font a window draws with (the application's font for a window not loaded); a control given a
// font keeps it whatever its window's font does later.
void SetControlFont(Control& control, const QFont& font);
QFont FormFont(const Form& form);
void SetFormFont(Form& form, const QFont& font);
// How wide `text` is drawn in the control's font, in pixels.
int TextWidth(const Control& control, const QString& text);
// How tall the control's wrapped text is at `width` pixels (its own width when negative), in pixels.
int TextHeightForWidth(const Control& control, int width = -1);
// Whether the control is not hidden in itself, its containers aside: also false while a panel
// covers it in part.
bool ShowsItself(const Control& control);
// The control's place and size in pixels: in its container, in its window's own area, on the screen.
// Empty when the control or its window is gone.
QRect PlaceInContainer(const Control& control);
QRect PlaceInWindow(const Control& control);
QRect PlaceOnScreen(const Control& control);
// The inside of a container (a frame or picture box), in pixels from its own corner.
QRect InsideOf(const Control& container);
// As much of the text's start as fits inside the control, ended with an ellipsis when cut.
QString ElidedToFit(const Control& control, const QString& text);
// What screen readers read about the control beyond its name.
void SetAccessibleDescription(Control& control, const QString& text);
// The label reads out `control` (its buddy): a box is announced by the question above it.
void SetLabelFor(Label& label, Control& control);
// A label on a picture button's face: centred both ways, and the clicks go to the button.
void MakeFaceLabel(Label& label);
// A list chosen by arrows and the mouse only: typed characters do not pick an entry.
void IgnoreTypedCharacters(Control& control);
// A locked box of several lines that shows a path: no margin, no scroll bars, and lines broken
// anywhere when a name is wider than the box.
void WrapAnywhere(TextBox& box);
// The focus goes to the control at once, even before its window shows.
void GiveFocusNow(Control& control);
// `changed` runs whenever one of the controls is shown or hidden, for as long as the form's window
// lasts.
void WhenShownOrHidden(Form& form, std::initializer_list<Control*> controls, std::function<void()> changed);
// Panels that lie over other controls of the form: what a shown panel covers only in part is hidden
// while it shows, so that no fragment of it shows at the panel's edges, and comes back when it goes.
void HidePartlyCoveredByPanels(Form& form, std::vector<Control*> panels);
// A single-shot timer of `interval` ms that goes with the control, found by `name`; made when `make`
// and not there yet. nullptr when the control has no window part or there is none to find.
QTimer* ControlTimer(Control& control, const QString& name, int interval, bool make);
// `work` runs once the form's window has painted, when the event loop is next free.
void AfterFirstPaint(Form& form, std::function<void()> work);
// A loaded form's window blocks every other window of the program while it shows, or no longer.
void SetApplicationModal(Form& form, bool modal);
// The form's window stands over `owner`'s on the desktop (both loaded).
void SetTransientFor(Form& form, const Form& owner);
// A loaded form's window comes back from an icon, to the front and active.
void BringToFront(Form& form);
// A message box or dialog left minimised comes back with the window it blocks, on top and active.
void RestoreModalWindows();
// A window fixed at `width` x `height` pixels.
void FixWindowSize(Form& form, int width, int height);

// A box opens with its button in the focus, and the desktop style draws the focus mark only after
// the keyboard has moved the focus: a button so kept marks itself whenever it takes the focus.
void KeepFocusMark(Control* button);

// Positions inside frames and picture boxes are in twips.
constexpr int kTwipsPerPixel = 15;

// The colour a blue-green-red number (or a system colour) stands for on this desktop.
QColor ToQColor(Colour c);

inline QWidget* forms_internal::WindowOf(const Form& form) {
    return form.Window();
}

}  // namespace qv
