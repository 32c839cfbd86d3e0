// orvanel-calc synastry Y1 M1 D1 h1 m1 Y2 M2 D2 h2 m2 [--base 1|2]: both subjects entered, then the
// synastry window's "Aspectos cruzados" with the given subject outside.
#include <ostream>

#include "calc_args.h"
#include "chart_json.h"
#include "command.h"
#include "loaded_data.h"
#include "orvanel/display/cross_aspect_texts.h"
#include "subcommands.h"
#include "subject_entry.h"

namespace calc {

namespace {

constexpr char kUsage[] = "synastry Y1 M1 D1 h1 m1 Y2 M2 D2 h2 m2 [--base 1|2]";

std::string SynastryDocument(std::vector<std::string> words, const std::string& dataDir) {
    const auto baseWord = TakeOption(words, "--base");
    ExpectWordCount(words, 10, kUsage);
    const Moment first = ParseMoment(words, 0);
    const Moment second = ParseMoment(words, 5);
    // Right after the synastry window opens from the main menu, subject 2 is the outer one.
    const std::int16_t base = baseWord ? ParseInt16(*baseWord, "--base") : std::int16_t{2};
    if (base != 1 && base != 2) throw UsageError("--base must be 1 or 2");

    orvanel::EphemerisFiles& files = OpenEphemeris(dataDir);
    orvanel::Program program;
    EnterSubject(program, files, 1, first);
    EnterSubject(program, files, 2, second);
    program.CurrentSubject = base;
    const orvanel::CrossAspectList list = orvanel::ListCrossAspects(program);

    JsonWriter json;
    json.BeginObject();
    json.Key("crossAspects");
    WriteAspects(json, orvanel::SlotAt(program, 3));
    json.Key("crossList").Strings(list.items);
    json.Key("heading").String(list.heading);
    json.EndObject();
    return json.Str();
}

}  // namespace

int RunSynastryCommand(const std::vector<std::string>& args, const std::string& dataDir, std::ostream& out,
                       std::ostream& err) {
    return RunGuarded(out, err, [&] { return SynastryDocument(args, dataDir); });
}

}  // namespace calc
