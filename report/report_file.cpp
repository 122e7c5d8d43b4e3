#include "report/report_file.h"

namespace report {

std::string ReportFileBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes.append(line).append("\r\n");
  return bytes;
}

bool WriteReportFile(platform::Files& files, const std::string& path,
                     const std::vector<std::string>& lines) {
  // A read-only report is kept, as the system keeps it from being overwritten; the replace
  // below would not ask on every system.
  const std::uint32_t attributes = files.GetFileAttributesA(path);
  if (attributes != platform::kInvalidFileAttributes &&
      (attributes & platform::kFileAttributeReadOnly))
    return false;
  const std::string temporary = path + ".tmp";
  if (!files.WriteNewFile(temporary, ReportFileBytes(lines))) {
    files.DeleteFileA(temporary);
    return false;
  }
  if (files.MoveFileExA(temporary, path, platform::kMoveFileReplaceExisting)) return true;
  // The 9x family cannot replace in one step: the old file goes first. Only there, so that on
  // other systems a refused replace (a read-only target) leaves the old file alone.
  if (files.GetLastError() == platform::kErrorCallNotImplemented &&
      (attributes == platform::kInvalidFileAttributes || files.DeleteFileA(path)) &&
      files.MoveFileA(temporary, path))
    return true;
  files.DeleteFileA(temporary);
  return false;
}

}  // namespace report
