#include "orvanel/shell/fault_guard.h"

#include "conceptplane/faults.h"
#include "surface/dialogs.h"

namespace orvanel {

bool RunGuarded(const QString& caption, const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const cp::Fault& fault) {
        surface::UseDialogs().Message(QString::fromUtf8(fault.what()), caption, surface::Buttons::Ok);
        return false;
    }
}

}  // namespace orvanel
