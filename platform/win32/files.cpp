#include "platform/win32/files.h"

#include "platform/win32/system_headers.h"

#include "platform/win32/kernel_handles.h"
#include "platform/win32/modules.h"
#include "platform/win32/text_boundary.h"

namespace platform::win32 {

namespace {

using MoveFileExFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);

}  // namespace

platform::NewFile Win32Files::WriteNewFile(const std::string& path, const std::string& bytes) {
  const auto create = RV_WIDE("kernel32.dll", CreateFileW);
  UniqueFile file(create ? create(WideFromUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr)
                         : ::CreateFileA(AnsiFromUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                         CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return platform::NewFile::kNotCreated;
  DWORD written = 0;
  const bool whole =
      ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  return whole ? platform::NewFile::kWritten : platform::NewFile::kNotWritten;
}

bool Win32Files::MoveFileEx(const std::string& from, const std::string& to, std::uint32_t flags) {
  if (const auto move = RV_WIDE("kernel32.dll", MoveFileExW))
    return move(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str(), flags) != FALSE;
  const auto move = EntryAs<MoveFileExFunction>(LoadedModuleEntry("kernel32.dll", "MoveFileExA"));
  if (!move) {
    ::SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return false;
  }
  return move(AnsiFromUtf8(from).c_str(), AnsiFromUtf8(to).c_str(), flags) != FALSE;
}

bool Win32Files::MoveFile(const std::string& from, const std::string& to) {
  if (const auto move = RV_WIDE("kernel32.dll", MoveFileW))
    return move(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str()) != FALSE;
  return ::MoveFileA(AnsiFromUtf8(from).c_str(), AnsiFromUtf8(to).c_str()) != FALSE;
}

bool Win32Files::DeleteFile(const std::string& path) {
  if (const auto remove = RV_WIDE("kernel32.dll", DeleteFileW))
    return remove(WideFromUtf8(path).c_str()) != FALSE;
  return ::DeleteFileA(AnsiFromUtf8(path).c_str()) != FALSE;
}

std::uint32_t Win32Files::GetFileAttributes(const std::string& path) {
  if (const auto attributes = RV_WIDE("kernel32.dll", GetFileAttributesW))
    return attributes(WideFromUtf8(path).c_str());
  return ::GetFileAttributesA(AnsiFromUtf8(path).c_str());
}

std::uint32_t Win32Files::GetLastError() {
  return ::GetLastError();
}

}  // namespace platform::win32
