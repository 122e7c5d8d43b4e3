#include "about/rv_info_about.h"

#include <exception>
#include <memory>
#include <stdexcept>

#include "about/dlg_about.h"

namespace about {
namespace {

constexpr char kOpenError[] = "Error open dialog !\\n\\n";
constexpr char kNotShownMessage[] = "Not show 'About' !";

}  // namespace

int TRvInfoAbout::Execute() {
  int result = kNotShown;
  std::unique_ptr<TDlgAbout> dialog;
  try {
    dialog = std::make_unique<TDlgAbout>(&owner_, services_);
    if (dialog->SetDlg()) {
      // A dialog without its windows cannot be shown: that is the user's to know.
      if (!dialog->Host() || !dialog->Host()->CreateWindows(*dialog))
        throw std::runtime_error("The dialog's window cannot be created.");
      result = dialog->ShowModal();
    }
  } catch (const std::exception& error) {
    services_.ui.MessageBox(owner_.Handle(), kOpenError + std::string(error.what()),
                            services_.message_caption, platform::kMbOk | platform::kMbIconError);
    result = kNotShown;
  }
  if (result == kNotShown)
    services_.ui.MessageBox(owner_.Handle(), kNotShownMessage, services_.message_caption,
                            platform::kMbOk | platform::kMbIconInformation);
  if (dialog) TDlgAbout::FreeDlg(dialog);
  return result;
}

}  // namespace about
