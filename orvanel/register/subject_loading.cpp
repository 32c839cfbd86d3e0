// Looking a subject up by name and entering it.
#include "orvanel/register/subject_loading.h"

#include "orvanel/register/register_fault.h"
#include "orvanel/shell/entry_confirmation.h"

namespace orvanel::subjects {

EntryTexts TypedTextsOf(SubjectRegister& subjects, std::string_view name) {
    if (!subjects.Readable()) throw RegisterFault(subjects.Problem());
    const auto found = subjects.Find(name);
    if (!found) throw RegisterFault(NoSuchSubjectMessage(TrimName(name)));
    return TextsOf(*found);
}

void LoadSubject(Program& program, EphemerisFiles& files, SubjectRegister& subjects, std::string_view name,
                 std::int16_t slot) {
    EnterTyped(program, files, slot, TypedTextsOf(subjects, name));
}

}  // namespace orvanel::subjects
