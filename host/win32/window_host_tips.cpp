// Tooltips of the components and the popup menus of the forms.
#include "host/win32/window_host_windows.h"
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "platform/win32/gui_handles.h"

namespace host::win32 {

using platform::win32::UniqueMenu;

void Win32WindowHost::ComponentWindow::SetHint(const std::string& hint) {
  if (!windows || (hint.empty() && !has_tip)) return;
  if (!windows->tips) {
    // Owned by the form's window, so it goes with it.
    windows->tips =
        ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                          windows->window, nullptr, host->Instance(), nullptr);
    if (!windows->tips) return;
  }
  // The first version of the structure: every version of the common controls takes it.
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = ::GetParent(window) ? ::GetParent(window) : window;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = const_cast<char*>(hint.c_str());
  UINT message = TTM_UPDATETIPTEXTA;
  if (hint.empty())
    message = TTM_DELTOOLA;
  else if (!has_tip)
    message = TTM_ADDTOOLA;
  ::SendMessageA(windows->tips, message, 0, reinterpret_cast<LPARAM>(&tool));
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
    ::AppendMenuA(menu.Get(), separator ? MF_SEPARATOR : MF_STRING, i + 1,
                  separator ? nullptr : items[i].c_str());
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
