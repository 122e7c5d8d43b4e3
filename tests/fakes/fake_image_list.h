#pragma once
// An image list as a vector of the icons it was given; icon 0 and icons listed as broken are
// refused, as ImageList_AddIcon refuses them.
#include <set>
#include <vector>

#include "platform/image_list.h"

namespace fakes {

class FakeImageList : public platform::ImageList {
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
};

}  // namespace fakes
