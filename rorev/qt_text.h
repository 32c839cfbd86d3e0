// Between the plane code's UTF-32 texts and Qt's strings, and the guard that turns a computing fault
// into a Spanish message box instead of ending the program.
#pragma once

#include <QString>
#include <functional>

#include "conceptplane/text.h"

namespace rorev {

inline QString ToQString(const cp::Text& text) {
    return QString::fromStdU32String(text);
}
inline cp::Text FromQString(const QString& text) {
    return text.toStdU32String();
}
// Line breaks of captions (CR LF) as Qt shows them.
QString WithQtLineBreaks(const cp::Text& text);

// Runs `action`; a cp::Fault it throws is told to the user under `caption`, and the program goes on.
void Guarded(const QString& caption, const std::function<void()>& action);

}  // namespace rorev
