// The test skin archive packed by the build from tests/fixtures/skin-archive
// (plus layouts at and over the size limit), linked in as bytes.
#pragma once
#include <cstddef>
#include <string>

namespace TestSkin {

extern const unsigned char kBytes[];
extern const std::size_t kSize;

inline std::string Bytes() { return std::string(reinterpret_cast<const char*>(kBytes), kSize); }

}  // namespace TestSkin
