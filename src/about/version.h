#pragma once
// The program's version numbers, from the project's version in CMake.

namespace about {

constexpr int kVersionMajor = NORVELIN_VERSION_MAJOR;
constexpr int kVersionMinor = NORVELIN_VERSION_MINOR;
constexpr int kVersionRevision = NORVELIN_VERSION_PATCH;

} // namespace about
