#include "forms/forms_fit.h"

#include <QFontMetricsF>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "forms/forms.h"
#include "platform/services.h"

namespace qv {

namespace {

// Measured for the line height and for the width of an ordinary caption.
const QString kSample = QStringLiteral("Copy and Rename the copies only");

}  // namespace

QSize WindowRoom(QPoint place) {
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
    return {width - place.x() - 2 * kFrameBorder, height - place.y() - kFrameTitle - 2 * kFrameBorder};
}

double ScreenFit(QSize size, QPoint place) {
    const QSize room = WindowRoom(place);
    if (room.isEmpty() || size.isEmpty())
        return 1.0;
    return std::min({1.0, room.width() / static_cast<double>(size.width()),
                     room.height() / static_cast<double>(size.height())});
}

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

void ScaleFormLayout(Form& form, double k) {
    if (k == 1.0)
        return;
    auto edge = [k](int v, bool twips) {
        return twips ? static_cast<int>(std::floor(v * k / kTwipsPerPixel)) * kTwipsPerPixel
                     : static_cast<int>(std::floor(v * k));
    };
    for (const auto& c : form.Controls()) {
        const Control* in = c->Container();
        const bool twips = in && (in->Kind() == ControlKind::Frame || in->Kind() == ControlKind::PictureBox);
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

void FitFormToScreen(Form& form, QPoint place, const std::function<void()>& arrange) {
    QWidget* w = form.Window();
    if (!w)
        return;
    // Fixed parts (a check box's box, a combo's arrow) do not shrink with the font: a few rounds.
    for (int round = 0; round < 12; ++round) {
        const double fit = ScreenFit(QSize(form.Width(), form.Height()), place);
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

double FontScale() {
    // Line height and width of a sample at the design font (Sans Serif, 9 points, 96 dots an inch).
    constexpr double kDesignLine = 14.0, kDesignSample = 205.0;
    const QFontMetrics fm(QApplication::font());
    const double width =
        fm.horizontalAdvance(QStringLiteral("Copy and Rename the copies only")) / kDesignSample;
    return std::max({1.0, fm.lineSpacing() / kDesignLine, width});
}

void FixFormSize(Form& form) {
    if (QWidget* w = form.Window())
        w->setFixedSize(form.Width(), form.Height());
}

void FitFormToFont(Form& form, bool fixSize) {
    ScaleFormLayout(form, FontScale());
    if (fixSize)
        FixFormSize(form);
}

void FitFormToFontAndScreen(Form& form, QPoint place) {
    const double grow = FontScale();
    const QSize grown(static_cast<int>(form.Width() * grow), static_cast<int>(form.Height() * grow));
    const double k = grow * ScreenFit(grown, place);
    if (k < grow) {
        if (QWidget* w = form.Window())
            w->setFont(FontAtScale(w->font(), k / grow));
    }
    ScaleFormLayout(form, k);
    FixFormSize(form);
}

}  // namespace qv
