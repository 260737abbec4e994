#include "core/state.h"

namespace qv {

State S;

void ResetState() {
    S = State{};
}

}  // namespace qv
