// The times of creation and last change of a subject: UTC, to the second, as "2024-05-07T10:11:12Z".
#pragma once

#include <string>
#include <string_view>

namespace orvanel::subjects {

std::string NowStamp();
// Whether `text` has that form (digits where digits belong).
bool IsStamp(std::string_view text);

}  // namespace orvanel::subjects
