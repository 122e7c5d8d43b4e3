// Report assembly and the output stage on fakes: the body lines, the files written, the hand-off
// and the printed pages.
#include "report/report_output.h"

#include <gtest/gtest.h>

#include "report/report_body.h"
#include "report/report_file.h"
#include "report/report_printer.h"
#include "report/save_dialog_ex.h"
#include "snapshot/current_times.h"
#include "tests/fakes/fake_code_page.h"
#include "tests/fakes/fake_kernel.h"
#include "tests/fakes/fake_report_platform.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/fake_user_interface.h"

namespace {

struct IdTexts : i18n::TextSource {
  std::string TextById(int id) const override {
    if (id == 101 && same_section_texts) return "T100";
    return "T" + std::to_string(id);
  }
  bool same_section_texts = false;
};

struct ReportFixture : ::testing::Test {
  fakes::FakeKernel kernel;
  fakes::FakeUserInterface ui;
  fakes::FakeShell shell;
  fakes::FakeCommonDialogs dialogs;
  fakes::FakeFiles files;
  fakes::FakeDateTime clock;
  fakes::FakeCodePage code_page;
  IdTexts texts;
  std::vector<snapshot::processinfos> processes = {{"a.exe", "C:\\a.exe", "12", 12}};
  report::ReportOutput output{
      {kernel, ui, shell, dialogs, files, clock, code_page}, texts, "Ravo Info Process"};
  std::vector<snapshot::appinfos> windows = {{"Win & <One>", 3, 0x10}};

  std::vector<std::string> Body(const report::sel& selection) {
    const browser::DetailTexts detail(texts);
    kernel.processes.push_back({12, "C:\\a.exe"});
    snapshot::CurrentProcessTimes times(kernel, nullptr);
    return report::BuildReportBody(
        selection, {detail, processes, windows,
                    [&times](const snapshot::ProcessIdentity& p) { return times.Of(p); }});
  }
};

TEST_F(ReportFixture, BodyLinesOfTheTickedItems) {
  const std::string kHeadingApps = "<B><U><FONT color=\"clblue\">T100 - T100</FONT></B></U> ";
  const std::string kApp = "<FONT color=\"clmaroon\">Win &&<Z></Z> &lt;One></FONT>";
  const std::string kHeadingProc = "<B><U><FONT color=\"clblue\">T101 - a.exe</FONT></B></U> ";
  const std::string kPath = "<IMG src=\"idx:0\"></IMG> <FONT color=\"clblue\" size=\"10\">";
  const std::string kValue = "<IND x=\"150\"><FONT color=\"clmaroon\">";
  const std::vector<std::string> kProcessLines = {
      "<IMG src=\"idx:0\"></IMG><FONT color=\"clgreen\" size=\"12\">T102" + kValue + "a.exe</FONT>",
      kPath + "T103" + kValue + "C:\\a.exe</FONT>", kPath + "T104" + kValue + "12</FONT>",
      kPath + "T105" + kValue + "0:0:0:0</FONT>", kPath + "T106" + kValue + "0:0:0:0</FONT>"};
  const std::vector<snapshot::processinfos> a_only = processes;
  // The list changed while the report window was open: another process took a.exe's place.
  const std::vector<snapshot::processinfos> a_moved = {{"b.exe", "C:\\b.exe", "8", 8}, a_only[0]};
  struct Case {
    const char* name;
    bool same_texts;
    std::vector<snapshot::processinfos> processes;
    std::vector<report::selitem> items;
    std::vector<std::string> body;
  } cases[] = {
      {"nothing ticked", false, a_only, {}, {}},
      {"applications", false, a_only, {{0, 0, 1, "T100", "T100"}}, {kHeadingApps, kApp}},
      {"process", false, a_only, {{1, 0, 1, "a.exe", "T101", {12, 0}}}, {}},
      {"process moved while the window was open",
       false,
       a_moved,
       {{1, 0, 1, "a.exe", "T101", {12, 0}}},
       {}},
      {"process ended", false, a_only, {{1, 0, 1, "a.exe", "T101", {16, 0}}}, {kHeadingProc}},
      {"its id taken by another process",
       false,
       a_only,
       {{1, 0, 1, "a.exe", "T101", {12, 5}}},
       {kHeadingProc}},
      {"texts 100 and 101 equal", true, a_only, {{1, 0, 1, "a.exe", "T100", {12, 0}}}, {}},
      // Without creation times (the 9x family) the id's record must still be the same program.
      {"its id serves another program",
       false,
       a_only,
       {{1, 0, 1, "b.exe", "T101", {12, 0}}},
       {"<B><U><FONT color=\"clblue\">T101 - b.exe</FONT></B></U> "}},
  };
  for (int i : {2, 3}) {
    cases[i].body = {kHeadingProc};
    cases[i].body.insert(cases[i].body.end(), kProcessLines.begin(), kProcessLines.end());
  }
  // The applications item is known by its section, not by its caption.
  cases[6].body = {"<B><U><FONT color=\"clblue\">T100 - a.exe</FONT></B></U> "};
  cases[6].body.insert(cases[6].body.end(), kProcessLines.begin(), kProcessLines.end());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    texts.same_section_texts = c.same_texts;
    processes = c.processes;
    EXPECT_EQ(Body({report::kModeSave, c.items}), c.body);
  }
}

TEST_F(ReportFixture, EmptyBodyGivesNothingInEveryMode) {
  dialogs.save_answers = {"C:\\r.txt"};
  for (std::uint8_t mode = 0; mode <= 3; ++mode) output.OutputReport(mode, {});
  EXPECT_TRUE(dialogs.save_requests.empty());
  EXPECT_EQ(dialogs.print_dialogs, 0);
  EXPECT_TRUE(files.files.empty());
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ReportFixture, SavedFormFollowsTheNameAndFramesTheBody) {
  const std::string body = "<B><U><FONT color=\"clblue\">Caption</FONT></B></U> ";
  const std::string txt =
      "Ravo Info Report\r\nT5020105.03.2024  14:07:09\r\nCaption \r\n \r\n\r\n"
      "T50202Ravo Info Process\r\n";
  const std::string htm =
      "<TABLE>\r\n<TR><TD><FONT color=\"clnavy\" size=\"4\">Ravo Info Report</FONT></TD></TR>\r\n"
      "<TR><TD><FONT color=\"clblack\" size=\"3\">T5020105.03.2024  14:07:09</FONT></TD></TR>\r\n"
      "<TR><TD>" +
      body +
      "</TD></TR>\r\n<TR><TD> </TD></TR>\r\n"
      "<TR><TD><HR color-\"clblue\"></TD></TR>\r\n"
      "<TR><TD><FONT color=\"clblack\" size=\"2\">T50202Ravo Info Process</FONT></TD></TR>\r\n";
  struct Case {
    const char* name;
    const char* bytes;
  } cases[] = {{"C:\\r.txt", txt.c_str()},
               {"C:\\r.Htm", htm.c_str()},
               {"C:\\r.HTML", htm.c_str()},
               {"C:\\r.doc", txt.c_str()},
               {"C:\\r", txt.c_str()}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    files.files.clear();
    dialogs.save_answers = {c.name};
    output.OutputReport(report::kModeSave, {body});
    EXPECT_EQ(files.files, (std::map<std::string, std::string>{{c.name, c.bytes}}));
  }
  const platform::SaveFileName& asked = dialogs.save_requests.back();
  EXPECT_EQ(asked.filter, "Text files|*.txt|HTML files|*.htm|All files|*.*");
  EXPECT_EQ(asked.default_ext, "txt");
  EXPECT_EQ(asked.filter_index, 1u);
  // The folder chosen must not become the current directory.
  EXPECT_TRUE(asked.flags & platform::kOfnNoChangeDir);
}

TEST_F(ReportFixture, FilesAreInTheCodePageAndHtmRefersToWhatItLacksByCodePoint) {
  windows[0].title = "café Привет 日本語 😀";
  const std::string htm =
      "\r\n<TR><TD><FONT color=\"clmaroon\">caf\xE9 &#1055;&#1088;&#1080;&#1074;&#1077;&#1090; "
      "&#26085;&#26412;&#35486; &#128512;</FONT></TD></TR>\r\n";
  const std::string txt = "\r\ncaf\xE9 ?????? ??? ?\r\n";
  const std::string mail = "D:\\Suite\\Process\\..\\Rvmail\\report.";
  kernel.executable_path = "D:\\Suite\\Process\\RvProcesess.exe";
  dialogs.save_answers = {"C:\\r.txt", "C:\\r.htm"};
  const std::vector<std::string> body = Body({report::kModeSave, {{0, 0, 1, "T100", "T100"}}});
  for (std::uint8_t mode : {report::kModeSave, report::kModeSave, report::kModeSend})
    output.OutputReport(mode, body);
  const std::pair<std::string, std::string> written[] = {
      {"C:\\r.txt", txt}, {"C:\\r.htm", htm}, {mail + "txt", txt}, {mail + "htm", htm}};
  for (const auto& [name, line] : written) {
    SCOPED_TRACE(name);
    EXPECT_NE(files.files[name].find(line), std::string::npos) << files.files[name];
  }
}

TEST_F(ReportFixture, SendWritesBothFilesBesideTheModuleThenStartsTheMailModuleThere) {
  // Whatever the current directory is, the mail folder is found from the module's own path.
  kernel.executable_path = "D:\\Suite\\Process\\RvProcesess.exe";
  const std::string folder = "D:\\Suite\\Process\\..\\Rvmail";
  output.OutputReport(report::kModeSend, {"<FONT size=\"8\">a &&<Z></Z> b</FONT>"});
  EXPECT_EQ(files.files.size(), 2u);
  const std::string& txt = files.files[folder + "\\report.txt"];
  EXPECT_EQ(txt.substr(0, 20), "\r\nRavo Info Report\r\n");
  EXPECT_NE(txt.find("\r\na & b\r\n"), std::string::npos);
  EXPECT_NE(files.files[folder + "\\report.htm"].find("<TR><TD><FONT size=\"2\">a &amp; b</FONT>"),
            std::string::npos);
  ASSERT_EQ(shell.calls.size(), 1u);
  const fakes::FakeShell::Call& call = shell.calls[0];
  EXPECT_EQ(call.owner, 0u);
  EXPECT_EQ(call.verb, "");
  EXPECT_EQ(call.file, folder + "\\RvIMail.exe");
  // The mail module reads the relative names from its own folder, where it is started.
  EXPECT_EQ(call.parameters, "-rvinfo \" \" \"..\\Rvmail\\report.txt\" \"..\\Rvmail\\report.htm\"");
  EXPECT_EQ(call.directory, folder);
  EXPECT_EQ(call.show, platform::kSwShowNormal);
}

TEST_F(ReportFixture, AFailedWriteKeepsTheEarlierFileAndIsShownAndNoOtherFileIsTouched) {
  // Files with the names a temporary file could take: none is written over or removed.
  const std::map<std::string, std::string> beside = {{"C:\\r.txt.tmp", "x"},
                                                     {"C:\\r.txt.1.tmp", "y"}};
  struct Case {
    const char* name;
    bool move_file_ex;  // false: the 9x family
    bool read_only;
  } cases[] = {{"NT replaces", true, false},
               {"NT, read-only target", true, true},
               {"9x replaces", false, false},
               {"9x, read-only target", false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    files = {};
    files.has_move_file_ex = c.move_file_ex;
    files.files = beside;
    files.files["C:\\r.txt"] = "old";
    if (c.read_only) files.read_only = {"C:\\r.txt"};
    EXPECT_EQ(report::WriteReportFile(files, "C:\\r.txt", {"new"}), !c.read_only);
    std::map<std::string, std::string> expected = beside;
    expected["C:\\r.txt"] = c.read_only ? "old" : "new\r\n";
    EXPECT_EQ(files.files, expected);
  }
  files = {};
  files.unwritable_directories = {"C:\\Suite\\Process\\..\\Rvmail"};
  output.OutputReport(report::kModeSend, {"x"});
  ASSERT_EQ(ui.MessageTexts().size(), 1u);
  EXPECT_EQ(ui.MessageTexts()[0], "Cannot create file C:\\Suite\\Process\\..\\Rvmail\\report.htm");
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ReportFixture, PrintedPagesCarryTheirNumbersAndLinesNeverOverlap) {
  std::vector<std::string> body;
  for (int i = 0; i < 200; ++i)
    body.push_back(i % 3 ? "<FONT size=\"14\">line " + std::to_string(i) + "</FONT>"
                         : "plain " + std::to_string(i));
  output.OutputReport(report::kModePrint, body);
  ASSERT_NE(dialogs.last_printer, nullptr);
  const fakes::FakePrinter& printer = *dialogs.last_printer;
  EXPECT_EQ(printer.calls.front(), "StartDoc(Ravo Info Report)");
  EXPECT_EQ(printer.calls.back(), "EndDoc");
  int pages = 0, body_lines = 0, last_bottom = 0, last_page = 0;
  for (const fakes::FakePrinter::Text& t : printer.texts) {
    SCOPED_TRACE(t.text);
    if (t.text.starts_with("-")) {
      EXPECT_EQ(t.text, "-" + std::to_string(++pages) + ".-");
      EXPECT_EQ(t.x, printer.width / 2);
      EXPECT_EQ(t.y + t.height + 10, printer.height);  // a tenth of an inch above the edge
      EXPECT_LE(last_bottom, t.y);
      continue;
    }
    if (t.page != last_page) last_bottom = 0, last_page = t.page;
    EXPECT_GE(t.y, last_bottom);
    EXPECT_EQ(t.x, printer.width / 20);
    last_bottom = t.y + t.height;
    body_lines += t.text.starts_with("line") || t.text.starts_with("plain");
  }
  EXPECT_EQ(body_lines, 200);
  EXPECT_GT(pages, 2);
  EXPECT_EQ(printer.texts.front().text, "                                RavoInfo Report");
}

TEST(SaveDialogEx, PlacesBarOnlyWhereTheDialogKnowsIt) {
  struct Case {
    bool known, places;
    std::uint32_t size, flags_ex;
  } cases[] = {{true, true, 88, 0}, {true, false, 88, 1}, {false, true, 76, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.known << c.places);
    fakes::FakeCommonDialogs dialogs;
    dialogs.save_answers = {"C:\\x.txt"};
    report::TSaveDialogEx dialog(dialogs, c.known);
    dialog.ShowPlacesBar = c.places;
    EXPECT_TRUE(dialog.Execute(0));
    EXPECT_EQ(dialog.FileName, "C:\\x.txt");
    EXPECT_EQ(dialogs.save_requests[0].struct_size, c.size);
    EXPECT_EQ(dialogs.save_requests[0].flags_ex, c.flags_ex);
  }
}

}  // namespace
