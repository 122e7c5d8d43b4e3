// Every platform call of a refresh tick, of a printed, saved and sent report and of both
// dialogs made to fail in turn, one per run: nothing crashes or throws, no handle or module is
// left open, the error the program names for that failure is shown, no report file is left
// half written, and the next tick shows the system as a run without the failure does.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "about/dlg_about.h"
#include "app/main_window.h"
#include "i18n/language_dialog.h"
#include "report/report_formats.h"
#include "report/report_frm.h"
#include "tests/fakes/call_failer.h"
#include "tests/fakes/fake_form_host.h"
#include "tests/fakes/fake_services.h"

namespace {

constexpr platform::Handle kEnglish = 0x6000;
constexpr char kSaved[] = "C:\\Reports\\report.txt";
constexpr char kMailHtml[] = "C:\\Suite\\Process\\..\\Rvmail\\report.htm";
constexpr char kMailText[] = "C:\\Suite\\Process\\..\\Rvmail\\report.txt";
constexpr char kOld[] = "an earlier report\r\n";

// The module on a small system, its lists filled by two ticks with the processes shown in the
// detail list and one of them expanded; the next tick will find a process gone, one new and a
// window retitled and one new.
struct Module : fakes::FakeServices {
  fakes::FakeFormHost host;
  fakes::CallFailer failer;
  snapshot::PsapiBinding psapi{kernel, process_status};
  ui::Application application;
  std::unique_ptr<app::TProcesessFrm> form;
  snapshot::Family family;

  explicit Module(snapshot::Family family = snapshot::Family::kNt) : family(family) {
    for (fakes::Failable* fake : std::initializer_list<fakes::Failable*>{
             &kernel, &ui, &ini, &native, &registry, &process_status, &tool_help, &window_icons,
             &shell, &versions, &system_texts, &section_images, &dialogs, &files, &clock, &host})
      fake->failer = &failer;
    StartFromBaseModule(kEnglish);
    if (family == snapshot::Family::k9x) {
      kernel.version = {1, 4, 10, 0, ""};  // Windows 98
      registry.AddPerformanceStatistics(73);
      tool_help.Install();
    }
    kernel.InstallLanguageLibrary("DE");
    const std::pair<std::uint32_t, const char*> texts[] = {
        {100, "Applications"}, {101, "Processes"}, {102, "File"}, {103, "Path"}, {151, "Normal"}};
    for (auto [id, text] : texts) ui.strings[{kEnglish, id}] = text;
    kernel.ExportImageNameQuery();
    native.process_table = &kernel.processes;
    process_status.Install();
    kernel.processes = {{4, "", 0x20, false},
                        {1234, "C:\\Apps\\notepad.exe"},
                        {1300, "C:\\Apps\\calc.exe"},
                        {1400, "C:\\Apps\\b&w <x>.exe"}};
    kernel.processes[0].image_name = "System";
    ui.windows = {{0x100, "Untitled - Notepad", true, 0, 0, 0x501},
                  {0x200, "Calculator", true, 0, 0, 0x502}};
    ui.answers = {platform::kIdYes};
    files.files = {{kSaved, kOld}, {kMailHtml, kOld}, {kMailText, kOld}};
    dialogs.save_answers = {kSaved};
    versions.SetString(kernel.executable_path, "040904E4", "ProductName", "Ravo Info Process");

    psapi.Load();
    form = std::make_unique<app::TProcesessFrm>(Services(), application, psapi);
    host.CreateWindows(*form);
    form->FormCreate();
    Tick();
    form->SectionListBox1.ToggleSection(form->SectionListBox1.FirstRowOfSection(1));
    form->SectionListBox2SectionClick(form->SectionListBox2, 1);
    Tick();
    kernel.processes.erase(kernel.processes.begin() + 2);
    kernel.processes.push_back({1500, "C:\\Apps\\new.exe"});
    ui.windows[1].title = "Calculator - 2";
    ui.windows.push_back({0x300, "Paint", true, 0, 0, 0x503});
  }

  void Tick() {
    if (family == snapshot::Family::kNt)
      form->TimerNTTimer();
    else
      form->Timer9xTimer();
  }

  // What the lists show: the applications in any order (a window missed for one tick comes
  // back at the end), the processes in order, and the lines of every detail section as they
  // read; without `refreshed`, the lines a tick refreshes only in an expanded section are left
  // out.
  std::string Lists(bool refreshed) const {
    const controls::TListSectionCollection& left = form->SectionListBox1.Sections();
    std::vector<std::string> titles;
    for (const controls::TSubItem& item : left.Item(0).SubItems().Items())
      titles.push_back(item.text);
    std::sort(titles.begin(), titles.end());
    std::string out;
    for (const std::string& title : titles) out += title + "|";
    for (const controls::TSubItem& item : left.Item(1).SubItems().Items()) out += item.text + "|";
    const controls::TListSectionCollection& detail = form->SectionListBox2.Sections();
    for (int i = 0; i < detail.Count(); ++i) {
      const controls::TListSection& section = detail.Item(i);
      out += "\n" + section.Caption() + ":";
      for (int k = 0; k < section.SubItems().Count(); ++k) {
        if (!refreshed && k >= 3 && k <= 5) continue;
        out += " " + report::PlainText(section.SubItems().Strings(k)) + ";";
      }
    }
    return out;
  }

  // The next tick, and one more with every detail section expanded: what the lists show then.
  std::string Recovered() {
    Tick();
    std::string lists = Lists(false);
    for (int i = 0; i < form->SectionListBox2.Sections().Count(); ++i)
      form->SectionListBox2.Sections().Item(i).SetState(controls::lssExpanded);
    Tick();
    return lists + "\n" + Lists(true);
  }
};

struct Scenario {
  const char* name;
  std::function<void(Module&)> act;
  // The errors the program names, by the call whose failure it names: the message's start.
  std::multimap<std::string, std::string> errors;
  std::vector<std::string> report_files;  // written whole or left as they were
  snapshot::Family family = snapshot::Family::kNt;
};

void ClickButton(ui::TSpeedButton& button) {
  button.MouseDown(ui::MouseButton::kLeft, {5, 5}, 0);
  button.MouseUp(ui::MouseButton::kLeft, {5, 5}, 0);
}

// A report of the applications and of notepad, sent off with `button`.
std::function<void(Module&)> Report(void (report::TReportFrm::*button)()) {
  return [button](Module& m) {
    m.host.while_modal = [button](ui::Form& form) {
      auto& window = static_cast<report::TReportFrm&>(form);
      window.ReportSectionListBox.Sections().Item(0).SetSubItemChecked(0, true);
      window.ReportSectionListBox.Sections().Item(1).SetSubItemChecked(1, true);
      (window.*button)();
    };
    m.form->ReportBtnClick();
  };
}

std::vector<std::string> Texts(const std::vector<fakes::MessageRecord>& messages) {
  std::vector<std::string> texts;
  for (const fakes::MessageRecord& m : messages) texts.push_back(m.text);
  return texts;
}

// A report file with all its lines, from its title to its footer: a write cut short lacks the
// footer.
bool Whole(const std::string& bytes) {
  const bool html = bytes.starts_with("<TABLE>\r\n");
  return bytes.find("Ravo Info Report") != std::string::npos &&
         bytes.ends_with(html ? "Ravo Info Process</FONT></TD></TR>\r\n" : "Ravo Info Process\r\n");
}

void Sweep(const Scenario& s) {
  SCOPED_TRACE(s.name);
  // The run with nothing failing: the lists every other run comes back to, and its messages.
  Module clean(s.family);
  s.act(clean);
  const std::vector<std::string> clean_messages = Texts(clean.ui.messages);
  const std::string lists = clean.Recovered();

  int n = 1;
  for (;; ++n) {
    Module m(s.family);
    const std::set<platform::Handle> handles = m.kernel.open_handles;
    const std::map<platform::Handle, int> modules = m.kernel.loaded_modules;
    const std::size_t messages_before = m.ui.messages.size();
    m.failer.fail_at = m.failer.calls + n;
    EXPECT_NO_THROW(s.act(m));
    const std::string failed = m.failer.failed;
    m.failer.fail_at = 0;
    SCOPED_TRACE("call " + std::to_string(n) + " failing: " + (failed.empty() ? "none" : failed));

    // The 9x list holds its last snapshot between ticks: a new one may stand for the old.
    EXPECT_LE(m.kernel.open_handles.size(), handles.size());
    EXPECT_EQ(m.kernel.loaded_modules, modules);
    std::vector<std::string> shown = Texts(m.ui.messages);
    shown.erase(shown.begin(), shown.begin() + static_cast<std::ptrdiff_t>(messages_before));
    for (auto [named, end] = s.errors.equal_range(failed); named != end; ++named) {
      EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [&](const std::string& text) {
        return text.starts_with(named->second);
      })) << named->second;
    }
    for (const std::string& text : shown) {
      const bool known =
          std::find(clean_messages.begin(), clean_messages.end(), text) != clean_messages.end() ||
          std::any_of(s.errors.begin(), s.errors.end(),
                      [&](const auto& error) { return text.starts_with(error.second); });
      EXPECT_TRUE(known) << text;
    }
    // Report files: each the earlier one or a new one whole, and one that could not be
    // written the earlier one still; no temporary file is left.
    for (const auto& [path, bytes] : m.files.files) {
      EXPECT_FALSE(path.ends_with(".tmp")) << path;
      if (bytes != kOld) {
        EXPECT_TRUE(Whole(bytes)) << path;
      }
    }
    for (const std::string& path : s.report_files) {
      if (std::find(shown.begin(), shown.end(), "Cannot create file " + path) == shown.end())
        continue;
      EXPECT_EQ(m.files.files[path], kOld) << path;
      EXPECT_TRUE(m.shell.calls.empty()) << "the mail module started without its files";
    }

    EXPECT_EQ(m.Recovered(), lists);
    if (failed.empty()) break;  // every call had its turn
  }
  EXPECT_GT(n, 10);
}

TEST(FailingCalls, EachCallOfATickReportsAndDialogsMayFail) {
  const Scenario scenarios[] = {
      {"refresh tick", [](Module& m) { m.Tick(); }, {{"EnumProcesses", "Chyba"}}, {}},
      // The refresh tick and the usage sampler of the 9x family, both on their timers.
      {"9x timers", [](Module& m) { m.timers.FireAll(); }, {}, {}, snapshot::Family::k9x},
      {"print",
       Report(&report::TReportFrm::PrintBtnClick),
       {{"StartDoc", "Printing failed"},
        {"StartPage", "Printing failed"},
        {"EndPage", "Printing failed"},
        {"EndDoc", "Printing failed"}},
       {}},
      {"save",
       Report(&report::TReportFrm::SaveBtnClick),
       {{"WriteNewFile", "Cannot create file"}, {"MoveFileEx", "Cannot create file"}},
       {kSaved}},
      {"send",
       Report(&report::TReportFrm::SendBtnClick),
       {{"WriteNewFile", "Cannot create file"}, {"MoveFileEx", "Cannot create file"}},
       {kMailHtml, kMailText}},
      {"language dialog",
       [](Module& m) {
         m.host.while_modal = [](ui::Form& form) {
           auto& dialog = static_cast<i18n::TLanguagesettings&>(form);
           ClickButton(dialog.SpeedButton2);
           ClickButton(dialog.SpeedButton8);
         };
         m.form->LangBtnClick();
       },
       {},
       {}},
      {"about dialog",
       [](Module& m) {
         m.host.while_modal = [](ui::Form& form) {
           static_cast<about::TDlgAbout&>(form).LabelWwwDblClick();
         };
         m.form->AboutBtnClick();
       },
       {{"ShellExecute", "Error no."},
        {"CreateWindows", "Error open dialog !"},
        {"CreateWindows", "Not show 'About' !"}},
       {}},
  };
  for (const Scenario& s : scenarios) Sweep(s);
}

}  // namespace
