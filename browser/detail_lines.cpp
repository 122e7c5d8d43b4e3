#include "browser/detail_lines.h"

#include "controls/markup/escapes.h"
#include "i18n/text_ids.h"

namespace browser {

namespace {

using controls::markup::EscapeValue;
using controls::markup::kEntityBreak;

constexpr std::string_view kValueLineOpen =
    "<IMG src=\"idx:0\"></IMG> <FONT color=\"clblue\" size=\"10\">";
constexpr std::string_view kValueOpen = "<IND x=\"150\"><FONT color=\"clmaroon\">";
constexpr std::string_view kFontClose = "</FONT>";

// A text the lists would read as neither markup nor rich text is its own caption.
bool IsOwnCaption(std::string_view text) {
  const bool markup = text.find("</") != std::string_view::npos;
  const bool rich_text = text.starts_with("{\\");
  return !markup && !rich_text;
}

std::string_view ColorName(ActionColor color) {
  switch (color) {
    case ActionColor::kRed:
      return "clred";
    case ActionColor::kGreen:
      return "clgreen";
    case ActionColor::kBlue:
      return "clblue";
    default:
      return "clblack";
  }
}

std::string Concat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  std::string line;
  line.reserve(size);
  for (std::string_view piece : pieces) line += piece;
  return line;
}

}  // namespace

std::string TitleLine(std::string_view text, std::string_view value) {
  return Concat({"<IMG src=\"idx:0\"></IMG><FONT color=\"clgreen\" size=\"12\">", text, kValueOpen,
                 EscapeValue(value), kFontClose});
}

std::string ValueLine(std::string_view text, std::string_view value) {
  return Concat({kValueLineOpen, text, kValueOpen, EscapeValue(value), kFontClose});
}

std::string LinkValueLine(std::string_view text, std::string_view value) {
  return Concat({kValueLineOpen, text, kValueOpen, "<U>", EscapeValue(value), "</U>", kFontClose});
}

std::string ActionLine(ActionColor color, std::string_view text) {
  return Concat({"<IND x=\"50\"></IMG><FONT color=\"", ColorName(color), "\" size=\"10\"><U>", text,
                 "</U></FONT>"});
}

std::string CaptionOf(std::string_view text) {
  if (IsOwnCaption(text)) return std::string(text);
  return std::string(kEntityBreak) + EscapeValue(text);
}

bool IsCaptionOf(std::string_view caption, std::string_view text) {
  return IsOwnCaption(text) ? caption == text : caption == CaptionOf(text);
}

std::string TextOfCaption(std::string_view caption) {
  // Every "<" and "&" of the text was escaped, so each escape reads back one way only.
  return controls::markup::PlainTextOf(caption);
}

std::string TimeValue(std::uint64_t count) {
  return std::to_string(count / 36'000'000'000ULL % 24) + ":" +
         std::to_string(count / 600'000'000ULL % 60) + ":" +
         std::to_string(count / 10'000'000ULL % 60) + ":" +
         std::to_string(count / 10'000ULL % 1000);
}

DetailTexts::DetailTexts(const i18n::TextSource& texts)
    : applications(texts.TextById(i18n::kTextApplications)),
      processes(texts.TextById(i18n::kTextProcesses)),
      file_name(texts.TextById(i18n::kTextFileName)),
      full_path(texts.TextById(i18n::kTextFullPath)),
      process_id(texts.TextById(i18n::kTextProcessId)),
      priority(texts.TextById(i18n::kTextPriority)),
      user_time(texts.TextById(i18n::kTextUserTime)),
      kernel_time(texts.TextById(i18n::kTextKernelTime)),
      terminate(texts.TextById(i18n::kTextTerminate)),
      properties(texts.TextById(i18n::kTextProperties)),
      change_priority(texts.TextById(i18n::kTextChangePriority)),
      window_actions{texts.TextById(i18n::kTextRestore), texts.TextById(i18n::kTextSwitchTo),
                     texts.TextById(i18n::kTextMinimize), texts.TextById(i18n::kTextMaximize),
                     texts.TextById(i18n::kTextClose)} {}

std::vector<std::string> ApplicationLines(const DetailTexts& texts) {
  std::vector<std::string> lines;
  lines.reserve(texts.window_actions.size());
  for (const std::string& action : texts.window_actions)
    lines.push_back(ActionLine(ActionColor::kBlack, action));
  return lines;
}

std::string PriorityLine(const DetailTexts& texts, std::string_view priority_text) {
  return ValueLine(texts.priority, priority_text);
}

std::string UserTimeLine(const DetailTexts& texts, std::uint64_t user_time) {
  return ValueLine(texts.user_time, TimeValue(user_time));
}

std::string KernelTimeLine(const DetailTexts& texts, std::uint64_t kernel_time) {
  return ValueLine(texts.kernel_time, TimeValue(kernel_time));
}

std::vector<std::string> ProcessLines(const DetailTexts& texts,
                                      const snapshot::processinfos& process,
                                      std::string_view priority_text) {
  return {TitleLine(texts.file_name, process.name),
          ValueLine(texts.full_path, process.path),
          ValueLine(texts.process_id, process.id_text),
          PriorityLine(texts, priority_text),
          UserTimeLine(texts, process.user_time),
          KernelTimeLine(texts, process.kernel_time),
          ActionLine(ActionColor::kRed, texts.terminate),
          ActionLine(ActionColor::kGreen, texts.properties),
          ActionLine(ActionColor::kBlue, texts.change_priority)};
}

}  // namespace browser
