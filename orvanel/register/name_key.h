// The key that makes names equal without regard to case and accents: "ÁLVARO", "álvaro" and
// "Alvaro" share one, so the register holds only one of them and a search for "alv" finds it. The
// tilde of ñ is kept (Spanish counts ñ as a letter of its own: "Peña" is not "Pena"), and the key
// sorts ñ between n and o.
#pragma once

#include <string>
#include <string_view>

namespace orvanel::subjects {

// The key of a UTF-8 name (also of a search text).
std::string NameKey(std::string_view name);

}  // namespace orvanel::subjects
