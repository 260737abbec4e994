// Whether a form shows every text whole and keeps every control inside its window, measured the way
// the platform draws them at the widgets' own font.
#pragma once

#include <QFont>
#include <QSize>
#include <QStringList>
#include <ostream>

#include "forms/forms.h"

namespace qv::test {

// The desktop a window is laid out on: a font (a factor of the default, or a size in points) and a
// screen.
struct Desktop {
    const char* name;
    double factor;
    double points;
    QSize screen;
};

inline void PrintTo(const Desktop& d, std::ostream* os) {
    *os << d.name;
}

// Texts that do not show whole at the widget's font: captions of labels, check boxes, option
// buttons, command buttons without a picture face and frames, and every entry of a combo box
// against its closed field. A label with word wrap is measured wrapped to its width (a word longer
// than the width is cut). A control whose whole text is both its tooltip and its accessible
// description may show only its start (see below). Hidden controls are not measured. One line per
// fault.
QStringList cutTexts(Form& f);

// Captions shown shortened on purpose (the whole told in the tooltip and the description) that are
// cut mid-letter: not ended with an ellipsis, or still too long where they show. Frames shorten
// their captions as they paint them and are not measured.
QStringList shortenedWithoutEllipsis(Form& f);

// Effectively visible controls that reach outside their container or the window: one line each.
QStringList controlsOutside(Form& f);

// A window, with the frame a window manager adds, that does not lie whole on a screen of `screen`
// pixels: one line saying how far it reaches.
QStringList offScreen(Form& f, QSize screen);

// Texts that a visible control stacked over them hides in part (a later control of the same
// container, or of a container they lie in): a label's text block, a check box's or option's text
// beside its mark, a plain button's face and a frame's caption. One line per text and control over it.
QStringList coveredTexts(Form& f);

// Frames whose border is not drawn, in whole or on one side, when the window is drawn at a fractional
// display scale. Each side is looked for at its middle, within a screen pixel of the frame's edge (the
// top, under a caption, within a line of text). A frame out of sight (hidden by the window, or whole
// under a panel) is not looked at.
QStringList bordersLost(Form& f, double scale);

// While alive, the application font is the default one scaled by `factor`, or one of `points` points;
// forms designed meanwhile are designed at that font.
class ScopedAppFont {
  public:
    struct Points {
        double size;
    };
    explicit ScopedAppFont(double factor);
    explicit ScopedAppFont(Points points);
    ~ScopedAppFont();
    ScopedAppFont(const ScopedAppFont&) = delete;
    ScopedAppFont& operator=(const ScopedAppFont&) = delete;

  private:
    QFont saved_;
};

}  // namespace qv::test
