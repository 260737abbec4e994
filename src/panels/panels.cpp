#include "panels/panels.h"

namespace qv::panels {

void SetButtons() {}

void SetNullByTag() {}

void SetValueByKey() {}

void SetValueCancel() {}

void SetButPictures() {}

void SetValueActionFlags() {}

}  // namespace qv::panels
