#include "snapshot/app_windows.h"

#include <algorithm>

namespace snapshot {

AppWindowList::AppWindowList(platform::UserInterface& ui, platform::ImageList& images,
                             Family family)
    : ui_(ui), images_(images), family_(family) {
  title_[0] = '\0';
}

bool AppWindowList::IsApplicationWindow(platform::WindowHandle window) {
  title_length_ = 0;
  if (!ui_.IsWindowVisible(window)) return false;
  const auto owner =
      static_cast<platform::WindowHandle>(ui_.GetWindowLongA(window, platform::kGwlHwndParent));
  if (owner != 0 && owner != ui_.GetDesktopWindow()) return false;
  const auto ex_style =
      static_cast<std::uint32_t>(ui_.GetWindowLongA(window, platform::kGwlExStyle));
  if ((ex_style & platform::kWsExToolWindow) != 0 && (ex_style & platform::kWsExAppWindow) == 0)
    return false;
  const int copied = ui_.GetWindowTextA(window, title_, kTitleBufferSize);
  if (copied < 1) return false;
  title_length_ = std::min(copied, kTitleBufferSize - 1);
  return true;
}

void AppWindowList::EnumerateAppWindows() {
  filled_ = 0;
  if (family_ == Family::kNt) TrimImages();
  ui_.EnumWindows([this](platform::WindowHandle window) {
    if (IsApplicationWindow(window)) {
      // A failure to append leaves this window out; enumeration goes on in every case.
      try {
        AddWindow(window);
      } catch (...) {
      }
    }
    return true;
  });
  windows_.resize(filled_);
}

void AppWindowList::AddWindow(platform::WindowHandle window) {
  // Entries are reused from tick to tick so that their titles keep their capacity.
  if (filled_ == windows_.size()) windows_.emplace_back();
  appinfos& entry = windows_[filled_];
  entry.title.assign(title_, static_cast<std::size_t>(title_length_));
  entry.window = window;
  ++filled_;
  if (family_ == Family::kNt) {
    const platform::IconHandle icon = ui_.GetClassLongA(window, platform::kGclHIcon);
    entry.image_index = images_.AddIcon(icon);
  } else {
    entry.image_index = 0;
  }
}

void AppWindowList::AttachWindowIcons() {
  TrimImages();
  for (appinfos& entry : windows_)
    entry.image_index = images_.AddIcon(ui_.GetClassLongA(entry.window, platform::kGclHIcon));
}

void AppWindowList::TrimImages() {
  // From the last image down: each removal then moves nothing.
  for (int i = images_.Count() - 1; i >= kFixedImageCount; --i) images_.Delete(i);
}

int AppWindowList::FindAppWindowByTitle(std::string_view text) const {
  auto it = std::find_if(windows_.begin(), windows_.end(),
                         [text](const appinfos& w) { return w.title == text; });
  return it == windows_.end() ? -1 : static_cast<int>(it - windows_.begin());
}

int AppWindowList::CountAppWindowsWithTitle(std::string_view text) const {
  return static_cast<int>(std::count_if(windows_.begin(), windows_.end(),
                                        [text](const appinfos& w) { return w.title == text; }));
}

}  // namespace snapshot
