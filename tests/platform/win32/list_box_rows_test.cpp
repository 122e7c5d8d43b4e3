// A list box's rows against the real list box: after each batch its scroll bar is the one its
// rows call for, with the frame laid out for it, though it is drawn only on change.
#include "host/win32/list_box_rows.h"

#include <gtest/gtest.h>

namespace {

constexpr int kRowHeight = 16;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_MEASUREITEM) return ::DefWindowProcA(window, message, wparam, lparam);
  reinterpret_cast<MEASUREITEMSTRUCT*>(lparam)->itemHeight = kRowHeight;
  return TRUE;
}

TEST(ListBoxRows, ABatchLeavesTheScrollBarItsRowsCallForWithTheFrameLaidOutForIt) {
  const WNDCLASSA parent_class{0,       ParentProc, 0,       0,       nullptr,
                               nullptr, nullptr,    nullptr, nullptr, "RvRowsTestParent"};
  ::RegisterClassA(&parent_class);
  HWND parent = ::CreateWindowExA(0, "RvRowsTestParent", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  300, 300, nullptr, nullptr, nullptr, nullptr);
  HWND list = ::CreateWindowExA(0, "LISTBOX", "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT |
                                    LBS_HASSTRINGS | LBS_OWNERDRAWVARIABLE,
                                0, 0, 200, 10 * kRowHeight, parent, nullptr, nullptr, nullptr);
  ASSERT_TRUE(list);
  host::win32::ListBoxRows rows(list);
  struct Step {
    const char* what;
    int rows_after;
    bool bar;
  };
  for (const Step& step :
       {Step{"a few rows fit", 3, false}, Step{"many rows do not", 40, true},
        Step{"one row's text replaced", 40, true}, Step{"back to a few", 2, false}}) {
    rows.SetRedraw(false);
    while (rows.Count() < step.rows_after) rows.Insert(-1, "row", 0, kRowHeight);
    while (rows.Count() > step.rows_after) rows.Delete(rows.Count() - 1);
    rows.SetText(0, step.what);
    rows.SetRedraw(true);
    EXPECT_EQ(rows.Text(0), step.what);
    EXPECT_EQ((::GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL) != 0, step.bar) << step.what;
    RECT client;
    ::GetClientRect(list, &client);
    EXPECT_EQ(client.right, step.bar ? 200 - ::GetSystemMetrics(SM_CXVSCROLL) : 200) << step.what;
    int first = 0, last = 0;
    ::GetScrollRange(list, SB_VERT, &first, &last);
    if (!step.bar) continue;
    EXPECT_EQ(last, step.rows_after - 1) << step.what;
  }
  ::DestroyWindow(parent);
}

}  // namespace
