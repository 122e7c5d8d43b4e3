// The shell's icon lists and the icon index of a file.
#include "platform/win32/shell_icons.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(Win32ShellIcons, ListsTheIconOfThisProgram) {
  platform::win32::Win32ShellIcons shell;
  char path[MAX_PATH] = {};
  ASSERT_GT(::GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
  for (bool large : {false, true}) {
    SCOPED_TRACE(large);
    const platform::ImageList* list = shell.SystemImageList(large);
    ASSERT_NE(list, nullptr);
    EXPECT_NE(list->NativeHandle(), 0u);
    EXPECT_EQ(list->Width(),
              large ? ::GetSystemMetrics(SM_CXICON) : ::GetSystemMetrics(SM_CXSMICON));
    const int index = shell.FileIconIndex(path, large);
    EXPECT_GE(index, 0);
    EXPECT_LT(index, list->Count());
    EXPECT_EQ(shell.SystemImageList(large), list);  // made once
  }
}

}  // namespace
