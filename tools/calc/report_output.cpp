// The hook through which orvanel-calc writes its reports.
#include "report_output.h"

#include <utility>

#include "calc_args.h"

namespace calc {

namespace {

ReportWriter& Writer() {
    static ReportWriter writer;
    return writer;
}

}  // namespace

void SetReportWriter(ReportWriter writer) {
    Writer() = std::move(writer);
}

int WriteReport(const orvanel::report::Document& document, const std::string& path) {
    if (!Writer()) throw UsageError("this build of orvanel-calc writes no reports");
    const std::optional<int> pages = Writer()(document, path);
    if (!pages) throw UsageError("cannot write the report to " + path);
    return *pages;
}

}  // namespace calc
