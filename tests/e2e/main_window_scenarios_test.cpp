// The suite started as a user starts it, and the main window read from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include "i18n/languages.h"
#include "tests/e2e/driver.h"

namespace {

using e2e::milliseconds;

std::string IniValue(const std::string& ini, const char* key) {
  char value[64];
  DWORD n =
      ::GetPrivateProfileStringA("Options", key, "<absent>", value, sizeof value, ini.c_str());
  return std::string(value, n);
}

// What the module picks on its first start on this system, by the module's own rule.
std::string SystemLanguageCode() {
  return i18n::LanguageCodeOf(::GetSystemDefaultLangID());
}

// Text `id` of a language library of the suite, read as the module reads it.
std::string LibraryText(const std::string& suite, const std::string& code, UINT id) {
  HMODULE library = ::LoadLibraryExA((suite + "Process\\RvProcesess" + code + ".dll").c_str(),
                                     nullptr, LOAD_LIBRARY_AS_DATAFILE);
  wchar_t text[1024] = L"";
  const int n = library ? ::LoadStringW(library, id, text, 1024) : 0;
  if (library) ::FreeLibrary(library);
  return e2e::Utf8(std::wstring(text, n > 0 ? n : 0));
}

// The visible child windows' texts, in creation order.
std::vector<std::string> VisibleChildTexts(HWND parent) {
  std::vector<std::string> texts;
  for (HWND child : e2e::ChildWindows(parent))
    if (::IsWindowVisible(child) && !e2e::WindowText(child).empty())
      texts.push_back(e2e::WindowText(child));
  return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(MainWindow, ThroughTheBaseModuleShowsTheFixedWindowWithEnglishCaptions) {
  const std::string suite = e2e::CopySuite("through-base-module", true);
  ::WritePrivateProfileStringA("Options", "Language", "EN",
                               (suite + "Process\\RvProcesess.ini").c_str());
  e2e::Program base(suite + "RvInfo.exe", "", suite);
  ASSERT_TRUE(base.Started());
  HWND window = e2e::WaitForWindow("TProcesessFrm", 0, milliseconds(30000));
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(e2e::WindowText(window), "Ravo Info Process");
  RECT outer;  // 585 x 485 from outside, whatever this system's frame takes of it
  ::GetWindowRect(window, &outer);
  EXPECT_EQ(std::pair(outer.right - outer.left, outer.bottom - outer.top), std::pair(585L, 485L));
  const LONG style = ::GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  const auto texts = VisibleChildTexts(window);
  for (const char* caption :
       {"Report", "About", "Language", "Minimize", "Close", "Process", "CPU usage"}) {
    SCOPED_TRACE(caption);
    EXPECT_TRUE(Contains(texts, caption));
  }
  HWND refresh = e2e::ChildWithText(window, "Refresh");
  ASSERT_NE(refresh, nullptr);
  EXPECT_FALSE(::IsWindowVisible(refresh));

  std::vector<std::string> left_rows;
  for (HWND child : e2e::ChildWindows(window))
    if (e2e::ClassName(child) == "ListBox" && ::IsWindowVisible(child) && left_rows.empty())
      left_rows = e2e::ListRows(child);
  EXPECT_EQ(left_rows, (std::vector<std::string>{"Applications", "Processes"}));

  ::Sleep(1500);  // one tick of the timers, so the screenshot shows the window at work
  e2e::SaveScreenshot(window, suite + "main-window.bmp");

  // Closing the window ends the module, and with it the base module.
  HWND close = e2e::ChildWithText(window, "Close");
  ASSERT_NE(close, nullptr);
  e2e::Click(close, 10, 8);
  EXPECT_TRUE(base.WaitForExit(milliseconds(15000))) << e2e::OpenMessageBoxes();
}

TEST(MainWindow, FirstStartWritesTheLanguageAndTheLanguageInUse) {
  const std::string suite = e2e::CopySuite("first-start", true);
  const std::string ini = suite + "Process\\RvProcesess.ini";
  ASSERT_EQ(::GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES);
  e2e::Program module(suite + "Process\\RvProcesess.exe", "-start", suite + "Process");
  HWND window = e2e::WaitForWindow("TProcesessFrm", module.Id(), milliseconds(30000));
  ASSERT_NE(window, nullptr);
  // The system's language, and every language has its library in the suite.
  EXPECT_EQ(IniValue(ini, "Language"), SystemLanguageCode());
  EXPECT_EQ(IniValue(ini, "RunLang"), SystemLanguageCode());
  HWND minimize = e2e::ChildWithText(window, LibraryText(suite, SystemLanguageCode(), 13));
  ASSERT_NE(minimize, nullptr);
  e2e::Click(minimize, 10, 8);
  const auto end = ::GetTickCount() + 10000;
  while (!::IsIconic(window) && ::GetTickCount() < end) ::Sleep(50);
  EXPECT_TRUE(::IsIconic(window));
}

TEST(MainWindow, ChosenLanguageWithoutItsLibraryFallsBackToEnglish) {
  const std::string suite = e2e::CopySuite("missing-language", true);
  const std::string ini = suite + "Process\\RvProcesess.ini";
  ::WritePrivateProfileStringA("Options", "Language", "FR", ini.c_str());
  ::DeleteFileA((suite + "Process\\RvProcesessFR.dll").c_str());
  e2e::Program module(suite + "Process\\RvProcesess.exe", "-start", suite + "Process");
  EXPECT_EQ(e2e::AnswerMessageBoxes(module.Id(), 1, milliseconds(30000)),
            (std::vector<std::string>{"Jazykov\xC3\xA1 mutace FR modulu neexistuje!"}));
  HWND window = e2e::WaitForWindow("TProcesessFrm", module.Id(), milliseconds(30000));
  ASSERT_NE(window, nullptr);
  EXPECT_NE(e2e::ChildWithText(window, "Report"), nullptr);
  EXPECT_EQ(IniValue(ini, "Language"), "EN");
  EXPECT_EQ(IniValue(ini, "RunLang"), "EN");
}

// The buttons' captions, read from outside, in the chosen language's own script whatever the
// system's code page.
TEST(MainWindow, ChosenLanguageIsShown) {
  struct Case {
    const char *code, *report, *close;
  };
  const Case cases[] = {
      {"DE", "Bericht",
       "Schlie\xC3\x9F"
       "en"},
      {"RUS", "\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82",
       "\xD0\x97\xD0\xB0\xD0\xBA\xD1\x80\xD1\x8B\xD1\x82\xD1\x8C"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const std::string suite = e2e::CopySuite(std::string("language-") + c.code, true);
    const std::string ini = suite + "Process\\RvProcesess.ini";
    ::WritePrivateProfileStringA("Options", "Language", c.code, ini.c_str());
    e2e::Program module(suite + "Process\\RvProcesess.exe", "-start", suite + "Process");
    HWND window = e2e::WaitForWindow("TProcesessFrm", module.Id(), milliseconds(30000));
    ASSERT_NE(window, nullptr);
    const auto texts = VisibleChildTexts(window);
    EXPECT_TRUE(Contains(texts, c.report));
    EXPECT_TRUE(Contains(texts, c.close));
    EXPECT_EQ(IniValue(ini, "RunLang"), c.code);
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    module.WaitForExit(milliseconds(10000));
  }
}

}  // namespace
