// The win32 layer's text boundary: one text in four scripts through each call and back.
#include "platform/win32/text_boundary.h"

#include <gtest/gtest.h>

#include "platform/win32/code_page.h"
#include "platform/win32/files.h"
#include "platform/win32/kernel.h"
#include "platform/win32/user_interface.h"

namespace {

using platform::win32::WideCalls;

// "Привет - 日本語 - café 😀": Cyrillic, CJK, Latin-1 and a surrogate pair.
constexpr char kEveryScript[] =
    "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 - \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E - "
    "caf\xC3\xA9 \xF0\x9F\x98\x80";
constexpr wchar_t kEveryScriptWide[] =
    L"\u041F\u0440\u0438\u0432\u0435\u0442 - \u65E5\u672C\u8A9E - caf\u00E9 \U0001F600";

TEST(TextBoundary, UnitsAndBytesRoundTripAndACutNeverSplitsACharacter) {
  EXPECT_EQ(platform::win32::WideFromUtf8(kEveryScript), kEveryScriptWide);
  EXPECT_EQ(platform::win32::Utf8FromWide(kEveryScriptWide), kEveryScript);
  for (const auto& [size, kept] : {std::pair<int, std::string>{1, ""},
                                   {2, "\xD0\x9F"},
                                   {3, "\xD0\x9F"},
                                   {4, "\xD0\x9F\xD1\x80"}}) {
    char buffer[8];
    EXPECT_EQ(platform::win32::CopyUtf8(kEveryScript, buffer, size + 1),
              static_cast<int>(kept.size()));
    EXPECT_EQ(std::string(buffer), kept) << size;
  }
}

TEST(TextBoundary, TheCodePageKeepsItsOwnCharactersAndReplacesTheRest) {
  if (::GetACP() != 1252)
    GTEST_SKIP() << "a Western code page is assumed, this one is " << ::GetACP();
  platform::win32::Win32CodePage code_page;
  struct Case {
    const char* utf8;
    const char* ansi;
    bool replaced;
  };
  const Case cases[] = {
      {"caf\xC3\xA9 isn\xC2\xB4t \xC3\x9C"
       "ber",
       "caf\xE9 isn\xB4t \xDC"
       "ber",
       false},
      {"\xD0\x9F-\xE6\x97\xA5", "?-?", true},
      {"\xC4\x81", "?", true},  // a letter with a look-alike stays replaced, not swapped
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    bool replaced = !c.replaced;
    EXPECT_EQ(code_page.AnsiFromUtf8(c.utf8, &replaced), c.ansi);
    EXPECT_EQ(replaced, c.replaced);
    if (!c.replaced) {
      EXPECT_EQ(code_page.Utf8FromAnsi(c.ansi), c.utf8);
    }
  }
}

TEST(TextBoundary, TitlesAndLanguageTextsArriveAsWritten) {
  ASSERT_TRUE(WideCalls());
  platform::win32::Win32UserInterface ui;
  HWND window = ::CreateWindowExW(0, L"STATIC", kEveryScriptWide, WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const auto handle = reinterpret_cast<platform::WindowHandle>(window);
  char buffer[256];
  int n = ui.GetWindowText(handle, buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer, n), kEveryScript);
  // Seven characters asked for, as many as fit whole in eight bytes kept.
  n = ui.GetWindowText(handle, buffer, 8);
  EXPECT_EQ(std::string(buffer, n), "\xD0\x9F\xD1\x80\xD0\xB8");
  ::DestroyWindow(window);

  platform::win32::Win32Kernel kernel;
  const std::string exe = kernel.GetModuleFileName();
  const platform::Handle russian = kernel.LoadLibraryEx(
      exe.substr(0, exe.rfind('\\') + 1) + "..\\..\\dist\\Process\\RvProcesessRUS.dll",
      platform::kLoadLibraryAsDatafile);
  ASSERT_NE(russian, 0u);
  n = ui.LoadString(russian, 10, buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer, n), "\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82");  // "Отчёт"
  kernel.FreeLibrary(russian);
}

TEST(TextBoundary, AReportFileNamedInEveryScriptIsMadeMovedAndRemoved) {
  wchar_t temp[MAX_PATH];
  ASSERT_GT(::GetTempPathW(MAX_PATH, temp), 0u);
  const std::string dir = platform::win32::Utf8FromWide(temp);
  const std::string first = dir + kEveryScript + ".tmp", second = dir + kEveryScript + ".htm";
  platform::win32::Win32Files files;
  files.DeleteFile(first);
  files.DeleteFile(second);
  ASSERT_EQ(files.WriteNewFile(first, "bytes"), platform::NewFile::kWritten);
  ASSERT_TRUE(files.MoveFileEx(first, second, platform::kMoveFileReplaceExisting));
  EXPECT_EQ(files.GetFileAttributes(first), platform::kInvalidFileAttributes);
  // The name is the real one, as the wide call reads it back.
  const std::wstring wide = temp + std::wstring(kEveryScriptWide) + L".htm";
  EXPECT_NE(::GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(files.DeleteFile(second));
  EXPECT_EQ(files.GetFileAttributes(second), platform::kInvalidFileAttributes);
}

}  // namespace
