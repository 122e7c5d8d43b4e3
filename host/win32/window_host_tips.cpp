// Tooltips of the components and the popup menus of the forms.
#include "host/win32/window_host_windows.h"
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "host/win32/window_calls.h"
#include "platform/win32/gui_handles.h"
#include "platform/win32/text_boundary.h"

namespace host::win32 {

using platform::win32::UniqueMenu;

void Win32WindowHost::ComponentWindow::SetHint(const std::string& hint) {
  if (!windows || (hint.empty() && !has_tip)) return;
  if (!windows->tips) {
    // Owned by the form's window, so it goes with it.
    windows->tips = CreateWindowUtf8(WS_EX_TOPMOST, TOOLTIPS_CLASSA, "", WS_POPUP | TTS_ALWAYSTIP,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                     windows->window, nullptr, host->Instance());
    if (!windows->tips) return;
  }
  const bool wide = platform::win32::WideCalls();
  UINT message = wide ? TTM_UPDATETIPTEXTW : TTM_UPDATETIPTEXTA;
  if (hint.empty())
    message = wide ? TTM_DELTOOLW : TTM_DELTOOLA;
  else if (!has_tip)
    message = wide ? TTM_ADDTOOLW : TTM_ADDTOOLA;
  // The first version of the structure: every version of the common controls takes it.
  const auto send = [&](auto& tool, auto* text, UINT size) {
    tool.cbSize = size;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ::GetParent(window) ? ::GetParent(window) : window;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = text;
    ::SendMessageA(windows->tips, message, 0, reinterpret_cast<LPARAM>(&tool));
  };
  if (wide) {
    std::wstring text = platform::win32::WideFromUtf8(hint);
    TOOLINFOW tool{};
    send(tool, text.data(), TTTOOLINFOW_V1_SIZE);
  } else {
    std::string text = platform::win32::AnsiFromUtf8(hint);
    TOOLINFOA tool{};
    send(tool, text.data(), TTTOOLINFOA_V1_SIZE);
  }
  has_tip = !hint.empty();
}

int Win32WindowHost::TrackPopupMenu(ui::Form& form, const std::vector<std::string>& items,
                                    platform::Point screen) {
  HWND owner = WindowOf(form);
  if (!owner || items.empty()) return -1;
  UniqueMenu menu(::CreatePopupMenu());
  if (!menu) return -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const bool separator = items[i] == "-";
    AppendMenuUtf8(menu.Get(), separator ? MF_SEPARATOR : MF_STRING, i + 1, items[i]);
  }
  // The owner must be in front for the menu to close when the user clicks elsewhere.
  ::SetForegroundWindow(owner);
  const int chosen =
      static_cast<int>(::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON,
                                        screen.x, screen.y, 0, owner, nullptr));
  ::PostMessageA(owner, WM_NULL, 0, 0);
  return chosen - 1;
}

}  // namespace host::win32
