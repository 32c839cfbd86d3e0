// The writers module: orvanel-calc's pictures and reports, written with Qt.
#include <QString>
#include <memory>

#include "orvanel/report/report_file.h"
#include "qt_picture_writer.h"
#include "qt_runtime.h"
#include "writer_entries.h"

namespace {

std::unique_ptr<calc::QtRuntime>& Runtime() {
    static std::unique_ptr<calc::QtRuntime> runtime = std::make_unique<calc::QtRuntime>();
    return runtime;
}

bool WritePicture(const calc::Picture& picture, const calc::PictureFile& file) {
    return calc::QtPictureWriter(*Runtime()).Write(picture, file);
}

std::optional<int> WriteReport(const orvanel::report::Document& document, const std::string& path) {
    Runtime()->Start();
    return orvanel::report::WriteReportPdf(document, QString::fromStdString(path));
}

void Finish() {
    Runtime().reset();
}

constexpr calc::WriterEntries kEntries{WritePicture, WriteReport, Finish};

}  // namespace

extern "C" __attribute__((visibility("default"))) const calc::WriterEntries* orvanel_calc_writer_entries() {
    return &kEntries;
}
