// A window that does not fit its screen takes its layout and its font down together, so that every
// text still shows whole and the whole window, frame included, stays on the screen.
#pragma once

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>

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

// How far a window of `size` at `place` must be taken down to fit its room: 1 when it fits.
double ScreenFit(QSize size, QPoint place);

// The largest font, not larger than `base`, whose line and text are at most `scale` times as high and
// as wide as those of `base`.
QFont FontAtScale(const QFont& base, double scale);

// Every control's place and size, and the form's size, times k. Edges are scaled, not sizes, and
// rounded down to whole pixels, so that what lies inside a container still does.
void ScaleFormLayout(Form& form, double k);

// A form that lays itself out from its window's font (`arrange`): while it is too big for its room at
// `place`, its window's font goes down and it is laid out again.
void FitFormToScreen(Form& form, QPoint place, const std::function<void()>& arrange);

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
// Scales the form's size and every control's place and size by FontScale() and fixes the window at
// that size (unless told not to yet): a window whose layout is fixed is never made so small that a
// control is out of reach.
void FitFormToFont(Form& form, bool fixSize = true);
// The same for a window whose frame will stand at `place` (pixels): when the grown window would not
// fit the screen there, it grows less and its font shrinks in step, so that it fits.
void FitFormToFontAndScreen(Form& form, QPoint place);
// Fixes the window at the form's size.
void FixFormSize(Form& form);
// A one-line text that may not fit its control shows its start, ended with an ellipsis; then its
// whole text is the control's tooltip and accessible description (and neither when it fits).
void ShowWholeTextOnDemand(Control& control, const QString& text);
// A path that may not fit its locked box shows its end (the folder or file chosen) whole and as much
// of its start as fits, an ellipsis between them; the whole path on demand, as above.
void ShowPathEnd(Control& control, const QString& path);

}  // namespace qv
