#include "platform/win32/user_interface.h"

#include "platform/win32/system_headers.h"

#include <gtest/gtest.h>

#include "platform/win32/kernel.h"

namespace {

// The suite is laid out in build/dist; the test runs from build/win32/tests.
std::string EnglishLibraryPath() {
  platform::win32::Win32Kernel kernel;
  std::string exe = kernel.GetModuleFileName();
  std::string dir = exe.substr(0, exe.rfind('\\') + 1);
  return dir + "..\\..\\dist\\Process\\RvProcesessEN.dll";
}

TEST(Win32UserInterface, StringLoadsFromALanguageLibraryLoadedAsData) {
  platform::win32::Win32Kernel kernel;
  platform::win32::Win32UserInterface ui;
  platform::Handle library =
      kernel.LoadLibraryEx(EnglishLibraryPath(), platform::kLoadLibraryAsDatafile);
  ASSERT_NE(library, 0u) << EnglishLibraryPath();
  char buffer[1024];
  int n = ui.LoadString(library, 10, buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer, n), "Report");
  EXPECT_EQ(ui.LoadString(library, 9999, buffer, sizeof buffer), 0);
  EXPECT_TRUE(kernel.FreeLibrary(library));
}

TEST(Win32UserInterface, WindowTextIsReadBack) {
  platform::win32::Win32UserInterface ui;
  HWND window = ::CreateWindowExA(0, "STATIC", "Probe title", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  char buffer[256];
  int n = ui.GetWindowText(reinterpret_cast<platform::WindowHandle>(window), buffer, 256);
  EXPECT_EQ(std::string(buffer, n), "Probe title");
  EXPECT_FALSE(ui.IsWindowVisible(reinterpret_cast<platform::WindowHandle>(window)));
  ::DestroyWindow(window);
}

}  // namespace
