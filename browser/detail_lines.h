#pragma once
// The lines of the detail list: captions in the markup that the lists render, built from fixed
// templates. Item actions recognise a clicked line by building the same line again, and reports
// read them back, so every byte of a template matters.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/text_source.h"
#include "snapshot/process_info.h"

namespace browser {

enum class ActionColor { kBlack, kRed, kGreen, kBlue };

// The line templates; `text` is a language text, `value` a value to show as written (escaped
// as controls/markup/escapes.h says).
std::string TitleLine(std::string_view text, std::string_view value);
std::string ValueLine(std::string_view text, std::string_view value);
// A value line whose value is underlined as the action lines are: something to click.
std::string LinkValueLine(std::string_view text, std::string_view value);
std::string ActionLine(ActionColor color, std::string_view text);

// A name or title as a list caption that shows it as written. A text the lists would read as
// markup (it holds "</") or as rich text (it starts with "{\") is escaped, and marked as markup
// by a leading empty hidden span; any other text is its own caption, so that other programs
// reading the rows find it as it is.
std::string CaptionOf(std::string_view text);
// Whether `caption` is CaptionOf(`text`), without building it for a text that is its own.
bool IsCaptionOf(std::string_view caption, std::string_view text);
// The text a caption made by CaptionOf shows.
std::string TextOfCaption(std::string_view caption);

// A processor time of 100-ns units as hours of day, minutes, seconds and milliseconds joined by
// ":", without leading zeros; whole days are dropped.
std::string TimeValue(std::uint64_t count);

// The texts of every detail line, looked up once.
struct DetailTexts {
  explicit DetailTexts(const i18n::TextSource& texts);
  std::string applications, processes;  // the left sections' captions
  std::string file_name, full_path, process_id, priority, user_time, kernel_time;
  std::string terminate, properties, change_priority;
  std::array<std::string, 5> window_actions;  // restore, switch to, minimise, maximise, close
};

// The five action lines of an application section.
std::vector<std::string> ApplicationLines(const DetailTexts& texts);

// Lines 3 to 5 of a process section: priority, user time, kernel time.
std::string PriorityLine(const DetailTexts& texts, std::string_view priority_text);
std::string UserTimeLine(const DetailTexts& texts, std::uint64_t user_time);
std::string KernelTimeLine(const DetailTexts& texts, std::uint64_t kernel_time);

// The nine lines of a process section, with the times of the record.
// How many lines ProcessLines gives, where the lines a refresh rewrites start, and where the
// lines that tell more go: after the kernel time line.
constexpr int kProcessLineCount = 9;
constexpr int kPriorityLine = 3;
constexpr int kCostLinesAt = kPriorityLine + 3;
std::vector<std::string> ProcessLines(const DetailTexts& texts,
                                      const snapshot::processinfos& process,
                                      std::string_view priority_text);

}  // namespace browser
