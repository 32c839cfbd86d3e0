// The faults of the register of subjects, each with the Spanish message the user reads: the window
// shows it in a message box, orvanel-calc prints it on standard error and exits with status 2.
#pragma once

#include <string>

#include "conceptplane/faults.h"

namespace orvanel::subjects {

class RegisterFault : public cp::Fault {
  public:
    using cp::Fault::Fault;
};

// Another program holds the register for writing longer than the wait allows; nothing was changed,
// and the same action may simply be tried again.
class RegisterBusy : public RegisterFault {
  public:
    RegisterBusy();
};

inline constexpr char kBusyMessage[] = "El registro de sujetos está ocupado; inténtelo de nuevo";

// The messages that name a file or a subject.
std::string NotARegisterMessage(const std::string& path);
std::string DamagedMessage(const std::string& path);
std::string NewerMessage(const std::string& path);
std::string CannotOpenMessage(const std::string& path);
std::string CannotCreateMessage(const std::string& path);
std::string ReadOnlyMessage(const std::string& path);
std::string NameExistsMessage(const std::string& name);
std::string NoSuchSubjectMessage(const std::string& name);

}  // namespace orvanel::subjects
