// Records owned by this subsystem; see core/state.h.
#pragma once

namespace qv {

struct PanelRecords {};

}  // namespace qv
