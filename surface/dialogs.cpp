#include "surface/dialogs.h"

namespace surface {

namespace {
Dialogs* installed = nullptr;
}

Dialogs& UseDialogs() {
    static QtDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void SetDialogs(Dialogs* dialogs) {
    installed = dialogs;
}

}  // namespace surface
