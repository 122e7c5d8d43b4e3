#include "platform/win32/system_texts.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(Win32SystemTexts, ErrorTextsComeWithoutTheirLineBreak) {
  platform::win32::Win32SystemTexts texts;
  const std::string not_found = texts.FormatMessageA(ERROR_FILE_NOT_FOUND);
  ASSERT_FALSE(not_found.empty());
  EXPECT_NE(not_found.back(), '\n');
  EXPECT_NE(not_found.back(), '\r');
  EXPECT_EQ(texts.FormatMessageA(0xFFFFFFF0u), "");
}

TEST(Win32SystemTexts, AFileDateIsItsLocalWriteDateInTheShortFormat) {
  platform::win32::Win32SystemTexts texts;
  char own[MAX_PATH];
  ::GetModuleFileNameA(nullptr, own, sizeof own);
  platform::SystemTime written;
  ASSERT_TRUE(texts.GetFileLastWriteTime(own, written));
  EXPECT_GE(written.year, 2024);
  const std::string date = texts.GetDateFormatA(written);
  EXPECT_NE(date.find(std::to_string(written.year % 100)), std::string::npos) << date;
  EXPECT_EQ(date.find('\0'), std::string::npos);
  EXPECT_FALSE(texts.GetFileLastWriteTime("C:\\no such folder\\no such file", written));
}

}  // namespace
