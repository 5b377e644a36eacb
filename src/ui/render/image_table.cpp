#include "ui/render/image_table.h"

#include "ui/render/image_loader.h"

namespace SkinUI {

const TImage* ImageTable::Find(const std::wstring& name) const {
  const auto found = images_.find(name);
  return found == images_.end() ? nullptr : found->second.get();
}

const TImage* ImageTable::Add(const std::wstring& name, TImage image) {
  auto& slot = images_[name];
  slot = std::make_unique<TImage>(std::move(image));
  return slot.get();
}

ImageTable& SharedImageTable() {
  static ImageTable* table = new ImageTable;  // lives until the process ends
  return *table;
}

const TImage* GetOrLoadImage(ImageTable& hostTable, bool sharedMode, const std::wstring& name,
                             const std::wstring& resourceType, uint32_t mask) {
  if (const TImage* image = hostTable.Find(name)) return image;
  if (const TImage* image = SharedImageTable().Find(name)) return image;
  std::optional<TImage> loaded = LoadImage(name, resourceType, mask);
  if (!loaded) return nullptr;
  return (sharedMode ? SharedImageTable() : hostTable).Add(name, std::move(*loaded));
}

void ImageDescriptionState::SetText(const std::wstring& text) {
  text_ = text;
  parsed_ = {};
  image_ = nullptr;
  attempted_ = false;
}

bool ImageDescriptionState::Draw(Surface* surface, ImageTable* hostTable, bool sharedMode,
                                 const Rect& item, const Rect& paint) {
  if (text_.empty() || !hostTable) return false;
  if (!attempted_) {
    attempted_ = true;
    parsed_ = ParseImageDescription(text_);
    image_ = GetOrLoadImage(*hostTable, sharedMode, parsed_.name, parsed_.resourceType, parsed_.mask);
    if (image_ && parsed_.source == Rect{}) parsed_.source = image_->pixels.Bounds();
  }
  if (!image_ || !surface) return false;

  ImageDrawing drawing;
  drawing.source = parsed_.source;
  drawing.source.right = std::min(drawing.source.right, image_->Width());
  drawing.source.bottom = std::min(drawing.source.bottom, image_->Height());
  drawing.destination = ResolveDestination(item, parsed_.dest);
  if (Intersect(drawing.destination, item).IsEmpty() || Intersect(drawing.destination, paint).IsEmpty())
    return false;
  drawing.paint = paint;
  drawing.corners = parsed_.corners;
  drawing.alpha = image_->alpha;
  drawing.fade = parsed_.fade;
  drawing.hole = parsed_.hole;
  drawing.xtiled = parsed_.xtiled;
  drawing.ytiled = parsed_.ytiled;
  DrawImage(*surface, *image_, drawing);
  return true;
}

}  // namespace SkinUI
