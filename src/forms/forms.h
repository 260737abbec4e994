// The forms runtime: forms and intrinsic controls with the event semantics the program is written
// against, each control backed by a Qt widget.
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

class QEventLoop;
class QTimer;
class QWidget;

namespace qv {

class Form;

// Colours are blue-green-red numbers (&HBBGGRR); &H800000xx are system colours.
using Colour = quint32;
constexpr Colour kSysWindowBackground = 0x80000005;
constexpr Colour kSysWindowText = 0x80000012;
constexpr Colour kSysButtonFace = 0x8000000F;

// A picture with an identity that tests can compare. Empty when it holds nothing.
class Picture {
  public:
    Picture() = default;
    Picture(QPixmap pixmap, QString id) : pixmap_(std::move(pixmap)), id_(std::move(id)) {}
    bool IsEmpty() const { return pixmap_.isNull(); }
    const QPixmap& pixmap() const { return pixmap_; }
    const QString& id() const { return id_; }
    bool operator==(const Picture& o) const {
        return id_ == o.id_ && pixmap_.cacheKey() == o.pixmap_.cacheKey();
    }

  private:
    QPixmap pixmap_;
    QString id_;
};

// Loads a picture file (bmp, jpg, png, gif and whatever Qt reads) or a ":/" resource.
// Throws PlatformError when the file is not a readable picture.
Picture LoadPicture(const QString& path);
// Several at once, read side by side: as LoadPicture each, with an empty Picture for one that is
// not a readable picture.
std::vector<Picture> LoadPictures(const QStringList& paths);

enum class ControlKind {
    Label,
    TextBox,
    CommandButton,
    CheckBox,
    OptionButton,
    ComboBox,
    ListBox,
    DriveListBox,
    DirListBox,
    FileListBox,
    Image,
    PictureBox,
    Frame,
    Line
};

class Control {
  public:
    Control(Form* form, ControlKind kind, QString name, int index, Control* container);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    const QString& Name() const { return name_; }
    int Index() const { return index_; }  // -1 when not part of a control array
    Form* ParentForm() const { return form_; }
    Control* Container() const { return container_; }
    QWidget* Widget() const { return widget_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    // Visible/enabled counting every container and the form.
    bool EffectivelyVisible() const;
    bool EffectivelyEnabled() const;

    // In the container's units (pixels on a form, twips inside a frame or picture box).
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    void Move(int left, int top, int width, int height);

    Colour ForeColor() const { return foreColor_; }
    Colour BackColor() const { return backColor_; }
    void SetForeColor(Colour c);
    void SetBackColor(Colour c);
    int TabIndex() const;
    void SetTabIndex(int i);  // the control takes place i in its outermost frame; the others shift
    QString ToolTipText() const;
    void SetToolTipText(const QString& t);
    // The name screen readers announce. A control with a caption is named by it; one without (a
    // list, a box, a picture button) needs a name given here.
    void SetAccessibleName(const QString& name);
    QString AccessibleName() const;  // as accessibility clients read it

    // Does nothing on a hidden or disabled control.
    void SetFocus();
    bool HasFocus() const;

    std::function<void()> LostFocus;
    std::function<void()> GotFocus;

    // Expires when the control is dropped: code that runs a handler checks it before it touches
    // the control again, since a handler may unload the control's form.
    std::weak_ptr<void> LifeToken() const { return alive_; }

  protected:
    void setWidget(QWidget* w);      // called once by the subclass constructor
    void replaceWidget(QWidget* w);  // swaps the backing widget, keeping place, colours and state
    virtual void applyColours();
    void applyGeometry();
    bool inTwips() const;
    QObject* context() const { return context_.get(); }  // receiver that dies with the control

  private:
    friend class Form;
    bool isTabStop() const;
    std::shared_ptr<void> alive_;
    std::unique_ptr<QObject> context_;
    Form* form_;
    ControlKind kind_;
    QString name_;
    int index_;
    Control* container_;
    QWidget* widget_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Colour foreColor_ = kSysWindowText;
    Colour backColor_ = kSysButtonFace;
};

class Label : public Control {
  public:
    Label(Form* form, QString name, int index, Control* container);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t);  // BackStyle 0
    void SetAlignment(int a);     // 0 left, 1 right, 2 centre
    void SetWordWrap(bool w);
    std::function<void()> Click;
    void UserClicks();  // refused when not effectively enabled/visible
    // A transparent label lying on a command button is that button's face: it looks disabled with it.
    bool OnDisabledFace() const;
    // A label that acts when clicked, and lies on no command button, stands for a button of its own:
    // Tab stops on it, Enter and Space press it, and assistive tools read it as a button.
    bool ActsAsButton() const;
    // One of a set such labels stand for, shown chosen by its colour only: assistive tools read it
    // as a toggle that is on or off.
    void SetChosen(bool chosen);
    std::optional<bool> Chosen() const { return chosen_; }

  private:
    QString caption_;
    bool transparent_ = false;
    std::optional<bool> chosen_;  // none: not one of a set
};

class TextBox : public Control {
  public:
    TextBox(Form* form, QString name, int index, Control* container);
    QString Text() const;
    void SetText(const QString& t);  // fires Change when different
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);  // 0 = no limit
    int SelStart() const;
    int SelLength() const;
    void SetSelStart(int s);
    void SetSelLength(int n);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int b);  // 0 none, 1 fixed single
    bool Locked() const { return locked_; }
    void SetLocked(bool l);
    void SetMultiLine(bool m);
    bool MultiLine() const { return multiLine_; }
    // What the box draws while the focus is elsewhere, in place of its text: a shortened form of it.
    // The text itself stays what assistive tools read and what the keyboard reaches and copies.
    // Empty: the text. Writing the text drops it.
    void SetShownText(const QString& shown);
    QString ShownText() const { return shown_.isEmpty() ? lastText_ : shown_; }
    // A read-only box Tab stops on while it holds a text, so that the keyboard can read it whole.
    void SetReadStop(bool stop);
    bool ReadStop() const { return readStop_; }

    std::function<void()> Change;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void()> Click;

    // The paths a user's typing takes: each character through KeyPress, then into the box.
    // Used by the widget's key handling and by the test harness alike.
    void UserTypes(const QString& chars);
    void UserPastes(const QString& text);  // no KeyPress; arrives as one Change

  private:
    friend class TextBoxWidgetFilter;
    void userKey(int code);
    void fireChangeIfChanged(const QString& before);
    void putText(const QString& t);  // into the widget, without events
    void replaceSelection(const QString& s);
    void onWidgetTextChanged();
    void buildEditor();
    void applyReadStop();
    int maxLength_ = 0;
    int borderStyle_ = 1;
    bool locked_ = false;
    bool multiLine_ = false;
    bool writing_ = false;
    bool readStop_ = false;
    QString lastText_;
    QString shown_;
};

class CommandButton : public Control {
  public:
    CommandButton(Form* form, QString name, int index, Control* container);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);
    const Picture& GetPicture() const { return picture_; }
    const Picture& DownPicture() const { return downPicture_; }
    const Picture& DisabledPicture() const { return disabledPicture_; }
    void SetPicture(const Picture& p);
    void SetDownPicture(const Picture& p);
    void SetDisabledPicture(const Picture& p);
    // The picture the button shows now (disabled picture when disabled and one is set).
    const Picture& ShownPicture() const;
    // The button Escape presses anywhere on its form.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool c);
    std::function<void()> Click;
    void UserClicks();  // what a mouse click does; refused when not effectively enabled/visible

  private:
    void refreshFace();
    bool cancel_ = false;
    QString caption_;
    Picture picture_, downPicture_, disabledPicture_;
};

class CheckBox : public Control {
  public:
    CheckBox(Form* form, QString name, int index, Control* container);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);
    int Value() const { return value_; }  // 0 unchecked, 1 checked, 2 grayed
    void SetValue(int v);                 // fires Click when different
    std::function<void()> Click;
    void UserClicks();  // toggles 0 <-> 1

  private:
    QString caption_;
    int value_ = 0;
};

class OptionButton : public Control {
  public:
    OptionButton(Form* form, QString name, int index, Control* container);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);
    bool Value() const { return value_; }
    // True: clears the other option buttons of the same container (no events for them) and fires
    // Click when it was False. False fires nothing.
    void SetValue(bool v);
    std::function<void()> Click;
    void UserClicks();

  private:
    QString caption_;
    bool value_ = false;
};

// Shared list behaviour of ComboBox and ListBox.
class ListControl : public Control {
  public:
    ListControl(Form* form, ControlKind kind, QString name, int index, Control* container);
    void AddItem(const QString& item, int at = -1);
    void RemoveItem(int i);
    void Clear();  // ListIndex becomes -1, fires nothing
    // Every entry at once, in place of the old ones: as Clear and an AddItem each, in one go.
    void SetItems(const QStringList& items);
    int ListCount() const { return items_.size(); }
    QString List(int i) const;  // "" out of range
    void SetList(int i, const QString& s);
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int i);  // fires Click when different; -1 allowed
    QString Text() const;      // the chosen entry's text
    std::function<void()> Click;
    void UserChooses(int i);  // a user picks entry i

  protected:
    virtual void syncWidget() = 0;  // shows ListIndex (and selections) in the widget
    virtual void itemInserted(int) {}
    virtual void itemRemoved(int) {}
    virtual void itemsCleared() {}
    virtual void userChoose(int i);  // what a user's pick does, once the pick is allowed
    void checkIndex(int i) const;    // throws PlatformError outside 0..ListCount-1
    QStringList items_;
    int listIndex_ = -1;
    bool syncing_ = false;
};

class ComboBox : public ListControl {  // drop-down list
  public:
    ComboBox(Form* form, QString name, int index, Control* container);
    std::function<void(int& keyAscii)> KeyPress;
    // A character typed into the closed list: KeyPress, then the next entry it starts is chosen.
    void UserKey(int keyAscii);

  private:
    void syncWidget() override;
};

class ListBox : public ListControl {
  public:
    ListBox(Form* form, QString name, int index, Control* container);
    bool Selected(int i) const;
    void SetSelected(int i, bool s);  // fires Click when it changes
    int MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(int mode);  // 0 none, 1 simple, 2 extended
    int SelCount() const;

  private:
    void syncWidget() override;
    void itemInserted(int at) override;
    void itemRemoved(int i) override;
    void itemsCleared() override;
    void userChoose(int i) override;
    void userSelectionChanged();
    std::vector<bool> selected_;
    int multiSelect_ = 0;
};

class DriveListBox : public Control {
  public:
    DriveListBox(Form* form, QString name, int index, Control* container);
    QString Drive() const { return drive_; }    // mount point
    void SetDrive(const QString& pathOrDrive);  // takes the drive of the path; fires Change when different
    int ListCount() const;
    QString List(int i) const;
    int ListIndex() const;
    void Refresh();
    std::function<void()> Change;
    void UserChooses(int i);

  private:
    void syncWidget();
    QString drive_;
    QStringList drives_;
    bool syncing_ = false;
};

class DirListBox : public Control {
  public:
    DirListBox(Form* form, QString name, int index, Control* container);
    QString Path() const { return path_; }  // no trailing "/" except at the root
    // Changes the folder and fires Change; throws PlatformError when the folder cannot be opened.
    void SetPath(const QString& path);
    // -1 the current folder, -2 its parent and so on; 0..ListCount-1 the sub-folders.
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int i);  // fires Click when different
    int ListCount() const { return subFolders_.size(); }
    QString List(int i) const;  // full path of the entry
    void Refresh();             // re-reads the sub-folders
    std::function<void()> Change;
    std::function<void()> Click;
    void UserClicks(int i);  // moves ListIndex (Click)
    void UserOpens(int i);   // double click / Enter: Path := List(i), Change
    // The user's open refused: the folder and the system's words on why. The list stays as it was.
    std::function<void(const QString& folder, const QString& error)> OpenRefused;

  private:
    void reload(QStringList* read = nullptr);
    // Goes to `target`, whose folders `read` has just read.
    void enter(const QString& target, QStringList read);
    void syncWidget();
    int rowOf(int index) const;
    int indexOfRow(int row) const;
    bool syncing_ = false;
    QString path_;
    QStringList ancestors_;   // root first, current folder last
    QStringList subFolders_;  // names, sorted
    int listIndex_ = -1;
};

class FileListBox : public Control {
  public:
    FileListBox(Form* form, QString name, int index, Control* container);
    ~FileListBox() override;
    QString Path() const { return path_; }
    void SetPath(const QString& path);  // re-reads, drops selections, fires PathChange when different
    // Takes the path of a folder that cannot be read, listing nothing; otherwise as SetPath. A later
    // Refresh tries the folder again.
    void SetPathUnread(const QString& path);
    int ListCount() const;
    QString List(int i) const;
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int i);  // fires Click when different
    bool Selected(int i) const;
    void SetSelected(int i, bool s);  // fires Click when it changes
    int MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(int mode);  // 0 none, 1 simple, 2 extended
    void Refresh();                 // re-reads the folder and drops every selection
    // For a second list of the folder another list has just read: SetPath(source.Path()) and
    // Refresh() with the entries the source holds, without reading the folder again.
    void SetPathAs(const FileListBox& source);
    void RefreshAs(const FileListBox& source);  // a plain Refresh when source lists another folder
    std::function<void()> Click;
    std::function<void()> PathChange;
    std::function<void(int& keyAscii)> KeyPress;
    // What a user's mouse does on entry i (extended mode: plain, ctrl and shift clicks).
    void UserClicks(int i, bool ctrl = false, bool shift = false);
    int SelCount() const;
    void UserKey(int keyAscii);  // a typed character: KeyPress, then jump to the next entry it starts
    // True while the Click of a key that only walks the list runs (an arrow, Home, End or a typed
    // letter's jump): the current entry moved, the user chose nothing yet.
    bool Browsing() const { return browsing_; }
    // In a list whose Click checks what it is given, Enter and Space choose the entry the keys have
    // walked to: its Click runs again, not browsing, as a click on it does.
    void SetChooseByKey(bool on) { chooseByKey_ = on; }

  private:
    friend class FileListView;
    void userClick(int i, bool ctrl, bool shift);
    void reread(const QString& path);  // throws PlatformError; drops selections and ListIndex
    void showChanges();
    void syncSelection();  // the view's selection (what assistive tools read) follows ours
    void scheduleSync();   // the same, when the event loop is next idle
    void viewSelectionChanged();  // a selection made through the view's accessibility interface
    void checkIndex(int i) const;
    struct Impl;
    std::unique_ptr<Impl> impl_;
    QString path_;
    int listIndex_ = -1;
    int multiSelect_ = 0;
    int anchor_ = -1;
    bool browsing_ = false;
    bool chooseByKey_ = false;
};

class Image : public Control {
  public:
    Image(Form* form, QString name, int index, Control* container);
    const Picture& GetPicture() const { return picture_; }
    void SetPicture(const Picture& p);
    void SetStretch(bool s);
    std::function<void()> Click;
    std::function<void(int button)> MouseDown;
    std::function<void(int button)> MouseUp;
    void UserClicks();  // MouseDown, MouseUp, Click

  private:
    Picture picture_;
    bool stretch_ = false;
};

// A container with an optional picture; its children are placed in twips.
class PictureBox : public Control {
  public:
    PictureBox(Form* form, QString name, int index, Control* container);
    const Picture& GetPicture() const { return picture_; }
    void SetPicture(const Picture& p);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int b);
    std::function<void()> Click;
    void UserClicks();
    // A state told by a picture alone reaches only the eye: what each picture (by its id) says to
    // assistive tools, as the box's description, from the next SetPicture on.
    void SetPictureDescriptions(std::vector<std::pair<QString, QString>> byId);

  private:
    void describePicture();
    Picture picture_;
    std::vector<std::pair<QString, QString>> descriptions_;
    int borderStyle_ = 1;
};

// A captioned container; its children are placed in twips.
class Frame : public Control {
  public:
    Frame(Form* form, QString name, int index, Control* container);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int b);

  private:
    QString caption_;
    int borderStyle_ = 1;
};

class Line : public Control {
  public:
    Line(Form* form, QString name, int index, Control* container);
    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }
    void SetPoints(int x1, int y1, int x2, int y2);
    void SetY2(int y2);

  private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

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

    QWidget* Window() const;
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
    friend class KeyboardPress;
    friend class ControlFilter;
    friend bool UnloadAllForms();
    struct Binding {
        void* slot;
        void (*clear)(void*);
    };
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

}  // namespace qv
