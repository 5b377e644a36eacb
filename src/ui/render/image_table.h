// Decoded images by name, as each host keeps them (and one table shared by
// the whole process), and the per-attribute state of an image description:
// parsed once, loaded once, then drawn on every paint.
#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "ui/render/image_description.h"
#include "ui/render/skin_image.h"

namespace SkinUI {

class ImageTable {
 public:
  const TImage* Find(const std::wstring& name) const;
  const TImage* Add(const std::wstring& name, TImage image);

 private:
  std::map<std::wstring, std::unique_ptr<TImage>> images_;  // stable addresses
};

ImageTable& SharedImageTable();

// Looks in the host's table, then in the shared one; otherwise loads the
// image and keeps it in the host's table (in the shared one for a host in
// shared mode).
const TImage* GetOrLoadImage(ImageTable& hostTable, bool sharedMode, const std::wstring& name,
                             const std::wstring& resourceType, uint32_t mask);

class ImageDescriptionState {
 public:
  void SetText(const std::wstring& text);  // forgets what was parsed and loaded
  const std::wstring& Text() const { return text_; }

  // Parses and loads on first use (nothing without a host table); then
  // draws, unless `surface` is null, which only parses and loads. False when
  // nothing was drawn.
  bool Draw(Surface* surface, ImageTable* hostTable, bool sharedMode, const Rect& item,
            const Rect& paint);

  const TImage* Image() const { return image_; }
  const ImageDescription& Parsed() const { return parsed_; }

 private:
  std::wstring text_;
  ImageDescription parsed_;
  const TImage* image_ = nullptr;
  bool attempted_ = false;
};

}  // namespace SkinUI
