#pragma once
#include <string>

namespace kolvane {

inline constexpr const char* kProductName = "Kolvane";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

std::string VersionText();   // "1.0.0"
std::string ProgramTitle();  // "Kolvane 1.0.0"

}  // namespace kolvane
