#include "support/harness_layout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QWidget>
#include <QtMath>
#include <algorithm>

#include "forms/forms_fit.h"
#include "forms/forms_testing.h"

namespace qv::test {

namespace {

QString describe(const Control& c) {
    QString s = c.ParentForm()->Name() + QLatin1Char('.') + c.Name();
    if (c.Index() >= 0)
        s += QStringLiteral("(%1)").arg(c.Index());
    return s;
}

QString fault(const Control& c, const QString& text, QSize need, QSize has) {
    return QStringLiteral("%1 \"%2\": needs %3 x %4, has %5 x %6")
        .arg(describe(c), text)
        .arg(need.width())
        .arg(need.height())
        .arg(has.width())
        .arg(has.height());
}

bool fits(QSize need, QSize has) {
    return need.width() <= has.width() && need.height() <= has.height();
}

// The text as a button draws it: "&&" is one ampersand, a single "&" marks the mnemonic.
QString withoutMnemonic(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

QSize lineBlock(const QFontMetrics& fm, const QString& text) {
    return fm.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft | Qt::AlignTop, text).size();
}

// Wrapped to `width`; a word wider than the line makes the block wider than `width`.
QSize wrappedBlock(const QFontMetrics& fm, const QString& text, int width) {
    const QRect r = fm.boundingRect(QRect(0, 0, width, 1 << 20), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                    text);
    int widest = r.width();
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        widest = std::max(widest, fm.horizontalAdvance(word));
    return {widest, r.height()};
}

QString captionOf(const Control& c) {
    if (auto* l = dynamic_cast<const Label*>(&c))
        return l->Caption();
    if (auto* b = dynamic_cast<const CommandButton*>(&c))
        return b->Caption();
    if (auto* k = dynamic_cast<const CheckBox*>(&c))
        return k->Caption();
    if (auto* o = dynamic_cast<const OptionButton*>(&c))
        return o->Caption();
    if (auto* fr = dynamic_cast<const Frame*>(&c))
        return fr->Caption();
    return {};
}

// A control that shows the start of its text on purpose tells the whole of it in both places.
bool toldWhole(const Control& c, const QString& text) {
    const QWidget* w = WidgetOf(c);
    return w->toolTip() == text && w->accessibleDescription() == text;
}

// What the widget shows of a caption it may shorten; the caption itself where it draws it whole or
// shortens it as it paints (a frame).
QString shownOf(const Control& c, const QString& caption) {
    if (auto* label = qobject_cast<const QLabel*>(WidgetOf(c)))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(WidgetOf(c)))
        return button->text();
    return caption;
}

void measureText(const Control& c, const QString& text, QStringList& faults);

void measureCaption(const Control& c, QStringList& faults) {
    const QString text = captionOf(c);
    if (text.trimmed().isEmpty() || toldWhole(c, text))
        return;
    measureText(c, text, faults);
}

// Shortened on purpose: what shows must fit and end with an ellipsis, not be cut mid-letter.
void measureShortened(const Control& c, QStringList& faults) {
    const QString text = captionOf(c);
    if (text.trimmed().isEmpty() || !toldWhole(c, text) || c.Kind() == ControlKind::Frame)
        return;
    const QString shown = shownOf(c, text);
    if (shown != text && !shown.endsWith(QChar(0x2026)))
        faults << QStringLiteral("%1 \"%2\": shortened without an ellipsis").arg(describe(c), shown);
    else
        measureText(c, shown, faults);
}

void measureText(const Control& c, const QString& text, QStringList& faults) {
    QWidget* w = WidgetOf(c);
    const QFontMetrics fm = w->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QRect cr = label->contentsRect();
        const QSize need = label->wordWrap() ? wrappedBlock(fm, text, cr.width()) : lineBlock(fm, text);
        if (!fits(need, cr.size()))
            faults << fault(c, text, need, cr.size());
        return;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (!button->icon().isNull())
            return;  // a picture face carries its own caption
        QStyleOptionButton opt;
        opt.initFrom(button);
        QStyle::SubElement element = QStyle::SE_PushButtonContents;
        if (c.Kind() == ControlKind::CheckBox)
            element = QStyle::SE_CheckBoxContents;
        else if (c.Kind() == ControlKind::OptionButton)
            element = QStyle::SE_RadioButtonContents;
        const QRect room = button->style()->subElementRect(element, &opt, button);
        const QSize need = lineBlock(fm, withoutMnemonic(text));
        if (!fits(need, room.size()))
            faults << fault(c, text, need, room.size());
        return;
    }
    if (c.Kind() == ControlKind::Frame) {
        // The caption sits on the top border, 8 pixels in, with 2 pixels on each side.
        const QSize need(8 + fm.horizontalAdvance(text) + 4 + 1, fm.height());
        if (!fits(need, w->size()))
            faults << fault(c, text, need, w->size());
    }
}

void measureCombo(const Control& c, QStringList& faults) {
    auto* combo = qobject_cast<QComboBox*>(WidgetOf(c));
    if (!combo)
        return;
    QStyleOptionComboBox opt;
    opt.initFrom(combo);
    opt.editable = combo->isEditable();
    opt.frame = combo->hasFrame();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
    const QFontMetrics fm = combo->fontMetrics();
    const auto& list = static_cast<const ListControl&>(c);
    for (int i = 0; i < list.ListCount(); ++i) {
        const QString item = list.List(i);
        const QSize need = lineBlock(fm, item);
        if (!fits(need, field.size()) && !toldWhole(c, item))
            faults << fault(c, item, need, field.size());
    }
}

// Where the control draws its caption, in its own coordinates; empty when it draws none.
QRect captionRect(const Control& c) {
    QWidget* w = WidgetOf(c);
    const QString text = captionOf(c);
    if (text.trimmed().isEmpty())
        return {};
    const QFontMetrics fm = w->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        int flags = static_cast<int>(label->alignment());
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
        const QRect cr = label->contentsRect();
        return fm.boundingRect(cr, flags, text) & cr;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (!button->icon().isNull())
            return {};
        QStyleOptionButton opt;
        opt.initFrom(button);
        const QSize need = lineBlock(fm, withoutMnemonic(text));
        if (c.Kind() == ControlKind::CheckBox || c.Kind() == ControlKind::OptionButton) {
            const QRect room = button->style()->subElementRect(c.Kind() == ControlKind::CheckBox
                                                                   ? QStyle::SE_CheckBoxContents
                                                                   : QStyle::SE_RadioButtonContents,
                                                               &opt, button);
            return QRect(room.left(), room.top(), std::min(need.width(), room.width()), room.height());
        }
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
        return QStyle::alignedRect(button->layoutDirection(), Qt::AlignCenter, need, room) & room;
    }
    if (c.Kind() == ControlKind::Frame)
        return QRect(8, 0, fm.horizontalAdvance(text) + 4, fm.height()) & w->rect();
    return {};
}

// Whether a widget stacked above the control's widget, or above a container it lies in, hides it whole
// (a panel over it).
bool underAnother(const QWidget* w, const QWidget* window) {
    const QRect own(w->mapTo(window, QPoint(0, 0)), w->size());
    for (const QWidget* below = w; below != window && below->parentWidget(); below = below->parentWidget()) {
        const QObjectList& stack = below->parentWidget()->children();  // bottom first
        for (qsizetype k = stack.indexOf(below) + 1; k < stack.size(); ++k) {
            auto* over = qobject_cast<QWidget*>(stack[k]);
            if (over && !over->isWindow() && over->isVisibleTo(window) &&
                QRect(over->mapTo(window, QPoint(0, 0)), over->size()).contains(own))
                return true;
        }
    }
    return false;
}

}  // namespace

QStringList coveredTexts(Form& f) {
    QStringList faults;
    QWidget* window = WindowOf(f);
    if (!window)
        return faults;
    auto controlOf = [&f](const QWidget* w) -> const Control* {
        for (const auto& c : f.Controls())
            if (WidgetOf(*c) == w)
                return c.get();
        return nullptr;
    };
    for (const auto& owned : f.Controls()) {
        const Control& c = *owned;
        QWidget* w = WidgetOf(c);
        if (!w || !c.EffectivelyVisible() || w == window)
            continue;
        const QRect own = captionRect(c);
        if (own.isEmpty())
            continue;
        const QRect text(w->mapTo(window, own.topLeft()), own.size());
        for (QWidget* below = w; below && below != window; below = below->parentWidget()) {
            QWidget* parent = below->parentWidget();
            if (!parent)
                break;
            const QObjectList& stack = parent->children();  // bottom first
            for (qsizetype k = stack.indexOf(below) + 1; k < stack.size(); ++k) {
                auto* over = qobject_cast<QWidget*>(stack[k]);
                if (!over || over->isWindow() || !over->isVisibleTo(window))
                    continue;
                const QRect at(over->mapTo(window, QPoint(0, 0)), over->size());
                if (!at.intersects(text))
                    continue;
                const Control* top = controlOf(over);
                faults << QStringLiteral("%1 \"%2\": covered by %3")
                              .arg(describe(c), captionOf(c),
                                   top ? describe(*top)
                                       : QString::fromLatin1(over->metaObject()->className()));
            }
        }
    }
    return faults;
}

QStringList cutTexts(Form& f) {
    QStringList faults;
    for (const auto& owned : f.Controls()) {
        const Control& c = *owned;
        if (!WidgetOf(c) || !c.EffectivelyVisible())
            continue;
        if (c.Kind() == ControlKind::ComboBox)
            measureCombo(c, faults);
        else
            measureCaption(c, faults);
    }
    return faults;
}

QStringList shortenedWithoutEllipsis(Form& f) {
    QStringList faults;
    for (const auto& owned : f.Controls())
        if (WidgetOf(*owned) && owned->EffectivelyVisible())
            measureShortened(*owned, faults);
    return faults;
}

QStringList controlsOutside(Form& f) {
    QStringList faults;
    for (const auto& owned : f.Controls()) {
        const Control& c = *owned;
        QWidget* w = WidgetOf(c);
        if (!w || !c.EffectivelyVisible() || c.Kind() == ControlKind::Line)
            continue;
        QWidget* parent = w->parentWidget();
        if (parent && !parent->rect().contains(w->geometry()))
            faults << QStringLiteral("%1: %2,%3 %4 x %5 outside its container of %6 x %7")
                          .arg(describe(c))
                          .arg(w->x())
                          .arg(w->y())
                          .arg(w->width())
                          .arg(w->height())
                          .arg(parent->width())
                          .arg(parent->height());
        QWidget* window = w->window();
        if (window == w || window == parent)
            continue;
        const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!window->rect().contains(inWindow))
            faults << QStringLiteral("%1: %2,%3 %4 x %5 outside the window of %6 x %7")
                          .arg(describe(c))
                          .arg(inWindow.x())
                          .arg(inWindow.y())
                          .arg(inWindow.width())
                          .arg(inWindow.height())
                          .arg(window->width())
                          .arg(window->height());
    }
    return faults;
}

QStringList offScreen(Form& f, QSize screen) {
    const QRect outer(f.Left(), f.Top(), f.Width() + 2 * kFrameBorder,
                      f.Height() + kFrameTitle + 2 * kFrameBorder);
    if (QRect(QPoint(0, 0), screen).contains(outer))
        return {};
    return {QStringLiteral("%1 with its frame: %2,%3 %4 x %5 off a screen of %6 x %7")
                .arg(f.Name())
                .arg(outer.x())
                .arg(outer.y())
                .arg(outer.width())
                .arg(outer.height())
                .arg(screen.width())
                .arg(screen.height())};
}

ScopedAppFont::ScopedAppFont(double factor) : saved_(QApplication::font()) {
    QFont scaled = saved_;
    if (saved_.pointSizeF() > 0)
        scaled.setPointSizeF(saved_.pointSizeF() * factor);
    else
        scaled.setPixelSize(qRound(saved_.pixelSize() * factor));
    QApplication::setFont(scaled);
}

ScopedAppFont::ScopedAppFont(Points points) : saved_(QApplication::font()) {
    QFont font = saved_;
    font.setPointSizeF(points.size);
    QApplication::setFont(font);
}

ScopedAppFont::~ScopedAppFont() {
    QApplication::setFont(saved_);
}

QStringList bordersLost(Form& f, double scale) {
    QWidget* window = WindowOf(f);
    QPixmap shot(window->size() * scale);
    shot.setDevicePixelRatio(scale);
    window->render(&shot);
    const QImage image = shot.toImage();
    const QRgb ground = image.pixel(0, 0);
    auto drawn = [&](int x0, int y0, int x1, int y1) {
        for (int y = std::max(0, y0); y <= std::min(image.height() - 1, y1); ++y)
            for (int x = std::max(0, x0); x <= std::min(image.width() - 1, x1); ++x)
                if (image.pixel(x, y) != ground)
                    return true;
        return false;
    };
    QStringList lost;
    for (const auto& c : f.Controls()) {
        const auto* frame = dynamic_cast<const Frame*>(c.get());
        if (!frame || frame->BorderStyle() == 0 || !c->EffectivelyVisible())
            continue;
        // A frame the window keeps out of sight, or that a panel hides, shows no border to lose.
        const QWidget* w = WidgetOf(*c);
        if (!w->isVisibleTo(window) || underAnother(w, window))
            continue;
        const QRectF r(QPointF(w->mapTo(window, QPoint())) * scale, QSizeF(w->size()) * scale);
        const int left = qFloor(r.left()), right = qCeil(r.right()) - 1, top = qFloor(r.top()),
                  bottom = qCeil(r.bottom()) - 1;
        const int midX = qRound(r.center().x()), midY = qRound(r.center().y());
        const int line = qCeil(w->fontMetrics().height() * scale);
        const std::pair<const char*, bool> sides[] = {
            {"left", drawn(left, midY, left + 1, midY)},
            {"right", drawn(right - 1, midY, right, midY)},
            {"bottom", drawn(midX, bottom - 1, midX, bottom)},
            {"top", drawn(right - 4, top, right - 4, top + line)},
        };
        for (const auto& [side, ok] : sides)
            if (!ok)
                lost << c->Name() + QStringLiteral(" ") + QLatin1String(side);
    }
    return lost;
}

}  // namespace qv::test
