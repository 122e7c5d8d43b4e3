#include "controls/markup/pictures.h"

namespace controls::markup {

platform::Bitmap* PictureCache::Get(const std::string& source) {
  auto it = pictures_.find(source);
  if (it != pictures_.end()) return it->second.get();
  std::unique_ptr<platform::Bitmap> picture;
  if (loader_) {
    if (source.rfind("RES://", 0) == 0)
      picture = loader_->LoadResource(source.substr(6));
    else if (source.rfind("FILE://", 0) == 0)
      picture = loader_->LoadFile(source.substr(7));
  }
  // Failures are remembered too, so a broken source is not reloaded at every paint.
  return pictures_.emplace(source, std::move(picture)).first->second.get();
}

}  // namespace controls::markup
