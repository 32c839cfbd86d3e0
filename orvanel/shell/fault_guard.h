// The one way a window handler meets a computing fault: the computation throws cp::Fault, the
// handler shows the fault's Spanish text in a message box under its own caption, and the program
// goes on with nothing changed.
#pragma once

#include <QString>
#include <functional>

namespace orvanel {

// Runs `work`; a cp::Fault becomes a message box with `caption`, and the answer is false.
bool RunGuarded(const QString& caption, const std::function<void()>& work);

}  // namespace orvanel
