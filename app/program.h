#pragma once
// The program entry: application object, main window, message loop.
#include "app/services.h"
#include "platform/window_host.h"

namespace app {

int RunProgram(Services services, platform::WindowHost& host);

}  // namespace app
