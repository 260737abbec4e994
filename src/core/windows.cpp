#include "core/windows.h"

namespace qv {

namespace {
Windows gNone;
Windows* gInstalled = nullptr;
}  // namespace

Windows& windows() {
    return gInstalled ? *gInstalled : gNone;
}

Windows* InstallWindows(Windows* w) {
    Windows* old = gInstalled;
    gInstalled = w;
    return old;
}

}  // namespace qv
