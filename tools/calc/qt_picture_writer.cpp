#include "qt_picture_writer.h"

#include <QGuiApplication>

#include "surface/export_picture.h"
#include "surface/fonts.h"

namespace calc {

namespace {

surface::ExportFormat ToExportFormat(PictureFormat format) {
    switch (format) {
        case PictureFormat::Svg:
            return surface::ExportFormat::Svg;
        case PictureFormat::Pdf:
            return surface::ExportFormat::Pdf;
        case PictureFormat::Png:
            break;
    }
    return surface::ExportFormat::Png;
}

// Qt's notes about the platform would break the rule of a silent standard error on success.
void Quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) qFatal("%s", qPrintable(message));
}

}  // namespace

QtPictureWriter::QtPictureWriter() = default;
QtPictureWriter::~QtPictureWriter() = default;

void QtPictureWriter::StartQt() {
    if (app_ || QGuiApplication::instance() != nullptr) return;
    qInstallMessageHandler(Quiet);
    const bool display = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!display && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    surface::LoadFonts();
}

bool QtPictureWriter::Write(const Picture& picture, const PictureFile& file) {
    StartQt();
    const surface::ExportPicture exported{QString::fromStdString(picture.caption), picture.parts, {}, {}};
    return surface::SaveExport(exported, QString::fromStdString(file.path), ToExportFormat(file.format));
}

}  // namespace calc
