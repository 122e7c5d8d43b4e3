#include "tests/e2e/assistive.h"

#include <oleacc.h>

#include "tests/e2e/driver.h"

namespace e2e {

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
  return ::GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

void PressKey(HWND window, WORD key) {
  HWND focus = FocusOf(window);
  if (!focus) focus = window;
  const UINT scan = ::MapVirtualKeyA(key, 0);
  ::PostMessageA(focus, WM_KEYDOWN, key, 1 | (scan << 16));
  ::PostMessageA(focus, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000);
  ::Sleep(150);  // the module takes each key before the next comes
}

bool TabTo(HWND window, HWND target, int limit) {
  for (int i = 0; i < limit && FocusOf(window) != target; ++i) PressKey(window, VK_TAB);
  return FocusOf(window) == target;
}

void TypeText(HWND window, const std::string& text) {
  for (char c : text) PressKey(window, LOBYTE(::VkKeyScanA(c)));
}

namespace {

std::string TextOf(BSTR text) {
  if (!text) return "";
  const std::string out = Utf8(text);
  ::SysFreeString(text);
  return out;
}

Accessible Describe(IAccessible& object, long child) {
  VARIANT id{};
  id.vt = VT_I4;
  id.lVal = child;
  Accessible a;
  BSTR name = nullptr;
  if (SUCCEEDED(object.get_accName(id, &name))) a.name = TextOf(name);
  VARIANT value{};
  if (SUCCEEDED(object.get_accRole(id, &value)) && value.vt == VT_I4) a.role = value.lVal;
  value.vt = VT_EMPTY;
  if (SUCCEEDED(object.get_accState(id, &value)) && value.vt == VT_I4) a.state = value.lVal;
  return a;
}

}  // namespace

std::vector<Accessible> AccessibleObjects(HWND window) {
  ::CoInitialize(nullptr);  // once per thread is enough; later calls only count
  IAccessible* object = nullptr;
  if (FAILED(::AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(&object))) ||
      !object)
    return {};
  std::vector<Accessible> found{Describe(*object, CHILDID_SELF)};
  long count = 0;
  if (SUCCEEDED(object->get_accChildCount(&count)))
    for (long i = 1; i <= count; ++i) found.push_back(Describe(*object, i));
  object->Release();
  return found;
}

}  // namespace e2e
