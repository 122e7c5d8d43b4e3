#pragma once
// The kernel32 file operations reports are written with.
#include <cstdint>
#include <string>

namespace platform {

constexpr std::uint32_t kMoveFileReplaceExisting = 0x1;
constexpr std::uint32_t kErrorFileExists = 80;
constexpr std::uint32_t kErrorCallNotImplemented = 120;
constexpr std::uint32_t kInvalidFileAttributes = 0xFFFFFFFF;
constexpr std::uint32_t kFileAttributeReadOnly = 0x1;

// What became of a file to be made new.
enum class NewFile {
  kWritten,
  kNotCreated,  // no file was made; GetLastError says why (kErrorFileExists: one is there)
  kNotWritten,  // the file was made but not written whole; it is left as it is
};

class Files {
 public:
  virtual ~Files() = default;
  // CreateFileA with CREATE_NEW, which never opens a file that is already there, and WriteFile
  // of all `bytes`.
  virtual NewFile WriteNewFile(const std::string& path, const std::string& bytes) = 0;
  // MoveFileEx, bound at run time: systems of the 9x family have only a stub, and where the
  // entry is missing the call fails with kErrorCallNotImplemented.
  virtual bool MoveFileEx(const std::string& from, const std::string& to, std::uint32_t flags) = 0;
  virtual bool MoveFile(const std::string& from, const std::string& to) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  // GetFileAttributes: kInvalidFileAttributes when there is no such file.
  virtual std::uint32_t GetFileAttributes(const std::string& path) = 0;
  // The error of the last call that failed.
  virtual std::uint32_t GetLastError() = 0;
};

}  // namespace platform
