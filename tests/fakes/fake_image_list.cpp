#include "tests/fakes/fake_image_list.h"

namespace fakes {

FakeImageList::FakeImageList(int fixed_images, int w, int h) : width(w), height(h) {
  for (int i = 0; i < fixed_images; ++i) images.push_back(static_cast<platform::IconHandle>(i + 1));
}

bool FakeImageList::Delete(int index) {
  if (Fails("Delete")) return false;
  if (index < 0 || index >= Count()) return false;
  images.erase(images.begin() + index);
  return true;
}

int FakeImageList::AddIcon(platform::IconHandle icon) {
  if (Fails("AddIcon")) return -1;
  if (icon == 0 || broken_icons.contains(icon)) return -1;
  images.push_back(icon);
  return Count() - 1;
}

int FakeImageList::AddMasked(const std::vector<platform::Color>& pixels, platform::Color) {
  if (Fails("AddMasked")) return -1;
  if (pixels.size() != static_cast<std::size_t>(width * height)) return -1;
  pictures.push_back(pixels);
  images.push_back(kPictureHandles + pictures.size() - 1);
  return Count() - 1;
}

}  // namespace fakes
