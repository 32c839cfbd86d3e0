#include "rorev/qt_text.h"

#include "conceptplane/faults.h"
#include "surface/dialogs.h"

namespace rorev {

QString WithQtLineBreaks(const cp::Text& text) {
    QString s = ToQString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

void Guarded(const QString& caption, const std::function<void()>& action) {
    try {
        action();
    } catch (const cp::Fault& fault) {
        surface::UseDialogs().Message(QString::fromUtf8(fault.what()), caption, surface::Buttons::Ok);
    }
}

}  // namespace rorev
