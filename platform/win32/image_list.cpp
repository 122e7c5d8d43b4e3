#include "platform/win32/image_list.h"

#include "platform/win32/unique_handle.h"

namespace platform::win32 {

Win32ImageList::Win32ImageList(int width, int height)
    : width_(width),
      height_(height),
      list_(::ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 8, 8)) {}

Win32ImageList::~Win32ImageList() {
  if (list_) ::ImageList_Destroy(list_);
}

int Win32ImageList::Count() const {
  return list_ ? ::ImageList_GetImageCount(list_) : 0;
}

bool Win32ImageList::Delete(int index) {
  // ImageList_Remove takes -1 as "all"; an index out of range is refused here instead.
  if (!list_ || index < 0 || index >= Count()) return false;
  return ::ImageList_Remove(list_, index) != FALSE;
}

int Win32ImageList::AddIcon(IconHandle icon) {
  if (!list_ || icon == 0) return -1;
  return ::ImageList_AddIcon(list_, ToHandle<HICON>(icon));
}

}  // namespace platform::win32
