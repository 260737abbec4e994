#include "forms/forms_fit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "forms/forms.h"
#include "forms/forms_p.h"
#include "platform/services.h"

namespace qv {

namespace {

// Measured for the line height and for the width of an ordinary caption.
const QString kSample = QStringLiteral("Copy and Rename the copies only");

}  // namespace

QSize WindowRoom(QPoint place, int border, int title) {
    System& sys = systemServices();
    int width = sys.ScreenWidthTwips() / kTwipsPerPixel;
    int height = sys.ScreenHeightTwips() / kTwipsPerPixel;
    if (width <= 0 || height <= 0)
        return {};
    // Panels and docks take their part of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        width -= screen->geometry().width() - screen->availableGeometry().width();
        height -= screen->geometry().height() - screen->availableGeometry().height();
    }
    return {width - place.x() - 2 * border, height - place.y() - title - 2 * border};
}

namespace {

// How far a window of `size` must be taken down to fit `room`: 1 when it fits or the room is not known.
double RoomFit(QSize size, QSize room) {
    if (room.isEmpty() || size.isEmpty())
        return 1.0;
    return std::min({1.0, room.width() / static_cast<double>(size.width()),
                     room.height() / static_cast<double>(size.height())});
}

// The largest font, not larger than `base`, whose line and text are at most `scale` times as high and
// as wide as those of `base`.
QFont FontAtScale(const QFont& base, double scale) {
    const QFontMetricsF was(base);
    auto fits = [&](const QFont& f) {
        const QFontMetricsF fm(f);
        return fm.lineSpacing() <= was.lineSpacing() * scale &&
               fm.horizontalAdvance(kSample) <= was.horizontalAdvance(kSample) * scale;
    };
    QFont font = base;
    if (scale >= 1.0)
        return font;
    const bool points = base.pointSizeF() > 0;
    const double size = points ? base.pointSizeF() : base.pixelSize();
    // Down in small steps from the size the scale gives, until line and text are small enough.
    const double step = points ? 0.25 : 1.0;
    for (double s = std::floor(size * scale / step) * step; s >= step; s -= step) {
        if (points)
            font.setPointSizeF(s);
        else
            font.setPixelSize(static_cast<int>(s));
        if (fits(font))
            break;
    }
    return font;
}

// Every control's place and size, and the form's size, times k. Edges are scaled, not sizes, and
// rounded down to whole pixels, so that what lies inside a container still does.
void ScaleFormLayout(Form& form, double k) {
    if (k == 1.0)
        return;
    auto edge = [k](int v, bool twips) {
        return twips ? static_cast<int>(std::floor(v * k / kTwipsPerPixel)) * kTwipsPerPixel
                     : static_cast<int>(std::floor(v * k));
    };
    for (const auto& c : form.Controls()) {
        const Control* in = c->Container();
        const bool twips = in && in->IsContainer();
        if (auto* line = dynamic_cast<Line*>(c.get())) {
            line->SetPoints(edge(line->X1(), twips), edge(line->Y1(), twips), edge(line->X2(), twips),
                            edge(line->Y2(), twips));
            continue;
        }
        const int left = edge(c->Left(), twips), top = edge(c->Top(), twips);
        c->Move(left, top, edge(c->Left() + c->Width(), twips) - left,
                edge(c->Top() + c->Height(), twips) - top);
    }
    form.Move(form.Left(), form.Top(), edge(form.Width(), false), edge(form.Height(), false));
}

}  // namespace

double FontScale() {
    // Line height and width of a sample at the design font (Sans Serif, 9 points, 96 dots an inch).
    constexpr double kDesignLine = 14.0, kDesignSample = 205.0;
    const QFontMetrics fm(QApplication::font());
    const double width =
        fm.horizontalAdvance(QStringLiteral("Copy and Rename the copies only")) / kDesignSample;
    return std::max({1.0, fm.lineSpacing() / kDesignLine, width});
}

void FixFormSize(Form& form) {
    if (QWidget* w = WindowOf(form))
        w->setFixedSize(form.Width(), form.Height());
}

namespace {

// A window laid out from its font: while it does not fit its room, a smaller font and a new layout.
void ArrangeDown(Form& form, QSize room, const std::function<void()>& arrange) {
    QWidget* w = WindowOf(form);
    if (!w)
        return;
    // Fixed parts (a check box's box, a combo's arrow) do not shrink with the font: a few rounds.
    for (int round = 0; round < 12; ++round) {
        const double fit = RoomFit(QSize(form.Width(), form.Height()), room);
        if (fit >= 1.0)
            return;
        const QFont was = w->font();
        QFont font = FontAtScale(was, fit);
        const bool points = was.pointSizeF() > 0;
        const double size = points ? font.pointSizeF() : font.pixelSize();
        if (size >= (points ? was.pointSizeF() : was.pixelSize())) {
            if (points)
                font.setPointSizeF(size - 0.25);
            else
                font.setPixelSize(static_cast<int>(size) - 1);
        }
        // Not below what can still be read.
        if ((points ? font.pointSizeF() : font.pixelSize() * 0.75) < 5.0)
            return;
        w->setFont(font);
        arrange();
    }
}

// The one factor a design-size layout takes: its growth, or less where the room is smaller.
double LayoutFactor(const Form& form, const FitRule& rule, QSize room, double grow) {
    if (room.isEmpty())
        return grow;
    if (!rule.wholePixels)
        return std::min({grow, room.width() / static_cast<double>(form.Width()),
                         room.height() / static_cast<double>(form.Height())});
    const QSize grown(static_cast<int>(form.Width() * grow), static_cast<int>(form.Height() * grow));
    return grow * RoomFit(grown, room);
}

QFont FontDownTo(const QFont& font, double shrink, FitRule::FontDown how) {
    if (how == FitRule::FontDown::Measured)
        return FontAtScale(font, shrink);
    QFont down = font;
    if (down.pointSizeF() > 0)
        down.setPointSizeF(down.pointSizeF() * shrink);
    else
        down.setPixelSize(std::max(1, static_cast<int>(down.pixelSize() * shrink)));
    return down;
}

}  // namespace

double FitForm(Form& form, const FitRule& rule) {
    const QSize room = rule.place ? WindowRoom(*rule.place, rule.border, rule.title) : QSize();
    double k = 1.0;
    if (rule.arrange) {
        ArrangeDown(form, room, rule.arrange);
    } else {
        const double grow = rule.grow > 0.0 ? rule.grow : FontScale();
        k = LayoutFactor(form, rule, room, grow);
        if (k < grow) {
            if (QWidget* w = WindowOf(form))
                w->setFont(FontDownTo(w->font(), k / grow, rule.fontDown));
        }
        if (k != 1.0) {
            if (rule.scale)
                rule.scale(k);
            else
                ScaleFormLayout(form, k);
        }
    }
    if (rule.fixSize)
        FixFormSize(form);
    return k;
}

StyleMetrics MeasureStyle(const QFont& font) {
    QLineEdit e;
    QComboBox c;
    QCheckBox k(QStringLiteral("x"));
    QRadioButton r(QStringLiteral("x"));
    for (QWidget* w : std::initializer_list<QWidget*>{&e, &c, &k, &r}) w->setFont(font);
    StyleMetrics m;
    m.edit = e.sizeHint().height();
    m.combo = c.sizeHint().height();
    m.check = std::max(k.sizeHint().height(), r.sizeHint().height());
    constexpr int wide = 1000;
    QStyleOptionButton ko;
    ko.initFrom(&k);
    ko.rect = QRect(0, 0, wide, m.check);
    m.checkOver = wide - k.style()->subElementRect(QStyle::SE_CheckBoxContents, &ko, &k).width();
    QStyleOptionButton ro;
    ro.initFrom(&r);
    ro.rect = QRect(0, 0, wide, m.check);
    m.radioOver = wide - r.style()->subElementRect(QStyle::SE_RadioButtonContents, &ro, &r).width();
    QStyleOptionComboBox co;
    co.initFrom(&c);
    co.editable = false;
    co.frame = true;
    co.rect = QRect(0, 0, wide, m.combo);
    m.comboOver =
        wide - c.style()->subControlRect(QStyle::CC_ComboBox, &co, QStyle::SC_ComboBoxEditField, &c).width();
    return m;
}

// --- Places, fonts and windows asked for in controls' terms

void SetControlFont(Control& control, const QFont& font) {
    if (QWidget* w = WidgetOf(control))
        w->setFont(font);
}

QFont FormFont(const Form& form) {
    const QWidget* w = WindowOf(form);
    return w ? w->font() : QApplication::font();
}

void SetFormFont(Form& form, const QFont& font) {
    if (QWidget* w = WindowOf(form))
        w->setFont(font);
}

int TextWidth(const Control& control, const QString& text) {
    const QWidget* w = WidgetOf(control);
    return (w ? w->fontMetrics() : QFontMetrics(QApplication::font())).horizontalAdvance(text);
}

int TextHeightForWidth(const Control& control, int width) {
    const QWidget* w = WidgetOf(control);
    return w ? w->heightForWidth(width < 0 ? w->width() : width) : 0;
}

bool ShowsItself(const Control& control) {
    const QWidget* w = WidgetOf(control);
    return w && !w->isHidden();
}

QRect PlaceInContainer(const Control& control) {
    const QWidget* w = WidgetOf(control);
    return w ? w->geometry() : QRect();
}

QRect PlaceInWindow(const Control& control) {
    const QWidget* w = WidgetOf(control);
    const QWidget* window = control.ParentForm() ? WindowOf(*control.ParentForm()) : nullptr;
    if (!w || !window)
        return {};
    return {w->mapTo(window, QPoint()), w->size()};
}

QRect PlaceOnScreen(const Control& control) {
    const QWidget* window = control.ParentForm() ? WindowOf(*control.ParentForm()) : nullptr;
    const QRect inWindow = PlaceInWindow(control);
    if (!window || inWindow.isNull())
        return {};
    return inWindow.translated(window->geometry().topLeft());
}

QRect InsideOf(const Control& container) {
    const QWidget* w = WidgetOf(container);
    return w ? w->rect() : QRect();
}

namespace {

// Runs `changed` whenever one of the watched widgets is shown or hidden.
class OnShowHide : public QObject {
  public:
    OnShowHide(const std::vector<QWidget*>& widgets, std::function<void()> changed)
        : changed_(std::move(changed)) {
        for (QWidget* w : widgets) w->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent)
            changed_();
        return QObject::eventFilter(watched, e);
    }

  private:
    std::function<void()> changed_;
};

class PanelCover : public QObject {
  public:
    PanelCover(Form* form, std::vector<Control*> panels) : form_(form), panels_(std::move(panels)) {
        // The panels, and what may be shown while one is open.
        for (const auto& c : form_->Controls())
            if (!c->Container() && WidgetOf(*c))
                WidgetOf(*c)->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if ((e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent) && !applying_) {
            applying_ = true;
            Apply();
            applying_ = false;
        }
        return QObject::eventFilter(watched, e);
    }

  private:
    void Apply() {
        for (const auto& c : form_->Controls()) {
            if (c->Container() || !WidgetOf(*c) || !Shows(*c) ||
                std::find(panels_.begin(), panels_.end(), c.get()) != panels_.end())
                continue;
            const QRect r = WidgetOf(*c)->geometry();
            bool inPart = false;
            for (Control* p : panels_) {
                const QRect pr = WidgetOf(*p)->geometry();
                if (!WidgetOf(*p)->isHidden() && pr.intersects(r) && !pr.contains(r))
                    inPart = true;
            }
            WidgetOf(*c)->setVisible(c->Visible() && !inPart);
        }
    }
    static bool Shows(const Control& c) {
        return c.Kind() != ControlKind::PictureBox && c.Kind() != ControlKind::Line;
    }
    Form* form_;
    std::vector<Control*> panels_;
    bool applying_ = false;
};

// Runs `work` once the watched window has painted, when the event loop is next free.
class FirstPaintThen : public QObject {
  public:
    FirstPaintThen(QObject* parent, std::function<void()> work) : QObject(parent), work_(std::move(work)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched == parent()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                const std::function<void()> work = std::move(work_);
                deleteLater();
                work();
            });
        }
        return false;
    }

  private:
    std::function<void()> work_;
};

}  // namespace

void WhenShownOrHidden(Form& form, std::initializer_list<Control*> controls, std::function<void()> changed) {
    if (!WindowOf(form))
        return;
    std::vector<QWidget*> widgets;
    for (Control* c : controls)
        if (c && WidgetOf(*c))
            widgets.push_back(WidgetOf(*c));
    (new OnShowHide(widgets, std::move(changed)))->setParent(WindowOf(form));
}

void HidePartlyCoveredByPanels(Form& form, std::vector<Control*> panels) {
    if (!WindowOf(form))
        return;
    (new PanelCover(&form, std::move(panels)))->setParent(WindowOf(form));
}

QTimer* ControlTimer(Control& control, const QString& name, int interval, bool make) {
    QWidget* w = WidgetOf(control);
    if (!w)
        return nullptr;
    auto* timer = w->findChild<QTimer*>(name, Qt::FindDirectChildrenOnly);
    if (timer || !make)
        return timer;
    timer = new QTimer(w);  // goes with the control
    timer->setObjectName(name);
    timer->setSingleShot(true);
    timer->setInterval(interval);
    return timer;
}

void AfterFirstPaint(Form& form, std::function<void()> work) {
    if (QWidget* w = WindowOf(form))
        w->installEventFilter(new FirstPaintThen(w, std::move(work)));
}

void SetApplicationModal(Form& form, bool modal) {
    if (QWidget* w = WindowOf(form))
        w->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
}

void SetTransientFor(Form& form, const Form& owner) {
    QWidget* w = WindowOf(form);
    QWidget* o = WindowOf(owner);
    if (!w || !o)
        return;
    w->winId();
    if (w->windowHandle() && o->windowHandle())
        w->windowHandle()->setTransientParent(o->windowHandle());
}

void BringToFront(Form& form) {
    if (QWidget* w = WindowOf(form)) {
        w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        w->raise();
        w->activateWindow();
    }
}

void RestoreModalWindows() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isModal() && (w->windowState() & Qt::WindowMinimized))
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    if (QWidget* box = QApplication::activeModalWidget()) {
        box->raise();
        box->activateWindow();
    }
}

void FixWindowSize(Form& form, int width, int height) {
    if (QWidget* w = WindowOf(form))
        w->setFixedSize(width, height);
}

}  // namespace qv
