#include "help/help_state.h"

namespace qv::help {

HelpState HS;
HelpMessage HM;
TopicState TS;

void ResetHelpState() {
    HS = HelpState{};
    HM = HelpMessage{};
    TS = TopicState{};
}

}  // namespace qv::help
