#pragma once
// The About dialog: the logo, the program's name, version and copyright from the executable's
// version resource, the flag and title of the language the module runs in, and two links.
#include <array>
#include <memory>
#include <string>

#include "about/about_services.h"
#include "i18n/languages.h"
#include "ui/bevel.h"
#include "ui/ex_label.h"
#include "ui/form.h"
#include "ui/image.h"

namespace about {

inline constexpr char kWebAddress[] = "www.ravo-info.example";
inline constexpr char kMailAddress[] = "support@ravo-info.example";
inline constexpr char kBuildHint[] = "Build:  ";

class TDlgAbout : public ui::Form {
 public:
  static constexpr int kClientWidth = 200;
  static constexpr int kClientHeight = 281;
  // Names longer than this are written smaller and lower.
  static constexpr std::size_t kLongName = 15;

  TDlgAbout(ui::Form* owner, const AboutServices& services);

  // Fills the dialog from the ini file and the version resource; true.
  bool SetDlg();
  // Disposes of the dialog and its windows.
  static void FreeDlg(std::unique_ptr<TDlgAbout>& dialog) { dialog.reset(); }

  void LabelWwwDblClick();
  void LabelMailClick();

  ui::TImage ImageLogo;
  // The flags of i18n::kLanguages, in its order; only the run language's is shown.
  std::array<ui::TImage, i18n::kLanguages.size()> ImageFlags;
  ui::TExLabel LabelName;
  ui::TExLabel LabelVer;
  ui::TBevel Bevel1;
  ui::TImage ImageCopyr;
  ui::TExLabel LabelCopyr1;
  ui::TExLabel Label1;
  ui::TExLabel LabelWww;
  ui::TExLabel Label2;
  ui::TExLabel LabelMail;

 private:
  void Build();
  void ShowRunLanguage();
  void OpenLink(const std::string& scheme, const std::string& address);

  AboutServices services_;
};

}  // namespace about
