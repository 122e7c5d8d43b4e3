// Feeds arbitrary bytes to RenderMarkup in all three modes. The first byte picks word wrap, the
// selected state, the rectangle width and the hit point; the rest is the markup text, UTF-8 or
// broken: what whole UTF-8 draws is whole UTF-8.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "controls/markup/render.h"
#include "tests/fakes/fake_image_list.h"
#include "tests/fakes/recording_canvas.h"
#include "tests/fuzz/whole_utf8.h"

namespace {

class Pictures : public controls::markup::PictureContainer {
 public:
  Pictures() : logo_(std::make_unique<fakes::FakeBitmap>(7, 5)) {}
  platform::Bitmap* Find(const std::string& name) const override {
    return name == "LOGO" ? logo_.get() : nullptr;
  }

 private:
  std::unique_ptr<fakes::FakeBitmap> logo_;
};

class Loader : public platform::PictureLoader {
 public:
  std::unique_ptr<platform::Bitmap> LoadResource(const std::string& name) override {
    if (name.empty()) return nullptr;
    return std::make_unique<fakes::FakeBitmap>(static_cast<int>(name.size() % 40), 3);
  }
  std::unique_ptr<platform::Bitmap> LoadFile(const std::string& path) override {
    if (path.size() % 2) return nullptr;
    return std::make_unique<fakes::FakeBitmap>(4, static_cast<int>(path.size() % 30));
  }
};

class Shell : public platform::ShellIcons {
 public:
  const platform::ImageList* SystemImageList(bool large) override {
    return large ? &large_ : &small_;
  }
  int FileIconIndex(const std::string& path, bool) override {
    return path.empty() ? -1 : static_cast<int>(path.size() % 12) - 2;
  }

 private:
  fakes::FakeImageList small_{8, 16, 16};
  fakes::FakeImageList large_{8, 32, 32};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static Pictures pictures;
  static Loader loader;
  static Shell shell;
  static fakes::FakeImageList images{3, 16, 16};
  const std::uint8_t knobs = data[0];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const int width = 1 + (knobs >> 3) * 12;  // 1 to 373 pixels
  const platform::Rect rect{3, 2, 3 + width, 60};

  controls::markup::PictureCache cache(&loader);
  controls::markup::Options options;
  options.images = &images;
  options.pictures = &pictures;
  options.cache = &cache;
  options.shell = &shell;
  options.word_wrap = (knobs & 1) != 0;
  options.selected = (knobs & 2) != 0;
  options.hit = {(knobs & 4) ? 10 : 30, 8};
  const bool whole = WholeUtf8(text);
  int measured = 0;
  for (controls::markup::Mode mode :
       {controls::markup::Mode::kMeasure, controls::markup::Mode::kDraw,
        controls::markup::Mode::kHitTest}) {
    fakes::RecordingCanvas canvas;
    options.mode = mode;
    const controls::markup::Result result = controls::markup::Render(canvas, text, rect, options);
    if (result.height <= 0) __builtin_trap();
    if (mode == controls::markup::Mode::kMeasure) measured = result.height;
    // Drawing stops below the rectangle, so it never lays out more than measuring does.
    else if (result.height > measured)
      __builtin_trap();
    if (!(canvas.GetFont() == platform::Font{})) __builtin_trap();
    // Lines, words and runs end between characters: whole UTF-8 in, whole UTF-8 drawn.
    if (whole)
      for (const fakes::TextRecord& drawn : canvas.texts)
        if (!WholeUtf8(drawn.text)) __builtin_trap();
  }
  return 0;
}
