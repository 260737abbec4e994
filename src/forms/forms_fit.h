// A window that does not fit its screen takes its layout and its font down together, so that every
// text still shows whole and the whole window, frame included, stays on the screen.
#pragma once

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

namespace qv {

class Control;
class Form;

// What a window manager adds around a window's own area, at most: a border on each side and a title
// bar. The real frame is known only once the window shows; these are a usual desktop's.
inline constexpr int kFrameBorder = 3, kFrameTitle = 23;

// The room for a window's own area when its frame's top-left corner is at `place` (pixels): the
// screen less its panels and docks, the place and the frame (a `border` on each side and a `title`
// bar). Empty when the screen is not known.
QSize WindowRoom(QPoint place, int border = kFrameBorder, int title = kFrameTitle);

// What the desktop style draws at a font, in pixels, for a window laid out from its font: the height
// of a text box, a closed combo box and a check box or option button, and what a check box, an option
// button and a combo box take beside their caption or entry.
struct StyleMetrics {
    int edit = 0, combo = 0, check = 0;
    int checkOver = 0, radioOver = 0, comboOver = 0;
};
StyleMetrics MeasureStyle(const QFont& font);

// Window sizes follow the font. The windows are drawn for the desktop's usual font (a line 14 pixels
// high); a larger font makes every place and size of the window larger in step, so no text is cut.
double FontScale();

// How one window meets its font and its screen. Every window goes by the same rule: it grows with
// the font; when the grown window would not fit its room (the screen at `place`, less the frame), its
// layout and its font go down together until it does; then it is fixed at that size. What differs
// between windows is given here.
struct FitRule {
    enum class FontDown {
        // The largest font whose line and text are at most the layout's factor of the font's.
        Measured,
        // The font's size times the layout's factor.
        InProportion,
    };
    // Where the window's frame will stand (pixels); none: the screen sets no bound.
    std::optional<QPoint> place = std::nullopt;
    // The frame allowance around the window's own area.
    int border = kFrameBorder, title = kFrameTitle;
    // For a window that places its controls from its font: lays the window out for the font it now
    // has. Such a window has grown already; it is taken down a font step at a time, laid out again
    // each time, until it fits (or its font would be too small to read). Without it, the window's
    // layout is at design size and is scaled by one factor, the growth or what the room leaves.
    std::function<void()> arrange = nullptr;
    // The growth of a design-size layout; 0: FontScale().
    double grow = 0.0;
    // Scales the layout by a factor other than 1; none: every control's edges, rounded down to whole
    // pixels (twips inside a container), and the form's size.
    std::function<void(double)> scale = nullptr;
    FontDown fontDown = FontDown::Measured;
    // Whether the grown size is counted in whole pixels, as the rounded-down layout will have it, when
    // it is held against the room; else the design size is held against the room as it is.
    bool wholePixels = true;
    // A window that still sizes its parts after the fit fixes its size itself.
    bool fixSize = true;
};
// Fits the form by its rule; returns the factor its design-size layout was scaled by (1 for a
// window that arranges itself).
double FitForm(Form& form, const FitRule& rule = {});
// Fixes the window at the form's size.
void FixFormSize(Form& form);
// A one-line text that may not fit its control shows its start, ended with an ellipsis; then its
// whole text is the control's tooltip and accessible description (and neither when it fits).
void ShowWholeTextOnDemand(Control& control, const QString& text);
// A path that may not fit its locked box shows its end (the folder or file chosen) whole and as much
// of its start as fits, an ellipsis between them; the whole path on demand, as above.
void ShowPathEnd(Control& control, const QString& path);

}  // namespace qv
