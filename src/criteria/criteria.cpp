#include "criteria/criteria.h"

namespace qv {

void ShowRenameCriteria() {}

}  // namespace qv
