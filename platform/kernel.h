#pragma once
// The kernel32 operations the module uses, one interface per family. Names and arguments follow
// the Windows calls; each implementation makes one call and turns its failure into a value,
// deciding nothing. A consumer takes the family it calls, or the whole kernel where it calls
// several; the program's services hand on the whole kernel.
#include "platform/kernel_objects.h"
#include "platform/modules.h"
#include "platform/processes.h"
#include "platform/program_environment.h"
#include "platform/system_version.h"

namespace platform {

class Kernel : public SystemVersion, public ProgramEnvironment, public Modules, public Processes {};

}  // namespace platform
