// The packed skin archive as bytes linked into the native programs (the build
// generates the definition from the same skin.7z the Windows resource holds).
#pragma once
#include <cstddef>

namespace SkinUI::EmbeddedSkin {

extern const unsigned char kBytes[];
extern const std::size_t kSize;

}  // namespace SkinUI::EmbeddedSkin
