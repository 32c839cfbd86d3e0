// orvanel-calc report (Y M D h m | --subject NAME) --pdf FILE [--name NAME] and report --synastry
// (Y1 M1 D1 h1 m1 Y2 M2 D2 h2 m2 | --subjects N1 N2) --pdf FILE [--names N1 N2]: the consultation
// report of subject 1, or of subjects 1 and 2. A subject of the register is reported under its name.
#include <algorithm>
#include <ostream>

#include "calc_args.h"
#include "command.h"
#include "json_writer.h"
#include "loaded_data.h"
#include "orvanel/register/subject_loading.h"
#include "orvanel/report/consultation_report.h"
#include "report_output.h"
#include "subcommands.h"
#include "subject_entry.h"

namespace calc {

namespace {

constexpr char kUsage[] =
    "report (Y M D h m | --subject NAME) --pdf FILE [--name NAME] | report --synastry (Y1 M1 D1 h1 m1 Y2 "
    "M2 D2 h2 m2 | --subjects N1 N2) --pdf FILE [--names N1 N2]";

// The options of one subject and of a synastry: the names on the report, the subjects of the register.
struct Options {
    const char* names;
    const char* subjects;
};
constexpr Options kOneSubject{"--name", "--subject"};
constexpr Options kSynastry{"--names", "--subjects"};

cp::Text Name(const std::string& word) {
    cp::Text name = cp::TrimBlanks(cp::FromUtf8(word));
    if (name.empty()) throw UsageError("a subject's name must not be empty");
    return name;
}

// Slots 1 .. `count` entered from the register's subjects `registered`, or else from the typed
// moments in `words`.
orvanel::Program Subjects(const std::vector<std::string>& words, std::size_t count,
                          const std::optional<std::vector<std::string>>& registered,
                          const std::string& dataDir, const std::string& registerFile) {
    ExpectWordCount(words, registered ? 0 : 5 * count, kUsage);
    orvanel::EphemerisFiles& files = OpenEphemeris(dataDir);
    orvanel::Program program;
    if (!registered) {
        for (std::size_t i = 0; i < count; ++i)
            EnterSubject(program, files, static_cast<std::int16_t>(i + 1), ParseMoment(words, 5 * i));
        return program;
    }
    orvanel::subjects::SubjectRegister subjects(registerFile);
    for (std::size_t i = 0; i < count; ++i) {
        orvanel::subjects::LoadSubject(program, files, subjects, (*registered)[i],
                                       static_cast<std::int16_t>(i + 1));
    }
    return program;
}

orvanel::report::Document Build(std::vector<std::string>& words, const std::string& dataDir,
                                const std::string& registerFile) {
    const bool synastry = TakeFlag(words, "--synastry");
    const Options& mine = synastry ? kSynastry : kOneSubject;
    const Options& other = synastry ? kOneSubject : kSynastry;
    for (const char* option : {other.names, other.subjects}) {
        if (std::find(words.begin(), words.end(), option) != words.end())
            throw UsageError(std::string(synastry ? "a synastry takes " : "one subject takes ") + mine.names +
                             " and " + mine.subjects + ", not " + option);
    }
    const std::size_t count = synastry ? 2 : 1;
    const auto names = TakeOptionWords(words, mine.names, count);
    const auto registered = TakeOptionWords(words, mine.subjects, count);
    const orvanel::Program program = Subjects(words, count, registered, dataDir, registerFile);
    const cp::ConceptTable& concepts = OpenConcepts(dataDir);
    const auto named = [&](std::int16_t slot) {
        return names ? Name((*names)[static_cast<std::size_t>(slot - 1)])
                     : orvanel::report::OfferedName(program, slot);
    };
    const orvanel::report::Day madeOn = orvanel::report::ReportDay();
    if (!synastry) return orvanel::report::SubjectReport(program, 1, named(1), concepts, madeOn);
    return orvanel::report::SynastryReport(program, named(1), named(2), concepts, madeOn);
}

std::string ReportDocument(std::vector<std::string> words, const std::string& dataDir,
                           const std::string& registerFile) {
    const auto pdf = TakeOption(words, "--pdf");
    if (!pdf) throw UsageError(std::string("the report needs --pdf FILE; usage: ") + kUsage);
    const int pages = WriteReport(Build(words, dataDir, registerFile), *pdf);
    JsonWriter json;
    json.BeginObject();
    json.Key("pdf").String(*pdf);
    json.Key("pages").Int(pages);
    json.EndObject();
    return std::move(json).Take();
}

}  // namespace

std::string ReportCommand(const std::vector<std::string>& args, const Places& places) {
    return ReportDocument(args, places.dataDir, places.registerFile);
}

}  // namespace calc
