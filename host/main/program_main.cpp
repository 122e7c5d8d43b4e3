// The module's executable: the real platform handed to the portable program.
#include "platform/win32/system_headers.h"

#include <commctrl.h>
#include <objbase.h>

#include "app/program.h"
#include "host/win32/callback_guard.h"
#include "host/win32/timer_service.h"
#include "host/win32/window_calls.h"
#include "host/win32/window_host.h"
#include "platform/win32/code_page.h"
#include "platform/win32/common_dialogs.h"
#include "platform/win32/date_time.h"
#include "platform/win32/files.h"
#include "platform/win32/image_list.h"
#include "platform/win32/ini_files.h"
#include "platform/win32/kernel.h"
#include "platform/win32/native_system_info.h"
#include "platform/win32/process_status.h"
#include "platform/win32/registry.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_texts.h"
#include "platform/win32/tool_help.h"
#include "platform/win32/user_interface.h"
#include "platform/win32/version_info.h"

namespace {

// The shell's icon lookup, the picture loader and the common dialogs need COM on this thread.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(::CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (initialised_) ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  ComApartment com;
  ::InitCommonControls();
  // The host outlives every form and timer: the forms live inside RunProgram, and a failing
  // timer tick is reported to the host.
  host::win32::Win32WindowHost window_host(instance);
  host::win32::Win32TimerService timers(window_host);
  platform::win32::Win32Kernel kernel;
  platform::win32::Win32UserInterface ui;
  platform::win32::Win32IniFiles ini;
  platform::win32::Win32NativeSystemInfo native;
  platform::win32::Win32Registry registry;
  platform::win32::Win32ProcessStatus process_status;
  platform::win32::Win32ToolHelp tool_help;
  platform::win32::Win32ImageList window_icons;
  platform::win32::Win32Shell shell;
  platform::win32::Win32ImageList section_images;
  platform::win32::Win32VersionInfo versions;
  platform::win32::Win32SystemTexts system_texts;
  platform::win32::Win32CommonDialogs dialogs;
  platform::win32::Win32Files files;
  platform::win32::Win32DateTime clock;
  platform::win32::Win32CodePage code_page;
  try {
    return app::RunProgram({.kernel = kernel,
                            .ui = ui,
                            .ini = ini,
                            .timers = timers,
                            .native = native,
                            .registry = registry,
                            .process_status = process_status,
                            .tool_help = tool_help,
                            .window_icons = window_icons,
                            .shell = shell,
                            .versions = versions,
                            .system_texts = system_texts,
                            .section_images = section_images,
                            .dialogs = dialogs,
                            .files = files,
                            .clock = clock,
                            .code_page = code_page},
                           window_host);
  } catch (...) {
    const std::string what = host::win32::DescribeFailure(std::current_exception());
    host::win32::MessageBoxUtf8(nullptr, what, "Ravo Info Process", MB_OK | MB_ICONERROR);
    return 1;
  }
}
