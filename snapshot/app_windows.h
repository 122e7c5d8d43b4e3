#pragma once
// The application window list: visible, unowned, non-tool top-level windows with a title, in
// enumeration order, each with its class icon in the window-icon image list. Rebuilt at every
// tick; the image list keeps its fixed images and holds the icons of this tick behind them. When
// the windows' icons are those of the last tick, the images already there are kept as they are.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/image_list.h"
#include "platform/user_interface.h"
#include "snapshot/app_info.h"
#include "snapshot/family.h"

namespace snapshot {

// The images loaded with the main window; window icons follow them.
constexpr int kFixedImageCount = 3;
// A title is kept to 255 characters; the buffer holds that many of the longest UTF-8 form.
constexpr std::size_t kTitleCharacters = 255;
constexpr int kTitleBufferSize = kTitleCharacters * 4 + 1;

class AppWindowList {
 public:
  // `images` is referenced, not owned; it outlives this list.
  AppWindowList(platform::UserInterface& ui, platform::ImageList& images, Family family);

  // Rebuilds the list. On NT the icons are attached while enumerating; on 9x every entry gets
  // image index 0 and AttachWindowIcons must follow.
  void EnumerateAppWindows();
  void AttachWindowIcons();

  // True when `window` passes the filter; the title it read is kept for the entry to add.
  bool IsApplicationWindow(platform::WindowHandle window);

  // Position of the entry of `window`, -1 when this tick did not list it.
  int FindAppWindow(platform::WindowHandle window) const;

  const std::vector<appinfos>& windows() const { return windows_; }
  // The image indexes, in ascending order, whose picture the last attaching of icons changed:
  // rows that keep such an index show another picture now. Empty when the icons were kept.
  const std::vector<int>& ChangedImages() const { return changed_images_; }

 private:
  void AddWindow(platform::WindowHandle window);
  void TrimImages();
  // What differs between the icons the list held at each index and those it holds now.
  void NoteChangedImages(const std::vector<platform::IconHandle>& before);
  // Gives every entry the image of its icon, adding the icons anew only when they changed.
  void AttachIcons();

  platform::UserInterface& ui_;
  platform::ImageList& images_;
  Family family_;
  std::vector<appinfos> windows_;
  std::size_t filled_ = 0;                         // entries of this tick while enumerating
  std::vector<platform::IconHandle> icons_;        // this tick's, one per entry
  std::vector<platform::IconHandle> added_icons_;  // what the image list was last filled with
  std::vector<int> added_indexes_;                 // and the image index each got
  std::vector<platform::IconHandle> image_icons_;  // the icon at each index added, else 0
  std::vector<int> changed_images_;                // by the last fill
  int images_after_fill_ = -1;                     // the list's size right after that fill
  char title_[kTitleBufferSize];
  int title_length_ = 0;
};

}  // namespace snapshot
