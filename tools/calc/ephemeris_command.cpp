// orvanel-calc ephemeris Y M D h m: the positions text and Ascendant of one moment, nothing else; a
// further subcommand for scripts that only need the ephemeris, such as the accuracy tool.
#include <ostream>

#include "calc_args.h"
#include "command.h"
#include "json_writer.h"
#include "loaded_data.h"
#include "orvanel/astro/ephemeris.h"
#include "subcommands.h"
#include "subject_entry.h"

namespace calc {

namespace {

std::string EphemerisDocument(const std::vector<std::string>& words, const std::string& dataDir) {
    ExpectWordCount(words, 5, "ephemeris Y M D h m");
    const Moment m = ParseMoment(words, 0);
    orvanel::EphemerisFiles& files = OpenEphemeris(dataDir);
    orvanel::Program program;
    const cp::Text positions =
        orvanel::ComputeEphemeris(program, files, m.year, m.month, m.day, m.hour, m.minute);
    JsonWriter json;
    json.BeginObject();
    json.Key("ephemerisText").String(positions);
    json.Key("ascendantBuffer").String(program.AscendantBuffer);
    json.EndObject();
    return std::move(json).Take();
}

}  // namespace

std::string EphemerisCommand(const std::vector<std::string>& args, const Places& places) {
    return EphemerisDocument(args, places.dataDir);
}

}  // namespace calc
