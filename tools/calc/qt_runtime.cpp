// The Qt application of orvanel-calc, made on first use.
#include "qt_runtime.h"

#include <QGuiApplication>

#include "surface/fonts.h"

namespace calc {

namespace {

// Qt's notes about the platform would break the rule of a silent standard error on success.
void Quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) qFatal("%s", qPrintable(message));
}

}  // namespace

QtRuntime::QtRuntime() = default;
QtRuntime::~QtRuntime() = default;

void QtRuntime::Start() {
    if (app_ || QGuiApplication::instance() != nullptr) return;
    qInstallMessageHandler(Quiet);
    const bool display = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!display && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    surface::LoadFonts();
}

}  // namespace calc
