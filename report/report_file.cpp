#include "report/report_file.h"

namespace report {

namespace {

// Names tried for the temporary file: "<target>.tmp", then "<target>.1.tmp", "<target>.2.tmp"...
constexpr int kTemporaryNames = 100;

std::string TemporaryName(const std::string& path, int attempt) {
  return attempt == 0 ? path + ".tmp" : path + "." + std::to_string(attempt) + ".tmp";
}

// Writes `bytes` to a file made new beside `path`: its name, or empty when none could be made
// and written (none is left then).
std::string WriteTemporaryFile(platform::Files& files, const std::string& path,
                               const std::string& bytes) {
  for (int attempt = 0; attempt < kTemporaryNames; ++attempt) {
    const std::string name = TemporaryName(path, attempt);
    switch (files.WriteNewFile(name, bytes)) {
      case platform::NewFile::kWritten:
        return name;
      case platform::NewFile::kNotWritten:
        files.DeleteFile(name);  // made by this call: ours to remove
        return {};
      case platform::NewFile::kNotCreated:
        if (files.GetLastError() != platform::kErrorFileExists) return {};
        break;  // another file has the name: it is left alone
    }
  }
  return {};
}

}  // namespace

std::string ReportFileBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes.append(line).append("\r\n");
  return bytes;
}

bool WriteReportFile(platform::Files& files, const std::string& path,
                     const std::vector<std::string>& lines) {
  // A read-only report is kept, as the system keeps it from being overwritten; the replace
  // below would not ask on every system.
  const std::uint32_t attributes = files.GetFileAttributes(path);
  if (attributes != platform::kInvalidFileAttributes &&
      (attributes & platform::kFileAttributeReadOnly))
    return false;
  const std::string temporary = WriteTemporaryFile(files, path, ReportFileBytes(lines));
  if (temporary.empty()) return false;
  if (files.MoveFileEx(temporary, path, platform::kMoveFileReplaceExisting)) return true;
  // The 9x family cannot replace in one step: the old file goes first. Only there, so that on
  // other systems a refused replace (a read-only target) leaves the old file alone.
  if (files.GetLastError() == platform::kErrorCallNotImplemented &&
      (attributes == platform::kInvalidFileAttributes || files.DeleteFile(path)) &&
      files.MoveFile(temporary, path))
    return true;
  files.DeleteFile(temporary);
  return false;
}

}  // namespace report
