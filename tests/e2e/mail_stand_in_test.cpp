// The mail module stand-in shows what a report hand-off delivered.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "tests/e2e/driver.h"

namespace {

using e2e::milliseconds;

TEST(MailStandIn, ShowsTheArgumentsAndTheFilesItWasHanded) {
  const std::string dir = e2e::DistDirectory() + "Rvmail\\";
  std::ofstream(dir + "report.txt") << "Ravo Info Report";
  std::ofstream(dir + "report.htm") << "<HTML>report</HTML>";
  e2e::Program mail(dir + "RvIMail.exe",
                    "-rvinfo \" \" \"..\\Rvmail\\report.txt\" \"..\\Rvmail\\report.htm\"", dir);
  HWND window = e2e::WaitForWindow("TRvIMailFrm", mail.Id(), milliseconds(20000));
  ASSERT_NE(window, nullptr);
  HWND view = ::GetDlgItem(window, 100);
  ASSERT_NE(view, nullptr);
  const std::string shown = e2e::ControlText(view);
  EXPECT_NE(shown.find("Arguments: 4"), std::string::npos) << shown;
  EXPECT_NE(shown.find("[2] \" \""), std::string::npos) << shown;
  EXPECT_NE(shown.find("Ravo Info Report"), std::string::npos) << shown;
  EXPECT_NE(shown.find("<HTML>report</HTML>"), std::string::npos) << shown;
  ::DeleteFileA((dir + "report.txt").c_str());
  ::DeleteFileA((dir + "report.htm").c_str());
}

}  // namespace
