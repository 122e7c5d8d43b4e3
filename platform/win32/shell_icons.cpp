#include "platform/win32/shell_icons.h"

#include <windows.h>
// shellapi.h and commctrl.h need the types of windows.h.
#include <commctrl.h>
#include <shellapi.h>

#include "platform/win32/unique_handle.h"

namespace platform::win32 {

namespace {

// A read-only view of a system image list: the shell shares it with every program, so this
// program never adds to it or deletes from it.
class SystemList : public platform::ImageList {
 public:
  explicit SystemList(HIMAGELIST list) : list_(list) {
    ::ImageList_GetIconSize(list_, &width_, &height_);
  }
  int Count() const override { return ::ImageList_GetImageCount(list_); }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  bool Delete(int) override { return false; }
  int AddIcon(IconHandle) override { return -1; }
  int AddMasked(const std::vector<Color>&, Color) override { return -1; }
  Handle NativeHandle() const override { return FromHandle(list_); }

 private:
  HIMAGELIST list_;
  int width_ = 0;
  int height_ = 0;
};

UINT SizeFlag(bool large) {
  return SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON);
}

}  // namespace

Win32ShellIcons::Win32ShellIcons() = default;
Win32ShellIcons::~Win32ShellIcons() = default;

const platform::ImageList* Win32ShellIcons::SystemImageList(bool large) {
  std::unique_ptr<platform::ImageList>& slot = large ? large_ : small_;
  if (!slot) {
    SHFILEINFOA info{};
    const DWORD_PTR list = ::SHGetFileInfoA("C:\\", 0, &info, sizeof info, SizeFlag(large));
    if (list) slot = std::make_unique<SystemList>(reinterpret_cast<HIMAGELIST>(list));
  }
  return slot.get();
}

int Win32ShellIcons::FileIconIndex(const std::string& path, bool large) {
  SHFILEINFOA info{};
  if (!::SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SizeFlag(large))) return -1;
  return info.iIcon;
}

}  // namespace platform::win32
