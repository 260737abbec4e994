// The user's side of the forms, for tests.
#include "support/harness.h"

#include "platform/services.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

namespace qv::test {

namespace {

std::string describe(const Control& c) {
    QString s = (c.ParentForm() ? c.ParentForm()->Name() : QStringLiteral("?")) + QLatin1Char('.') + c.Name();
    if (c.Index() >= 0)
        s += QStringLiteral("(%1)").arg(c.Index());
    return s.toStdString();
}

// Resets the modal answer between tests and lets windows of unloaded forms go.
class HarnessListener : public ::testing::EmptyTestEventListener {
  public:
    void OnTestStart(const ::testing::TestInfo&) override { SetModalResponder(failingResponder()); }
    void OnTestEnd(const ::testing::TestInfo&) override {
        SetModalResponder(failingResponder());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

const bool listenerInstalled = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new HarnessListener);
    return true;
}();

QWidget* editorOf(TextBox& box) {
    return WidgetOf(box);
}

// Clicks the middle of a widget, or, for a widget that has no size to click, takes the control's
// own user path.
bool clickWidget(QWidget* w, const std::function<void()>& fallback) {
    if (w->rect().isEmpty()) {
        fallback();
        return true;
    }
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    return true;
}

QRect itemRect(QListView* view, int row) {
    view->doItemsLayout();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QRect r = view->visualRect(index);
    if (r.isEmpty() || !view->viewport()->rect().contains(r.center()))
        return {};
    return r;
}

}  // namespace

ModalResponder failingResponder() {
    (void)listenerInstalled;
    return [](Form& f) {
        ADD_FAILURE() << "A modal form showed that no script expected: " << f.Name().toStdString();
        f.Hide();
    };
}

Form& form(const QString& name) {
    Form* f = FindForm(name);
    if (!f) {
        ADD_FAILURE() << "No form named " << name.toStdString();
        throw HarnessError("missing form");
    }
    return *f;
}

Control& ctl(const QString& formName, const QString& name, int index) {
    Form& f = form(formName);
    Control* c = f.Find(name, index);
    if (!c) {
        QString where = formName + QLatin1Char('.') + name;
        if (index >= 0)
            where += QStringLiteral("(%1)").arg(index);
        ADD_FAILURE() << "No control " << where.toStdString()
                      << (f.Loaded() ? "" : " (the form is not loaded)");
        throw HarnessError("missing control");
    }
    return *c;
}

bool reachable(const Control& c, const char* action) {
    const Form* f = c.ParentForm();
    if (!f || !f->Loaded()) {
        ADD_FAILURE() << "Cannot " << action << " " << describe(c) << ": its form is not loaded";
        return false;
    }
    if (!c.EffectivelyVisible()) {
        ADD_FAILURE() << "Cannot " << action << " " << describe(c)
                      << (c.Visible() ? ": a container or the form is hidden" : ": it is hidden");
        return false;
    }
    if (!c.EffectivelyEnabled()) {
        ADD_FAILURE() << "Cannot " << action << " " << describe(c)
                      << (c.Enabled() ? ": a container or the form is disabled" : ": it is disabled");
        return false;
    }
    return true;
}

namespace {

// The Click handler of a control one clicks; nullptr for any other.
std::function<void()>* clickHandler(Control& c) {
    switch (c.Kind()) {
        case ControlKind::CommandButton:
            return &static_cast<CommandButton&>(c).Click;
        case ControlKind::CheckBox:
            return &static_cast<CheckBox&>(c).Click;
        case ControlKind::OptionButton:
            return &static_cast<OptionButton&>(c).Click;
        case ControlKind::Image:
            return &static_cast<Image&>(c).Click;
        case ControlKind::PictureBox:
            return &static_cast<PictureBox&>(c).Click;
        case ControlKind::Label:
            return &static_cast<Label&>(c).Click;
        default:
            return nullptr;
    }
}

}  // namespace

bool click(Control& c) {
    if (!reachable(c, "click"))
        return false;
    if (!clickHandler(c)) {
        ADD_FAILURE() << describe(c) << " is not a control one clicks";
        return false;
    }
    QWidget* w = WidgetOf(c);
    // A button is clicked on its widget, as by the mouse; any other control through its own click.
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return clickWidget(w, [button] { button->click(); });
    return clickWidget(w, [&c] { c.UserClicks(); });
}

bool type(TextBox& box, const QString& chars) {
    if (!reachable(box, "type into"))
        return false;
    auto token = box.LifeToken();
    for (char32_t cp : chars.toUcs4()) {
        if (cp < 32 || cp == 127) {
            if (!key(box, static_cast<int>(cp)))
                return false;
        } else {
            const QString one = QString::fromUcs4(&cp, 1);
            QTest::keyClicks(editorOf(box), one);
        }
        if (token.expired())
            break;  // a handler dropped the box (its form unloaded)
    }
    return true;
}

bool key(TextBox& box, int keyAscii) {
    if (!reachable(box, "type into"))
        return false;
    QWidget* w = editorOf(box);
    switch (keyAscii) {
        case 8:
            QTest::keyClick(w, Qt::Key_Backspace);
            break;
        case 10:
        case 13:
            QTest::keyClick(w, Qt::Key_Return);
            break;
        case 27:
            QTest::keyClick(w, Qt::Key_Escape);
            break;
        default:
            if (keyAscii >= 32) {
                const char32_t cp = static_cast<char32_t>(keyAscii);
                QTest::keyClicks(w, QString::fromUcs4(&cp, 1));
            } else {
                box.UserTypes(QString(QChar(keyAscii)));
            }
    }
    return true;
}

bool paste(TextBox& box, const QString& text) {
    if (!reachable(box, "paste into"))
        return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    if (clipboard->text() != text) {
        box.UserPastes(text);  // no working clipboard on this platform
        return true;
    }
    QTest::keyClick(editorOf(box), Qt::Key_V, Qt::ControlModifier);
    return true;
}

bool choose(ListControl& list, int index) {
    if (!reachable(list, "choose in"))
        return false;
    if (index < 0 || index >= list.ListCount()) {
        ADD_FAILURE() << describe(list) << " has no entry " << index;
        return false;
    }
    if (auto* combo = qobject_cast<QComboBox*>(WidgetOf(list))) {
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
        return true;
    }
    auto* view = qobject_cast<QListWidget*>(WidgetOf(list));
    const QRect r = view ? itemRect(view, index) : QRect();
    if (r.isEmpty()) {
        list.UserChooses(index);
        return true;
    }
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    return true;
}

bool choose(ListControl& list, const QString& text) {
    for (int i = 0; i < list.ListCount(); ++i)
        if (list.List(i) == text)
            return choose(list, i);
    ADD_FAILURE() << describe(list) << " has no entry \"" << text.toStdString() << "\"";
    return false;
}

bool chooseDrive(DriveListBox& drives, const QString& drive) {
    if (!reachable(drives, "choose in"))
        return false;
    for (int i = 0; i < drives.ListCount(); ++i) {
        if (drives.List(i) != drive)
            continue;
        auto* combo = qobject_cast<QComboBox*>(WidgetOf(drives));
        combo->setCurrentIndex(i);
        Q_EMIT combo->activated(i);
        return true;
    }
    ADD_FAILURE() << describe(drives) << " lists no drive " << drive.toStdString();
    return false;
}

bool clickFile(FileListBox& files, int index, bool ctrl, bool shift) {
    if (!reachable(files, "click in"))
        return false;
    if (index < 0 || index >= files.ListCount()) {
        ADD_FAILURE() << describe(files) << " has no entry " << index;
        return false;
    }
    auto* view = qobject_cast<QListView*>(WidgetOf(files));
    const QRect r = itemRect(view, index);
    if (r.isEmpty()) {
        files.UserClicks(index, ctrl, shift);
        return true;
    }
    Qt::KeyboardModifiers mods;
    if (ctrl)
        mods |= Qt::ControlModifier;
    if (shift)
        mods |= Qt::ShiftModifier;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, mods, r.center());
    return true;
}

bool clickFile(FileListBox& files, const QString& name, bool ctrl, bool shift) {
    for (int i = 0; i < files.ListCount(); ++i)
        if (files.List(i) == name)
            return clickFile(files, i, ctrl, shift);
    ADD_FAILURE() << describe(files) << " lists no file \"" << name.toStdString() << "\"";
    return false;
}

bool typeInFileList(FileListBox& files, int keyAscii) {
    if (!reachable(files, "type into"))
        return false;
    QWidget* w = WidgetOf(files);
    if (keyAscii == 13)
        QTest::keyClick(w, Qt::Key_Return);
    else if (keyAscii == 8)
        QTest::keyClick(w, Qt::Key_Backspace);
    else if (keyAscii >= 32) {
        const char32_t cp = static_cast<char32_t>(keyAscii);
        QTest::keyClicks(w, QString::fromUcs4(&cp, 1));
    } else {
        files.UserKey(keyAscii);
    }
    return true;
}

namespace {

int folderRow(DirListBox& dirs, int index) {
    auto* view = qobject_cast<QListWidget*>(WidgetOf(dirs));
    const int ancestors = view->count() - dirs.ListCount();
    return ancestors + index;
}

bool folderIndexOk(DirListBox& dirs, int index) {
    const int row = folderRow(dirs, index);
    if (row >= 0 && index < dirs.ListCount())
        return true;
    ADD_FAILURE() << describe(dirs) << " has no entry " << index;
    return false;
}

}  // namespace

bool clickFolder(DirListBox& dirs, int index) {
    if (!reachable(dirs, "click in") || !folderIndexOk(dirs, index))
        return false;
    auto* view = qobject_cast<QListWidget*>(WidgetOf(dirs));
    const QRect r = itemRect(view, folderRow(dirs, index));
    if (r.isEmpty()) {
        dirs.UserClicks(index);
        return true;
    }
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    return true;
}

bool openFolder(DirListBox& dirs, int index) {
    if (!reachable(dirs, "open in") || !folderIndexOk(dirs, index))
        return false;
    auto* view = qobject_cast<QListWidget*>(WidgetOf(dirs));
    const QRect r = itemRect(view, folderRow(dirs, index));
    if (r.isEmpty()) {
        dirs.UserOpens(index);
        return true;
    }
    // What the window system delivers for a double click: press, release, double click, release.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    return true;
}

bool closeWindow(Form& f) {
    if (!f.Visible()) {
        ADD_FAILURE() << "Cannot close " << f.Name().toStdString() << ": its window is not on show";
        return false;
    }
    return f.UserCloses();
}

QString caption(const Control& c) {
    switch (c.Kind()) {
        case ControlKind::Label:
            return static_cast<const Label&>(c).Caption();
        case ControlKind::CommandButton:
            return static_cast<const CommandButton&>(c).Caption();
        case ControlKind::CheckBox:
            return static_cast<const CheckBox&>(c).Caption();
        case ControlKind::OptionButton:
            return static_cast<const OptionButton&>(c).Caption();
        case ControlKind::Frame:
            return static_cast<const Frame&>(c).Caption();
        default:
            ADD_FAILURE() << describe(c) << " has no caption";
            return {};
    }
}

QString text(const Control& c) {
    switch (c.Kind()) {
        case ControlKind::TextBox:
            return static_cast<const TextBox&>(c).Text();
        case ControlKind::ComboBox:
        case ControlKind::ListBox:
            return static_cast<const ListControl&>(c).Text();
        default:
            ADD_FAILURE() << describe(c) << " has no text";
            return {};
    }
}

int value(const Control& c) {
    switch (c.Kind()) {
        case ControlKind::CheckBox:
            return static_cast<const CheckBox&>(c).Value();
        case ControlKind::OptionButton:
            return static_cast<const OptionButton&>(c).Value() ? -1 : 0;
        default:
            ADD_FAILURE() << describe(c) << " has no value";
            return 0;
    }
}

bool shownOnScreen(const Control& c) {
    return WidgetOf(c) && WidgetOf(c)->isVisible();
}

namespace {

bool whiteArea(ControlKind k) {
    return k == ControlKind::TextBox || k == ControlKind::ComboBox || k == ControlKind::ListBox ||
           k == ControlKind::FileListBox || k == ControlKind::DirListBox || k == ControlKind::DriveListBox;
}

}  // namespace

QColor shownBackColour(const Control& c) {
    const QPalette& pal = WidgetOf(c)->palette();
    if (whiteArea(c.Kind()))
        return pal.color(QPalette::Base);
    if (c.Kind() == ControlKind::CommandButton)
        return pal.color(QPalette::Button);
    return pal.color(QPalette::Window);
}

QColor shownForeColour(const Control& c) {
    const QPalette& pal = WidgetOf(c)->palette();
    if (whiteArea(c.Kind()))
        return pal.color(QPalette::Text);
    if (c.Kind() == ControlKind::CommandButton)
        return pal.color(QPalette::ButtonText);
    return pal.color(QPalette::WindowText);
}

QString pictureId(const Control& c) {
    switch (c.Kind()) {
        case ControlKind::CommandButton:
            return static_cast<const CommandButton&>(c).ShownPicture().id();
        case ControlKind::Image:
            return static_cast<const Image&>(c).GetPicture().id();
        case ControlKind::PictureBox:
            return static_cast<const PictureBox&>(c).GetPicture().id();
        default:
            ADD_FAILURE() << describe(c) << " has no picture";
            return {};
    }
}

QStringList items(const ListControl& list) {
    QStringList out;
    for (int i = 0; i < list.ListCount(); ++i) out << list.List(i);
    return out;
}

QStringList items(const FileListBox& files) {
    QStringList out;
    out.reserve(files.ListCount());
    for (int i = 0; i < files.ListCount(); ++i) out << files.List(i);
    return out;
}

QStringList items(const DirListBox& dirs) {
    QStringList out;
    for (int i = 0; i < dirs.ListCount(); ++i) out << dirs.List(i);
    return out;
}

QStringList selectedItems(const FileListBox& files) {
    QStringList out;
    for (int i = 0; i < files.ListCount(); ++i)
        if (files.Selected(i))
            out << files.List(i);
    return out;
}

void UnloadEveryForm() {
    try {
        UnloadAllForms();
    } catch (const ProgramEnded&) {
    }
}

QStringList unnamedControls(Form& f) {
    QStringList unnamed;
    for (const auto& owned : f.Controls()) {
        const Control* c = owned.get();
        switch (c->Kind()) {
            case ControlKind::Label:
            case ControlKind::Frame:
            case ControlKind::Line:
            case ControlKind::PictureBox:
                continue;
            default:
                break;
        }
        if (!c->EffectivelyVisible() || !c->EffectivelyEnabled())
            continue;
        if (c->AccessibleName().trimmed().isEmpty())
            unnamed << (c->Index() < 0 ? c->Name() : c->Name() + QStringLiteral("(%1)").arg(c->Index()));
    }
    return unnamed;
}

// ---- keyboard and assistive tools

QString controlName(const Control& c) {
    return c.Index() < 0 ? c.Name() : QStringLiteral("%1(%2)").arg(c.Name()).arg(c.Index());
}

Control* focused(Form& f) {
    QWidget* w = WindowOf(f) ? WindowOf(f)->focusWidget() : nullptr;
    if (!w)
        return nullptr;
    for (const auto& c : f.Controls())
        if (WidgetOf(*c) == w)
            return c.get();
    for (const auto& c : f.Controls())
        if (WidgetOf(*c) && !c->IsContainer() && WidgetOf(*c)->isAncestorOf(w))
            return c.get();
    return nullptr;
}

void pressKey(Form& f, Qt::Key key, Qt::KeyboardModifiers mods) {
    if (!WindowOf(f))
        return;
    QWidget* target = WindowOf(f)->focusWidget();
    QTest::keyClick(target ? target : WindowOf(f), key, mods);
}

QStringList tabCycle(Control& start, int limit) {
    QStringList seen;
    Form* f = start.ParentForm();
    if (!f || !reachable(start, "tab from"))
        return seen;
    WidgetOf(start)->setFocus(Qt::OtherFocusReason);
    seen << controlName(start);
    for (int i = 0; i < limit; ++i) {
        pressKey(*f, Qt::Key_Tab);
        Control* now = focused(*f);
        if (!now || now == &start || seen.contains(controlName(*now)))
            break;
        seen << controlName(*now);
    }
    return seen;
}

namespace {

// A label a user operates: one that acts when clicked and is not the caption lying on a button
// (the button is what the user operates then).
bool labelActs(Label& l) {
    if (!l.Click)
        return false;
    const QRect mine(l.Left(), l.Top(), l.Width(), l.Height());
    for (const auto& c : l.ParentForm()->Controls())
        if (c->Kind() == ControlKind::CommandButton && c->Container() == l.Container() &&
            QRect(c->Left(), c->Top(), c->Width(), c->Height()).contains(mine))
            return false;
    return true;
}

bool operable(Control& c) {
    if (!WidgetOf(c) || !c.EffectivelyVisible() || !c.EffectivelyEnabled())
        return false;
    switch (c.Kind()) {
        case ControlKind::Label:
            return labelActs(static_cast<Label&>(c));
        case ControlKind::Frame:
        case ControlKind::Line:
            return false;
        case ControlKind::Image:
        case ControlKind::PictureBox:
            return static_cast<bool>(*clickHandler(c));
        default:
            return true;
    }
}

// Screen position of a widget inside its window.
QRect onWindow(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

void readChildren(Form& f, const QWidget* parent, std::vector<Control*>& out) {
    std::vector<Control*> kids;
    for (const auto& c : f.Controls())
        if (WidgetOf(*c) && WidgetOf(*c)->parentWidget() == parent)
            kids.push_back(c.get());
    auto top = [](const Control* c) { return onWindow(WidgetOf(*c)).top(); };
    // A container starts at its border and again where its first control does, below its caption.
    std::function<int(const Control*)> inner = [&](const Control* c) {
        int first = top(c);
        if (!c->IsContainer())
            return first;
        bool any = false;
        for (const auto& k : f.Controls())
            if (WidgetOf(*k) && WidgetOf(*k)->parentWidget() == WidgetOf(*c) &&
                k->Kind() != ControlKind::Line) {
                first = any ? std::min(first, inner(k.get())) : inner(k.get());
                any = true;
            }
        return first;
    };
    std::stable_sort(kids.begin(), kids.end(), [&](Control* a, Control* b) { return top(a) < top(b); });
    // One row: tops less than half a line apart, the line being the lower of the two controls.
    auto height = [](Control* c) { return WidgetOf(*c)->height(); };
    auto oneRow = [&](Control* first, Control* next) {
        const int half = std::max(1, std::min(height(first), height(next)) / 2);
        for (int a : {top(first), inner(first)})
            for (int b : {top(next), inner(next)})
                if (std::abs(b - a) < half)
                    return true;
        return false;
    };
    for (size_t k = 0; k < kids.size();) {
        size_t end = k + 1;
        while (end < kids.size() && oneRow(kids[k], kids[end])) ++end;
        std::stable_sort(kids.begin() + static_cast<std::ptrdiff_t>(k),
                         kids.begin() + static_cast<std::ptrdiff_t>(end), [](Control* a, Control* b) {
                             return onWindow(WidgetOf(*a)).left() < onWindow(WidgetOf(*b)).left();
                         });
        k = end;
    }
    for (Control* c : kids) {
        out.push_back(c);
        if (c->IsContainer())
            readChildren(f, WidgetOf(*c), out);
    }
}

QAccessible::Role expectedRole(ControlKind k) {
    switch (k) {
        case ControlKind::Label:  // one that acts: a button
        case ControlKind::CommandButton:
        case ControlKind::Image:
        case ControlKind::PictureBox:
            return QAccessible::Button;
        case ControlKind::CheckBox:
            return QAccessible::CheckBox;
        case ControlKind::OptionButton:
            return QAccessible::RadioButton;
        case ControlKind::TextBox:
            return QAccessible::EditableText;
        case ControlKind::ComboBox:
        case ControlKind::DriveListBox:
            return QAccessible::ComboBox;
        default:
            return QAccessible::List;
    }
}

// A tool's call returns before what it starts has run; the tool's own event loop then runs it.
void runToolAction(QAccessibleActionInterface& act, const QString& action) {
    act.doAction(action);
    QCoreApplication::processEvents();
}

// How many times `act` runs the control's Click, with every handler of its group stood in for and
// the values put back afterwards.
int clicksOf(Control& c, const std::function<void()>& act) {
    std::vector<Control*> group{&c};
    Form* f = c.ParentForm();
    if (c.Kind() == ControlKind::OptionButton)
        for (const auto& o : f->Controls())
            if (o.get() != &c && o->Kind() == ControlKind::OptionButton && o->Container() == c.Container())
                group.push_back(o.get());
    int clicks = 0;
    std::vector<std::function<void()>> saved;
    for (Control* g : group) {
        std::function<void()>* h = clickHandler(*g);
        saved.push_back(*h);
        *h = [&clicks, g, &c] {
            if (g == &c)
                ++clicks;
        };
    }
    const int checkValue = c.Kind() == ControlKind::CheckBox ? static_cast<CheckBox&>(c).Value() : 0;
    OptionButton* chosen = nullptr;
    for (Control* g : group)
        if (g->Kind() == ControlKind::OptionButton && static_cast<OptionButton*>(g)->Value())
            chosen = static_cast<OptionButton*>(g);
    auto token = c.LifeToken();
    act();
    if (token.expired())
        return clicks;
    const int counted = clicks;
    if (c.Kind() == ControlKind::CheckBox)
        static_cast<CheckBox&>(c).SetValue(checkValue);
    if (c.Kind() == ControlKind::OptionButton) {
        if (chosen)
            chosen->SetValue(true);
        else
            static_cast<OptionButton&>(c).SetValue(false);
    }
    for (size_t k = 0; k < group.size(); ++k) *clickHandler(*group[k]) = saved[k];
    return counted;
}

}  // namespace

namespace {

// What the user sees of a control: its widget shows in the window, and what lies topmost at its
// middle is the control itself or belongs with it (a caption on its face), not a panel over it.
bool inSight(const Control& c, const QWidget* window) {
    const QWidget* w = WidgetOf(c);
    if (!w->isVisibleTo(window))
        return false;
    const QWidget* top = window->childAt(w->mapTo(window, w->rect().center()));
    if (!top || top == w || w->isAncestorOf(top))
        return true;
    for (const QWidget* up = top; up && up != window; up = up->parentWidget()) {
        const Control* owner = nullptr;
        for (const auto& o : c.ParentForm()->Controls())
            if (WidgetOf(*o) == up)
                owner = o.get();
        if (owner && owner->IsContainer() && !up->isAncestorOf(w))
            return false;
    }
    return true;
}

}  // namespace

QStringList readingOrder(Form& f) {
    std::vector<Control*> all;
    if (WindowOf(f))
        readChildren(f, WindowOf(f), all);
    QStringList out;
    std::vector<const Control*> groupsDone;
    for (Control* c : all) {
        // A read-only box is read, not operated (unless it is there to be read whole while it holds a
        // text); what a panel covers is out of reach.
        if (!operable(*c) || !inSight(*c, WindowOf(f)))
            continue;
        if (auto* box = dynamic_cast<TextBox*>(c);
            box && box->Locked() && !(box->ReadStop() && !box->Text().isEmpty()))
            continue;
        if (c->Kind() == ControlKind::OptionButton) {
            if (std::find(groupsDone.begin(), groupsDone.end(), c->Container()) != groupsDone.end())
                continue;
            // The group's stop: the chosen option, else its first.
            Control* stop = c;
            for (Control* o : all)
                if (o->Kind() == ControlKind::OptionButton && o->Container() == c->Container() && operable(*o) &&
                    static_cast<OptionButton*>(o)->Value())
                    stop = o;
            groupsDone.push_back(c->Container());
            out << controlName(*stop);
            continue;
        }
        out << controlName(*c);
    }
    return out;
}

QStringList accessibilityProblems(Form& f) {
    QStringList problems;
    for (const auto& owned : f.Controls()) {
        Control& c = *owned;
        if (!operable(c))
            continue;
        const QString name = controlName(c);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(c));
        if (!a) {
            problems << name + QStringLiteral(": nothing for assistive tools");
            continue;
        }
        if (a->text(QAccessible::Name).trimmed().isEmpty())
            problems << name + QStringLiteral(": no name");
        // A name given is what is read out; a combo's choice is its value, not its name.
        const QString read = a->text(QAccessible::Name), given = WidgetOf(c)->accessibleName();
        if (!given.isEmpty() && read != given)
            problems << name + QStringLiteral(": read as \"%1\", not \"%2\"").arg(read, given);
        if (auto* combo = qobject_cast<QComboBox*>(WidgetOf(c)))
            if (const QString value = a->text(QAccessible::Value); value != combo->currentText())
                problems << name + QStringLiteral(": value \"%1\", not \"%2\"").arg(value, combo->currentText());
        if (a->role() != expectedRole(c.Kind()))
            problems << name + QStringLiteral(": role %1, not %2").arg(a->role()).arg(expectedRole(c.Kind()));
        if (!clickHandler(c))
            continue;
        QAccessibleActionInterface* actions = a->actionInterface();
        const QStringList names = actions ? actions->actionNames() : QStringList();
        bool any = false;
        for (const QString& action :
             {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}) {
            if (!names.contains(action))
                continue;
            any = true;
            const bool chosen = c.Kind() == ControlKind::OptionButton && static_cast<OptionButton&>(c).Value();
            const int byMouse = clicksOf(c, [&c] { click(c); });
            const int byTool = clicksOf(c, [&] {
                if (QAccessibleInterface* now = QAccessible::queryAccessibleInterface(WidgetOf(c)))
                    if (QAccessibleActionInterface* act = now->actionInterface())
                        runToolAction(*act, action);
            });
            if (byTool != byMouse || byMouse != (chosen ? 0 : 1))
                problems << name + QStringLiteral(": %1 runs Click %2 times, a click %3").arg(action).arg(byTool).arg(byMouse);
        }
        if (!any)
            problems << name + QStringLiteral(": no press or toggle action");
    }
    // A frame on show that draws nothing (no border, nothing in it) is not reported as showing.
    for (const auto& owned : f.Controls()) {
        const Control& c = *owned;
        if (c.Kind() != ControlKind::Frame || !WidgetOf(c) || !WidgetOf(c)->isVisible())
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(c));
        const bool drawsNothing = isBlank(WidgetOf(c)->grab().toImage());
        if (a && drawsNothing != a->state().invisible)
            problems << controlName(c) + (drawsNothing
                                              ? QStringLiteral(": draws nothing, reported as showing")
                                              : QStringLiteral(": drawn, reported as not showing"));
    }
    return problems;
}

namespace {

QAccessibleInterface* listInterface(const Control& list) {
    QCoreApplication::processEvents();  // a list may bring its selection up when the loop is idle
    QAccessibleInterface* a =
        WidgetOf(list) ? QAccessible::queryAccessibleInterface(WidgetOf(list)) : nullptr;
    // A combo's entries are those of its drop-down list, its one child.
    if (a && a->role() == QAccessible::ComboBox)
        return a->child(0);
    return a;
}

}  // namespace

QStringList accessibleItems(const Control& list) {
    QStringList out;
    if (QAccessibleInterface* a = listInterface(list))
        for (int i = 0; i < a->childCount(); ++i)
            if (QAccessibleInterface* item = a->child(i))
                out << item->text(QAccessible::Name);
    return out;
}

QStringList accessibleSelection(const Control& list) {
    QStringList out;
    if (QAccessibleInterface* a = listInterface(list))
        for (int i = 0; i < a->childCount(); ++i)
            if (QAccessibleInterface* item = a->child(i); item && item->state().selected)
                out << item->text(QAccessible::Name);
    return out;
}

QStringList accessibleShowing(const Control& list) {
    QStringList out;
    if (QAccessibleInterface* a = listInterface(list))
        for (int i = 0; i < a->childCount(); ++i)
            if (QAccessibleInterface* item = a->child(i); item && !item->state().invisible)
                out << item->text(QAccessible::Name);
    return out;
}

bool toggleThroughAccessibility(Control& list, int row) {
    QAccessibleInterface* a = listInterface(list);
    QAccessibleInterface* item = a ? a->child(row) : nullptr;
    QAccessibleActionInterface* act = item ? item->actionInterface() : nullptr;
    if (!act || !act->actionNames().contains(QAccessibleActionInterface::toggleAction())) {
        ADD_FAILURE() << describe(list) << ": entry " << row << " has no toggle action";
        return false;
    }
    runToolAction(*act, QAccessibleActionInterface::toggleAction());
    return true;
}

bool activateThroughAccessibility(Control& list, int row) {
    QAccessibleInterface* a = listInterface(list);
    QAccessibleInterface* item = a ? a->child(row) : nullptr;
    QAccessibleActionInterface* act = item ? item->actionInterface() : nullptr;
    if (!act || act->actionNames().isEmpty()) {
        ADD_FAILURE() << describe(list) << ": entry " << row << " has no action";
        return false;
    }
    runToolAction(*act, act->actionNames().front());
    return true;
}

bool accessibleAction(Control& c, const QString& action) {
    QAccessibleInterface* a = WidgetOf(c) ? QAccessible::queryAccessibleInterface(WidgetOf(c)) : nullptr;
    QAccessibleActionInterface* act = a ? a->actionInterface() : nullptr;
    if (!act || !act->actionNames().contains(action)) {
        ADD_FAILURE() << describe(c) << " has no accessibility action " << action.toStdString();
        return false;
    }
    runToolAction(*act, action);
    return true;
}

QImage grab(Form& f) {
    if (!WindowOf(f)) {
        ADD_FAILURE() << "Cannot grab " << f.Name().toStdString() << ": it is not loaded";
        return {};
    }
    return WindowOf(f)->grab().toImage();
}

bool drawsFocusMark(const Control& c) {
    QWidget* w = WidgetOf(c);
    if (!w || !w->hasFocus()) {
        ADD_FAILURE() << describe(c) << " is not in the focus";
        return false;
    }
    const QImage focused = w->grab().toImage();
    w->clearFocus();
    const QImage unfocused = w->grab().toImage();
    w->setFocus(Qt::OtherFocusReason);
    return focused != unfocused;
}

bool grabToPng(Form& f, const QString& path) {
    const QImage image = grab(f);
    if (image.isNull())
        return false;
    return image.save(path, "PNG");
}

bool isBlank(const QImage& image) {
    if (image.isNull())
        return true;
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb first = img.pixel(0, 0);
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (line[x] != first)
                return false;
    }
    return true;
}

// ---- ModalScript

ModalScript::ModalScript() {
    SetModalResponder([this](Form& f) { respond(f); });
}

ModalScript::~ModalScript() {
    if (!verified_)
        verifyDone();
    SetModalResponder(failingResponder());
}

ModalScript& ModalScript::expect(const QString& formName, std::function<void(Form&)> answer) {
    queue_.push_back({formName, std::move(answer)});
    verified_ = false;
    return *this;
}

void ModalScript::verifyDone() {
    verified_ = true;
    if (queue_.empty())
        return;
    QStringList missing;
    for (const auto& e : queue_) missing << e.formName;
    ADD_FAILURE() << "Expected modal forms never showed: "
                  << missing.join(QStringLiteral(", ")).toStdString();
    queue_.clear();
}

void ModalScript::respond(Form& f) {
    ++shown_;
    names_ << f.Name();
    if (queue_.empty()) {
        ADD_FAILURE() << "A modal form showed that the script did not expect: " << f.Name().toStdString();
        f.Hide();
        return;
    }
    Expected next = std::move(queue_.front());
    queue_.pop_front();
    if (next.formName != f.Name()) {
        ADD_FAILURE() << "Expected modal form " << next.formName.toStdString() << " but "
                      << f.Name().toStdString() << " showed";
        f.Hide();
        return;
    }
    if (next.answer)
        next.answer(f);
    if (f.Visible()) {
        ADD_FAILURE() << "The scripted answer left " << f.Name().toStdString() << " on show";
        f.Hide();
    }
}

}  // namespace qv::test
