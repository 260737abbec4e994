// Records owned by this subsystem; see core/state.h.
#pragma once

namespace qv {

struct CoreRecords {};

}  // namespace qv
