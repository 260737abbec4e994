// Inside the forms runtime only: the widgets behind the controls and the helpers the runtime's files
// share. Nothing outside src/forms includes it. Each widget knows the control it stands for until
// that control is dropped; the widget itself goes with the form's window, which may outlive the
// controls until the event loop is idle when a handler running inside a widget's own event unloads
// the form.
#pragma once

#include <QAccessibleInterface>
#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <utility>
#include <vector>

#include "forms/forms.h"

namespace qv {

using forms_internal::WidgetOf;
using forms_internal::WindowOf;

class OwnedWidget {
  public:
    virtual ~OwnedWidget() = default;
    Control* owner = nullptr;
};

// Runs a copy of the handler, so that a handler that replaces itself or drops its control does not
// pull the function out from under its own call.
template <class F, class... A>
void Fire(const F& handler, A&&... args) {
    F h = handler;
    if (h)
        h(std::forward<A>(args)...);
}

inline bool Alive(const std::weak_ptr<void>& token) {
    return !token.expired();
}

// Held while a handler runs from inside a widget's own event or signal: Qt code of that widget is
// still on the stack, so no window may be deleted under it until the event loop is idle.
class WidgetEventScope {
  public:
    WidgetEventScope() { ++depth_; }
    ~WidgetEventScope() { --depth_; }
    WidgetEventScope(const WidgetEventScope&) = delete;
    WidgetEventScope& operator=(const WidgetEventScope&) = delete;
    static bool Active() { return depth_ > 0; }

  private:
    static inline int depth_ = 0;
};

// A user's press (mouse, key or tool) on a control, held while its handler runs: a frame or window
// shown meanwhile was opened by that control, and a key press that closes it takes the focus back there.
class UserPress {
  public:
    explicit UserPress(Control* pressed) : pressed_(pressed), alive_(pressed->LifeToken()), outer_(current_) {
        current_ = this;
    }
    ~UserPress() { current_ = outer_; }
    UserPress(const UserPress&) = delete;
    UserPress& operator=(const UserPress&) = delete;
    // The innermost press still alive on form `f` (or, with `onOther`, on any other form); nullptr when none.
    static Control* Innermost(const Form* f, bool onOther = false) {
        for (const UserPress* p = current_; p; p = p->outer_)
            if (Alive(p->alive_) && (p->pressed_->ParentForm() == f) != onOther)
                return p->pressed_;
        return nullptr;
    }

  private:
    Control* pressed_;
    std::weak_ptr<void> alive_;
    const UserPress* outer_;
    static inline const UserPress* current_ = nullptr;
};

// A press made from the keyboard or by an assistive tool, held while its handler runs. Handlers
// move the focus to the window's picture box to keep a focus mark off a clicked button; from the
// keyboard that would cost the user the place, so the move is not made then, and afterwards the
// focus is on the pressed control again (when that one no longer acts: on what opened its frame, in
// a frame the press opened, or else on the first stop of its panel or window: the next stop may be
// one a second Enter must not press). A handler that puts the focus on another control itself
// keeps it there.
class KeyboardPress {
  public:
    explicit KeyboardPress(Control* pressed);
    ~KeyboardPress();
    KeyboardPress(const KeyboardPress&) = delete;
    KeyboardPress& operator=(const KeyboardPress&) = delete;
    // Asked by SetFocus: false for the picture box's move during such a press.
    static bool AllowsFocusOn(const Control* target);
    // A frame shown during the press on the pressed control's form.
    static void NoteOpened(const Control* frame);

  private:
    Control* pressed_;
    std::weak_ptr<void> alive_;
    KeyboardPress* outer_;
    UserPress user_;
    Form* form_;
    bool formShown_;
    std::vector<const Control*> opened_;
    bool focusPlaced_ = false;
    static inline KeyboardPress* current_ = nullptr;
};

// Every live form, in the order they were made (the forms register themselves).
std::vector<Form*>& LiveForms();

// Deletes a widget no control uses any more: at once, or when the event loop is idle while a
// widget event is being handled.
void ReleaseWidget(QWidget* w);

// Visual Basic style mouse button numbers.
int MouseButtonCode(Qt::MouseButton b);

// What assistive tools see of the controls: roles, names, states and actions that run the control's
// own user path. Installed once, before the first control's widget is asked for.
void InstallControlAccessibility();

class ListWidget;
// A list whose entries open, as assistive tools see it (its `onOpen` is set).
QAccessibleInterface* MakeOpeningListAccessible(ListWidget* list);

class FormWindow : public QWidget {
  public:
    explicit FormWindow(Form* f) : form(f) {}
    Form* form;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;
};

// Focus events of any control.
class ControlFilter : public QObject {
  public:
    explicit ControlFilter(Control* c) : control_(c) {}
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    Control* control_;
};

class LabelWidget : public QLabel, public OwnedWidget {
  public:
    using QLabel::QLabel;

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;  // Enter or Space: the click of a label that acts
};

class ButtonWidget : public QPushButton, public OwnedWidget {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
};

// Check and option buttons change their value only through the control, never on their own.
class CheckWidget : public QCheckBox, public OwnedWidget {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void nextCheckState() override {}
    void keyReleaseEvent(QKeyEvent* e) override;
    // The whole control answers a click, caption area included.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class OptionWidget : public QRadioButton, public OwnedWidget {
  public:
    using QRadioButton::QRadioButton;

  protected:
    void nextCheckState() override {}
    // The arrow keys move to the next option of the group and choose it.
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    // The whole control answers a click, caption area included.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class ImageWidget : public QWidget, public OwnedWidget {
  public:
    using QWidget::QWidget;
    QPixmap pixmap;
    bool stretch = false;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;  // Enter or Space: a picture button's click
};

class PictureWidget : public QWidget, public OwnedWidget {
  public:
    using QWidget::QWidget;
    QPixmap pixmap;
    bool border = true;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

class FrameWidget : public QWidget, public OwnedWidget {
  public:
    using QWidget::QWidget;
    QString caption;
    bool border = true;

  protected:
    void paintEvent(QPaintEvent* e) override;
};

class LineWidget : public QWidget, public OwnedWidget {
  public:
    using QWidget::QWidget;
    QPoint from, to;  // in the widget's own pixels

  protected:
    void paintEvent(QPaintEvent* e) override;
};

// Keys and pastes of a text box go through the control before they reach the editor.
class TextBoxWidgetFilter : public QObject {
  public:
    explicit TextBoxWidgetFilter(TextBox* box) : box_(box) {}
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    bool key(QKeyEvent* e);
    void contextMenu(QWidget* editor, QContextMenuEvent* e);
    TextBox* box_;
};

class ListWidget : public QListWidget, public OwnedWidget {
  public:
    using QListWidget::QListWidget;
    std::function<void()> onEnter;
    // Set for a list whose entries open (a double click, Enter): assistive tools get each entry's
    // open as its default action, besides its selection. Set before anything asks for the list's
    // accessibility.
    std::function<void(int row)> onOpen;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class FileListView : public QListView, public OwnedWidget {
  public:
    using QListView::QListView;
    // A hidden list has no entries for assistive tools to read as showing.
    void setVisible(bool visible) override;

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace qv
