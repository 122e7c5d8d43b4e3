#include "report/report_output.h"

#include "i18n/text_ids.h"
#include "report/report_file.h"
#include "report/report_formats.h"
#include "report/report_printer.h"
#include "report/save_dialog_ex.h"

namespace report {

std::vector<std::string> FrameReport(std::vector<std::string> body, const i18n::TextSource& texts,
                                     const std::string& date, const std::string& time,
                                     const std::string& application_title) {
  body.insert(body.begin(),
              {"<FONT color=\"clnavy\" size=\"14\">Ravo Info Report</FONT>",
               "<FONT color=\"clblack\" size=\"10\">" + texts.TextById(i18n::kTextReportDateLabel) +
                   date + "  " + time + "</FONT>"});
  body.emplace_back(" ");
  body.emplace_back("<HR color-\"clblue\">");
  body.push_back("<FONT color=\"clblack\" size=\"2\">" +
                 texts.TextById(i18n::kTextReportCreatedBy) + application_title + "</FONT>");
  return body;
}

bool IsHtmlFileName(const std::string& file_name) {
  const std::size_t dot = file_name.rfind('.');
  if (dot == std::string::npos) return false;
  std::string extension = file_name.substr(dot);
  for (char& c : extension) c = AsciiUpper(c);
  return extension == ".HTM" || extension == ".HTML";
}

std::string MailDirectory(const std::string& module_path) {
  const std::size_t slash = module_path.find_last_of("\\/");
  if (slash == std::string::npos) return kMailDirectory;
  // ".." is left to the system: folding it by hand goes wrong at a drive or share root.
  return module_path.substr(0, slash + 1) + kMailDirectory;
}

void ReportOutput::OutputReport(std::uint8_t mode, std::vector<std::string> lines) {
  if (lines.empty()) return;
  const platform::SystemTime now = platform_.clock.GetLocalTime();
  lines = FrameReport(std::move(lines), texts_, platform_.clock.GetDateFormatA(now),
                      platform_.clock.GetTimeFormatA(now), application_title_);
  switch (mode) {
    case kModeSave:
      Save(lines);
      break;
    case kModePrint:
      Print(lines);
      break;
    case kModeSend:
      Send(lines);
      break;
    default:
      break;
  }
}

void ReportOutput::Save(const std::vector<std::string>& lines) {
  TSaveDialogEx dialog(platform_.dialogs, platform_.places_bar);
  dialog.DefaultExt = "txt";
  dialog.Filter = kSaveFilter;
  dialog.ShowPlacesBar = true;
  if (!dialog.Execute(Owner())) return;
  // Every name is written: HTM for .htm and .html, the text form for anything else.
  if (IsHtmlFileName(dialog.FileName))
    Write(dialog.FileName, HtmForm(lines), FileForm::kHtml);
  else
    Write(dialog.FileName, TxtForm(lines), FileForm::kText);
}

void ReportOutput::Print(const std::vector<std::string>& lines) {
  std::unique_ptr<platform::PrinterDevice> printer = platform_.dialogs.PrintDlg(Owner());
  if (!printer) return;
  if (!printtext(*printer, lines))
    platform_.ui.MessageBox(Owner(), "Printing failed", application_title_,
                            platform::kMbOk | platform::kMbIconError);
}

void ReportOutput::Send(const std::vector<std::string>& lines) {
  const std::string folder = MailDirectory(platform_.kernel.GetModuleFileName()) + "\\";
  const std::vector<std::string> html = HtmForm(lines);
  if (!Write(folder + kMailHtml, html, FileForm::kHtml)) return;
  // The text form of the HTM file: its "<TABLE>" line becomes an empty line.
  std::vector<std::string> text{""};
  const std::vector<std::string> body = TxtForm(lines);
  text.insert(text.end(), body.begin(), body.end());
  if (!Write(folder + kMailText, text, FileForm::kText)) return;
  // Started in its own folder, where the relative names it is given lead to the two files.
  platform_.shell.ShellExecute(0, "", folder + kMailProgram, kMailParameters,
                               folder.substr(0, folder.size() - 1), platform::kSwShowNormal);
}

bool ReportOutput::Write(const std::string& path, const std::vector<std::string>& lines,
                         FileForm form) {
  if (WriteReportFile(platform_.files, path, AnsiFileLines(platform_.code_page, lines, form)))
    return true;
  platform_.ui.MessageBox(Owner(), "Cannot create file " + path, application_title_,
                          platform::kMbOk | platform::kMbIconError);
  return false;
}

}  // namespace report
