// The conversions of report lines, on the forms' own examples and on hostile lines.
#include "report/report_formats.h"

#include <gtest/gtest.h>

#include "browser/detail_lines.h"

namespace {

TEST(ReportFormats, ConversionsOfOneLine) {
  struct Case {
    const char* name;
    std::string (*convert)(std::string_view);
    std::string in, out;
  } cases[] = {
      {"strip", report::StripTags, "a<b>c>d<e", "acd"},
      {"strip unclosed", report::StripTags, "x<FONT color=", "x"},
      {"image closed", report::RemoveImageTag, "<IMG src=\"idx:0\"></IMG> <B>x", " <B>x"},
      {"image any case, first only", report::RemoveImageTag, "a<img x>b<IMG y>c", "ab<IMG y>c"},
      {"image unclosed", report::RemoveImageTag, "a<IMG src=", "a<IMG src="},
      {"sizes", report::MapFontSizes, "\"6\"\"8\"\"9\"\"11\"\"12\"\"15\"",
       "\"2\"\"2\"\"3\"\"3\"\"4\"\"4\""},
      {"other numbers stay", report::MapFontSizes, "\"2\" \"16\" \"150\" \"\" \"5\"",
       "\"2\" \"16\" \"150\" \"\" \"5\""},
      {"shared quote", report::MapFontSizes, "\"7\"8\"", "\"2\"2\""},
      {"plain text keeps >", report::PlainText, "<B>a>b</B><FONT x=\"1\"", "a>b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.convert(c.in), c.out);
  }
}

TEST(ReportFormats, LineFontSizeReadsTwoDigitsAtMost) {
  struct Case {
    const char* line;
    int size;
  } cases[] = {{"<FONT size=\"2\">", 2},
               {"<FONT size=\"14\">", 14},
               {"<FONT size=\"150\">", 15},
               {"<FONT size=\"x1\">", 0},
               {"<FONT>", 0},
               {"a size=\"9", 9}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(report::LineFontSize(c.line), c.size);
  }
}

// Undoes HTML entities, as a browser reading the HTM file does.
std::string HtmlDecoded(std::string s) {
  const std::pair<std::string, std::string> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    bool found = false;
    for (const auto& [entity, c] : entities)
      if (s.compare(i, entity.size(), entity) == 0) {
        out += c, i += entity.size(), found = true;
        break;
      }
    if (!found) out += s[i++];
  }
  return out;
}

// Values show as written in the TXT form, in print and, in entities, in the HTM form.
TEST(ReportFormats, HostileValuesComeBackAsWritten) {
  const std::string values[] = {
      "<script>alert(1)</script>", "Tom &amp; Jerry", "a && b &lt; c", "\"12\" <IMG src=x>", "x>y<",
      std::string(1000, '&') + "<"};
  for (const std::string& value : values) {
    SCOPED_TRACE(value.substr(0, 40));
    const std::string line = browser::ValueLine("Path", value);
    EXPECT_EQ(report::PlainText(line), " Path" + value);
    const std::vector<std::string> html = report::HtmForm({line});
    ASSERT_EQ(html.size(), 2u);
    const std::string row = html[1];
    const std::string prefix =
        "<TR><TD> <FONT color=\"clblue\" size=\"3\">Path<IND x=\"150\">"
        "<FONT color=\"clmaroon\">";
    ASSERT_EQ(row.substr(0, prefix.size()), prefix);
    const std::string shown = row.substr(prefix.size(), row.size() - prefix.size() - 17);
    EXPECT_EQ(shown.find('<'), std::string::npos);
    EXPECT_EQ(HtmlDecoded(shown), value);
    EXPECT_EQ(row.substr(row.size() - 17), "</FONT></TD></TR>");
  }
}

}  // namespace
