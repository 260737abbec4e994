// Built as a window file is, once for each way a window might reach behind its controls: each must
// fail to compile, and the build with none of them must succeed (so a failure means the reach).
#include "forms/forms.h"
#include "forms/forms_controls.h"

namespace qv {

void ReachBehind(CommandButton* button, Form& form) {
#if defined(REACH_WIDGET)
    (void)button->Widget();
#elif defined(REACH_WINDOW)
    (void)form.Window();
#elif defined(REACH_WIDGET_OF)
    (void)WidgetOf(*button);
#elif defined(REACH_WINDOW_OF)
    (void)WindowOf(form);
#endif
    (void)button;
    (void)form;
}

}  // namespace qv
