#include "platform/win32/common_dialogs.h"

#include "platform/win32/system_headers.h"

#include <commdlg.h>

#include <cstddef>
#include <string>
#include <vector>

#include "platform/win32/modules.h"
#include "platform/win32/printer_device.h"

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

}  // namespace

FARPROC Win32CommonDialogs::Entry(const char* name) {
  if (!tried_) {
    tried_ = true;
    comdlg32_.Reset(LoadSystemLibraryModule("comdlg32.dll"));
  }
  return ModuleEntry(comdlg32_.Get(), name);
}

bool Win32CommonDialogs::GetSaveFileName(platform::SaveFileName& request) {
  using Fn = BOOL(WINAPI*)(LPOPENFILENAMEA);
  const auto get_save_file_name =
      reinterpret_cast<Fn>(reinterpret_cast<void*>(Entry("GetSaveFileNameA")));
  if (!get_save_file_name) return false;
  // The filter's bars become the zero bytes between its strings; two zeros end it.
  std::vector<char> filter(request.filter.begin(), request.filter.end());
  for (char& c : filter)
    if (c == '|') c = '\0';
  filter.insert(filter.end(), 2, '\0');
  std::vector<char> name(MAX_PATH, '\0');
  request.file_name.copy(name.data(), name.size() - 1);

  OPENFILENAMEA ofn{};
  ofn.lStructSize = request.struct_size == platform::kOpenFileNameSizeOld
                        ? OPENFILENAME_SIZE_VERSION_400A
                        : sizeof(OPENFILENAMEA);
  ofn.hwndOwner = reinterpret_cast<HWND>(request.owner);
  ofn.lpstrFilter = filter.data();
  ofn.nFilterIndex = request.filter_index;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrDefExt = request.default_ext.empty() ? nullptr : request.default_ext.c_str();
  ofn.Flags = request.flags;
  ofn.FlagsEx = request.flags_ex;
  if (!get_save_file_name(&ofn)) return false;
  request.file_name = name.data();
  request.filter_index = ofn.nFilterIndex;
  return true;
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
