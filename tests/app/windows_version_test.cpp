#include "app/windows_version.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_kernel.h"

namespace {

TEST(WindowsVersionCode, ClassifiesEveryRowOfTheTable) {
  struct Case {
    std::uint32_t platform_id, major, minor;
    const char* service_pack;
    int code;
    bool win9x;
    bool nt;
    bool places_bar = false;
  } cases[] = {
      {0, 3, 10, "", 1, false, false},  // Win32s
      {2, 3, 51, "", 6, false, true},   // NT 3.x
      {2, 4, 0, "Service Pack 6", 7, false, true},
      {2, 5, 1, "Service Pack 3", 8, false, true, true},  // the dialog's places bar from NT 5
      {2, 6, 1, "Service Pack 1", 0, false, true, true},  // later NT versions: code 0, still NT
      {2, 10, 0, "", 0, false, true, true},
      {1, 4, 0, "", 2, true, false},       // Windows 95
      {1, 4, 0, " B ", 3, true, false},    // OSR2, blanks trimmed
      {1, 4, 0, "\tB\r", 3, true, false},  // control characters trimmed too
      {1, 4, 0, "b", 2, true, false},      // case-sensitive
      {1, 4, 10, "", 4, true, false},      // Windows 98
      {1, 4, 10, " A ", 5, true, false},   // second edition
      {1, 4, 90, "", 9, true, false},      // Millennium
      {1, 4, 3, "", 0, false, false},      // unknown 9x version: neither family
      {3, 4, 0, "", 2, true, false},       // any other platform id counts as 9x
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.platform_id) + " " + std::to_string(c.major) + "." +
                 std::to_string(c.minor) + " '" + c.service_pack + "'");
    fakes::FakeKernel kernel;
    kernel.version = {c.platform_id, c.major, c.minor, 0, c.service_pack};
    EXPECT_EQ(app::WindowsVersionCode(kernel), c.code);
    EXPECT_EQ(app::IsWin9xFamily(kernel), c.win9x);
    EXPECT_EQ(app::IsNtPlatform(kernel), c.nt);
    // Start-up decides all of it once: the refresh runs on either family, or on neither.
    const snapshot::SystemFamily family = app::DecideFamily(kernel);
    EXPECT_EQ(family.family, c.nt ? snapshot::Family::kNt : snapshot::Family::k9x);
    EXPECT_EQ(family.refreshes, c.nt || c.win9x);
    EXPECT_EQ(family.places_bar, c.places_bar);
  }
}

TEST(WindowsVersionCode, FailedQueryCountsAsWin32s) {
  // The record stays zeroed, as the system leaves it: platform id 0.
  fakes::FakeKernel kernel;
  kernel.version_ok = false;
  EXPECT_EQ(app::WindowsVersionCode(kernel), 1);
  EXPECT_FALSE(app::IsNtPlatform(kernel));
  EXPECT_FALSE(app::IsWin9xFamily(kernel));
  EXPECT_EQ(app::DecideFamily(kernel).family, snapshot::Family::k9x);
  EXPECT_FALSE(app::DecideFamily(kernel).refreshes);
}

}  // namespace
