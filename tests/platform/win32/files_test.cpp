// Report files through kernel32: a file is made new, never written over one that is there.
#include "platform/win32/files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(Win32Files, ANewFileIsNeverWrittenOverOneThatIsThere) {
  char folder[MAX_PATH] = "";
  ASSERT_GT(::GetTempPathA(MAX_PATH, folder), 0u);
  const std::string path = std::string(folder) + "rv-new-file-test.tmp";
  ::DeleteFileA(path.c_str());
  platform::win32::Win32Files files;
  EXPECT_EQ(files.WriteNewFile(path, "first"), platform::NewFile::kWritten);
  EXPECT_EQ(files.WriteNewFile(path, "second"), platform::NewFile::kNotCreated);
  EXPECT_EQ(files.GetLastError(), platform::kErrorFileExists);
  EXPECT_EQ(Bytes(path), "first");
  EXPECT_TRUE(files.DeleteFileA(path));
}

}  // namespace
