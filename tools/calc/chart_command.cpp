// orvanel-calc chart Y M D h m [--ascendant A] (or chart --subject NAME): subject 1 entered and its
// whole chart, with the texts of the chart window.
#include <ostream>

#include "calc_args.h"
#include "chart_json.h"
#include "command.h"
#include "loaded_data.h"
#include "orvanel/astro/chart.h"
#include "orvanel/display/chart_texts.h"
#include "orvanel/display/chart_wheel.h"
#include "orvanel/register/subject_loading.h"
#include "orvanel/vectors/astral_concepts.h"
#include "picture_output.h"
#include "subcommands.h"
#include "subject_entry.h"

namespace calc {

namespace {

constexpr char kUsage[] = "chart (Y M D h m | --subject NAME) [--ascendant A] [--png|--svg|--pdf FILE]";

// The chart window's wheel under the window's title.
void WriteWheel(const orvanel::ChartSlot& slot, const PictureFile& file) {
    surface::DrawingSurface wheel;
    orvanel::SetUpWheelSurface(wheel, orvanel::kChartGlyphPoints);
    const double side = orvanel::kChartPictureTwips / kTwipsPerPixel;
    wheel.SetDesignPixels(side, side);
    orvanel::DrawChartWheel(wheel, slot, orvanel::kChartWheelRadius);
    WritePicture(Picture{cp::ToUtf8(orvanel::ChartWindowTitle(slot)), {&wheel}}, file);
}

void WriteVectors(JsonWriter& json, const orvanel::ChartSlot& slot) {
    json.BeginArray();
    for (std::size_t k = 1; k <= orvanel::kPointCount; ++k) {
        json.BeginObject();
        json.Key("x").Int(slot.vectorX[k]);
        json.Key("y").Int(slot.vectorY[k]);
        json.Key("angle").Int(slot.vectorAngle[k]);
        json.Key("radius").Int(slot.vectorRadius[k]);
        json.Key("labelX").Int(slot.labelX[k]);
        json.Key("labelY").Int(slot.labelY[k]);
        json.EndObject();
    }
    json.EndArray();
}

std::string ChartDocument(std::vector<std::string> words, const std::string& dataDir,
                          const std::string& registerFile) {
    const auto subject = TakeOption(words, "--subject");
    const auto ascendantWord = TakeOption(words, "--ascendant");
    const auto pictureFile = TakePictureOption(words);
    ExpectWordCount(words, subject ? 0 : 5, kUsage);
    const Moment moment = subject ? Moment{} : ParseMoment(words, 0);
    std::int16_t ascendant = 0;
    if (ascendantWord) {
        ascendant = ParseInt16(*ascendantWord, "--ascendant");
        // A click on the wheel picks a longitude of 0..360; the override adds 1000 to it.
        if (ascendant < 0 || ascendant > 360) throw UsageError("--ascendant must be 0..360");
    }
    const cp::ConceptTable& concepts = OpenConcepts(dataDir);
    orvanel::EphemerisFiles& files = OpenEphemeris(dataDir);
    orvanel::Program program;
    if (subject) {
        orvanel::subjects::SubjectRegister subjects(registerFile);
        orvanel::subjects::LoadSubject(program, files, subjects, *subject, 1);
    } else {
        EnterSubject(program, files, 1, moment);
    }
    if (ascendantWord) {
        program.AscendantOverride = static_cast<std::int16_t>(1000 + ascendant);
        orvanel::RecomputeChart(program);
    }
    const orvanel::ChartSlot& slot = orvanel::SlotAt(program, 1);
    const orvanel::PositionCaptions captions = orvanel::PositionLabelTexts(slot);
    if (pictureFile) WriteWheel(slot, *pictureFile);

    JsonWriter json;
    json.BeginObject();
    json.Key("ephemerisText").String(slot.ephemerisText);
    json.Key("ascendantBuffer").String(program.AscendantBuffer);
    json.Key("ascendant").Int(slot.ascendant);
    json.Key("houseCusps");
    WriteRange(json, slot.houseCusp, 1, 12);
    json.Key("longitudes");
    WriteRange(json, slot.longitude, 1, 13);
    json.Key("vectors");
    WriteVectors(json, slot);
    json.Key("aspects");
    WriteAspects(json, slot);
    // The vectors window's own plane state starts fresh with the program: Orvanel's arithmetic.
    cp::VectorWorkspace workspace(cp::Arithmetic::Orvanel);
    json.Key("astralConcepts").Strings(orvanel::ListAstralConcepts(program, concepts, workspace));
    json.Key("positionsLabel").String(captions.points);
    json.Key("housesLabel").String(captions.houses);
    json.Key("aspectList").Strings(orvanel::AspectListItems(slot));
    json.EndObject();
    return std::move(json).Take();
}

}  // namespace

std::string ChartCommand(const std::vector<std::string>& args, const Places& places) {
    return ChartDocument(args, places.dataDir, places.registerFile);
}

}  // namespace calc
