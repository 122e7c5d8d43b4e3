#pragma once
// Pictures named in markup image sources. The container holds the form's named pictures; the
// cache loads "://" sources once and keeps them for the life of the list control.
#include <map>
#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/picture_loader.h"

namespace controls::markup {

class PictureContainer {
 public:
  virtual ~PictureContainer() = default;
  // The picture called `name`, nullptr when there is none.
  virtual platform::Bitmap* Find(const std::string& name) const = 0;
};

class PictureCache {
 public:
  // `loader` may be null: then every "://" picture stays empty.
  explicit PictureCache(platform::PictureLoader* loader = nullptr) : loader_(loader) {}

  // The picture for an upper-cased source such as "RES://LOGO" or "FILE://C:\A.BMP", loaded
  // on first use; nullptr when it cannot be loaded. Other addresses would need a background
  // download, which this program never does, so they stay empty (and are not retried).
  platform::Bitmap* Get(const std::string& source);
  std::size_t Size() const { return pictures_.size(); }

 private:
  platform::PictureLoader* loader_;
  std::map<std::string, std::unique_ptr<platform::Bitmap>> pictures_;
};

}  // namespace controls::markup
