// orvanel-calc report Y M D h m --pdf FILE [--name NAME] and report --synastry Y1 M1 D1 h1 m1 Y2 M2 D2 h2
// m2 --pdf FILE [--names N1 N2]: the consultation report of subject 1, or of subjects 1 and 2.
#include <ostream>

#include "calc_args.h"
#include "command.h"
#include "json_writer.h"
#include "loaded_data.h"
#include "orvanel/report/consultation_report.h"
#include "report_output.h"
#include "subcommands.h"
#include "subject_entry.h"

namespace calc {

namespace {

constexpr char kUsage[] =
    "report Y M D h m --pdf FILE [--name NAME] | report --synastry Y1 M1 D1 h1 m1 Y2 M2 D2 h2 m2 --pdf FILE "
    "[--names N1 N2]";

cp::Text Name(const std::string& word) {
    cp::Text name = cp::TrimBlanks(cp::FromUtf8(word));
    if (name.empty()) throw UsageError("a subject's name must not be empty");
    return name;
}

orvanel::report::Document Build(std::vector<std::string>& words, const std::string& dataDir) {
    const bool synastry = TakeFlag(words, "--synastry");
    const auto name = TakeOption(words, "--name");
    const auto names = TakeOptionWords(words, "--names", 2);
    if (synastry ? name.has_value() : names.has_value())
        throw UsageError(synastry ? "a synastry takes --names N1 N2" : "one subject takes --name NAME");
    ExpectWordCount(words, synastry ? 10 : 5, kUsage);
    const cp::ConceptTable& concepts = OpenConcepts(dataDir);
    orvanel::EphemerisFiles& files = OpenEphemeris(dataDir);
    orvanel::Program program;
    EnterSubject(program, files, 1, ParseMoment(words, 0));
    const orvanel::report::Day madeOn = orvanel::report::ReportDay();
    if (!synastry) {
        const cp::Text subject = name ? Name(*name) : orvanel::report::DefaultSubjectName(1);
        return orvanel::report::SubjectReport(program, 1, subject, concepts, madeOn);
    }
    EnterSubject(program, files, 2, ParseMoment(words, 5));
    const cp::Text first = names ? Name((*names)[0]) : orvanel::report::DefaultSubjectName(1);
    const cp::Text second = names ? Name((*names)[1]) : orvanel::report::DefaultSubjectName(2);
    return orvanel::report::SynastryReport(program, first, second, concepts, madeOn);
}

std::string ReportDocument(std::vector<std::string> words, const std::string& dataDir) {
    const auto pdf = TakeOption(words, "--pdf");
    if (!pdf) throw UsageError(std::string("the report needs --pdf FILE; usage: ") + kUsage);
    const int pages = WriteReport(Build(words, dataDir), *pdf);
    JsonWriter json;
    json.BeginObject();
    json.Key("pdf").String(*pdf);
    json.Key("pages").Int(pages);
    json.EndObject();
    return json.Str();
}

}  // namespace

int RunReportCommand(const std::vector<std::string>& args, const std::string& dataDir, std::ostream& out,
                     std::ostream& err) {
    return RunGuarded(out, err, [&] { return ReportDocument(args, dataDir); });
}

}  // namespace calc
