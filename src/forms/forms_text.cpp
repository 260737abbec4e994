// The text box: typed keys pass through KeyPress before they reach the editor; pastes arrive as
// one Change; MaxLength limits what the user adds but not what code writes.
#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

#include "forms/forms.h"
#include "forms/forms_fit.h"
#include "forms/forms_p.h"

namespace qv {

namespace {

QLineEdit* lineEdit(QWidget* w) {
    return qobject_cast<QLineEdit*>(w);
}
QPlainTextEdit* plainEdit(QWidget* w) {
    return qobject_cast<QPlainTextEdit*>(w);
}

// Code may write any length; only the user's additions are limited, by the control itself.
constexpr int kEditorLimit = 1 << 28;

// The editors hold the box's whole text and draw the shortened form in its place while the focus is
// elsewhere; in the focus the user reads, moves through and copies the whole.
class LineEditor : public QLineEdit {
  public:
    QString shown;

  protected:
    void paintEvent(QPaintEvent* e) override {
        if (shown.isEmpty() || hasFocus()) {
            QLineEdit::paintEvent(e);
            return;
        }
        QPainter p(this);
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, this);
        QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
        r = r.marginsRemoved(textMargins()).adjusted(2, 0, -2, 0);  // the editor's own side margins
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        p.drawText(r, Qt::AlignVCenter | (alignment() & Qt::AlignHorizontal_Mask), shown);
    }
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        update();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        update();
    }
};

class LinesEditor : public QPlainTextEdit {
  public:
    QString shown;

  protected:
    void paintEvent(QPaintEvent* e) override {
        if (shown.isEmpty() || hasFocus()) {
            QPlainTextEdit::paintEvent(e);
            return;
        }
        // Laid out as the editor lays out its own text: its font, its way of wrapping, its margin.
        QPainter p(viewport());
        p.fillRect(viewport()->rect(), palette().brush(viewport()->backgroundRole()));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        QTextLayout layout(shown, font());
        QTextOption option;
        option.setWrapMode(wordWrapMode());
        layout.setTextOption(option);
        const qreal margin = document()->documentMargin();
        qreal y = margin;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(viewport()->width() - 2 * margin);
            line.setPosition(QPointF(margin, y));
            y += line.height();
        }
        layout.endLayout();
        layout.draw(&p, QPointF());
    }
    void focusInEvent(QFocusEvent* e) override {
        QPlainTextEdit::focusInEvent(e);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QPlainTextEdit::focusOutEvent(e);
        viewport()->update();
    }
};

}  // namespace

TextBox::TextBox(Form* form, QString name, int index, Control* container)
    : Control(form, ControlKind::TextBox, std::move(name), index, container) {
    buildEditor();
}

void TextBox::buildEditor() {
    QWidget* w = nullptr;
    if (multiLine_) {
        auto* e = new LinesEditor;
        e->shown = shown_;
        e->setPlainText(lastText_);
        e->setReadOnly(locked_);
        e->setFrameShape(borderStyle_ ? QFrame::StyledPanel : QFrame::NoFrame);
        QObject::connect(e, &QPlainTextEdit::textChanged, context(), [this] {
            WidgetEventScope scope;
            onWidgetTextChanged();
        });
        w = e;
    } else {
        auto* e = new LineEditor;
        e->shown = shown_;
        e->setMaxLength(kEditorLimit);
        e->setText(lastText_);
        e->setReadOnly(locked_);
        e->setFrame(borderStyle_ != 0);
        e->setDragEnabled(false);
        QObject::connect(e, &QLineEdit::textChanged, context(), [this] {
            WidgetEventScope scope;
            onWidgetTextChanged();
        });
        w = e;
    }
    w->setAcceptDrops(false);
    w->setFocusPolicy(Qt::StrongFocus);
    auto* filter = new TextBoxWidgetFilter(this);
    filter->setParent(context());
    w->installEventFilter(filter);
    if (auto* pe = plainEdit(w)) {
        pe->viewport()->installEventFilter(filter);
        pe->viewport()->setAcceptDrops(false);
    }
    if (Widget())
        replaceWidget(w);
    else
        setWidget(w);
    applyReadStop();
}

QString TextBox::Text() const {
    return lastText_;
}

void TextBox::SetShownText(const QString& shown) {
    const QString drawn = shown == lastText_ ? QString() : shown;
    if (drawn == shown_)
        return;
    shown_ = drawn;
    if (auto* le = dynamic_cast<LineEditor*>(Widget())) {
        le->shown = drawn;
        le->update();
    } else if (auto* pe = dynamic_cast<LinesEditor*>(Widget())) {
        pe->shown = drawn;
        pe->viewport()->update();
    }
}

void TextBox::putText(const QString& t) {
    SetShownText(QString());
    writing_ = true;
    if (auto* le = lineEdit(Widget())) {
        le->setText(t);
        lastText_ = le->text();
    } else if (auto* pe = plainEdit(Widget())) {
        pe->setPlainText(t);
        lastText_ = pe->toPlainText();
    }
    writing_ = false;
}

void TextBox::SetText(const QString& t) {
    if (t == lastText_)
        return;
    putText(t);
    Fire(Change);
}

void TextBox::onWidgetTextChanged() {
    if (writing_)
        return;
    // An edit the key path did not route: Delete, cut, undo, a context-menu action.
    QString now;
    if (auto* le = lineEdit(Widget()))
        now = le->text();
    else if (auto* pe = plainEdit(Widget()))
        now = pe->toPlainText();
    if (now == lastText_)
        return;
    if (maxLength_ > 0 && now.size() > maxLength_ && now.size() > lastText_.size()) {
        putText(lastText_);
        return;
    }
    lastText_ = now;
    SetShownText(QString());
    Fire(Change);
}

void TextBox::fireChangeIfChanged(const QString& before) {
    if (lastText_ == before)
        return;
    SetShownText(QString());
    Fire(Change);
}

void TextBox::replaceSelection(const QString& s) {
    writing_ = true;
    if (auto* le = lineEdit(Widget())) {
        le->insert(s);
        lastText_ = le->text();
    } else if (auto* pe = plainEdit(Widget())) {
        pe->textCursor().insertText(s);
        lastText_ = pe->toPlainText();
    }
    writing_ = false;
}

void TextBox::userKey(int code) {
    int key = code == 10 ? 13 : code;
    auto token = LifeToken();
    Fire(KeyPress, key);
    if (!Alive(token) || key == 0 || locked_)
        return;
    const QString before = lastText_;
    if (key == 8) {
        writing_ = true;
        if (auto* le = lineEdit(Widget())) {
            le->backspace();
            lastText_ = le->text();
        } else if (auto* pe = plainEdit(Widget())) {
            QTextCursor c = pe->textCursor();
            c.deletePreviousChar();
            pe->setTextCursor(c);
            lastText_ = pe->toPlainText();
        }
        writing_ = false;
    } else if (key == 13) {
        if (!multiLine_)
            return;  // a single-line box takes no line break
        if (maxLength_ > 0 && lastText_.size() - SelLength() + 1 > maxLength_)
            return;
        replaceSelection(QStringLiteral("\n"));
    } else if (key < 32 || key == 127) {
        return;
    } else {
        const char32_t cp = static_cast<char32_t>(key);
        const QString s = QString::fromUcs4(&cp, 1);
        if (maxLength_ > 0 && lastText_.size() - SelLength() + s.size() > maxLength_)
            return;
        replaceSelection(s);
    }
    fireChangeIfChanged(before);
}

void TextBox::UserTypes(const QString& chars) {
    auto token = LifeToken();
    for (char32_t cp : chars.toUcs4()) {
        userKey(static_cast<int>(cp));
        if (!Alive(token))
            return;
    }
}

void TextBox::UserPastes(const QString& text) {
    if (locked_)
        return;
    QString s = text;
    if (!multiLine_) {
        // A single-line box keeps the first line of what is pasted.
        const qsizetype cut = s.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
        if (cut >= 0)
            s.truncate(cut);
    }
    if (maxLength_ > 0) {
        const qsizetype room = std::max<qsizetype>(0, maxLength_ - (lastText_.size() - SelLength()));
        s.truncate(room);
    }
    if (s.isEmpty())
        return;
    const QString before = lastText_;
    replaceSelection(s);
    fireChangeIfChanged(before);
}

void TextBox::SetMaxLength(int n) {
    maxLength_ = std::max(0, n);
}

int TextBox::SelStart() const {
    if (auto* le = lineEdit(Widget()))
        return le->hasSelectedText() ? le->selectionStart() : le->cursorPosition();
    if (auto* pe = plainEdit(Widget()))
        return pe->textCursor().selectionStart();
    return 0;
}

int TextBox::SelLength() const {
    if (auto* le = lineEdit(Widget()))
        return le->selectedText().size();
    if (auto* pe = plainEdit(Widget())) {
        const QTextCursor c = pe->textCursor();
        return c.selectionEnd() - c.selectionStart();
    }
    return 0;
}

void TextBox::SetSelStart(int s) {
    s = std::clamp(s, 0, static_cast<int>(lastText_.size()));
    if (auto* le = lineEdit(Widget())) {
        le->deselect();
        le->setCursorPosition(s);
    } else if (auto* pe = plainEdit(Widget())) {
        QTextCursor c = pe->textCursor();
        c.setPosition(s);
        pe->setTextCursor(c);
    }
}

void TextBox::SetSelLength(int n) {
    const int start = SelStart();
    n = std::clamp(n, 0, static_cast<int>(lastText_.size()) - start);
    if (auto* le = lineEdit(Widget())) {
        le->setSelection(start, n);
    } else if (auto* pe = plainEdit(Widget())) {
        QTextCursor c = pe->textCursor();
        c.setPosition(start);
        c.setPosition(start + n, QTextCursor::KeepAnchor);
        pe->setTextCursor(c);
    }
}

void TextBox::SetBorderStyle(int b) {
    borderStyle_ = b;
    if (auto* le = lineEdit(Widget()))
        le->setFrame(b != 0);
    else if (auto* pe = plainEdit(Widget()))
        pe->setFrameShape(b ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TextBox::SetLocked(bool l) {
    locked_ = l;
    if (auto* le = lineEdit(Widget()))
        le->setReadOnly(l);
    else if (auto* pe = plainEdit(Widget()))
        pe->setReadOnly(l);
    applyReadStop();
}

void TextBox::SetReadStop(bool stop) {
    readStop_ = stop;
    applyReadStop();
}

// In a read-only box the keyboard moves and selects as well, where it is there to be read.
void TextBox::applyReadStop() {
    if (auto* pe = plainEdit(Widget()); pe && locked_ && readStop_)
        pe->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void TextBox::SetMultiLine(bool m) {
    if (m == multiLine_)
        return;
    multiLine_ = m;
    buildEditor();
}

bool TextBoxWidgetFilter::eventFilter(QObject* watched, QEvent* e) {
    WidgetEventScope scope;
    switch (e->type()) {
        case QEvent::KeyPress:
            return key(static_cast<QKeyEvent*>(e));
        case QEvent::ContextMenu:
            contextMenu(static_cast<QWidget*>(watched), static_cast<QContextMenuEvent*>(e));
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(e);
            // The X11 selection paste would slip past KeyPress and MaxLength.
            if (me->button() == Qt::MiddleButton)
                return true;
            if (e->type() == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton)
                Fire(box_->Click);
            return false;
        }
        case QEvent::Drop:
        case QEvent::DragEnter:
            return true;
        default:
            return false;
    }
}

bool TextBoxWidgetFilter::key(QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        box_->UserPastes(QGuiApplication::clipboard()->text());
        return true;
    }
    const int k = e->key();
    if (k == Qt::Key_Backspace) {
        box_->userKey(8);
        return true;
    }
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        box_->userKey(13);
        return true;
    }
    if (k == Qt::Key_Escape) {
        // Escape belongs to the form's Cancel button when it has one to press.
        Form* form = box_->ParentForm();
        CommandButton* cancel = form ? form->CancelButton() : nullptr;
        if (cancel && cancel->EffectivelyEnabled() && cancel->EffectivelyVisible()) {
            KeyboardPress press(cancel);
            cancel->UserClicks();
        } else
            box_->userKey(27);
        return true;
    }
    if (e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString text = e->text();
    if (text.isEmpty())
        return false;
    const QList<uint> cps = text.toUcs4();
    for (uint cp : cps)
        if (cp < 32 || cp == 127)
            return false;
    TextBox* box = box_;
    auto token = box->LifeToken();
    for (uint cp : cps) {
        box->userKey(static_cast<int>(cp));
        if (!Alive(token))
            break;
    }
    return true;
}

void TextBoxWidgetFilter::contextMenu(QWidget* watched, QContextMenuEvent* e) {
    QWidget* editor = WidgetOf(*box_);
    QMenu* menu = nullptr;
    if (auto* le = lineEdit(editor))
        menu = le->createStandardContextMenu();
    else if (auto* pe = plainEdit(editor))
        menu = pe->createStandardContextMenu(e->pos());
    if (!menu)
        return;
    auto token = box_->LifeToken();
    TextBox* box = box_;
    for (QAction* a : menu->actions()) {
        if (a->objectName() != QLatin1String("edit-paste"))
            continue;
        QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
        QObject::connect(a, &QAction::triggered, menu, [box, token] {
            if (Alive(token))
                box->UserPastes(QGuiApplication::clipboard()->text());
        });
    }
    menu->exec(watched->mapToGlobal(e->pos()));
    delete menu;
}

// --- Texts shown shortened, the whole text at hand

namespace {

// Room for a text in the control: its width less what the style draws beside it (an option's
// circle, a frame's border, a box's margins).
int TextRoom(const Control& control) {
    const QWidget* w = WidgetOf(control);
    int room = w->width();
    if (control.Kind() == ControlKind::OptionButton || control.Kind() == ControlKind::CheckBox)
        room -= w->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 8;
    else if (control.Kind() == ControlKind::Frame)
        room -= 16;
    else if (control.Kind() == ControlKind::TextBox)
        room -= 8;
    return room;
}

// Whether the text shows whole: on one line, or in a box of several lines wrapped to its width.
bool ShowsWhole(const QWidget* w, int room, const QString& text) {
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(w)) {
        // Laid out as the box lays it out: it breaks lines after a "/" too, not only at spaces.
        QTextLayout layout(text, lines->font());
        QTextOption option;
        option.setWrapMode(lines->wordWrapMode());
        layout.setTextOption(option);
        const qreal margin = lines->document()->documentMargin();
        qreal height = 2 * margin;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(lines->viewport()->width() - 2 * margin);
            height += line.height();
        }
        layout.endLayout();
        return height <= lines->viewport()->height();
    }
    return w->fontMetrics().horizontalAdvance(text) <= room;
}

// What a control shows of its text, the whole text kept by the control: a caption's widget text, what
// a box draws while the user is not in it.
void ShowText(Control& control, const QString& shown) {
    QWidget* w = WidgetOf(control);
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(shown);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(shown);
    else if (control.Kind() == ControlKind::TextBox)
        static_cast<TextBox&>(control).SetShownText(shown);  // the box keeps its whole text
}

// A caption shown shortened is still read out whole: the control is named by it, unless it has a
// name of its own.
void NameByWhole(QWidget* w, const QString& text, bool whole) {
    static const char* const kGiven = "nameByWholeCaption";
    const QString given = w->property(kGiven).toString();
    if (!w->accessibleName().isEmpty() && w->accessibleName() != given)
        return;
    const QString name = whole ? QString() : text;
    w->setAccessibleName(name);
    w->setProperty(kGiven, name);
}

void TellWhole(Control& control, const QString& text, bool whole) {
    control.SetToolTipText(whole ? QString() : text);
    WidgetOf(control)->setAccessibleDescription(whole ? QString() : text);
    if (auto* edit = qobject_cast<QLineEdit*>(WidgetOf(control)))
        edit->setCursorPosition(0);
    if (auto* lines = qobject_cast<QPlainTextEdit*>(WidgetOf(control))) {
        lines->moveCursor(QTextCursor::Start);
        lines->ensureCursorVisible();
    }
}

}  // namespace

namespace {

// A box that may show its text shortened is one the keyboard reaches, to read and copy it whole.
void MakeReadStop(Control& control) {
    if (control.Kind() == ControlKind::TextBox)
        static_cast<TextBox&>(control).SetReadStop(true);
}

}  // namespace

void ShowWholeTextOnDemand(Control& control, const QString& text) {
    QWidget* w = WidgetOf(control);
    if (!w)
        return;
    MakeReadStop(control);
    const int room = TextRoom(control);
    const bool whole = ShowsWhole(w, room, text);
    // A frame draws its caption shortened itself; a box of several lines shows what fits.
    if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) {
        ShowText(control, whole ? text : w->fontMetrics().elidedText(text, Qt::ElideRight, room));
        NameByWhole(w, text, whole);
    } else if (qobject_cast<QLineEdit*>(w)) {
        ShowText(control, whole ? text : w->fontMetrics().elidedText(text, Qt::ElideRight, room));
    }
    TellWhole(control, text, whole);
}

void ShowPathEnd(Control& control, const QString& path) {
    QWidget* w = WidgetOf(control);
    if (!w)
        return;
    MakeReadStop(control);
    const int room = TextRoom(control);
    const bool whole = ShowsWhole(w, room, path);
    QString shown = path;
    if (!whole) {
        const QChar ellipsis(0x2026);
        // The last folder or file, with the separator before it.
        const qsizetype cut = path.lastIndexOf(QLatin1Char('/'), path.endsWith(QLatin1Char('/')) ? -2 : -1);
        const qsizetype last = cut < 0 ? path.size() : path.size() - cut;
        shown = QString(ellipsis);
        for (qsizetype keep = path.size() - 1; keep > 0; --keep) {
            // The end keeps its last name whole while it can; the rest is shared with the start.
            const qsizetype tail = std::min(keep, std::max(last, keep / 2));
            const QString candidate = path.left(keep - tail) + ellipsis + path.right(tail);
            if (ShowsWhole(w, room, candidate)) {
                shown = candidate;
                break;
            }
        }
    }
    ShowText(control, shown);
    TellWhole(control, path, whole);
}

// --- Captions and boxes told what they are for

QString ElidedToFit(const Control& control, const QString& text) {
    const QWidget* w = WidgetOf(control);
    return w ? w->fontMetrics().elidedText(text, Qt::ElideRight, w->contentsRect().width()) : text;
}

void SetAccessibleDescription(Control& control, const QString& text) {
    if (QWidget* w = WidgetOf(control))
        w->setAccessibleDescription(text);
}

void SetLabelFor(Label& label, Control& control) {
    if (auto* l = qobject_cast<QLabel*>(WidgetOf(label)))
        l->setBuddy(WidgetOf(control));
}

void MakeFaceLabel(Label& label) {
    label.SetTransparent(true);
    label.SetAlignment(2);
    label.SetWordWrap(true);
    if (QWidget* w = WidgetOf(label)) {
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        // Centred both ways on the face, however tall the button.
        if (auto* face = qobject_cast<QLabel*>(w))
            face->setAlignment(Qt::AlignCenter);
    }
}

namespace {

class SwallowCharacters : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(event);
            if (!k->text().isEmpty() && k->text().at(0).isPrint())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void IgnoreTypedCharacters(Control& control) {
    if (QWidget* w = WidgetOf(control))
        w->installEventFilter(new SwallowCharacters(w));
}

void WrapAnywhere(TextBox& box) {
    if (auto* lines = qobject_cast<QPlainTextEdit*>(WidgetOf(box))) {
        lines->document()->setDocumentMargin(0);
        lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        lines->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
}

void GiveFocusNow(Control& control) {
    if (QWidget* w = WidgetOf(control))
        w->setFocus(Qt::OtherFocusReason);
}

}  // namespace qv
