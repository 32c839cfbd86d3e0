// The vector operations on the concept plane: the mode of a series, the operands added by left
// clicks, the resultant with its two hidden tensions, the stored vectors, and the concepts on the
// line through two points. One workspace per program; Orvanel's two vectors windows share it.
//
// Nothing here shows a window. An operation that must tell the user something returns the message
// (see AddPointOutcome); the calling window shows it with its own caption. Redraws go to the
// PlaneTarget given, whose layer lets Orvanel append its chart layer after every template.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "conceptplane/concept_table.h"
#include "conceptplane/plane_arithmetic.h"
#include "conceptplane/plane_view.h"
#include "surface/drawing_surface.h"

namespace cp {

enum class PlaneMode { None, Sum, Remainder, Line };

// The point last pointed at: plane coordinates, angle in degrees, radius.
struct CurrentPoint {
    double x = 0, y = 0, angle = 0, radius = 0;
};

struct Operand {
    double x = 0, y = 0, angle = 0, length = 0;
};

// One row of the result: x, y, angle in degrees, length.
struct ResultRow {
    double x = 0, y = 0, angle = 0, length = 0;
};
inline constexpr int kResultant = 0, kTensionA = 1, kTensionB = 2;

inline constexpr int kMaxVectors = 20;
// The vectors drawn in a Sum or Remainder series (Orvanel: whole plane units).
struct VectorList {
    int present = 0;  // 1 once a vector is stored
    int count = 0;
    std::array<surface::Point, kMaxVectors> items{};
};

// What the program draws after every template, on the picture given (Orvanel: the chart vectors
// and glyphs of that picture's subject). Empty for rorev.
using TemplateLayer = std::function<void(surface::DrawingSurface&)>;

// The main picture an operation draws on, with the zoom and the concepts it reads.
struct PlaneTarget {
    surface::DrawingSurface& picture;
    PlaneView& view;
    const ConceptTable& concepts;
    TemplateLayer layer;
};

// The refusal of a 21st vector in a series.
inline constexpr char kTooManyVectorsMessage[] = "No se pueden añadir más de 20 vectores";

struct AddPointOutcome {
    // A refused point: the message to show (caption: the mode's caption); nothing was changed.
    std::optional<std::string> refusal;
    // Line mode after a second point: the new content of the concept list, to show.
    std::optional<std::vector<Text>> onLine;
    // Line mode reset the zoom to normal view (rorev updates its tooltip).
    bool zoomReset = false;
};

class VectorWorkspace {
  public:
    explicit VectorWorkspace(Arithmetic kind = Arithmetic::Rorev) : arithmetic(kind) {}

    Arithmetic arithmetic;
    PlaneMode planeMode = PlaneMode::None;
    CurrentPoint currentPoint;
    Operand lastOperand;
    Operand accumulatedOperand;
    bool resultShown = false;
    std::array<ResultRow, 3> resultTable{};
    VectorList vectorList;

    // The point under the mouse or of a chosen concept: x, y, its radius and angle.
    void PointAt(double x, double y);

    // Starts a series: operands' x and y, the result and the vector list emptied; redraws.
    void ChooseMode(PlaneMode mode, PlaneTarget& target);
    // Left click (or a concept chosen from rorev's list): adds currentPoint to the series.
    AddPointOutcome AddPoint(PlaneTarget& target);
    // Right click: in Sum or Remainder mode computes and draws the result; false (nothing done)
    // in the other modes.
    bool ShowResult(PlaneTarget& target);

    // Step 2 of ShowResult: the lengths of lastOperand and accumulatedOperand from their coordinates.
    void TakeOperandLengths();
    // Fills resultTable from accumulatedOperand and lastOperand: the resultant (their sum) and the
    // two tensions perpendicular to it, each half of what the lengths lose, plus 0.5.
    void ComputeResultant();
    // Empties resultTable and the vector list (a new series, or Orvanel's analysis of a body).
    void ClearResult();

  private:
    void StoreVector(double x, double y);
    std::optional<std::vector<Text>> ConceptsOnLine(PlaneTarget& target, bool* zoomReset);
};

// The line through the plane points p (the last one added) and q (the sum of the others), as
// dy·X − dx·Y + c = 0 with dx = q.x − p.x, dy = q.y − p.y, c = p.y·dx − p.x·dy.
struct PlaneLine {
    double dx, dy, c;
};
PlaneLine LineThrough(surface::Point p, surface::Point q, Arithmetic arithmetic);
// The 30-character names of the concepts near the line, in file order:
// |X·dy − Y·dx + c| < 100 · max(|dx|, |dy|), that is within 70.7 to 100 plane units.
std::vector<Text> ConceptsOnLine(const ConceptTable& concepts, const PlaneLine& line, Arithmetic arithmetic);

// rorev's mode label captions: "Sumar  conceptos", "Restar  conceptos", "Conceptos en la recta"
// (empty for None).
Text ModeCaption(PlaneMode mode);

}  // namespace cp
