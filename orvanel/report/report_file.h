// A report written out: to a PDF file, to a printer, or one page to an image. The same laid-out
// pages go everywhere.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "orvanel/report/report_document.h"

class QPrinter;

namespace orvanel::report {

// Writes the PDF beside `path` and puts it in place only when it was written whole, so that no
// partial file is ever left under the name. The number of pages, or nothing when it could not be
// written. With SOURCE_DATE_EPOCH set the file's creation date is that moment, so two runs give the
// same bytes.
std::optional<int> WriteReportPdf(const Document& document, const QString& path);

// The pages on the printer's paper; false when printing could not start or failed.
bool PrintReport(const Document& document, QPrinter& printer);

// Page `index` (from 0) on white, `width` pixels wide; a null image for a page that does not exist.
QImage RenderReportPage(const Document& document, int index, int width);

}  // namespace orvanel::report
