// The astral concepts of a chart with their definitions, as the report lists them.
#include "orvanel/report/concepts_table.h"

#include "conceptplane/concept_description.h"
#include "orvanel/report/chart_tables.h"
#include "orvanel/shell/tables.h"
#include "orvanel/vectors/astral_concepts.h"
#include "orvanel/vectors/nearest_concept.h"

namespace orvanel::report {

namespace {

cp::Text ReferredTo(const AstralConcept& c, const ChartSlot& chart) {
    switch (c.of) {
        case AstralConcept::Of::Point:
            return PointPhrase(c.point, true) + U" en " +
                   NameAt(SignNames, SignOfLongitude(chart.longitude[static_cast<std::size_t>(c.point)]));
        case AstralConcept::Of::Aspect:
            return AspectSentence(c.point, c.kind, c.second);
        case AstralConcept::Of::Resultant:
            break;
    }
    return U"Vector suma";
}

std::vector<Cell> ConceptCells(const cp::Text& paddedName, const cp::ConceptTable& concepts) {
    const cp::Text name = cp::TrimBlanks(paddedName);
    if (name.empty()) return {{kNoConcept, Face::Quiet}, {U""}};
    return {{name, Face::Strong},
            {cp::TrimBlanks(cp::DescribeConcept(concepts.Read(concepts.FindByName(paddedName))))}};
}

}  // namespace

Table AstralConceptsTable(const ChartSlot& chart, const cp::ConceptTable& concepts) {
    Table table;
    table.columns = {{U"Concepto", 3.2}, {U"Referido a", 4.4}, {U"Definición", 3.6}};
    cp::VectorWorkspace workspace(cp::Arithmetic::Orvanel);
    for (const AstralConcept& c : AstralConceptsOf(chart, concepts, workspace)) {
        std::vector<Cell> cells = ConceptCells(RecordName(concepts, c.record), concepts);
        table.rows.push_back({cells[0], {ReferredTo(c, chart)}, cells[1]});
    }
    return table;
}

}  // namespace orvanel::report
