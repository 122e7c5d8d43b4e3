// The window host against the real window system: forms and modal dialogs come and go without
// leaving windows, GDI objects or handles behind, and a failing handler is reported once while the
// program goes on.
#include "host/win32/window_host.h"

#include "platform/win32/system_headers.h"
// commctrl.h needs the types of windows.h.
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "controls/section_list/box.h"
#include "host/win32/timer_service.h"
#include "platform/win32/live_handles.h"
#include "platform/win32/native_system_info.h"
#include "platform/win32/user_interface.h"
#include "report/report_frm.h"
#include "tests/snapshot/test_texts.h"
#include "ui/edit_box.h"
#include "ui/list_box.h"
#include "ui/panel.h"
#include "ui/timer.h"

namespace {

using host::win32::Win32TimerService;
using host::win32::Win32WindowHost;
using platform::win32::HandleKind;
using platform::win32::LiveHandles;

struct TestForm : ui::Form {
  explicit TestForm(ui::Form* owner = nullptr)
      : ui::Form(owner ? "DlgFrm" : "MainFrm", owner ? "TRvTestDlg" : "TRvTestMain", owner),
        panel("Panel1", this) {
    SetText(owner ? "Test dialog" : "Test main");
    SetOuterSize(240, 160);
    panel.SetBounds(platform::RectOfSize(10, 10, 100, 40));
    panel.SetText("panel");
  }
  ui::Panel panel;
};

struct FailingPanel : ui::Panel {
  using ui::Panel::Panel;
  int paints = 0;
  void Paint(platform::Canvas&) override {
    ++paints;
    throw std::runtime_error("The panel cannot be painted.");
  }
};

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  ::EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

// Windows of this thread, children included.
int ThreadWindowCount() {
  int count = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Runs this thread's messages until `done` or the time is up.
template <typename Done>
bool PumpUntil(Done done, DWORD timeout_ms = 5000) {
  const DWORD start = ::GetTickCount();
  MSG message;
  while (!done()) {
    if (::GetTickCount() - start > timeout_ms) return false;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return done();
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
    ::Sleep(5);
  }
  return true;
}

// Every kind of handle the layer counts, as held now.
std::vector<long> LiveCounts() {
  std::vector<long> counts;
  for (int kind = 0; kind < static_cast<int>(HandleKind::kCount); ++kind)
    counts.push_back(LiveHandles(static_cast<HandleKind>(kind)));
  return counts;
}

// One main form with a modal dialog over it, closed through its close box by its own timer.
// Each has a native edit box, which the host colours with a brush of its own, and a hint.
// (The main form stays hidden: Wine without a window manager takes two seconds to take down
// each shown window.) Answers the brushes live while the dialog was open.
long MainFormWithModalDialog(Win32WindowHost& host, Win32TimerService& timers) {
  TestForm main;
  ui::EditBox main_edit("Edit1", &main);
  main.panel.SetHint("main");
  EXPECT_TRUE(host.CreateWindows(main));
  TestForm dialog(&main);
  ui::EditBox dialog_edit("Edit1", &dialog);
  dialog.panel.SetHint("dialog");
  ui::Timer closer(timers);
  closer.SetInterval(20);
  long brushes = 0;
  closer.OnTimer = [&] {
    EXPECT_FALSE(::IsWindowEnabled(reinterpret_cast<HWND>(main.Handle())));
    brushes = LiveHandles(HandleKind::kBrush);
    ::PostMessageA(reinterpret_cast<HWND>(dialog.Handle()), WM_CLOSE, 0, 0);
  };
  closer.SetEnabled(true);
  EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
  closer.SetEnabled(false);
  // The dialog closed: the owner is usable again and the application goes on.
  EXPECT_TRUE(::IsWindowEnabled(reinterpret_cast<HWND>(main.Handle())));
  MSG quit;
  EXPECT_FALSE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  return brushes;
}

TEST(Win32WindowHost, FormsAndModalDialogsLeaveNoWindowsOrObjectsBehind) {
  Win32WindowHost host(::GetModuleHandleA(nullptr));
  Win32TimerService timers(host);
  MainFormWithModalDialog(host, timers);  // classes registered, fonts cached
  const int windows = ThreadWindowCount();
  const std::vector<long> live = LiveCounts();
  const long handles = platform::win32::SystemHandleCount();
  ASSERT_GT(handles, 0);
  for (int i = 0; i < 3; ++i) {
    // Both edit boxes' brushes: a form that kept its brush would show here.
    EXPECT_GE(MainFormWithModalDialog(host, timers),
              live[static_cast<int>(HandleKind::kBrush)] + 2);
  }
  EXPECT_EQ(ThreadWindowCount(), windows);
  EXPECT_EQ(LiveCounts(), live);
  // Under Wine the system's figure only grows once the handle table must: a larger leak.
  EXPECT_LE(platform::win32::SystemHandleCount(), handles);
}

// Closes the error boxes that come up while messages run, noting their texts and owners.
struct BoxCloser {
  static inline std::vector<std::string> texts;
  static inline std::vector<HWND> owners;
  static BOOL CALLBACK Close(HWND window, LPARAM) {
    char name[16] = "";
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !::IsWindowVisible(window)) return TRUE;
    char text[256] = "";
    ::GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
    texts.push_back(text);
    owners.push_back(::GetWindow(window, GW_OWNER));
    ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), Close, 0);
  }
};

TEST(Win32WindowHost, FailingPaintTimerAndEnumerationAreReportedOnceAndTheProgramGoesOn) {
  BoxCloser::texts.clear();
  BoxCloser::owners.clear();
  Win32WindowHost host(::GetModuleHandleA(nullptr));
  Win32TimerService timers(host);
  TestForm main;
  FailingPanel failing("Failing", &main);
  failing.SetBounds(platform::RectOfSize(10, 60, 100, 40));
  ASSERT_TRUE(host.CreateWindows(main));
  host.Show(main);
  const HWND window = reinterpret_cast<HWND>(main.Handle());

  ui::Timer ticking(timers);
  ticking.SetInterval(10);
  int ticks = 0;
  ticking.OnTimer = [&] {
    ++ticks;
    throw std::runtime_error("The tick failed.");
  };
  ticking.SetEnabled(true);
  EXPECT_NO_THROW(ticking.TickNow());  // reported as a fired tick's failure
  EXPECT_EQ(ticks, 1);
  const UINT_PTR closer = ::SetTimer(nullptr, 0, 50, BoxCloser::Tick);
  // Repainted and ticking again and again, each failure still shows once.
  EXPECT_TRUE(PumpUntil([&] {
    ::InvalidateRect(window, nullptr, TRUE);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    return ticks >= 5 && failing.paints >= 3 && BoxCloser::texts.size() >= 2;
  }));
  PumpUntil([] { return false; }, 300);  // a second box for the same failure would show here
  ::KillTimer(nullptr, closer);
  ticking.SetEnabled(false);
  EXPECT_EQ(BoxCloser::texts,
            (std::vector<std::string>{"The panel cannot be painted.", "The tick failed."}));
  for (HWND owner : BoxCloser::owners) EXPECT_EQ(owner, window);
  EXPECT_TRUE(::IsWindow(window));

  // A callback that fails stops the enumeration; its failure reaches the caller afterwards.
  platform::win32::Win32UserInterface ui;
  int visited = 0;
  EXPECT_THROW(ui.EnumWindows([&](platform::WindowHandle) -> bool {
    ++visited;
    throw std::runtime_error("The window list failed.");
  }),
               std::runtime_error);
  EXPECT_EQ(visited, 1);
}

TEST(Win32WindowHost, NativeListBoxRowsAreItsItemsDrawnByTheComponentAndRepaintedAlone) {
  struct List : ui::ListBox {
    using ui::ListBox::ListBox;
    ui::ListRows* rows = nullptr;
    int drawn = 0, erased = 0;
    void AttachRows(ui::ListRows* attached) override { rows = attached; }
    void PaintBackground(platform::Canvas&, const platform::Rect&) override { ++erased; }
    void DrawRow(platform::Canvas&, const ui::RowPaint&) override { ++drawn; }
  };
  Win32WindowHost host(::GetModuleHandleA(nullptr));
  TestForm main;
  List list("List1", &main);
  list.SetBounds(platform::RectOfSize(10, 60, 200, 90));
  ASSERT_TRUE(host.CreateWindows(main));
  ASSERT_NE(list.rows, nullptr);
  list.rows->Insert(-1, "Applications", 1, 20);
  list.rows->Insert(-1, "Processes", 1, 26);
  // "Привет - 日本語 - café 😀": Cyrillic, CJK, Latin-1 and a surrogate pair.
  const std::string every_script =
      "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 - \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E - "
      "caf\xC3\xA9 \xF0\x9F\x98\x80";
  list.rows->Insert(1, every_script, 0, 18);
  host.Show(main);
  PumpUntil([&] { return list.drawn >= 3; }, 2000);
  EXPECT_GE(list.drawn, 3);
  // The rows are the list box's own items, so they read from outside with LB_GETTEXT, as
  // written.
  HWND box = ::FindWindowExA(reinterpret_cast<HWND>(main.Handle()), nullptr, "LISTBOX", nullptr);
  ASSERT_NE(box, nullptr);
  wchar_t text[32] = L"";
  ::SendMessageW(box, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text,
               L"\u041F\u0440\u0438\u0432\u0435\u0442 - \u65E5\u672C\u8A9E - caf\u00E9 \U0001F600");
  EXPECT_EQ(list.rows->Text(1), every_script);
  EXPECT_EQ(list.rows->Tag(2), 1);
  EXPECT_EQ(list.rows->Height(2), 26);
  EXPECT_EQ(list.rows->RowRect(1).top, 20);
  EXPECT_EQ(list.rows->RowAtPoint({5, 45}), 2);

  // A rewritten row alone is repainted, without an erase, whatever the redraw state; the other
  // rows are not drawn again.
  PumpUntil([] { return false; }, 300);
  ::UpdateWindow(box);
  auto due = [&] {  // the area the next repaint covers, whether it erases, the rows it draws
    RECT r{};
    const bool any = ::GetUpdateRect(box, &r, FALSE);
    list.erased = 0;
    list.drawn = 0;
    ::UpdateWindow(box);
    if (!any) return std::string("nothing");
    return std::to_string(r.top) + ".." + std::to_string(r.bottom) +
           (list.erased ? " erased" : "") + " drew " + std::to_string(list.drawn);
  };
  list.rows->SetText(1, "Calculator");
  EXPECT_EQ(due(), "20..38 drew 1");
  EXPECT_EQ(list.rows->Text(1), "Calculator");
  EXPECT_EQ(list.rows->Height(1), 18);
  list.View()->SetRedraw(false);  // a batch: the list repaints what it changed at its end
  list.rows->SetText(2, "Services");
  EXPECT_EQ(due(), "nothing");
  list.View()->SetRedraw(true);
  EXPECT_EQ(due(), "nothing");
  // A batch that changes nothing leaves the box alone: what was due stays due, unerased.
  RECT first{0, 0, 100, 20};
  ::InvalidateRect(box, &first, FALSE);
  list.View()->SetRedraw(false);
  list.View()->SetRedraw(true);
  EXPECT_EQ(due(), "0..20 drew 1");
}

TEST(Win32WindowHost, AFormFixedFromOutsideHasThatSizeWithTheSystemsFrameInside) {
  snapshot_test::TestTexts texts;
  Win32WindowHost host(::GetModuleHandleA(nullptr));
  report::sel selection;
  report::TReportFrm report(nullptr, texts, selection);
  ASSERT_TRUE(host.CreateWindows(report));
  RECT outer{};
  ::GetWindowRect(reinterpret_cast<HWND>(report.Handle()), &outer);
  EXPECT_EQ(std::pair(outer.right - outer.left, outer.bottom - outer.top), std::pair(310L, 375L));
}

TEST(Win32WindowHost, AModalDialogHiddenWithItsMinimisedOwnerStaysOpenUntilItsOwnClose) {
  Win32WindowHost host(::GetModuleHandleA(nullptr));
  Win32TimerService timers(host);
  TestForm main;
  ASSERT_TRUE(host.CreateWindows(main));
  TestForm dialog(&main);
  ui::Timer user(timers);
  user.SetInterval(20);
  int step = 0;
  // A minimised window's owned windows are hidden and come back with it, as ShowOwnedPopups
  // hides and shows them (Wine without a window manager leaves them be).
  user.OnTimer = [&] {
    if (step < 2)
      ::ShowOwnedPopups(reinterpret_cast<HWND>(main.Handle()), step == 1);
    else if (step == 2)
      ::PostMessageA(reinterpret_cast<HWND>(dialog.Handle()), WM_CLOSE, 0, 0);
    ++step;
  };
  user.SetEnabled(true);
  EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
  user.SetEnabled(false);
  EXPECT_GE(step, 3);  // open until its own close box
}

TEST(Win32WindowHost, AHintIsTheTipOfItsComponentsWindow) {
  Win32WindowHost host(::GetModuleHandleA(nullptr));
  TestForm main;
  main.panel.SetHint("Build:  1.0.0.0");
  ASSERT_TRUE(host.CreateWindows(main));
  HWND form = reinterpret_cast<HWND>(main.Handle());
  // The form's own tooltip window, among the process's.
  HWND tips = nullptr;
  do {
    tips = ::FindWindowExA(nullptr, tips, TOOLTIPS_CLASSA, nullptr);
  } while (tips && ::GetWindow(tips, GW_OWNER) != form);
  ASSERT_NE(tips, nullptr);
  HWND panel = ::FindWindowExA(form, nullptr, "RvComponent", "panel");
  ASSERT_NE(panel, nullptr);
  auto tip_of_panel = [&] {
    char text[80] = "";
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(panel);
    tool.lpszText = text;
    ::SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return std::to_string(::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0)) + ":" + text;
  };
  EXPECT_EQ(tip_of_panel(), "1:Build:  1.0.0.0");
  main.panel.SetHint("Build:  2.0");
  EXPECT_EQ(tip_of_panel(), "1:Build:  2.0");
  main.panel.SetHint("");
  EXPECT_EQ(::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST(Win32WindowHost, AListsAccessibleObjectRefusesEveryChildIdItDoesNotHave) {
  Win32WindowHost host(::GetModuleHandleA(nullptr));
  TestForm main;
  controls::TSectionListBox list("List1", &main);
  list.Sections().Add(), list.Sections().Add();  // its children 1 and 2
  ASSERT_TRUE(host.CreateWindows(main));
  ::CoInitialize(nullptr);
  IAccessible* a = nullptr;
  ::AccessibleObjectFromWindow(
      ::FindWindowExA(reinterpret_cast<HWND>(main.Handle()), nullptr, "LISTBOX", nullptr),
      OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&a));
#ifdef _WIN64
  // This Wine's 64-bit build gives no accessible objects at all.
  if (a == nullptr) GTEST_SKIP() << "no accessible objects from this Wine";
#endif
  ASSERT_NE(a, nullptr);
  LONG x, y, w, h;
  BSTR value = nullptr;
  IDispatch* child = nullptr;
  VARIANT id{};
  id.vt = VT_I4;
  for (const LONG absent : {-1L, 3L}) {  // before the first child, after the last
    id.lVal = absent;
    EXPECT_EQ(a->accLocation(&x, &y, &w, &h, id), E_INVALIDARG);
    EXPECT_EQ(a->get_accChild(id, &child), E_INVALIDARG);
    EXPECT_EQ(a->get_accValue(id, &value), E_INVALIDARG);
  }
  a->Release();
}

}  // namespace
