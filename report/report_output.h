#pragma once
// The output stage of a report: the framing lines around the body, then printing, saving or
// handing the report to the suite's mail module.
#include <functional>
#include <string>
#include <vector>

#include "i18n/text_source.h"
#include "platform/code_page.h"
#include "platform/common_dialogs.h"
#include "platform/date_time.h"
#include "platform/files.h"
#include "platform/kernel.h"
#include "platform/shell.h"
#include "platform/user_interface.h"
#include "report/file_encoding.h"
#include "report/selection.h"

namespace report {

inline constexpr char kSaveFilter[] = "Text files|*.txt|HTML files|*.htm|All files|*.*";
// The mail module lives in "Rvmail" beside this module's folder.
inline constexpr char kMailDirectory[] = "..\\Rvmail";
inline constexpr char kMailProgram[] = "RvIMail.exe";
inline constexpr char kMailHtml[] = "report.htm";
inline constexpr char kMailText[] = "report.txt";
// What the mail module is told: the two files as seen from its own folder, which it is started
// in.
inline constexpr char kMailParameters[] =
    "-rvinfo \" \" \"..\\Rvmail\\report.txt\" \"..\\Rvmail\\report.htm\"";

// What the output stage works with; every reference outlives it.
struct OutputPlatform {
  platform::Kernel& kernel;
  platform::UserInterface& ui;
  platform::Shell& shell;
  platform::CommonDialogs& dialogs;
  platform::Files& files;
  platform::DateTime& clock;
  platform::CodePage& code_page;  // what the files are written in
  bool places_bar = false;        // the save dialog has the places bar (NT 5 and later)
};

// The lines of a report around `body`: title, date line, body, a blank line, the rule and
// the footer naming the program.
std::vector<std::string> FrameReport(std::vector<std::string> body, const i18n::TextSource& texts,
                                     const std::string& date, const std::string& time,
                                     const std::string& application_title);

// True for names the HTM form is saved under: ".htm" or ".html" in any case.
bool IsHtmlFileName(const std::string& file_name);

// The mail module's folder for a module at `module_path`: kMailDirectory from the module's own
// folder, never from the current directory, which a file dialog or a caller may have moved.
// Without a folder in the path the relative form is all there is.
std::string MailDirectory(const std::string& module_path);

class ReportOutput {
 public:
  ReportOutput(OutputPlatform platform, const i18n::TextSource& texts,
               std::string application_title)
      : platform_(platform), texts_(texts), application_title_(std::move(application_title)) {}

  // The window dialogs and messages are owned by.
  std::function<platform::WindowHandle()> OwnerWindow;

  // Frames `lines` and prints, sends or saves them; an empty body gives nothing at all.
  void OutputReport(std::uint8_t mode, std::vector<std::string> lines);

 private:
  void Save(const std::vector<std::string>& lines);
  void Print(const std::vector<std::string>& lines);
  void Send(const std::vector<std::string>& lines);
  // Writes `lines` to `path` in the code page, in the file form; a failure is shown. False then.
  bool Write(const std::string& path, const std::vector<std::string>& lines, FileForm form);
  platform::WindowHandle Owner() const { return OwnerWindow ? OwnerWindow() : 0; }

  OutputPlatform platform_;
  const i18n::TextSource& texts_;
  std::string application_title_;
};

}  // namespace report
