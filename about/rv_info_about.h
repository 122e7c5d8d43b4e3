#pragma once
// Shows the About dialog: makes it, lets it fill itself, shows it modally and disposes of it.
#include "about/about_services.h"
#include "ui/form.h"

namespace about {

inline constexpr int kNotShown = 3;

class TRvInfoAbout {
 public:
  // The dialog is shown over `owner`.
  TRvInfoAbout(ui::Form& owner, const AboutServices& services)
      : owner_(owner), services_(services) {}

  // The dialog's modal result, or kNotShown when it could not be shown (the user is told).
  int Execute();

 private:
  ui::Form& owner_;
  AboutServices services_;
};

}  // namespace about
