#pragma once
// Report files through kernel32; MoveFileEx is bound at run time, as the 9x family lacks it.
#include "platform/files.h"

namespace platform::win32 {

class Win32Files : public platform::Files {
 public:
  platform::NewFile WriteNewFile(const std::string& path, const std::string& bytes) override;
  bool MoveFileEx(const std::string& from, const std::string& to, std::uint32_t flags) override;
  bool MoveFile(const std::string& from, const std::string& to) override;
  bool DeleteFile(const std::string& path) override;
  std::uint32_t GetFileAttributes(const std::string& path) override;
  std::uint32_t GetLastError() override;
};

}  // namespace platform::win32
