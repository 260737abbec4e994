// Driving forms the way a user would, from tests: find controls, click, type, paste, choose list
// entries, read what the controls show, grab windows, and answer modal boxes from a script.
//
// Every user action refuses (as a test failure) a control the user could not reach: hidden or
// disabled, itself or through a container or its form. Real widgets are driven where it makes sense,
// so the widget wiring is tested along with the handlers.
//
// The harness works through the runtime's public surface and forms_testing.h (the widget behind a
// control, the window behind a form), never forms_p.h. A user's action
// runs the control's own path; what a check compares against (the reading order, which controls
// act, the roles assistive tools should see) the harness works out by itself from what the user
// sees, and does not take the runtime's word for it.
#pragma once

#include <gtest/gtest.h>
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <stdexcept>

#include "forms/forms.h"
#include "forms/forms_testing.h"

// Readable QString and QStringList values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < l.size(); ++i) *os << (i ? ", \"" : "\"") << l[i].toStdString() << '"';
    *os << '}';
}

namespace qv::test {

// Thrown (after the failure is recorded) when a test cannot go on, e.g. a missing control.
struct HarnessError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The live form of this name; fails the test when there is none.
Form& form(const QString& name);

// A control by form name, control name and index (-1 when not in an array); fails when missing.
Control& ctl(const QString& formName, const QString& name, int index = -1);

// The same, as a given control class; fails when missing or of another kind.
template <class T>
T& ctlAs(const QString& formName, const QString& name, int index = -1) {
    Control& c = ctl(formName, name, index);
    if (auto* t = dynamic_cast<T*>(&c))
        return *t;
    ADD_FAILURE_AT(__FILE__, __LINE__)
        << formName.toStdString() << "." << name.toStdString() << " is not of the expected control class";
    throw HarnessError("control of another class");
}

// Whether a user could reach the control now; when not, records a failure naming the reason.
bool reachable(const Control& c, const char* action);

// A user's click: command buttons, check boxes, option buttons, images, picture boxes, labels.
// False (and a test failure) when the control cannot be clicked.
bool click(Control& c);

// Typing into a text box through the real editor: every character passes KeyPress.
bool type(TextBox& box, const QString& chars);
// One key by its code: 8 Backspace, 13 Enter, 27 Escape, anything else the character.
bool key(TextBox& box, int keyAscii);
// Ctrl+V with this text on the clipboard: no KeyPress, one Change.
bool paste(TextBox& box, const QString& text);

// Choosing an entry of a combo or list box as a user does (by index, or by its text).
bool choose(ListControl& list, int index);
bool choose(ListControl& list, const QString& text);
bool chooseDrive(DriveListBox& drives, const QString& drive);

// File-list clicks through the real view, with the usual modifiers.
bool clickFile(FileListBox& files, int index, bool ctrl = false, bool shift = false);
bool clickFile(FileListBox& files, const QString& name, bool ctrl = false, bool shift = false);
// A key typed into the file list (goes through its KeyPress).
bool typeInFileList(FileListBox& files, int keyAscii);

// Folder list: a click moves ListIndex; open is a double click.
bool clickFolder(DirListBox& dirs, int index);
bool openFolder(DirListBox& dirs, int index);

// Closing a form with its window's close button.
bool closeWindow(Form& f);

// What the controls show.
QString caption(const Control& c);     // Label, CommandButton, CheckBox, OptionButton, Frame
QString text(const Control& c);        // TextBox, ComboBox, ListBox
int value(const Control& c);           // CheckBox 0/1/2; OptionButton -1 (True) or 0
bool shownOnScreen(const Control& c);  // the real widget is visible
QColor shownBackColour(const Control& c);
QColor shownForeColour(const Control& c);
QString pictureId(const Control& c);  // CommandButton: the picture it shows now; Image; PictureBox
QStringList items(const ListControl& list);
QStringList items(const FileListBox& files);
QStringList items(const DirListBox& dirs);  // the sub-folders, full paths
QStringList selectedItems(const FileListBox& files);

// Every loaded form unloaded (through the list of loaded forms), whatever an unload handler ends.
void UnloadEveryForm();

// Controls a user can operate now (visible and enabled, not labels, frames or lines) that an
// accessibility client finds without a name, by control name (and index).
QStringList unnamedControls(Form& f);

// ---- keyboard and assistive tools

// The control that has the keyboard focus in the form's window, or nullptr.
Control* focused(Form& f);
// A key pressed on the control with the focus (or the window when none has it).
void pressKey(Form& f, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
// Focus on `start`, then Tab until the focus comes back (or stops moving): the controls reached, in
// order, by name ("Name(i)" for array items). `start` comes first.
QStringList tabCycle(Control& start, int limit = 400);
// The controls a user can operate now, in the window's reading order (left to right, top to bottom,
// a frame's controls together; tops less than half a line apart are one row), from where the
// widgets show on screen. One option per group: the chosen one, else the first. Left out: what the
// user cannot see (hidden, or under a panel) and read-only text boxes (but not a read stop that
// holds a text).
QStringList readingOrder(Form& f);
QString controlName(const Control& c);

// Everything an assistive tool finds wrong with the controls a user can operate now: a control
// without a name, with the wrong role, or whose press/toggle action does not run its Click handler
// exactly once, as a click does. The handlers are stood in for and each control's value restored, so
// the walk changes nothing. A frame on show is reported as showing exactly when it draws something.
// Empty when all is well.
QStringList accessibilityProblems(Form& f);
// A list's entries as assistive tools read them, and those they read as selected (a combo's: those
// of its drop-down list).
QStringList accessibleItems(const Control& list);
QStringList accessibleSelection(const Control& list);
// The entries assistive tools read as showing on screen.
QStringList accessibleShowing(const Control& list);
// Selects (or, when selected, unselects) entry `row` through its accessibility action.
bool toggleThroughAccessibility(Control& list, int row);
// Runs the default action (the first one) of a list's entry `row`, as a tool's activation does.
bool activateThroughAccessibility(Control& list, int row);
// Runs a control's accessibility action by name ("Press", "Toggle").
bool accessibleAction(Control& c, const QString& action);

// Window pictures.
QImage grab(Form& f);
bool grabToPng(Form& f, const QString& path);
bool isBlank(const QImage& image);  // every pixel one colour (or no pixels)
// The control in the focus draws otherwise than once the focus has left it (which it gets back).
bool drawsFocusMark(const Control& c);

// Answers modal forms in order. Each expected box gets its answer function, which acts as the user
// (clicks a button, types a name). A box that shows without being expected, or an answer that
// leaves its box on show, fails the test; so do expected boxes that never appeared, checked by
// verifyDone() or when the script ends.
class ModalScript {
  public:
    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    ModalScript& expect(const QString& formName, std::function<void(Form&)> answer);
    int count() const { return shown_; }  // boxes that appeared
    QStringList shownForms() const { return names_; }
    int pending() const { return static_cast<int>(queue_.size()); }
    void verifyDone();

  private:
    struct Expected {
        QString formName;
        std::function<void(Form&)> answer;
    };
    void respond(Form& f);
    std::deque<Expected> queue_;
    QStringList names_;
    int shown_ = 0;
    bool verified_ = false;
    ModalResponder previous_;
};

// While a test runs and no script is in force, a modal form that shows fails the test (instead of
// waiting for a user who never comes) and is hidden again.
ModalResponder failingResponder();

}  // namespace qv::test
