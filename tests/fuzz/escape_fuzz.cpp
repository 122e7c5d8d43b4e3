// Any name, title or path, escaped into the lines the program shows and writes, reads back as
// written: on screen (the markup's plain text as DrawText shows it), in the TXT form and in
// printing (PlainText), and in the HTM form (as a browser shows it). The report conversions are
// also run over the raw bytes as a line of their own. The first byte picks word wrap and the
// line width; the rest, up to a NUL as in every string the system hands over, is the value.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "browser/detail_lines.h"
#include "controls/markup/render.h"
#include "report/file_encoding.h"
#include "report/report_body.h"
#include "report/report_formats.h"
#include "tests/fakes/fake_code_page.h"
#include "tests/fakes/recording_canvas.h"
#include "tests/fuzz/whole_utf8.h"

namespace {

// A property that fails names its line before the run stops.
void Holds(bool holds, int line) {
  if (holds) return;
  std::fprintf(stderr, "the property of line %d does not hold\n", line);
  __builtin_trap();
}
#define CHECK(property) Holds(property, __LINE__)

// What DrawText shows of the runs: "&&" is one "&", a lone "&" only underlines what follows.
std::string OnScreen(const std::string& runs) {
  std::string out;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (runs[i] == '&' && i + 1 < runs.size()) ++i;
    out += runs[i];
  }
  return out;
}

std::string Rendered(const std::string& line, bool word_wrap, int width) {
  fakes::RecordingCanvas canvas;
  controls::markup::Options options;
  options.mode = controls::markup::Mode::kMeasure;  // lays out every line, however many
  options.word_wrap = word_wrap;
  return OnScreen(controls::markup::Render(canvas, line, {0, 0, width, 60}, options).plain_text);
}

// The text a browser shows of one HTM row: tags dropped, the four entities decoded.
std::string BrowserText(const std::string& row) {
  static const std::pair<std::string_view, char> kEntities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}};
  const std::string text = report::StripTags(row);
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    bool decoded = false;
    for (const auto& [entity, c] : kEntities) {
      if (std::string_view(text).substr(i).starts_with(entity)) {
        out += c;
        i += entity.size();
        decoded = true;
        break;
      }
    }
    if (!decoded) out += text[i++];
  }
  return out;
}

// An HTM file's row read back: the code page's bytes as UTF-8, the numeric references decoded.
std::string ReadBack(fakes::FakeCodePage& code_page, const std::string& ansi) {
  const std::string utf8 = code_page.Utf8FromAnsi(ansi);
  std::string out;
  for (std::size_t i = 0, end; i < utf8.size(); ++i) {
    if (utf8.compare(i, 2, "&#") != 0 || (end = utf8.find(';', i)) == std::string::npos) {
      out += utf8[i];
      continue;
    }
    text::AppendCodePoint(out, static_cast<char32_t>(std::stoul(utf8.substr(i + 2, end - i - 2))));
    i = end;
  }
  return out;
}

// No line feed shows on screen: the markup drops it, as DrawText drops it on one line.
std::string WithoutLineFeeds(std::string text) {
  std::erase(text, '\n');
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t knobs = data[0];
  const std::string raw(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string value = raw.substr(0, raw.find('\0'));
  const bool word_wrap = (knobs & 1) != 0;
  // The detail list's width, or one so wide that nothing is cut with an ellipsis.
  const int width = (knobs & 2) ? 345 : 1 << 24;

  // Names and titles as list captions.
  const std::string caption = browser::CaptionOf(value);
  CHECK(browser::TextOfCaption(caption) == value);
  // The lists draw a caption as markup when it holds "</", else as it is.
  if (caption.find("</") == std::string::npos)
    CHECK(caption == value);
  else if (word_wrap || width > 345)
    CHECK(Rendered(caption, word_wrap, width) == WithoutLineFeeds(value));

  // Detail and report lines: a value after its label, and a report item's heading.
  report::selitem item;
  item.SectionCaption = value;
  item.ItemText = caption;
  const struct {
    std::string line, text;
  } lines[] = {{browser::TitleLine("Name", value), "Name" + value},
               {browser::ValueLine("Path", value), " Path" + value},
               {report::ItemHeadingLine(item), value + " - " + value + " "}};
  std::vector<std::string> body;
  for (const auto& [line, text] : lines) {
    // Without word wrap a line too wide is cut on screen, so only a wide one is compared.
    if (word_wrap || width > 345) CHECK(Rendered(line, word_wrap, width) == WithoutLineFeeds(text));
    CHECK(report::PlainText(line) == text);
    body.push_back(line);
  }
  body.push_back(raw);
  const std::vector<std::string> txt = report::TxtForm(body);
  const std::vector<std::string> htm = report::HtmForm(body);
  CHECK(txt.size() == body.size() && htm.size() == body.size() + 1 && htm[0] == "<TABLE>");
  // The files are in the code page: an HTM row of whole UTF-8 reads back as it was.
  fakes::FakeCodePage code_page;
  const bool whole = WholeUtf8(value);
  for (std::size_t i = 0; i < std::size(lines); ++i) {
    CHECK(txt[i] == lines[i].text);
    CHECK(BrowserText(htm[i + 1]) == lines[i].text);
    const std::string ansi = report::AnsiFileText(code_page, htm[i + 1], report::FileForm::kHtml);
    if (whole) CHECK(ReadBack(code_page, ansi) == htm[i + 1]);
    (void)report::AnsiFileText(code_page, txt[i], report::FileForm::kText);
  }
  // The raw bytes as a line: every conversion copes, and the HTM row keeps its frame.
  const std::string& row = htm.back();
  CHECK(row.starts_with("<TR><TD>") && row.ends_with("</TD></TR>"));
  CHECK(report::StripTags(raw).find_first_of("<>") == std::string::npos);
  (void)report::LineFontSize(raw);
  (void)report::MapFontSizes(raw);
  (void)report::RemoveImageTag(raw);
  return 0;
}
