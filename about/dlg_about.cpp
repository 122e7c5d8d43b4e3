#include "about/dlg_about.h"

#include <exception>
#include <utility>

#include "about/about_pictures.h"
#include "about/version_info_item.h"
#include "i18n/ini_settings.h"
#include "i18n/language_dialog_pictures.h"
#include "text/utf8.h"

namespace about {
namespace {

constexpr char kDesignTitle[] = "About";
constexpr int kFlagSize = 25;
constexpr int kNameSmallSize = 12;
constexpr int kNameSmallTop = 198;
constexpr platform::Color kNameShadow = platform::Rgb(0, 128, 255);

std::string UpperCase(std::string text) {
  // ASCII only: the codes are ASCII, and the bytes of other characters stay as they are.
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

platform::Font FontOf(const char* name, int size, platform::Color color, std::uint8_t style) {
  return platform::Font{name, size, color, style};
}

// One image per language, named after its code ("ImageCSY"), in the table's order.
template <std::size_t... kIndex>
std::array<ui::TImage, sizeof...(kIndex)> FlagImages(ui::Form* dialog,
                                                     std::index_sequence<kIndex...>) {
  return {ui::TImage(std::string("Image") + i18n::kLanguages[kIndex].code, dialog)...};
}

}  // namespace

TDlgAbout::TDlgAbout(ui::Form* owner, const AboutServices& services)
    : ui::Form("DlgAbout", "TDlgAbout", owner),
      ImageLogo("ImageLogo", this),
      ImageFlags(FlagImages(this, std::make_index_sequence<i18n::kLanguages.size()>())),
      LabelName("LabelName", this),
      LabelVer("LabelVer", this),
      Bevel1("Bevel1", this),
      ImageCopyr("ImageCopyr", this),
      LabelCopyr1("LabelCopyr1", this),
      Label1("Label1", this),
      LabelWww("LabelWww", this),
      Label2("Label2", this),
      LabelMail("LabelMail", this),
      services_(services) {
  Build();
}

void TDlgAbout::Build() {
  SetText(kDesignTitle);
  SetClientSize(kClientWidth, kClientHeight);
  SetFixedSize(true);
  SetDialogFrame(true);
  SetDesktopCentred(true);
  SetColor(platform::clWindow);
  SetFont(FontOf("MS Sans Serif", 8, platform::clWindowText, 0));

  ImageLogo.SetBounds(platform::RectOfSize(0, 0, 201, 201));
  ImageLogo.SetPicture(LogoPicture());
  for (std::size_t i = 0; i < ImageFlags.size(); ++i) {
    ui::TImage& flag = ImageFlags[i];
    flag.SetBounds(platform::RectOfSize(168, 168, kFlagSize, kFlagSize));
    flag.SetTransparent(true);
    flag.SetCenter(true);
    flag.SetPicture(i18n::FlagPicture(i18n::kLanguages[i].flag, kFlagSize));
    flag.SetVisible(false);
  }

  LabelName.SetBounds(platform::RectOfSize(4, 194, 192, 26));
  LabelName.SetFont(FontOf("Times New Roman", 16, platform::clBlack, platform::kFontBold));
  LabelName.SetShadowColor(kNameShadow);
  LabelName.SetTransparent(true);

  // Right-aligned, so its right edge stays at the dialog's margin whatever the version.
  LabelVer.SetBounds(platform::RectOfSize(128, 199, 68, 16));
  LabelVer.SetAlignment(ui::Alignment::kRight);
  LabelVer.SetFont(FontOf("MS Sans Serif", 10, platform::clBlack, platform::kFontBold));
  LabelVer.SetShadowColor(platform::clRed);
  LabelVer.SetTransparent(true);
  LabelVer.SetHint(kBuildHint);

  Bevel1.SetBounds(platform::RectOfSize(4, 216, 193, 2));
  ImageCopyr.SetBounds(platform::RectOfSize(8, 224, 81, 13));
  ImageCopyr.SetStretch(true);
  ImageCopyr.SetCenter(true);
  ImageCopyr.SetPicture(CopyrightPicture());

  LabelCopyr1.SetBounds(platform::RectOfSize(92, 224, 105, 29));
  LabelCopyr1.SetAlignment(ui::Alignment::kRight);
  LabelCopyr1.SetWordWrap(true);
  LabelCopyr1.SetFont(FontOf("Microsoft Sans Serif", 7, platform::clWindowText, 0));

  struct Caption {
    ui::TExLabel& label;
    int top;
    const char* text;
  } captions[] = {{Label1, 249, "WWW:"}, {Label2, 264, "E-mail:"}};
  for (Caption& c : captions) {
    c.label.SetBounds(platform::RectOfSize(4, c.top, 38, 13));
    c.label.SetFont(FontOf("MS Sans Serif", 7, platform::clGray, 0));
    c.label.SetText(c.text);
  }
  struct Link {
    ui::TExLabel& label;
    int top;
  } links[] = {{LabelWww, 248}, {LabelMail, 264}};
  for (Link& l : links) {
    l.label.SetBounds(platform::RectOfSize(44, l.top, 152, 14));
    l.label.SetFont(FontOf("MS Sans Serif", 8, platform::clBlue, platform::kFontUnderline));
    l.label.SetPointerShape(ui::Cursor::kHand);
  }
  // A double click opens the link a second time, as it is a click as well.
  LabelWww.OnClick = LabelWww.OnDblClick = [this](ui::TExLabel&) { LabelWwwDblClick(); };
  LabelMail.OnClick = LabelMail.OnDblClick = [this](ui::TExLabel&) { LabelMailClick(); };
  for (ui::TExLabel* label : {&LabelCopyr1, &Label1, &LabelWww, &Label2, &LabelMail})
    label->SetTransparent(true);
}

void TDlgAbout::ShowRunLanguage() {
  try {
    const std::string ini_path = i18n::ChangeFileExt(services_.kernel.GetModuleFileName(), ".ini");
    std::string run_language;
    i18n::ReadIniString(services_.ini, ini_path, i18n::kOptionsSection, i18n::kRunLangKey,
                        run_language);
    const i18n::Language& language = i18n::LanguageOf(UpperCase(run_language));
    for (std::size_t i = 0; i < ImageFlags.size(); ++i)
      if (&i18n::kLanguages[i] == &language) ImageFlags[i].SetVisible(true);
    SetText(language.about_title);
  } catch (const std::exception&) {
    // Without the language the dialog keeps its design title and shows no flag.
  }
}

bool TDlgAbout::SetDlg() {
  ShowRunLanguage();
  const std::string executable = services_.kernel.GetModuleFileName();
  auto item = [&](int number) { return GetVersionInfoItem(services_, executable, number); };
  LabelName.SetText(item(2));
  if (text::CharacterCount(LabelName.Text()) > kLongName) {
    platform::Font smaller = LabelName.Font();
    smaller.size = kNameSmallSize;
    LabelName.SetFont(smaller);
    platform::Rect bounds = LabelName.Bounds();
    LabelName.SetBounds(
        platform::RectOfSize(bounds.left, kNameSmallTop, bounds.Width(), bounds.Height()));
  }
  LabelName.SetHint(item(7));
  LabelCopyr1.SetText(item(5));
  LabelVer.SetText(item(9));
  LabelVer.SetHint(kBuildHint + item(4));
  LabelWww.SetText(kWebAddress);
  LabelMail.SetText(kMailAddress);
  return true;
}

void TDlgAbout::OpenLink(const std::string& scheme, const std::string& address) {
  if (address.empty()) return;
  const std::intptr_t started =
      services_.shell.ShellExecute(0, "open", scheme + address, "", "", platform::kSwShowNormal);
  if (started > 32) return;
  const std::uint32_t code = services_.kernel.GetLastError();
  // The two characters backslash and n stand in the text as they are, not as line breaks.
  const std::string text = "Error no." + std::to_string(static_cast<int>(code)) +
                           " of 'ShellExecute' design!\\n\\n" +
                           services_.texts.FormatMessageA(code);
  services_.ui.MessageBox(Handle(), text, services_.message_caption,
                          platform::kMbOk | platform::kMbIconError);
}

void TDlgAbout::LabelWwwDblClick() {
  OpenLink("http://", LabelWww.Text());
}

void TDlgAbout::LabelMailClick() {
  OpenLink("mailto:", LabelMail.Text());
}

}  // namespace about
