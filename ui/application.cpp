#include "ui/application.h"

#include "ui/form_host.h"

namespace ui {

void Application::Terminate() {
  terminated_ = true;
  if (host_) host_->Quit(0);
}

}  // namespace ui
