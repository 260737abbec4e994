// The control classes: labels, text boxes, buttons, check and option buttons, the lists, images,
// picture boxes, frames and lines. Each states its own behaviour through Control's virtual members;
// what fires which handler is told in forms.h.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "forms/forms_control.h"

namespace qv {

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
    void UserClicks() override;  // refused when not effectively enabled/visible
    bool ActsOnClick() const override { return ActsAsButton(); }
    std::optional<int> ToggleState() const override;
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
    bool fillsBackground() const override { return true; }
    bool tabStop() const override;
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
    bool whiteArea() const override { return true; }
    bool tabStop() const override;
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
    void UserClicks() override;  // what a mouse click does; refused when not effectively enabled/visible
    bool ActsOnClick() const override { return true; }

  private:
    void enabledChanged() override;
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
    void UserClicks() override;  // toggles 0 <-> 1
    bool ActsOnClick() const override { return true; }
    std::optional<int> ToggleState() const override { return value_; }

  private:
    bool fillsBackground() const override { return true; }
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
    void UserClicks() override;
    bool ActsOnClick() const override { return true; }
    std::optional<int> ToggleState() const override { return value_ ? 1 : 0; }

  private:
    bool fillsBackground() const override { return true; }
    bool tabStop() const override;  // one stop a group
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
    bool whiteArea() const override { return true; }
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
    bool whiteArea() const override { return true; }
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
    using Control::UserClicks;  // a click on the list is a click on an entry: UserClicks(i)
    bool whiteArea() const override { return true; }
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
    using Control::UserClicks;  // a click on the list is a click on an entry: UserClicks(i)
    bool whiteArea() const override { return true; }
    friend class FileListView;
    void userClick(int i, bool ctrl, bool shift);
    void reread(const QString& path);  // throws PlatformError; drops selections and ListIndex
    void showChanges();
    void syncSelection();         // the view's selection (what assistive tools read) follows ours
    void scheduleSync();          // the same, when the event loop is next idle
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
    void UserClicks() override;  // MouseDown, MouseUp, Click
    bool ActsOnClick() const override { return static_cast<bool>(Click); }

  private:
    bool tabStop() const override;
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
    void UserClicks() override;
    bool ActsOnClick() const override { return static_cast<bool>(Click); }
    bool IsContainer() const override { return true; }
    // A state told by a picture alone reaches only the eye: what each picture (by its id) says to
    // assistive tools, as the box's description, from the next SetPicture on.
    void SetPictureDescriptions(std::vector<std::pair<QString, QString>> byId);

  private:
    bool fillsBackground() const override { return true; }
    bool tabStop() const override;
    bool restsFocus() const override { return !Click; }
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
    bool IsContainer() const override { return true; }

  private:
    bool fillsBackground() const override { return true; }
    bool tabStop() const override { return false; }
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
    bool tabStop() const override { return false; }
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

}  // namespace qv
