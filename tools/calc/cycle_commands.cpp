// orvanel-calc cycle and coincidences: subject 1 entered as the natal chart, the central date typed
// as the cycles window's "Introducir fecha" takes it, then one cycle plot or the coincidence report.
#include <ostream>

#include "calc_args.h"
#include "command.h"
#include "json_writer.h"
#include "loaded_data.h"
#include "orvanel/cycles/coincidence_report.h"
#include "orvanel/cycles/cycle_plot.h"
#include "orvanel/shell/entry_texts.h"
#include "subcommands.h"
#include "subject_entry.h"

namespace calc {

namespace {

constexpr char kCycleUsage[] = "cycle A B MODE Y M D h m CY CM CD";
constexpr char kCoincidencesUsage[] = "coincidences Y M D h m CY CM CD";

// The natal chart from words[first..first+4], the central date from the three words after it.
orvanel::Program NatalWithCentralDate(const std::vector<std::string>& words, std::size_t first,
                                      orvanel::EphemerisFiles& files) {
    const Moment natal = ParseMoment(words, first);
    Moment central;
    central.year = ParseInt16(words.at(first + 5), "central year");
    central.month = ParseInt16(words.at(first + 6), "central month");
    central.day = ParseInt16(words.at(first + 7), "central day");
    orvanel::Program program;
    EnterSubject(program, files, 1, natal);
    const orvanel::EntryTexts typed = TypedTexts(central);
    orvanel::AssignFixed(program.EntryDate, orvanel::TypedEntryDate(typed.year, typed.month, typed.day));
    return program;
}

std::string CycleDocument(const std::vector<std::string>& words, const std::string& dataDir) {
    ExpectWordCount(words, 11, kCycleUsage);
    const std::int16_t a = ParseInt16(words[0], "point A");
    const std::int16_t b = ParseInt16(words[1], "point B");
    const std::int16_t mode = ParseInt16(words[2], "mode");
    if (a < 1 || a > orvanel::kAscendantPoint || b < 1 || b > orvanel::kAscendantPoint) {
        throw UsageError("points A and B must be 1..13");
    }
    if (mode != orvanel::kBothTransiting && mode != orvanel::kNatalAscendant)
        throw UsageError("MODE must be 1 or 2");
    orvanel::EphemerisFiles& files = OpenEphemeris(dataDir);
    orvanel::Program program = NatalWithCentralDate(words, 3, files);
    const orvanel::CyclePlot plot = orvanel::ComputeCycle(program, files, a, b, mode);

    JsonWriter json;
    json.BeginObject();
    json.Key("natalAngle").Int(plot.natalAngle);
    json.Key("orb").Int(plot.orb);
    json.Key("days").BeginArray();
    for (const orvanel::CycleDay& day : plot.days) {
        json.BeginObject();
        json.Key("offset").Int(day.offset);
        json.Key("ephemerisText").String(day.ephemerisText);
        json.Key("angle").Int(day.angle);
        json.Key("y").Single(day.y);
        json.Key("mark").Bool(day.mark);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    return std::move(json).Take();
}

std::string CoincidencesDocument(const std::vector<std::string>& words, const std::string& dataDir) {
    ExpectWordCount(words, 8, kCoincidencesUsage);
    orvanel::EphemerisFiles& files = OpenEphemeris(dataDir);
    orvanel::Program program = NatalWithCentralDate(words, 0, files);
    const cp::Text report = orvanel::JoinLines(orvanel::CoincidenceLines(program, files));
    JsonWriter json;
    json.BeginObject();
    json.Key("report").String(report);
    json.EndObject();
    return std::move(json).Take();
}

}  // namespace

std::string CycleCommand(const std::vector<std::string>& args, const Places& places) {
    return CycleDocument(args, places.dataDir);
}

std::string CoincidencesCommand(const std::vector<std::string>& args, const Places& places) {
    return CoincidencesDocument(args, places.dataDir);
}

}  // namespace calc
