// The consultation report orvanel-calc writes for "report ... --pdf FILE". Building the report is
// plain C++; laying out and writing the PDF needs Qt, so the executable supplies the writer and this
// library stays Qt-free.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "orvanel/report/report_document.h"

namespace calc {

// Writes `document` to `path`; the number of pages, or nothing when the file could not be written.
using ReportWriter =
    std::function<std::optional<int>(const orvanel::report::Document& document, const std::string& path)>;
// Installed by the program; without one, asking for a report is a usage error.
void SetReportWriter(ReportWriter writer);
// The number of pages written; raises UsageError when no writer is installed or the file could not be
// written.
int WriteReport(const orvanel::report::Document& document, const std::string& path);

}  // namespace calc
