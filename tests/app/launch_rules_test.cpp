#include "app/launch_rules.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_kernel.h"
#include "tests/fakes/fake_user_interface.h"

namespace {

using Texts = std::vector<std::string>;

const std::string kTerminated = "Aplication terminated";
const std::string kNotFromMain = "Application isn\xC2\xB4t start from main module!";
const std::string kNotRunning = "No running base module Ravo Info!";
const std::string kNoFile = "No find base module Ravo Info!";

TEST(LastCharPos, ScansBackwardsFromAOneBasedStart) {
  struct Case {
    const char* text;
    char ch;
    int start;
    int expected;
  } cases[] = {
      {"C:\\Suite\\Process\\", '\\', 16, 9},  // the separator before the last directory
      {"C:\\Suite\\Process\\", '\\', 17, 17},
      {"C:\\", '\\', 2, 0},
      {"abc", 'a', 1, 1},
      {"abc", 'a', 0, 0},
      {"abc", 'a', 4, 0},
      {"", 'a', 0, 0},
      {"abc", 'z', 3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " @" + std::to_string(c.start));
    EXPECT_EQ(app::LastCharPos(c.text, c.ch, c.start), c.expected);
  }
}

TEST(ExecutableDirectory, KeepsTheTrailingSeparator) {
  fakes::FakeKernel kernel;
  EXPECT_EQ(app::ExecutableDirectory(kernel), "C:\\Suite\\Process\\");
  kernel.executable_path = "C:\\RvProcesess.exe";
  EXPECT_EQ(app::ExecutableDirectory(kernel), "C:\\");
}

struct LaunchFixture : ::testing::Test {
  fakes::FakeKernel kernel;
  fakes::FakeUserInterface ui;
  app::LaunchRules rules{kernel, ui};

  void SetUp() override {
    kernel.mutexes.insert("Ravo Info running");
    kernel.files.insert("C:\\Suite\\RvInfo.exe");
  }
};

TEST_F(LaunchFixture, EachRuleShowsItsTwoMessagesAndStopsTheRest) {
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    bool mutex;
    bool file;
    bool passes;
    Texts messages;
  } cases[] = {
      {"no argument", {}, true, true, false, {kNotFromMain, kTerminated}},
      {"upper case", {"-RVINFO"}, true, true, false, {kNotFromMain, kTerminated}},
      {"mixed case", {"-Start"}, true, true, false, {kNotFromMain, kTerminated}},
      {"switch second", {"x", "-rvinfo"}, true, true, false, {kNotFromMain, kTerminated}},
      {"base module", {"-rvinfo"}, true, true, true, {}},
      {"further arguments ignored", {"-rvinfo", "junk"}, true, true, true, {}},
      {"base module not running", {"-rvinfo"}, false, false, false, {kNotRunning, kTerminated}},
      {"stand-alone, nothing running", {"-start"}, false, true, true, {}},
      {"stand-alone, no base module file", {"-start"}, false, false, false, {kNoFile, kTerminated}},
      {"running but not installed", {"-rvinfo"}, true, false, false, {kNoFile, kTerminated}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fakes::FakeKernel k;
    fakes::FakeUserInterface u;
    k.arguments = c.arguments;
    if (c.mutex) k.mutexes.insert("Ravo Info running");
    if (c.file) k.files.insert("C:\\Suite\\RvInfo.exe");
    app::LaunchRules r(k, u);
    EXPECT_EQ(r.AllPass(), c.passes);
    EXPECT_EQ(u.MessageTexts(), c.messages);
    for (const fakes::MessageRecord& m : u.messages) {
      EXPECT_EQ(m.type & 0xF, platform::kMbOk);
      EXPECT_EQ(m.type & 0xF0, platform::kMbIconError);
    }
  }
}

TEST_F(LaunchFixture, MissingMutexSkipsTheFileRule) {
  kernel.arguments = {"-rvinfo"};
  kernel.mutexes.clear();
  EXPECT_FALSE(rules.AllPass());
  EXPECT_FALSE(kernel.Called("FileExists"));
}

TEST_F(LaunchFixture, MutexIsProbedWithFullAccessAndClosedAtOnce) {
  kernel.arguments = {"-rvinfo"};
  EXPECT_TRUE(rules.CheckBaseModuleRunning());
  EXPECT_TRUE(kernel.Called("OpenMutexA(Ravo Info running,2031617,true)"));
  EXPECT_TRUE(kernel.open_handles.empty());
}

TEST_F(LaunchFixture, OnlyNotFoundAndInvalidNameMeanNotRunning) {
  kernel.arguments = {"-rvinfo"};
  kernel.mutexes.clear();
  struct Case {
    std::uint32_t error;
    bool passes;
  } cases[] = {{2, false}, {123, false}, {5, true}, {6, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    kernel.mutex_open_error = c.error;
    EXPECT_EQ(rules.CheckBaseModuleRunning(), c.passes);
  }
}

TEST_F(LaunchFixture, StandAloneStartNeverProbesTheMutex) {
  kernel.arguments = {"-start"};
  EXPECT_TRUE(rules.CheckBaseModuleRunning());
  EXPECT_FALSE(kernel.Called("OpenMutexA"));
}

TEST_F(LaunchFixture, BaseModuleIsLookedForOneDirectoryUp) {
  kernel.executable_path = "C:\\Suite\\Process\\RvProcesess.exe";
  EXPECT_TRUE(rules.CheckBaseModuleFile());
  EXPECT_TRUE(kernel.Called("FileExists(C:\\Suite\\RvInfo.exe)"));
}

TEST_F(LaunchFixture, InADriveRootTheBareNameIsTested) {
  kernel.executable_path = "C:\\RvProcesess.exe";
  kernel.files = {"RvInfo.exe"};
  EXPECT_TRUE(rules.CheckBaseModuleFile());
  EXPECT_TRUE(kernel.Called("FileExists(RvInfo.exe)"));
}

}  // namespace
