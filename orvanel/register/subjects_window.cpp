// Registration of the register window.
#include "orvanel/register/subjects_window.h"

#include <memory>

#include "orvanel/register/form_subjects.h"
#include "orvanel/shell/windows.h"

namespace orvanel {

void InstallSubjectsWindow(Windows& windows) {
    windows.Register(WindowId::Subjects, [](Windows& w) { return std::make_unique<FormSubjects>(w); });
    windows.SetOpener(WindowId::Subjects, [](Windows& w, WindowId from) {
        auto& form = w.Get<FormSubjects>(WindowId::Subjects);
        w.Move(from, WindowId::Subjects);
        form.ShowRegister();
    });
}

}  // namespace orvanel
