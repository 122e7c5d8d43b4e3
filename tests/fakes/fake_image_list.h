#pragma once
// An image list as a vector of the icons it was given; icon 0 and icons listed as broken are
// refused, as ImageList_AddIcon refuses them.
#include <set>
#include <vector>

#include "platform/image_list.h"
#include "tests/fakes/call_failer.h"

namespace fakes {

class FakeImageList : public platform::ImageList, public Failable {
 public:
  explicit FakeImageList(int fixed_images = 3, int width = 16, int height = 16);

  std::vector<platform::IconHandle> images;  // the fixed images hold 1, 2, 3, ...
  std::set<platform::IconHandle> broken_icons;
  int width;
  int height;

  int Count() const override { return static_cast<int>(images.size()); }
  int Width() const override { return width; }
  int Height() const override { return height; }
  bool Delete(int index) override;
  int AddIcon(platform::IconHandle icon) override;
  // Stands in the list as a made-up handle from kPictureHandles on; the pixels are kept.
  int AddMasked(const std::vector<platform::Color>& pixels, platform::Color mask) override;

  static constexpr platform::IconHandle kPictureHandles = 0x9000;
  std::vector<std::vector<platform::Color>> pictures;
};

}  // namespace fakes
