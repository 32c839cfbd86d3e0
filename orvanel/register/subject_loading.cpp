// Looking a subject up by name and entering it.
#include "orvanel/register/subject_loading.h"

#include "orvanel/register/register_fault.h"
#include "orvanel/shell/entry_confirmation.h"

namespace orvanel::subjects {

Subject FoundSubject(SubjectRegister& subjects, std::string_view name) {
    if (!subjects.Readable()) throw RegisterFault(subjects.Problem());
    auto found = subjects.Find(name);
    if (!found) throw RegisterFault(NoSuchSubjectMessage(TrimName(name)));
    return std::move(*found);
}

void LoadSubject(Program& program, EphemerisFiles& files, SubjectRegister& subjects, std::string_view name,
                 std::int16_t slot) {
    const Subject subject = FoundSubject(subjects, name);
    EnterTyped(program, files, slot, TextsOf(subject));
    SlotAt(program, slot).registerName = cp::FromUtf8(subject.name);
}

}  // namespace orvanel::subjects
