// Reports made from outside as a user makes them: items ticked in the report window, then
// saved through the real save dialog, sent to the mail stand-in and printed.
#include <windows.h>

#include <winspool.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "tests/e2e/driver.h"
#include "text/utf8.h"

namespace {

using e2e::milliseconds;

using e2e::kNotepad;
using e2e::WaitFor;

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void ClickRow(HWND list, int row, int x) {
  e2e::ClickListRow(list, row, x);
}

int RowOf(HWND list, const std::string& text) {
  return e2e::ListRowWhere(list, [&](const std::string& row) { return row == text; });
}

struct ReportScenario : ::testing::Test {
  void SetUp() override {
    suite = e2e::CopySuite(suite_name, true);
    if (prepare) prepare(suite + "Process\\");
    ::WritePrivateProfileStringA("Options", "Language", "EN",
                                 (suite + "Process\\RvProcesess.ini").c_str());
    module = std::make_unique<e2e::Program>(suite + "Process\\RvProcesess.exe", "-start",
                                            suite + "Process");
    main = e2e::WaitForWindow("TProcesessFrm", module->Id(), milliseconds(30000));
    ASSERT_NE(main, nullptr);
  }
  void TearDown() override {
    if (main) ::PostMessageA(main, WM_CLOSE, 0, 0);
    if (module) module->WaitForExit(milliseconds(10000));
  }
  // Opens the report window, ticks the applications and `process`, and presses `button`.
  void Report(const std::string& process, const char* button) {
    e2e::Click(e2e::ChildWithText(main, "Report"), 10, 8);
    HWND window = e2e::WaitForWindow("TReportFrm", module->Id(), milliseconds(15000));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(e2e::WindowText(window), "Report");
    HWND list = nullptr;
    for (HWND child : e2e::ChildWindows(window))
      if (_stricmp(e2e::ClassName(child).c_str(), "ListBox") == 0) list = child;
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(e2e::ListRows(list), (std::vector<std::string>{"Applications", processes}));
    ClickRow(list, 0, 120);  // expands the applications: one item stands for all
    ASSERT_TRUE(WaitFor([&] { return e2e::ListRows(list).size() == 3; }, 5000));
    ClickRow(list, 1, 20);  // its check box
    ClickRow(list, 2, 120);
    int row = -1;
    ASSERT_TRUE(WaitFor([&] { return (row = RowOf(list, process)) > 0; }, 5000));
    ClickRow(list, row, 20);
    ::Sleep(300);
    e2e::SaveScreenshot(window, suite + "report-window.bmp");  // for a person to look at
    e2e::Click(e2e::ChildWithText(window, button), 40, 12);
  }
  // Saves the report under `name` through the save dialog.
  void Save(const std::string& name) {
    Report("notepad.exe", "Save");
    EXPECT_TRUE(e2e::SaveAs(module->Id(), name));
  }

  std::string suite_name = "report";
  std::function<void(const std::string& dir)> prepare;  // before the module starts
  std::string processes = "Processes";                  // the processes section's caption
  std::string suite;
  std::unique_ptr<e2e::Program> module;
  HWND main = nullptr;
};

// The English library, with text 101 made equal to text 100 in its string block 7 (ids 96 to
// 111, each a length and as many UTF-16 units).
void EqualSectionTexts(const std::string& dir) {
  const std::string path = dir + "RvProcesessEN.dll";
  HMODULE library = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(library, nullptr);
  HRSRC found = ::FindResourceA(library, MAKEINTRESOURCEA(7), MAKEINTRESOURCEA(6));
  const auto* units = static_cast<const WORD*>(::LockResource(::LoadResource(library, found)));
  std::vector<std::vector<WORD>> texts;
  for (std::size_t i = 0, at = 0; i < 16; at += 1 + units[at], ++i)
    texts.emplace_back(units + at, units + at + 1 + units[at]);
  ::FreeLibrary(library);
  texts[101 - 96] = texts[100 - 96];
  std::vector<WORD> block;
  for (const std::vector<WORD>& text : texts) block.insert(block.end(), text.begin(), text.end());
  HANDLE update = ::BeginUpdateResourceA(path.c_str(), FALSE);
  ASSERT_NE(update, nullptr);
  ASSERT_TRUE(::UpdateResourceA(update, MAKEINTRESOURCEA(6), MAKEINTRESOURCEA(7),
                                MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), block.data(),
                                static_cast<DWORD>(block.size() * sizeof(WORD))));
  ASSERT_TRUE(::EndUpdateResourceA(update, FALSE));
}

struct EqualSectionTextsScenario : ReportScenario {
  EqualSectionTextsScenario() {
    suite_name = "report-equal-texts";
    prepare = EqualSectionTexts;
    processes = "Applications";
  }
};

TEST_F(EqualSectionTextsScenario, ATickedProcessGivesItsHeadingAndItsFiveLinesOnly) {
  e2e::Program notepad(kNotepad, "", "");
  ASSERT_TRUE(notepad.Started());
  ::Sleep(1500);  // a refresh tick lists it
  const std::string txt = suite + "saved.txt";
  Save(txt);
  ASSERT_TRUE(WaitFor([&] { return !FileBytes(txt).empty(); }, 5000));
  const std::string text = FileBytes(txt);
  // The applications item lists the windows; the process item, under the same caption, none.
  EXPECT_NE(text.find("\r\nApplications - Applications \r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\nApplications - notepad.exe \r\nFile name:notepad.exe\r\n"),
            std::string::npos)
      << text;
}

TEST_F(ReportScenario, SavedAsTextAndHtmlThroughTheSaveDialog) {
  e2e::Program notepad(kNotepad, "", "");
  ASSERT_TRUE(notepad.Started());
  ::Sleep(1500);  // a refresh tick lists it
  const std::string txt = suite + "saved.txt", htm = suite + "saved.htm";
  Save(txt);
  ASSERT_TRUE(WaitFor([&] { return !FileBytes(txt).empty(); }, 5000));
  Save(htm);
  ASSERT_TRUE(WaitFor([&] { return !FileBytes(htm).empty(); }, 5000));

  const std::string text = FileBytes(txt);
  EXPECT_EQ(text.rfind("Ravo Info Report\r\nDate and time: ", 0), 0u) << text;
  EXPECT_NE(text.find("\r\nApplications - Applications \r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\nProcesses - notepad.exe \r\nFile name:notepad.exe\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\r\n \r\n\r\nCreated by: Ravo Info Process\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.size() - text.rfind("\r\n"), 2u);
  const std::string html = FileBytes(htm);
  EXPECT_EQ(
      html.rfind("<TABLE>\r\n<TR><TD><FONT color=\"clnavy\" size=\"4\">Ravo Info Report</FONT>"
                 "</TD></TR>\r\n",
                 0),
      0u)
      << html;
  EXPECT_NE(html.find("<TR><TD><B><U><FONT color=\"clblue\">Processes - notepad.exe</FONT></B></U> "
                      "</TD></TR>\r\n"),
            std::string::npos)
      << html;
  // As many lines in both forms: the TXT file has no table line.
  auto count = [](const std::string& s) { return std::count(s.begin(), s.end(), '\n'); };
  EXPECT_EQ(count(html), count(text) + 1);

  // A read-only file is not replaced: the error is shown and the earlier file stays.
  ASSERT_TRUE(::SetFileAttributesA(txt.c_str(), FILE_ATTRIBUTE_READONLY));
  Save(txt);
  const std::vector<std::string> boxes =
      e2e::AnswerMessageBoxes(module->Id(), 1, milliseconds(10000));
  ASSERT_EQ(boxes.size(), 1u);
  // The dialog hands back the full name, without "..".
  EXPECT_EQ(boxes[0].rfind("Cannot create file ", 0), 0u) << boxes[0];
  EXPECT_EQ(boxes[0].substr(boxes[0].size() - 17), "\\report\\saved.txt") << boxes[0];
  EXPECT_EQ(FileBytes(txt), text);
  ::SetFileAttributesA(txt.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// An HTM file's text as UTF-8: its bytes in the code page, and the characters the code page
// lacks as numeric character references.
std::string HtmText(const std::string& bytes) {
  std::wstring ansi(bytes.size(), L'\0');
  ansi.resize(static_cast<std::size_t>(
      std::max(::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                     ansi.data(), static_cast<int>(ansi.size())),
               0)));
  const std::string utf8 = e2e::Utf8(ansi);
  std::string text;
  for (std::size_t at = 0; at < utf8.size(); ++at) {
    const std::size_t end = utf8.find(';', at);
    if (utf8.compare(at, 2, "&#") != 0 || end == std::string::npos || end - at > 9) {
      text += utf8[at];
      continue;
    }
    text::AppendCodePoint(text, static_cast<char32_t>(std::strtoul(&utf8[at + 2], nullptr, 10)));
    at = end;
  }
  return text;
}

// A ticked process named in four scripts, saved as HTM in the system's code page, reads back as
// the same characters.
TEST_F(ReportScenario, AProcessNamedInEveryScriptIsSavedAsHtmAsWritten) {
  const std::string name = std::string(e2e::kEveryScript) + ".exe";
  ASSERT_TRUE(::CopyFileW(e2e::Wide(e2e::TestsDirectory() + "rv_churn.exe").c_str(),
                          e2e::Wide(suite + name).c_str(), FALSE));
  e2e::Program named(suite + name, "windows 1 named -1", "");
  ASSERT_TRUE(named.Started());
  ::Sleep(1500);  // a refresh tick lists it
  const std::string htm = suite + "every-script.htm";
  Report(name, "Save");
  EXPECT_TRUE(e2e::SaveAs(module->Id(), htm));
  ASSERT_TRUE(WaitFor([&] { return !FileBytes(htm).empty(); }, 5000));
  const std::string html = HtmText(FileBytes(htm));
  EXPECT_NE(html.find("Processes - " + name + "</FONT>"), std::string::npos) << html;
}

TEST_F(ReportScenario, SentWithoutTheMailFolderSaysSoOnceAndLeavesNoFile) {
  e2e::Program notepad(kNotepad, "", "");
  ASSERT_TRUE(notepad.Started());
  ::Sleep(1500);  // a refresh tick lists it
  // No Rvmail folder beside the module's (an earlier send scenario leaves one): nothing can be
  // handed over.
  const std::string mail = suite + "Rvmail\\";
  for (const char* file : {"RvIMail.exe", "report.txt", "report.htm"})
    ::DeleteFileA((mail + file).c_str());
  ASSERT_TRUE(::RemoveDirectoryA(mail.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND ||
              ::GetLastError() == ERROR_PATH_NOT_FOUND);
  Report("notepad.exe", "Send");
  const std::vector<std::string> boxes =
      e2e::AnswerMessageBoxes(module->Id(), 1, milliseconds(10000));
  ASSERT_EQ(boxes.size(), 1u) << e2e::OpenMessageBoxes();
  EXPECT_EQ(boxes[0].rfind("Cannot create file ", 0), 0u) << boxes[0];
  EXPECT_NE(boxes[0].find("\\Rvmail\\report.htm"), std::string::npos) << boxes[0];
  EXPECT_TRUE(e2e::AnswerMessageBoxes(module->Id(), 1, milliseconds(1500)).empty());
  EXPECT_EQ(::GetFileAttributesA((suite + "Rvmail").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(e2e::WaitForWindow("TRvIMailFrm", 0, milliseconds(1000)), nullptr);
  DWORD_PTR answer = 0;
  EXPECT_TRUE(::SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer));
}

TEST_F(ReportScenario, SentToTheMailModuleAfterASaveElsewhereAndPrinted) {
  // The mail module lies beside the module's directory, as the suite installs it.
  ::CreateDirectoryA((suite + "Rvmail").c_str(), nullptr);
  ASSERT_TRUE(::CopyFileA((e2e::DistDirectory() + "Rvmail\\RvIMail.exe").c_str(),
                          (suite + "Rvmail\\RvIMail.exe").c_str(), FALSE));
  e2e::Program notepad(kNotepad, "", "");
  ASSERT_TRUE(notepad.Started());
  ::Sleep(1500);  // a refresh tick lists it
  // A save into a folder at another depth first: the send must not follow it there.
  const std::string elsewhere = suite + "saved\\deeper\\";
  ::CreateDirectoryA((suite + "saved").c_str(), nullptr);
  ::CreateDirectoryA(elsewhere.c_str(), nullptr);
  Save(elsewhere + "first.txt");
  ASSERT_TRUE(WaitFor([&] { return !FileBytes(elsewhere + "first.txt").empty(); }, 5000));
  Report("notepad.exe", "Send");
  HWND mail = e2e::WaitForWindow("TRvIMailFrm", 0, milliseconds(20000));
  ASSERT_NE(mail, nullptr);
  const std::string shown = e2e::ControlText(::GetDlgItem(mail, 100));
  EXPECT_NE(shown.find("[3] \"..\\Rvmail\\report.txt\""), std::string::npos) << shown;
  EXPECT_NE(shown.find("\r\nProcesses - notepad.exe \r\nFile name:notepad.exe\r\n"),
            std::string::npos)
      << shown;
  EXPECT_EQ(FileBytes(suite + "Rvmail\\report.txt").rfind("\r\nRavo Info Report\r\n", 0), 0u);
  ::PostMessageA(mail, WM_CLOSE, 0, 0);

  // Printing needs a printer: tools/test sets up one that prints into PDF files.
  char printer[256];
  DWORD size = sizeof(printer);
  if (!::GetDefaultPrinterA(printer, &size)) GTEST_SKIP() << "no default printer";
  Report("notepad.exe", "Print");
  HWND dialog = e2e::VisibleDialog(module->Id());
  ASSERT_NE(dialog, nullptr);
  ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(dialog); }, 10000));
  ::Sleep(2000);  // the job is spooled before the window is closed
}

}  // namespace
