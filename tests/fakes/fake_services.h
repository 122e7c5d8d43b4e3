#pragma once
// Every platform service of the module as a fake, and the module's Services made of them.
#include "app/services.h"
#include "tests/fakes/fake_code_page.h"
#include "tests/fakes/fake_image_list.h"
#include "tests/fakes/fake_ini_files.h"
#include "tests/fakes/fake_kernel.h"
#include "tests/fakes/fake_native_system_info.h"
#include "tests/fakes/fake_process_status.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_report_platform.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/fake_system_texts.h"
#include "tests/fakes/fake_timer_service.h"
#include "tests/fakes/fake_tool_help.h"
#include "tests/fakes/fake_user_interface.h"
#include "tests/fakes/fake_version_info.h"

namespace fakes {

struct FakeServices {
  FakeKernel kernel;
  FakeUserInterface ui;
  FakeIniFiles ini;
  FakeTimerService timers;
  FakeNativeSystemInfo native;
  FakeRegistry registry;
  FakeProcessStatus process_status{kernel};
  FakeToolHelp tool_help{kernel};
  FakeImageList window_icons{0};
  FakeShell shell;
  FakeImageList section_images{0};
  FakeVersionInfo versions;
  FakeSystemTexts system_texts;
  FakeCommonDialogs dialogs;
  FakeFiles files;
  FakeDateTime clock;
  FakeCodePage code_page;

  app::Services Services() {
    return {.kernel = kernel,
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
            .code_page = code_page};
  }
  // The module as the base module starts it on NT: with its switch, the base module running,
  // the native system call bound, and its English library (loading as `english`) installed.
  void StartFromBaseModule(platform::Handle english) {
    kernel.arguments = {"-rvinfo"};
    kernel.mutexes.insert("Ravo Info running");
    kernel.files.insert("C:\\Suite\\RvInfo.exe");
    kernel.InstallLanguageLibrary("EN", english);
    kernel.resident_modules["ntdll.dll"] = 0x7000;
    kernel.exports[{0x7000, "ZwQuerySystemInformation"}] = native.entry;
  }
};

}  // namespace fakes
