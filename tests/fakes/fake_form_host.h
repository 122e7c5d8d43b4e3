#pragma once
// The window system as a log: which form asked for what, in order. A modal form's loop is the
// test's `while_modal`, which plays the user's part.
#include <functional>
#include <string>
#include <vector>

#include "host/window_host.h"
#include "tests/fakes/call_failer.h"

namespace fakes {

class FakeFormHost : public host::WindowHost, public Failable {
 public:
  struct FakeWindow : ui::FormWindow {};

  std::vector<std::string> calls;  // "CreateWindows(name)", "RunModal(name)", ...
  bool fail_create = false;
  std::function<void(ui::Form&)> while_modal;
  int popup_choice = -1;
  std::vector<std::string> popup_items;
  platform::Point popup_at;
  int exit_code = -1;

  bool CreateWindows(ui::Form& form) override {
    Log("CreateWindows", form);
    if (fail_create || Fails("CreateWindows")) return false;
    form.AttachHost(this);
    form.AttachWindow(std::make_unique<FakeWindow>());
    return true;
  }
  void Show(ui::Form& form) override { Log("Show", form); }
  void RunModal(ui::Form& form) override {
    Log("RunModal", form);
    if (while_modal) while_modal(form);
  }
  void Close(ui::Form& form) override {
    Log("Close", form);
    if (form.Modal() && form.ModalResult() == ui::mrNone) form.SetModalResult(ui::mrCancel);
  }
  void Minimize(ui::Form& form) override { Log("Minimize", form); }
  int TrackPopupMenu(ui::Form& form, const std::vector<std::string>& items,
                     platform::Point screen) override {
    Log("TrackPopupMenu", form);
    if (Fails("TrackPopupMenu")) return -1;
    popup_items = items;
    popup_at = screen;
    return popup_choice;
  }
  void Quit(int code) override {
    calls.push_back("Quit(" + std::to_string(code) + ")");
    exit_code = code;
  }
  int RunMessageLoop() override {
    calls.push_back("RunMessageLoop");
    return 0;
  }

 private:
  void Log(const char* what, const ui::Form& form) {
    calls.push_back(std::string(what) + "(" + form.Name() + ")");
  }
};

}  // namespace fakes
