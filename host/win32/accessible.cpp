#include "host/win32/accessible.h"
#include "platform/win32/text_boundary.h"

#include <oleacc.h>

#include <new>
#include <string>

#include "host/win32/window_host_windows.h"
#include "platform/win32/modules.h"

namespace host::win32 {

using platform::win32::EntryAs;
using platform::win32::SystemLibraryEntry;

namespace {

// The entries bound at run time. The libraries stay loaded for the process: objects handed out
// may be called as long as a client holds them.
struct AccessibilityEntries {
  LRESULT(WINAPI* lresult_from_object)(REFIID, WPARAM, LPUNKNOWN) = nullptr;
  HRESULT(WINAPI* create_std_object)(HWND, LONG, REFIID, void**) = nullptr;
  BSTR(WINAPI* sys_alloc_string)(const OLECHAR*) = nullptr;
};

template <typename Fn>
void Bind(Fn& fn, const char* library, const char* name) {
  fn = EntryAs<Fn>(SystemLibraryEntry(library, name));
}

const AccessibilityEntries& Entries() {
  static const AccessibilityEntries entries = [] {
    AccessibilityEntries e;
    Bind(e.lresult_from_object, "oleacc.dll", "LresultFromObject");
    Bind(e.create_std_object, "oleacc.dll", "CreateStdAccessibleObject");
    Bind(e.sys_alloc_string, "oleaut32.dll", "SysAllocString");
    return e;
  }();
  return entries;
}

// A component's description, as a string the caller frees.
BSTR AllocText(const std::string& text) {
  return Entries().sys_alloc_string(platform::win32::WideFromUtf8(text).c_str());
}

void Clear(VARIANT* out) {
  out->vt = VT_EMPTY;
}

void SetLong(VARIANT* out, LONG value) {
  out->vt = VT_I4;
  out->lVal = value;
}

// The client object of one component's window. It holds only the window: each call finds the
// component afresh, so an object a client keeps after the component went answers with a failure.
class AccessibleComponent : public IAccessible {
 public:
  explicit AccessibleComponent(HWND window) : window_(window) {
    if (Entries().create_std_object)
      Entries().create_std_object(window, OBJID_CLIENT, IID_IAccessible,
                                  reinterpret_cast<void**>(&standard_));
  }
  virtual ~AccessibleComponent() {
    if (standard_) standard_->Release();
  }
  AccessibleComponent(const AccessibleComponent&) = delete;
  AccessibleComponent& operator=(const AccessibleComponent&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: clients call the interface directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible: what the component tells, child 0 being the component and 1.. its rows.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    return standard_ ? standard_->get_accParent(parent) : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    return Answer([&](ui::Component& c) { *count = c.AccessibleChildCount(); });
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override {
    if (!child) return E_POINTER;
    *child = nullptr;  // the rows are simple elements of this object
    return Known(id, S_FALSE);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override {
    if (!name) return E_POINTER;
    *name = nullptr;
    return Describe(id, [&](const ui::AccessibleInfo& info) {
      *name = AllocText(info.name);
      return *name ? S_OK : E_OUTOFMEMORY;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override {
    if (!role) return E_POINTER;
    Clear(role);
    return Describe(id, [&](const ui::AccessibleInfo& info) {
      SetLong(role, static_cast<LONG>(info.role));
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override {
    if (!state) return E_POINTER;
    Clear(state);
    const bool focused = ::GetFocus() == window_;
    return Describe(id, [&](const ui::AccessibleInfo& info) {
      ui::AccessibleStates states = info.states;
      // Focus is the window's: a row or component has it only while its window does.
      if (!focused) states &= ~ui::kAccFocused;
      if (focused && id.lVal == CHILDID_SELF) states |= ui::kAccFocused;
      if (!::IsWindowVisible(window_)) states |= STATE_SYSTEM_INVISIBLE;
      SetLong(state, static_cast<LONG>(states));
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* id) override {
    if (!id) return E_POINTER;
    Clear(id);
    if (::GetFocus() != window_) return S_FALSE;
    return Answer([&](ui::Component& c) { SetLong(id, c.AccessibleFocusChild() + 1); });
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* id) override {
    if (!id) return E_POINTER;
    Clear(id);
    HRESULT hr = S_FALSE;
    Answer([&](ui::Component& c) {
      const int row = c.AccessibleFocusChild();
      if (row >= 0) {
        SetLong(id, row + 1);
        hr = S_OK;
      }
    });
    return hr;
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT id) override {
    if (!left || !top || !width || !height) return E_POINTER;
    if (const HRESULT known = Known(id, S_OK); known != S_OK) return known;
    RECT rect{};
    if (id.lVal != CHILDID_SELF) {
      if (::SendMessageA(window_, LB_GETITEMRECT, static_cast<WPARAM>(id.lVal - 1),
                         reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
        return E_INVALIDARG;
    } else {
      ::GetClientRect(window_, &rect);
    }
    POINT origin{rect.left, rect.top};
    ::ClientToScreen(window_, &origin);
    *left = origin.x;
    *top = origin.y;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* id) override {
    if (!id) return E_POINTER;
    Clear(id);
    POINT at{x, y};
    ::ScreenToClient(window_, &at);
    RECT client;
    ::GetClientRect(window_, &client);
    if (at.x < client.left || at.x >= client.right || at.y < client.top || at.y >= client.bottom)
      return S_FALSE;
    SetLong(id, CHILDID_SELF);
    return Answer([&](ui::Component& c) {
      if (c.AccessibleChildCount() == 0) return;
      const LRESULT hit = ::SendMessageA(window_, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
      if (HIWORD(hit) == 0) SetLong(id, static_cast<LONG>(LOWORD(hit)) + 1);
    });
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    Clear(end);
    if (const HRESULT known = Known(start, S_OK); known != S_OK) return known;
    if (start.lVal != CHILDID_SELF) return DISP_E_MEMBERNOTFOUND;
    return standard_ ? standard_->accNavigate(direction, start, end) : S_FALSE;
  }
  // What the component does not tell, of itself or of a row it has.
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override {
    return None(id, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* text) override {
    return None(id, text);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* help) override { return None(id, help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override {
    if (topic) *topic = 0;
    return None(id, file);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* keys) override {
    return None(id, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override {
    return None(id, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT id) override {
    return Known(id, DISP_E_MEMBERNOTFOUND);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override {
    return Known(id, DISP_E_MEMBERNOTFOUND);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT id, BSTR) override {
    return Known(id, DISP_E_MEMBERNOTFOUND);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT id, BSTR) override {
    return Known(id, DISP_E_MEMBERNOTFOUND);
  }

 private:
  HRESULT None(const VARIANT& id, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return Known(id, S_FALSE);
  }
  // `answer` when `id` names this object (CHILDID_SELF) or one of its rows; E_INVALIDARG for
  // any other id, and a failure once the component is gone.
  HRESULT Known(const VARIANT& id, HRESULT answer) {
    if (id.vt != VT_I4) return E_INVALIDARG;
    bool known = false;
    const HRESULT found = Answer(
        [&](ui::Component& c) { known = id.lVal >= 0 && id.lVal <= c.AccessibleChildCount(); });
    return FAILED(found) ? found : known ? answer : E_INVALIDARG;
  }
  // Runs `body` on the component; no exception crosses back into the caller's frames.
  template <typename Body>
  HRESULT Answer(Body&& body) {
    ComponentWindow* w = OurWindow(window_);
    if (!w || !w->component) return RPC_E_DISCONNECTED;
    try {
      body(*w->component);
      return S_OK;
    } catch (...) {
      return E_FAIL;
    }
  }
  // The description of child `id` handed to `body`, which returns the call's result.
  template <typename Body>
  HRESULT Describe(const VARIANT& id, Body&& body) {
    if (const HRESULT known = Known(id, S_OK); known != S_OK) return known;
    HRESULT hr = S_OK;
    const HRESULT found = Answer([&](ui::Component& c) {
      hr = body(id.lVal == CHILDID_SELF ? c.Accessible() : c.AccessibleChild(id.lVal - 1));
    });
    return FAILED(found) ? found : hr;
  }

  HWND window_;
  IAccessible* standard_ = nullptr;  // the system's object, for the parent and navigation
  LONG references_ = 1;
};

}  // namespace

bool AnswerGetObject(HWND window, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  // The object id comes as a 32-bit value, whatever the width of the parameter.
  if (static_cast<LONG>(static_cast<DWORD>(lparam)) != OBJID_CLIENT) return false;
  const AccessibilityEntries& entries = Entries();
  if (!entries.lresult_from_object || !entries.sys_alloc_string) return false;
  ComponentWindow* w = OurWindow(window);
  if (!w || !w->component) return false;
  if (!w->component->Children().empty() && !ListOf(w)) return false;
  auto* object = new (std::nothrow) AccessibleComponent(window);
  if (!object) return false;
  result = entries.lresult_from_object(IID_IAccessible, wparam, object);
  object->Release();  // the result holds its own reference
  return result >= 0;
}

}  // namespace host::win32
