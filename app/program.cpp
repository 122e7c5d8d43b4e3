#include "app/program.h"

#include "app/launch_rules.h"
#include "app/main_window.h"
#include "snapshot/psapi_binding.h"

namespace app {

int RunProgram(Services services, host::WindowHost& host) {
  ui::Application application;
  application.SetTitle(kApplicationTitle);
  application.AttachHost(&host);
  // The process status library is bound once for the whole run, before any window exists.
  snapshot::PsapiBinding psapi(services.kernel, services.process_status);
  psapi.Load();
  struct ReleaseAtEnd {
    snapshot::PsapiBinding& binding;
    ~ReleaseAtEnd() { binding.Unload(); }
  } release{psapi};

  TProcesessFrm form(services, application, psapi);
  if (!host.CreateWindows(form)) return 1;
  form.FormCreate();
  // A failed launch rule has shown its messages: end without ever showing the window.
  if (application.Terminated()) return 0;
  host.Show(form);
  form.FormShow();
  return host.RunMessageLoop();
}

}  // namespace app
