// The keys a message box answers in both programs: Escape closes the box as its window's close
// command does; Enter presses OK while OK can act. A text box in the box may keep Enter for itself.
#pragma once

#include <functional>

#include "forms/forms.h"

namespace qv {

// Call from the box's Design, once its controls are made: the keys are taken ahead of every control
// (a focused button would take Enter for itself, a text box's key rule would swallow Escape).
void AnswerBoxKeys(Form& box, Control* ok, std::function<void()> pressOk, Control* keepsEnter = nullptr);

}  // namespace qv
