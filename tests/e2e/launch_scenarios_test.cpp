// A user starting the module in ways the suite does not allow: two messages, then nothing.
#include <gtest/gtest.h>

#include "tests/e2e/driver.h"

namespace {

using e2e::milliseconds;
using Texts = std::vector<std::string>;

const std::string kTerminated = "Aplication terminated";

struct Case {
  const char* name;
  const char* arguments;
  bool base_module_installed;
  Texts messages;
};

class LaunchRefused : public ::testing::TestWithParam<Case> {};

TEST_P(LaunchRefused, ShowsTheRulesTwoMessagesAndEndsWithoutAWindow) {
  const Case& c = GetParam();
  const std::string suite =
      e2e::CopySuite(std::string("refused-") + c.name, c.base_module_installed);
  e2e::Program module(suite + "Process\\RvProcesess.exe", c.arguments, suite + "Process");
  ASSERT_TRUE(module.Started());
  EXPECT_EQ(e2e::AnswerMessageBoxes(module.Id(), 2, milliseconds(20000)), c.messages);
  EXPECT_TRUE(module.WaitForExit(milliseconds(10000)));
  EXPECT_TRUE(e2e::TopLevelWindows("TProcesessFrm", module.Id()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, LaunchRefused,
    ::testing::Values(Case{"no-argument",
                           "",
                           true,
                           {"Application isn\xC2\xB4t start from main module!", kTerminated}},
                      Case{"upper-case-start",
                           "-START",
                           true,
                           {"Application isn\xC2\xB4t start from main module!", kTerminated}},
                      Case{"base-module-not-running",
                           "-rvinfo",
                           true,
                           {"No running base module Ravo Info!", kTerminated}},
                      Case{"base-module-not-installed",
                           "-start",
                           false,
                           {"No find base module Ravo Info!", kTerminated}}),
    [](const ::testing::TestParamInfo<Case>& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (ch == '-') ch = '_';
      return name;
    });

// On the 9x family the processor usage comes from the dynamic performance statistics; where the
// system keeps none, the module cannot start and says why.
TEST(Win9xStartUp, WithoutThePerformanceStatisticsTheModuleSaysSoAndEnds) {
  if (!e2e::OnWin9xFamily()) GTEST_SKIP() << "a 9x-family system only";
  e2e::RemovePerfStats();
  const std::string suite = e2e::CopySuite("win9x-no-statistics", true);
  e2e::Program module(suite + "Process\\RvProcesess.exe", "-start", suite + "Process");
  ASSERT_TRUE(module.Started());
  const Texts texts = e2e::AnswerMessageBoxes(module.Id(), 1, milliseconds(20000));
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NE(texts[0].find("Unable to start performance monitoring"), std::string::npos) << texts[0];
  EXPECT_TRUE(module.WaitForExit(milliseconds(10000)));
  EXPECT_TRUE(e2e::TopLevelWindows("TProcesessFrm", module.Id()).empty());
}

}  // namespace
