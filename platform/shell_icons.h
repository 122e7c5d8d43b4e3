#pragma once
// The shell's file icons (SHGetFileInfo with SHGFI_SYSICONINDEX): the system image lists and
// the index of a file's icon in them.
#include <string>

#include "platform/image_list.h"

namespace platform {

class ShellIcons {
 public:
  virtual ~ShellIcons() = default;
  // The shell's small or large icon list; nullptr when the shell offers none.
  virtual const ImageList* SystemImageList(bool large) = 0;
  // Index of the icon of `path` in that list, -1 when the shell has none.
  virtual int FileIconIndex(const std::string& path, bool large) = 0;
};

}  // namespace platform
