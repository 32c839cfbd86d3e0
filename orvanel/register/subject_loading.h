// A subject of the register entered in a slot: what the window's "Cargar como sujeto 1", orvanel-calc's
// `chart --subject` and `synastry --subjects` (and any later caller, a report) do with a name.
#pragma once

#include <cstdint>
#include <string_view>

#include "orvanel/astro/ephemeris_files.h"
#include "orvanel/register/subject_register.h"
#include "orvanel/shell/program_state.h"

namespace orvanel::subjects {

// The typed texts of the subject named `name`. A register that cannot be read, or holds no such
// subject, throws RegisterFault.
EntryTexts TypedTextsOf(SubjectRegister& subjects, std::string_view name);

// Enters that subject in slot `slot` as a confirmed date entry with its texts does: the same state
// changes, the same chart. Faults as TypedTextsOf and ConfirmEntry.
void LoadSubject(Program& program, EphemerisFiles& files, SubjectRegister& subjects, std::string_view name,
                 std::int16_t slot);

}  // namespace orvanel::subjects
