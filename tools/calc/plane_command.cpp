// Each operation runs as the window would: the mode chosen, every point a mouse move and a left
// click at that plane point, then the right click; the pictures are drawn and thrown away.
#include "plane_command.h"

#include <algorithm>

#include "calc_args.h"
#include "command.h"
#include "conceptplane/concept_description.h"
#include "conceptplane/template.h"
#include "conceptplane/vector_workspace.h"
#include "conceptplane/zoom_box.h"
#include "json_writer.h"
#include "loaded_data.h"
#include "orvanel/vectors/nearest_concept.h"
#include "picture_output.h"

namespace calc {

namespace {

constexpr char kUsage[] =
    "plane (--orvanel | --rorev) sum|remainder X1 Y1 [...] | line X1 Y1 X2 Y2 [...] | lookup X Y | "
    "nearest ANGLE RADIUS | describe [--png|--svg|--pdf FILE, after sum, remainder or line]";

// The side of the template picture in each program's main window, in twips.
constexpr double kOrvanelPlaneTwips = 8310;
constexpr double kRorevPlaneTwips = 5415;
constexpr double kOrvanelGlyphPoints = 12;

cp::Arithmetic TakeArithmetic(std::vector<std::string>& words) {
    const auto orvanel = std::find(words.begin(), words.end(), "--orvanel");
    const auto rorev = std::find(words.begin(), words.end(), "--rorev");
    if ((orvanel == words.end()) == (rorev == words.end())) {
        throw UsageError(std::string("name one program, --orvanel or --rorev; usage: ") + kUsage);
    }
    const cp::Arithmetic a = orvanel != words.end() ? cp::Arithmetic::Orvanel : cp::Arithmetic::Rorev;
    words.erase(orvanel != words.end() ? orvanel : rorev);
    return a;
}

std::vector<surface::Point> ParsePoints(const std::vector<std::string>& words, std::size_t atLeast) {
    if (words.size() % 2 == 0 || words.size() < 1 + 2 * atLeast) {
        throw UsageError(words.front() + " needs " + std::to_string(atLeast) +
                         " or more X Y pairs; usage: " + kUsage);
    }
    std::vector<surface::Point> points;
    for (std::size_t i = 1; i < words.size(); i += 2)
        points.push_back({ParseReal(words[i], "X"), ParseReal(words[i + 1], "Y")});
    return points;
}

// The state of one program's main window with its template.
struct Plane {
    explicit Plane(cp::Arithmetic a, const std::string& dataDir)
        : view(a), workspace(a), concepts(OpenConcepts(dataDir)) {
        picture.SetScale(0, 0, cp::kTemplateScale, cp::kTemplateScale);
        // As the window's picture shows it, for a picture file.
        picture.SetForeColour(cp::kPlaneFore);
        const bool orvanel = a == cp::Arithmetic::Orvanel;
        if (orvanel) picture.SetFont(surface::Font{"Astrol", kOrvanelGlyphPoints, false, false});
        const double side = (orvanel ? kOrvanelPlaneTwips : kRorevPlaneTwips) / kTwipsPerPixel;
        picture.SetDesignPixels(side, side);
    }
    surface::DrawingSurface picture;
    cp::PlaneView view;
    cp::VectorWorkspace workspace;
    const cp::ConceptTable& concepts;
    cp::PlaneTarget target{picture, view, concepts, {}};

    // Orvanel's reals are single-precision values, printed with 9 digits.
    void Real(JsonWriter& json, double v) const {
        if (workspace.arithmetic == cp::Arithmetic::Orvanel) {
            json.Single(static_cast<float>(v));
        } else {
            json.Double(v);
        }
    }
    // Every refused point is reported, as the window's message box would show it.
    void Series(cp::PlaneMode mode, const std::vector<surface::Point>& points, std::vector<cp::Text>* list,
                std::vector<std::string>* messages) {
        workspace.ChooseMode(mode, target);
        for (const auto& p : points) {
            workspace.PointAt(p.x, p.y);
            auto outcome = workspace.AddPoint(target);
            if (outcome.refusal) messages->push_back(*outcome.refusal);
            if (outcome.onLine) *list = std::move(*outcome.onLine);
        }
    }
};

void Messages(JsonWriter& json, const std::vector<std::string>& messages) {
    if (messages.empty()) return;
    json.Key("messages").BeginArray();
    for (const auto& m : messages)
        json.String(m);
    json.EndArray();
}

std::string Result(Plane& plane, cp::PlaneMode mode, const std::vector<surface::Point>& points) {
    std::vector<cp::Text> unused;
    std::vector<std::string> messages;
    plane.Series(mode, points, &unused, &messages);
    plane.workspace.ShowResult(plane.target);
    JsonWriter json;
    json.BeginObject().Key("result").BeginArray();
    for (const auto& row : plane.workspace.resultTable) {
        json.BeginObject();
        plane.Real(json.Key("x"), row.x);
        plane.Real(json.Key("y"), row.y);
        plane.Real(json.Key("angle"), row.angle);
        plane.Real(json.Key("length"), row.length);
        json.EndObject();
    }
    json.EndArray();
    Messages(json, messages);
    json.EndObject();
    return std::move(json).Take();
}

std::string Line(Plane& plane, const std::vector<surface::Point>& points) {
    std::vector<cp::Text> list;
    std::vector<std::string> messages;
    plane.Series(cp::PlaneMode::Line, points, &list, &messages);
    JsonWriter json;
    json.BeginObject().Key("onLine").Strings(list).EndObject();
    return std::move(json).Take();
}

std::string Lookup(Plane& plane, surface::Point at) {
    plane.workspace.PointAt(at.x, at.y);
    cp::CurrentPoint& point = plane.workspace.currentPoint;
    surface::DrawingSurface box;
    box.SetScale(0, 0, cp::kZoomBoxSize, cp::kZoomBoxSize);
    const cp::Arithmetic a = plane.workspace.arithmetic;
    cp::ShowZoomBox(box, point, plane.concepts, a);
    JsonWriter json;
    json.BeginObject().Key("zoomBox").BeginArray();
    cp::ForEachZoomBoxConcept(point, plane.concepts, a, [&](const cp::ZoomBoxConcept& c) {
        json.BeginObject().Key("name").String(plane.concepts.Read(c.record).name);
        plane.Real(json.Key("x"), c.zx);
        plane.Real(json.Key("y"), c.zy);
        json.EndObject();
    });
    json.EndArray();
    const cp::ZoomReadouts r = cp::MakeReadouts(point, a);
    json.Key("readouts").BeginObject();
    json.Key("x").String(r.x).Key("y").String(r.y).Key("angle").String(r.angle).Key("radius").String(
        r.radius);
    json.EndObject().EndObject();
    return std::move(json).Take();
}

std::string Describe(const Plane& plane) {
    JsonWriter json;
    json.BeginArray();
    for (const auto& record : plane.concepts.Records()) {
        json.BeginObject().Key("name").String(record.name);
        json.Key("definition").String(cp::DescribeConcept(record)).EndObject();
    }
    json.EndArray();
    return std::move(json).Take();
}

// The plane after the operation, when a picture file was asked for.
void WritePlane(const Plane& plane, const std::optional<PictureFile>& file) {
    if (file) WritePicture(Picture{"", {&plane.picture}}, *file);
}

std::string PlaneDocument(std::vector<std::string> words, const std::string& dataDir) {
    const cp::Arithmetic arithmetic = TakeArithmetic(words);
    const auto pictureFile = TakePictureOption(words);
    if (words.empty()) throw UsageError(std::string("missing operation; usage: ") + kUsage);
    const std::string& operation = words.front();
    if (operation == "sum" || operation == "remainder") {
        const auto points = ParsePoints(words, 1);
        Plane plane(arithmetic, dataDir);
        std::string document =
            Result(plane, operation == "sum" ? cp::PlaneMode::Sum : cp::PlaneMode::Remainder, points);
        WritePlane(plane, pictureFile);
        return document;
    }
    if (operation == "line") {
        const auto points = ParsePoints(words, 2);
        Plane plane(arithmetic, dataDir);
        std::string document = Line(plane, points);
        WritePlane(plane, pictureFile);
        return document;
    }
    if (pictureFile)
        throw UsageError("a picture file goes with sum, remainder or line; usage: " + std::string(kUsage));
    if (operation == "lookup") {
        ExpectWordCount(words, 3, "plane (--orvanel | --rorev) lookup X Y");
        const surface::Point at{ParseReal(words[1], "X"), ParseReal(words[2], "Y")};
        Plane plane(arithmetic, dataDir);
        return Lookup(plane, at);
    }
    if (operation == "nearest") {
        ExpectWordCount(words, 3, "plane (--orvanel | --rorev) nearest ANGLE RADIUS");
        const double angle = ParseReal(words[1], "ANGLE"), radius = ParseReal(words[2], "RADIUS");
        Plane plane(arithmetic, dataDir);
        JsonWriter json;
        json.BeginObject()
            .Key("name")
            .String(orvanel::NearestConcept(plane.concepts, angle, radius))
            .EndObject();
        return std::move(json).Take();
    }
    if (operation == "describe") {
        ExpectWordCount(words, 1, "plane (--orvanel | --rorev) describe");
        return Describe(Plane(arithmetic, dataDir));
    }
    throw UsageError("unknown plane operation \"" + operation + "\"; usage: " + kUsage);
}

}  // namespace

std::string PlaneCommand(const std::vector<std::string>& args, const Places& places) {
    return PlaneDocument(args, places.dataDir);
}

}  // namespace calc
