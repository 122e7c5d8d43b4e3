#pragma once
// The program entry: application object, main window, message loop.
#include "app/services.h"
#include "host/window_host.h"

namespace app {

int RunProgram(Services services, host::WindowHost& host);

}  // namespace app
