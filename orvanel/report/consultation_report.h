// The two consultation reports: the whole diagnosis of one subject, and of a couple. Built from the
// chart slots as the program holds them, by the same code the windows use; the program state, the
// windows and their plane workspace are left untouched.
#pragma once

#include <cstdint>

#include "conceptplane/concept_table.h"
#include "conceptplane/text.h"
#include "orvanel/report/report_day.h"
#include "orvanel/report/report_document.h"
#include "orvanel/shell/program_state.h"

namespace orvanel::report {

// The subject of slot `slot` under the name `name`. A slot outside 0..12 throws cp::Fault.
Document SubjectReport(const Program& program, std::int16_t slot, const cp::Text& name,
                       const cp::ConceptTable& concepts, const Day& madeOn);

// Subjects 1 and 2: subject 1 inside the wheel and first in every cross aspect.
Document SynastryReport(const Program& program, const cp::Text& firstName, const cp::Text& secondName,
                        const cp::ConceptTable& concepts, const Day& madeOn);

// The name a report offers, and orvanel-calc gives, when none is typed: "Sujeto 1".
cp::Text DefaultSubjectName(std::int16_t slot);

// The birth moment as it was entered: "05 / 12 / 2001 a las 14h.30m." (the date alone when no
// time was kept).
cp::Text BirthMoment(const ChartSlot& chart);

}  // namespace orvanel::report
