// For tests only: the test harness and the tests include this header, no file of the program
// does. It gives them what the runtime's own files have through forms_p.h: the widget behind a
// control and the window behind a form, to press, type into and measure them as a user would. The
// windows never reach either; they speak in controls.
#pragma once

#include "forms/forms.h"

namespace qv {

using forms_internal::WidgetOf;
using forms_internal::WindowOf;

}  // namespace qv
