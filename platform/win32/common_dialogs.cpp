#include "platform/win32/common_dialogs.h"

#include "platform/win32/system_headers.h"

#include <commdlg.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/win32/modules.h"
#include "platform/win32/printer_device.h"
#include "platform/win32/text_boundary.h"

namespace platform::win32 {

#ifndef _WIN64
// The two layouts the dialog is handed: without and with the places-bar fields.
static_assert(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) ==
              platform::kOpenFileNameSizeOld);
static_assert(sizeof(OPENFILENAMEA) == platform::kOpenFileNameSize2000);
#endif

namespace {

// Memory the print dialog hands back, freed with it.
struct GlobalMemory {
  HGLOBAL handle;
  ~GlobalMemory() {
    if (handle) ::GlobalFree(handle);
  }
};

// The dialog in the form of its structure: the request's texts made `Ofn`'s characters by
// `in`, the chosen name brought back by `out`.
template <typename Ofn, typename Fn, typename In, typename Out>
bool RunSaveDialog(Fn get, platform::SaveFileName& request, In in, Out out, DWORD old_size) {
  using Text = decltype(in(std::string_view()));
  using Char = typename Text::value_type;
  // The filter's bars become the zeros between its strings; two zeros end it.
  Text filter = in(request.filter);
  for (Char& c : filter)
    if (c == Char('|')) c = Char(0);
  filter.append(2, Char(0));
  Text name = in(request.file_name);
  name.resize(std::max<std::size_t>(name.size() + 1, MAX_PATH), Char(0));
  const Text default_ext = in(request.default_ext);

  Ofn ofn{};
  ofn.lStructSize = request.struct_size == platform::kOpenFileNameSizeOld ? old_size : sizeof ofn;
  ofn.hwndOwner = reinterpret_cast<HWND>(request.owner);
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = request.filter_index;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrDefExt = default_ext.empty() ? nullptr : default_ext.c_str();
  ofn.Flags = request.flags;
  ofn.FlagsEx = request.flags_ex;
  if (!get(&ofn)) return false;
  name.resize(std::char_traits<Char>::length(name.c_str()));
  request.file_name = out(name);
  request.filter_index = ofn.nFilterIndex;
  return true;
}

}  // namespace

FARPROC Win32CommonDialogs::Entry(const char* name) {
  if (!tried_) {
    tried_ = true;
    comdlg32_.Reset(LoadSystemLibraryModule("comdlg32.dll"));
  }
  return ModuleEntry(comdlg32_.Get(), name);
}

bool Win32CommonDialogs::GetSaveFileName(platform::SaveFileName& request) {
  if (WideCalls()) {
    using Fn = BOOL(WINAPI*)(LPOPENFILENAMEW);
    const auto get = EntryAs<Fn>(Entry("GetSaveFileNameW"));
    return get && RunSaveDialog<OPENFILENAMEW>(get, request, WideFromUtf8, Utf8FromWide,
                                               OPENFILENAME_SIZE_VERSION_400W);
  }
  using Fn = BOOL(WINAPI*)(LPOPENFILENAMEA);
  const auto get = EntryAs<Fn>(Entry("GetSaveFileNameA"));
  const auto ansi = [](std::string_view utf8) { return AnsiFromUtf8(utf8); };
  return get && RunSaveDialog<OPENFILENAMEA>(get, request, ansi, Utf8FromAnsi,
                                             OPENFILENAME_SIZE_VERSION_400A);
}

std::unique_ptr<platform::PrinterDevice> Win32CommonDialogs::PrintDlg(
    platform::WindowHandle owner) {
  using Fn = BOOL(WINAPI*)(LPPRINTDLGA);
  const auto print_dlg = reinterpret_cast<Fn>(reinterpret_cast<void*>(Entry("PrintDlgA")));
  if (!print_dlg) return nullptr;
  PRINTDLGA pd{};
  pd.lStructSize = sizeof(pd);
  pd.hwndOwner = reinterpret_cast<HWND>(owner);
  pd.Flags = PD_RETURNDC;
  const BOOL chosen = print_dlg(&pd);
  GlobalMemory mode{pd.hDevMode}, names{pd.hDevNames};
  if (!chosen || !pd.hDC) return nullptr;
  return std::make_unique<Win32PrinterDevice>(pd.hDC);
}

}  // namespace platform::win32
