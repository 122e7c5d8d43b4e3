// The language dialog and the About dialog, driven from outside as a user would.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tests/e2e/assistive.h"
#include "tests/e2e/driver.h"

namespace {

using e2e::milliseconds;

std::string IniValue(const std::string& ini, const char* key) {
  char value[64];
  DWORD n = ::GetPrivateProfileStringA("Options", key, "", value, sizeof value, ini.c_str());
  return std::string(value, n);
}

bool ShowsText(HWND parent, const std::string& text) {
  const auto children = e2e::ChildWindows(parent);
  return std::any_of(children.begin(), children.end(), [&](HWND child) {
    return ::IsWindowVisible(child) && e2e::WindowText(child) == text;
  });
}

using e2e::AnswerMessageBox;

// A copy of the suite started stand-alone in English; a top-bar button opens a dialog.
struct StandAlone {
  std::string suite, ini;
  std::unique_ptr<e2e::Program> module;
  HWND window = nullptr;

  explicit StandAlone(const std::string& name)
      : suite(e2e::CopySuite(name, true)), ini(suite + "Process\\RvProcesess.ini") {
    ::WritePrivateProfileStringA("Options", "Language", "EN", ini.c_str());
    module = std::make_unique<e2e::Program>(suite + "Process\\RvProcesess.exe", "-start",
                                            suite + "Process");
    window = e2e::WaitForWindow("TProcesessFrm", module->Id(), milliseconds(30000));
  }
  HWND Open(const char* button, const char* dialog_class) {
    HWND b = window ? e2e::ChildWithText(window, button) : nullptr;
    if (!b) return nullptr;
    e2e::Click(b, 10, 8);
    return e2e::WaitForWindow(dialog_class, module->Id(), milliseconds(15000));
  }
};

// The flag button of a language in the open language dialog. The flag buttons have no
// caption: each lies left of its label, 32 pixels before it.
HWND FlagButton(HWND dialog, const char* label_text) {
  HWND label = e2e::ChildWithText(dialog, label_text);
  if (!label) return nullptr;
  RECT r;
  ::GetWindowRect(label, &r);
  const POINT screen{r.left - 32 + 11, r.top - 8 + 11};
  // Down to the deepest window there, disabled ones included (WindowFromPoint skips those).
  HWND window = dialog;
  for (;;) {
    POINT at = screen;
    ::ScreenToClient(window, &at);
    HWND child = ::ChildWindowFromPointEx(window, at, CWP_SKIPINVISIBLE);
    if (!child || child == window) return window;
    window = child;
  }
}

// German chosen in the open language dialog, and Ok pressed.
void ChooseGerman(HWND dialog) {
  HWND german = FlagButton(dialog, "DE");
  ASSERT_NE(german, nullptr);
  e2e::Click(german, 11, 11);
  ::Sleep(200);
  e2e::Click(e2e::ChildWithText(dialog, "Ok"), 36, 12);
}

std::string VersionString(const std::string& exe, const std::string& key) {
  DWORD handle = 0;
  const std::wstring file = e2e::Wide(exe);
  std::vector<char> data(::GetFileVersionInfoSizeW(file.c_str(), &handle));
  void* value = nullptr;
  UINT length = 0;
  if (data.empty() || !::GetFileVersionInfoW(file.c_str(), 0, data.size(), data.data()) ||
      !::VerQueryValueW(data.data(), e2e::Wide("\\StringFileInfo\\040904E4\\" + key).c_str(),
                        &value, &length))
    return "";
  return e2e::Utf8(static_cast<const wchar_t*>(value));
}

TEST(LanguageDialog, GermanAndYesRestartsTheModuleStandAloneInGerman) {
  StandAlone run("language-restart");
  HWND dialog = run.Open("Language", "TLanguagesettings");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(e2e::WindowText(dialog), "Languagesettings");
  RECT client;
  ::GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 169);
  EXPECT_EQ(client.bottom, 224);
  ::Sleep(300);
  e2e::SaveScreenshot(dialog, run.suite + "language-dialog.bmp");

  ChooseGerman(dialog);
  EXPECT_EQ(AnswerMessageBox(run.module->Id(), IDYES),
            "Changing language will take effect after you restart the application.Would You "
            "like to exit?");
  EXPECT_TRUE(run.module->WaitForExit(milliseconds(15000)));
  // No base module runs, so only the stand-alone switch lets the new instance start.
  HWND restarted = e2e::WaitForWindow("TProcesessFrm", 0, milliseconds(30000));
  ASSERT_NE(restarted, nullptr);
  DWORD id = 0;
  ::GetWindowThreadProcessId(restarted, &id);
  HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
  EXPECT_TRUE(ShowsText(restarted, "Bericht"));
  EXPECT_EQ(IniValue(run.ini, "Language"), "DE");
  EXPECT_EQ(IniValue(run.ini, "RunLang"), "DE");
  // The driver ends what it did not start through a handle of its own.
  ::TerminateProcess(process, 99);
  ::WaitForSingleObject(process, 5000);
  ::CloseHandle(process);
}

TEST(LanguageDialog, GermanAndNoStoresTheChoiceAndKeepsTheTexts) {
  StandAlone run("language-no-restart");
  ::DeleteFileA((run.suite + "Process\\RvProcesessRUS.dll").c_str());
  HWND dialog = run.Open("Language", "TLanguagesettings");
  ASSERT_NE(dialog, nullptr);
  // A language without its library is offered greyed, and its window says it is unavailable.
  HWND russian = FlagButton(dialog, "RU");
  ASSERT_NE(russian, nullptr);
  EXPECT_FALSE(::IsWindowEnabled(russian));
  EXPECT_TRUE(::IsWindowEnabled(FlagButton(dialog, "DE")));
  // A screen reader hears the flag buttons by their labels, and the missing one as unavailable
  // (where this Wine gives accessible objects at all: not its 64-bit build here).
  if (!e2e::AccessibleObjects(dialog).empty()) {
    const std::vector<e2e::Accessible> ru = e2e::AccessibleObjects(russian);
    const std::vector<e2e::Accessible> de = e2e::AccessibleObjects(FlagButton(dialog, "DE"));
    ASSERT_EQ(ru.size(), 1u);
    ASSERT_EQ(de.size(), 1u);
    EXPECT_EQ(ru[0].name, "RU");
    EXPECT_EQ(ru[0].role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_TRUE(ru[0].state & STATE_SYSTEM_UNAVAILABLE);
    EXPECT_FALSE(de[0].state & STATE_SYSTEM_UNAVAILABLE);
  }
  ChooseGerman(dialog);
  EXPECT_EQ(AnswerMessageBox(run.module->Id(), IDNO).substr(0, 16), "Changing languag");
  ::Sleep(500);
  EXPECT_TRUE(run.module->Running());
  EXPECT_EQ(IniValue(run.ini, "Language"), "DE");
  EXPECT_EQ(IniValue(run.ini, "RunLang"), "EN");
  EXPECT_TRUE(ShowsText(run.window, "Report"));
}

TEST(AboutDialog, ShowsNameVersionAndCopyrightOfTheVersionResource) {
  StandAlone run("about");
  HWND dialog = run.Open("About", "TDlgAbout");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(e2e::WindowText(dialog), "About");
  RECT client;
  ::GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 281);
  const std::string exe = run.suite + "Process\\RvProcesess.exe";
  EXPECT_EQ(VersionString(exe, "ProductVersion"), RV_VERSION);
  for (std::string text :
       {VersionString(exe, "InternalName"), VersionString(exe, "ProductVersion"),
        VersionString(exe, "LegalCopyright"), std::string("www.ravo-info.example"),
        std::string("support@ravo-info.example")}) {
    SCOPED_TRACE(text);
    EXPECT_TRUE(!text.empty() && ShowsText(dialog, text));
  }
  ::Sleep(300);
  e2e::SaveScreenshot(dialog, run.suite + "about-dialog.bmp");

  ::PostMessageA(dialog, WM_CLOSE, 0, 0);  // the close box: the dialog goes, the module stays
  for (const DWORD end = ::GetTickCount() + 10000; ::IsWindow(dialog) && ::GetTickCount() < end;)
    ::Sleep(50);
  EXPECT_FALSE(::IsWindow(dialog));
  EXPECT_TRUE(run.module->Running());
}

}  // namespace
