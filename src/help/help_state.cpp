#include "help/help_state.h"

namespace qv::help {

HelpState HS;

void ResetHelpState() {
    HS = HelpState{};
}

}  // namespace qv::help
