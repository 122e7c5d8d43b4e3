#include "platform/win32/system_headers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/image_list.h"
#include "platform/win32/user_interface.h"
#include "snapshot/app_windows.h"

namespace {

using platform::win32::Win32ImageList;
using platform::win32::Win32UserInterface;

constexpr const char* kClass = "RvAppWindowsProbe";

// Top-level windows of a class with an icon; destroyed with the fixture.
struct Windows {
  Windows() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hIcon = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    wc.lpszClassName = kClass;
    ::RegisterClassA(&wc);
  }
  ~Windows() {
    for (auto it = created.rbegin(); it != created.rend(); ++it) {
      // Hidden by style first: Wine without a window manager waits two seconds to unmap each
      // visible window it destroys.
      ::SetWindowLongA(*it, GWL_STYLE, ::GetWindowLongA(*it, GWL_STYLE) & ~WS_VISIBLE);
      ::DestroyWindow(*it);
    }
  }
  HWND Make(const std::string& title, bool visible, DWORD ex_style = 0, HWND owner = nullptr) {
    const DWORD style = WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0);
    HWND w = ::CreateWindowExA(ex_style, kClass, title.c_str(), style, 10, 10, 200, 100, owner,
                               nullptr, ::GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(w, nullptr) << title;
    created.push_back(w);
    return w;
  }
  std::vector<HWND> created;
};

const snapshot::appinfos* Entry(const snapshot::AppWindowList& list, HWND window) {
  for (const snapshot::appinfos& a : list.windows())
    if (a.window == reinterpret_cast<platform::WindowHandle>(window)) return &a;
  return nullptr;
}

TEST(Win32AppWindows, FilterListsOnlyApplicationWindows) {
  // Titles carry the process id so that windows of other runs cannot match.
  std::string tag(" ");
  tag += std::to_string(::GetCurrentProcessId());
  auto titled = [&](const char* prefix) {
    std::string title(prefix);
    title += tag;
    return title;
  };
  Windows w;
  HWND visible = w.Make(titled("Rv visible"), true);
  HWND hidden = w.Make(titled("Rv hidden"), false);
  HWND owned = w.Make(titled("Rv owned"), true, 0, visible);
  HWND tool = w.Make(titled("Rv tool"), true, WS_EX_TOOLWINDOW);
  HWND tool_app = w.Make(titled("Rv tool app"), true, WS_EX_TOOLWINDOW | WS_EX_APPWINDOW);
  HWND untitled = w.Make("", true);
  const std::string long_title = titled("Rv long").append(300, 'x');
  HWND long_one = w.Make(long_title, true);

  Win32UserInterface ui;
  Win32ImageList images;
  HICON fixed = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_WINLOGO));
  for (int i = 0; i < 3; ++i)
    ASSERT_EQ(images.AddIcon(reinterpret_cast<platform::IconHandle>(fixed)), i);
  snapshot::AppWindowList list(ui, images, snapshot::Family::kNt);
  list.EnumerateAppWindows();

  const snapshot::appinfos* v = Entry(list, visible);
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->title, titled("Rv visible"));
  EXPECT_GE(v->image_index, 3);
  EXPECT_EQ(Entry(list, hidden), nullptr);
  EXPECT_EQ(Entry(list, owned), nullptr);
  EXPECT_EQ(Entry(list, tool), nullptr);
  EXPECT_NE(Entry(list, tool_app), nullptr);
  EXPECT_EQ(Entry(list, untitled), nullptr);
  const snapshot::appinfos* l = Entry(list, long_one);
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->title, long_title.substr(0, 255));
  EXPECT_EQ(list.FindAppWindow(reinterpret_cast<platform::WindowHandle>(tool_app)),
            static_cast<int>(Entry(list, tool_app) - list.windows().data()));

  // The next tick trims the icons of this one before adding its own.
  int with_icon = 0;
  for (const snapshot::appinfos& a : list.windows()) with_icon += a.image_index >= 0 ? 1 : 0;
  EXPECT_EQ(images.Count(), 3 + with_icon);
  list.EnumerateAppWindows();
  EXPECT_EQ(images.Count(), 3 + with_icon);
}

TEST(Win32ImageList, RefusesNullIconsAndIndicesOutOfRange) {
  Win32ImageList images;
  ASSERT_NE(images.Handle(), nullptr);
  EXPECT_EQ(images.AddIcon(0), -1);
  EXPECT_FALSE(images.Delete(0));
  HICON icon = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  EXPECT_EQ(images.AddIcon(reinterpret_cast<platform::IconHandle>(icon)), 0);
  EXPECT_EQ(images.AddIcon(reinterpret_cast<platform::IconHandle>(icon)), 1);
  EXPECT_FALSE(images.Delete(-1));
  EXPECT_TRUE(images.Delete(0));
  EXPECT_EQ(images.Count(), 1);
  EXPECT_EQ(images.Width(), 16);
}

}  // namespace
