// The content of the two reports, block by block.
#include "orvanel/report/consultation_report.h"

#include "conceptplane/numeric.h"
#include "orvanel/astro/aspects.h"
#include "orvanel/report/chart_tables.h"
#include "orvanel/report/concepts_table.h"
#include "orvanel/report/report_pictures.h"

namespace orvanel::report {

namespace {

constexpr std::size_t kResultant = 14;
constexpr double kWheelWidth = 0.88;
constexpr double kPlaneWidth = 0.82;

cp::Text MadeOnFact(const Day& madeOn) {
    return U"Informe hecho el " + LongDate(madeOn);
}

// The resultant as the plane's readouts give it: degrees and tenths of plane units.
cp::Text ResultantText(const ChartSlot& chart) {
    const double radius = cp::RoundHalfEven(chart.vectorRadius[kResultant] / 10.0);
    return U"apunta a " + cp::FromInt(chart.vectorAngle[kResultant]) + U"° y mide " +
           cp::FromInt(static_cast<long long>(radius));
}

void AddAspects(Document& doc, const ChartSlot& chart, const cp::Text& firstOwner = {},
                const cp::Text& secondOwner = {}) {
    Table table = AspectsTable(chart, firstOwner, secondOwner);
    if (table.rows.empty()) {
        doc.blocks.emplace_back(Paragraph{U"No hay aspectos.", Face::Quiet});
        return;
    }
    doc.blocks.emplace_back(TableRow{{std::move(table)}});
}

void AddConcepts(Document& doc, const ChartSlot& chart, const cp::ConceptTable& concepts) {
    doc.blocks.emplace_back(TableRow{{AstralConceptsTable(chart, concepts)}});
}

const char32_t kWheelNote[] =
    U"El Ascendente, a la izquierda. Aspectos: trígonos en verde, sextiles en azul, oposiciones y "
    U"cuadraturas "
    U"en rojo.";

const char32_t kConceptsNote[] =
    U"El concepto más cercano a cada punto de la carta, a la suma de los dos puntos de cada aspecto y al "
    U"vector suma, con su definición en la tabla de conceptos.";

Table Captioned(Table table, const cp::Text& caption, double width) {
    table.caption = caption;
    table.width = width;
    return table;
}

}  // namespace

cp::Text DefaultSubjectName(std::int16_t slot) {
    return U"Sujeto " + cp::FromInt(slot);
}

cp::Text BirthMoment(const ChartSlot& chart) {
    const cp::Text time = cp::TrimBlanks(chart.typed.time);
    if (time.empty()) return chart.dateText;
    return chart.dateText + U" a las " + cp::Mid(time, 1, 2) + U"h." + cp::Mid(time, 4, 2) + U"m.";
}

Document SubjectReport(const Program& program, std::int16_t slot, const cp::Text& name,
                       const cp::ConceptTable& concepts, const Day& madeOn) {
    const ChartSlot& chart = SlotAt(program, slot);
    Document doc;
    doc.kind = U"Informe de la consulta";
    doc.title = name;
    doc.facts = {U"Nacimiento: " + BirthMoment(chart), MadeOnFact(madeOn)};
    doc.footer = name + U" · " + BirthMoment(chart);

    doc.blocks.emplace_back(Heading{U"Carta astral"});
    Figure wheel{{ChartWheelPicture(chart)}, {kWheelNote}, kWheelWidth};
    doc.blocks.emplace_back(std::move(wheel));
    doc.blocks.emplace_back(Heading{U"Posiciones y casas"});
    doc.blocks.emplace_back(TableRow{
        {Captioned(PositionsTable(chart), U"Puntos", 0.54), Captioned(HousesTable(chart), U"Casas", 0.42)}});
    doc.blocks.emplace_back(Heading{U"Aspectos"});
    AddAspects(doc, chart);

    doc.blocks.emplace_back(PageBreak{});
    doc.blocks.emplace_back(Heading{U"Plano de conceptos"});
    Figure plane{{PlanePicture(chart, false)},
                 {U"Los catorce vectores de la carta sobre el plano de conceptos"},
                 kPlaneWidth};
    doc.blocks.emplace_back(std::move(plane));
    doc.blocks.emplace_back(Paragraph{U"El vector suma de la carta " + ResultantText(chart) + U"."});
    doc.blocks.emplace_back(Heading{U"Conceptos astrales"});
    doc.blocks.emplace_back(Paragraph{kConceptsNote, Face::Quiet});
    AddConcepts(doc, chart, concepts);
    return doc;
}

Document SynastryReport(const Program& program, const cp::Text& firstName, const cp::Text& secondName,
                        const cp::ConceptTable& concepts, const Day& madeOn) {
    Program cross = program;
    cross.SynastryBase = 1;
    cross.CurrentSubject = 3;
    FindAspects(cross);
    const ChartSlot& first = SlotAt(cross, 1);
    const ChartSlot& second = SlotAt(cross, 2);

    Document doc;
    doc.kind = U"Informe de sinastría";
    doc.title = firstName + U" y " + secondName;
    doc.facts = {firstName + U": nacimiento " + BirthMoment(first),
                 secondName + U": nacimiento " + BirthMoment(second), MadeOnFact(madeOn)};
    doc.footer =
        firstName + U" (" + BirthMoment(first) + U") y " + secondName + U" (" + BirthMoment(second) + U")";

    doc.blocks.emplace_back(Heading{U"Sinastría"});
    Figure wheel{{SynastryWheelPicture(first, second)},
                 {U"Dentro, la carta de " + firstName + U"; fuera, los puntos y las casas de " + secondName +
                  U" (en rojo, su Ascendente)"},
                 kWheelWidth};
    doc.blocks.emplace_back(std::move(wheel));
    doc.blocks.emplace_back(Heading{U"Posiciones"});
    doc.blocks.emplace_back(TableRow{{Captioned(PositionsTable(first), firstName, 0.48),
                                      Captioned(PositionsTable(second), secondName, 0.48)}});
    doc.blocks.emplace_back(Heading{U"Casas"});
    doc.blocks.emplace_back(TableRow{
        {Captioned(HousesTable(first), firstName, 0.48), Captioned(HousesTable(second), secondName, 0.48)}});
    doc.blocks.emplace_back(Heading{U"Aspectos cruzados"});
    AddAspects(doc, SlotAt(cross, 3), firstName, secondName);

    doc.blocks.emplace_back(PageBreak{});
    doc.blocks.emplace_back(Heading{U"Plano de conceptos"});
    Figure planes{{PlanePicture(first, true), PlanePicture(second, true)}, {firstName, secondName}, 1};
    doc.blocks.emplace_back(std::move(planes));
    doc.blocks.emplace_back(Paragraph{U"El vector suma de " + firstName + U" " + ResultantText(first) +
                                      U"; el de " + secondName + U" " + ResultantText(second) + U"."});
    for (const auto& [chart, name] : {std::pair{&first, firstName}, std::pair{&second, secondName}}) {
        doc.blocks.emplace_back(Heading{U"Conceptos astrales de " + name});
        AddConcepts(doc, *chart, concepts);
    }
    return doc;
}

}  // namespace orvanel::report
