// The two series of pictures of the manual: Orvanel's windows and rorev's.
#pragma once

#include <filesystem>

#include "shot_folder.h"

namespace manual_shots {

// Subjects, dates and plane points are fixed, so every run draws the same pictures.
void TakeOrvanelShots(ShotFolder& folder, const std::filesystem::path& data);
void TakeRorevShots(ShotFolder& folder, const std::filesystem::path& data);

}  // namespace manual_shots
