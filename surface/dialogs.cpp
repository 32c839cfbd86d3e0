#include "surface/dialogs.h"

namespace surface {

namespace {
Dialogs* installed = nullptr;
}

Dialogs& UseDialogs() {
    static QtDialogs qtDialogs;
    if (installed) return *installed;
    return qtDialogs;
}

void SetDialogs(Dialogs* dialogs) {
    installed = dialogs;
}

}  // namespace surface
