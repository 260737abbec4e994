// The readable summary of the committed rename criteria, as the main window shows it.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "forms/forms.h"

namespace qv {
struct State;
}

namespace qv::criteria {

// Blue: the criterion is in effect.
constexpr Colour kCriterionOnColour = 0xFF0000;

// One caption of the summary on the main window, named as the control it goes to. A line without a
// colour keeps the one it has.
struct SummaryLine {
    QString control;
    QString caption;
    std::optional<Colour> colour;
};

struct CriteriaSummary {
    int criteriaCount = 0;
    // In the order the captions are written: FrameRenInfo first, then the criterion lines.
    std::vector<SummaryLine> lines;
};

// Reads only the committed criteria of `s`.
CriteriaSummary BuildCriteriaSummary(const State& s);

}  // namespace qv::criteria
