#include "snapshot/app_windows.h"

#include <algorithm>

#include "text/utf8.h"

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
  const int copied = ui_.GetWindowText(window, title_, kTitleBufferSize);
  if (copied < 1) return false;
  std::string_view title(title_, static_cast<std::size_t>(std::min(copied, kTitleBufferSize - 1)));
  // A full buffer may end inside a character, which the title then goes without.
  if (copied >= kTitleBufferSize - 1) title = text::WithoutCutEnd(title);
  title_length_ = static_cast<int>(text::FirstCharacters(title, kTitleCharacters).size());
  return true;
}

void AppWindowList::EnumerateAppWindows() {
  filled_ = 0;
  icons_.clear();
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
  if (family_ == Family::kNt) AttachIcons();
}

void AppWindowList::AddWindow(platform::WindowHandle window) {
  // Entries are reused from tick to tick so that their titles keep their capacity.
  if (filled_ == windows_.size()) windows_.emplace_back();
  appinfos& entry = windows_[filled_];
  entry.title.assign(title_, static_cast<std::size_t>(title_length_));
  entry.window = window;
  entry.image_index = 0;
  entry.process_id = ui_.GetWindowThreadProcessId(window);
  // The icon is noted before the entry counts, so entries and icons always pair up.
  if (family_ == Family::kNt) icons_.push_back(ui_.GetClassLongA(window, platform::kGclHIcon));
  ++filled_;
}

void AppWindowList::AttachWindowIcons() {
  icons_.clear();
  for (const appinfos& entry : windows_)
    icons_.push_back(ui_.GetClassLongA(entry.window, platform::kGclHIcon));
  AttachIcons();
}

void AppWindowList::AttachIcons() {
  changed_images_.clear();
  // Re-adding the same icons every second would cost a list rebuild and a repaint for nothing.
  const bool unchanged = icons_ == added_icons_ && images_.Count() == images_after_fill_;
  if (!unchanged) {
    std::vector<platform::IconHandle> before = image_icons_;
    before.resize(static_cast<std::size_t>(images_.Count()));
    TrimImages();
    image_icons_.resize(static_cast<std::size_t>(images_.Count()));
    added_indexes_.clear();
    for (platform::IconHandle icon : icons_) {
      const int index = images_.AddIcon(icon);
      added_indexes_.push_back(index);
      if (index < 0) continue;
      image_icons_.resize(std::max(image_icons_.size(), static_cast<std::size_t>(index) + 1));
      image_icons_[static_cast<std::size_t>(index)] = icon;
    }
    NoteChangedImages(before);
    added_icons_ = icons_;
    images_after_fill_ = images_.Count();
  }
  for (std::size_t i = 0; i < windows_.size() && i < added_indexes_.size(); ++i)
    windows_[i].image_index = added_indexes_[i];
}

void AppWindowList::NoteChangedImages(const std::vector<platform::IconHandle>& before) {
  // An image that came or went changed too: a row may show it, or have shown it.
  const std::size_t end = std::max(before.size(), image_icons_.size());
  for (std::size_t i = 0; i < end; ++i)
    if (i >= before.size() || i >= image_icons_.size() || before[i] != image_icons_[i])
      changed_images_.push_back(static_cast<int>(i));
}

void AppWindowList::TrimImages() {
  // From the last image down: each removal then moves nothing.
  for (int i = images_.Count() - 1; i >= kFixedImageCount; --i) images_.Delete(i);
}

int AppWindowList::FindAppWindow(platform::WindowHandle window) const {
  if (window == 0) return -1;
  auto it = std::find_if(windows_.begin(), windows_.end(),
                         [window](const appinfos& w) { return w.window == window; });
  return it == windows_.end() ? -1 : static_cast<int>(it - windows_.begin());
}

}  // namespace snapshot
