// orvanel-calc synastry Y1 M1 D1 h1 m1 Y2 M2 D2 h2 m2 [--base 1|2] (or synastry --subjects N1 N2): both
// subjects entered, then the synastry window's "Aspectos cruzados" with the given subject outside.
#include <ostream>

#include "calc_args.h"
#include "chart_json.h"
#include "command.h"
#include "loaded_data.h"
#include "orvanel/display/cross_aspect_texts.h"
#include "orvanel/register/subject_loading.h"
#include "subcommands.h"
#include "subject_entry.h"

namespace calc {

namespace {

constexpr char kUsage[] = "synastry (Y1 M1 D1 h1 m1 Y2 M2 D2 h2 m2 | --subjects NAME1 NAME2) [--base 1|2]";

std::string SynastryDocument(std::vector<std::string> words, const std::string& dataDir,
                             const std::string& registerFile) {
    const auto names = TakeOptionWords(words, "--subjects", 2);
    const auto baseWord = TakeOption(words, "--base");
    ExpectWordCount(words, names ? 0 : 10, kUsage);
    // Right after the synastry window opens from the main menu, subject 2 is the outer one.
    const std::int16_t base = baseWord ? ParseInt16(*baseWord, "--base") : std::int16_t{2};
    if (base != 1 && base != 2) throw UsageError("--base must be 1 or 2");

    orvanel::EphemerisFiles& files = OpenEphemeris(dataDir);
    orvanel::Program program;
    if (names) {
        orvanel::subjects::SubjectRegister subjects(registerFile);
        orvanel::subjects::LoadSubject(program, files, subjects, names->at(0), 1);
        orvanel::subjects::LoadSubject(program, files, subjects, names->at(1), 2);
    } else {
        EnterSubject(program, files, 1, ParseMoment(words, 0));
        EnterSubject(program, files, 2, ParseMoment(words, 5));
    }
    program.CurrentSubject = base;
    const orvanel::CrossAspectList list = orvanel::ListCrossAspects(program);

    JsonWriter json;
    json.BeginObject();
    json.Key("crossAspects");
    WriteAspects(json, orvanel::SlotAt(program, 3));
    json.Key("crossList").Strings(list.items);
    json.Key("heading").String(list.heading);
    json.EndObject();
    return std::move(json).Take();
}

}  // namespace

std::string SynastryCommand(const std::vector<std::string>& args, const Places& places) {
    return SynastryDocument(args, places.dataDir, places.registerFile);
}

}  // namespace calc
