#pragma once
// Report files: lines already in the ANSI code page (file_encoding.h), CR LF after every line, no
// byte-order mark, written whole or not at all.
#include <string>
#include <vector>

#include "platform/files.h"

namespace report {

// The file's bytes.
std::string ReportFileBytes(const std::vector<std::string>& lines);

// Writes a temporary file beside `path` and puts it in the place of `path`; on failure the
// earlier file stays as it was, no temporary file is left and false is returned. The temporary
// file is made new under a name no file has, so no other file is ever overwritten or removed.
bool WriteReportFile(platform::Files& files, const std::string& path,
                     const std::vector<std::string>& lines);

}  // namespace report
