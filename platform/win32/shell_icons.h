#pragma once
// The shell's system image lists and file icon indexes (SHGetFileInfoA).
#include <memory>

#include "platform/shell_icons.h"

namespace platform::win32 {

class Win32ShellIcons : public platform::ShellIcons {
 public:
  Win32ShellIcons();
  ~Win32ShellIcons() override;

  const platform::ImageList* SystemImageList(bool large) override;
  int FileIconIndex(const std::string& path, bool large) override;

 private:
  // Views of the shell's lists, made on first use; the lists themselves belong to the shell.
  std::unique_ptr<platform::ImageList> small_;
  std::unique_ptr<platform::ImageList> large_;
};

}  // namespace platform::win32
