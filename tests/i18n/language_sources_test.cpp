// Every language library must carry every text the program asks for, and nothing else.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "i18n/languages.h"
#include "i18n/text_ids.h"

namespace {

std::map<int, std::string> StringTable(const std::string& code) {
  std::ifstream in(std::string(RV_LANG_DIR) + "/RvProcesess" + code + ".rc");
  EXPECT_TRUE(in) << code;
  std::map<int, std::string> table;
  std::regex entry(R"re(^\s*(\d+)\s+"(.*)"\s*$)re");
  std::string line;
  while (std::getline(in, line)) {
    std::smatch m;
    if (std::regex_match(line, m, entry)) {
      bool fresh = table.emplace(std::stoi(m[1]), m[2]).second;
      EXPECT_TRUE(fresh) << code << " repeats id " << m[1];
    }
  }
  return table;
}

TEST(LanguageSources, EachLanguageHoldsExactlyTheIdsInUse) {
  std::set<int> wanted(std::begin(i18n::kAllTextIds), std::end(i18n::kAllTextIds));
  for (const i18n::Language& language : i18n::kLanguages) {
    const std::string code = language.code;
    SCOPED_TRACE(code);
    std::set<int> ids;
    for (const auto& [id, text] : StringTable(code)) {
      ids.insert(id);
      EXPECT_FALSE(text.empty()) << id;
      EXPECT_LE(text.size(), 1023u) << id;
    }
    EXPECT_EQ(ids, wanted);
  }
}

TEST(LanguageSources, EnglishCaptionsAreTheOnesTheEndToEndTestsRead) {
  auto en = StringTable("EN");
  EXPECT_EQ(en[10], "Report");
  EXPECT_EQ(en[52], "Close");
  EXPECT_EQ(en[100], "Applications");
  EXPECT_EQ(en[101], "Processes");
}

}  // namespace
