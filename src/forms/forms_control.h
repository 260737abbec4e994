// The control base and what every control shares: colours, pictures, the control kinds, and
// Control itself (its place, state, focus and the virtual members by which a control's class tells
// its own behaviour). Each control is backed by a Qt widget, which is the forms runtime's business:
// what a class does differently is a virtual member of it, never a switch on the control's kind.
#pragma once

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QWidget;

namespace qv {

class Form;
class Control;

// The widget behind a control and the window behind a form are the runtime's business: its own
// files reach them through forms_p.h and the tests through forms_testing.h, the only headers that
// bring these names into qv. The windows speak in controls and never name this namespace.
namespace forms_internal {
QWidget* WidgetOf(const Control& control);
QWidget* WindowOf(const Form& form);
}  // namespace forms_internal

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

    // What sets one kind of control apart from another, told by the control's own class.
    //
    // A click does something: the keyboard presses it and assistive tools offer to press it.
    virtual bool ActsOnClick() const { return false; }
    // What a user's click does; refused when not effectively enabled/visible. Nothing on a control
    // one does not click.
    virtual void UserClicks() {}
    // A frame or picture box: it holds controls, placed in twips.
    virtual bool IsContainer() const { return false; }
    // As assistive tools read a control that is on or off: 0 off, 1 on, 2 mixed; none for a control
    // that is neither.
    virtual std::optional<int> ToggleState() const { return std::nullopt; }

  protected:
    // The control's own widget, for the control classes' members; everything else asks WidgetOf.
    QWidget* Widget() const { return widget_; }
    void setWidget(QWidget* w);      // called once by the subclass constructor
    void replaceWidget(QWidget* w);  // swaps the backing widget, keeping place, colours and state
    virtual void applyColours();
    void applyGeometry();
    bool inTwips() const;
    QObject* context() const { return context_.get(); }  // receiver that dies with the control
    // A white area for entries or text: the window background, not the button face.
    virtual bool whiteArea() const { return false; }
    // The widget paints its own background in the control's back colour.
    virtual bool fillsBackground() const { return false; }
    // After SetEnabled, for what else shows the control's state.
    virtual void enabledChanged() {}
    // Tab stops on the control, when it is shown, enabled and not under a panel: by default a
    // widget that takes the focus by Tab.
    virtual bool tabStop() const;
    // The form's controls in Tab order, the first stop first.
    const std::vector<Control*>& formTabOrder() const;

  private:
    friend class Form;
    friend class KeyboardPress;
    friend QWidget* forms_internal::WidgetOf(const Control& control);
    bool isTabStop() const;
    // The picture box a handler rests the focus on, off a clicked button: no stop of its own.
    virtual bool restsFocus() const { return false; }
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

inline QWidget* forms_internal::WidgetOf(const Control& control) {
    return control.widget_;
}

}  // namespace qv
