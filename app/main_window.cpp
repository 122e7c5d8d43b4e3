#include "app/main_window.h"

#include "about/rv_info_about.h"
#include "app/launch_rules.h"
#include "app/main_window_pictures.h"
#include "app/windows_version.h"
#include "i18n/language_dialog.h"
#include "i18n/text_ids.h"
#include "report/report_body.h"
#include "report/report_frm.h"
#include "report/report_output.h"
#include "snapshot/current_times.h"

namespace app {
namespace {

constexpr platform::Color kCentralPanelColor = platform::Rgb(197, 210, 226);
constexpr platform::Color kUsagePanelColor = platform::Rgb(112, 133, 190);
constexpr platform::Color kLeftSectionColor = platform::Rgb(216, 208, 146);
constexpr platform::Color kDetailSectionColor = platform::Rgb(219, 219, 219);
constexpr int kListRowHeight = 20;
constexpr int kListTabStop = 80;
constexpr int kButtonTop = 3;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 19;

// Hover pictures follow the pointer: over the button its hover image, off it the idle one.
void WireHoverImages(ui::TExplBtn& button, ButtonGlyph glyph) {
  button.NoFocusBitmap = ButtonPicture(glyph, true);
  button.DisabledBitmap = ButtonPicture(glyph, false);
  button.SetBitmap(button.DisabledBitmap);
  button.OnMouseMove = [](ui::TExplBtn& b) { b.SetBitmap(b.NoFocusBitmap); };
  button.OnExit = [](ui::TExplBtn& b) { b.SetBitmap(b.DisabledBitmap); };
}

}  // namespace

TProcesessFrm::TProcesessFrm(Services services, ui::Application& application,
                             snapshot::PsapiBinding& psapi)
    : ui::Form("ProcesessFrm", "TProcesessFrm"),
      Panel4("Panel4", this),
      ReportBtn("ReportBtn", &Panel4),
      RefreshBtn("RefreshBtn", &Panel4),
      AboutBtn("AboutBtn", &Panel4),
      LangBtn("LangBtn", &Panel4),
      minimizeBtn("minimizeBtn", &Panel4),
      CloseBtn("CloseBtn", &Panel4),
      Panel2("Panel2", this),
      SectionListBox1("SectionListBox1", &Panel2),
      SectionListBox2("SectionListBox2", &Panel2),
      ReportListBox("ReportListBox", &Panel2),
      GaugeBar1("GaugeBar1", &Panel2),
      Panel3("Panel3", &Panel2),
      ProgressFill1("ProgressFill1", &Panel2),
      Panel1("Panel1", &Panel2),
      Image1("Image1", &Panel2),
      Timer9x(services.timers),
      TimerNT(services.timers),
      services_(services),
      application_(application),
      family_(DecideFamily(services.kernel)),
      language_(services.kernel, services.ui, services.ini, kApplicationTitle),
      nt_processes_(services.kernel, services.ui, psapi, services.native, services.clock),
      tool_help_binding_(services.kernel, services.tool_help),
      app_windows_(services.ui, services.window_icons, family_.family),
      cpu_usage_module_(services.kernel, family_.family, services.native, services.registry),
      browser_(SectionListBox1, SectionListBox2, language_,
               {services.kernel, services.ui, services.shell, services.clock}),
      MCPUUsage1(cpu_usage_module_, services.timers),
      PopupMenu1(*this) {
  SetText(kApplicationTitle);
  SetOuterSize(kOuterWidth, kOuterHeight);
  SetFont(platform::Font{"MS Sans Serif", 8, platform::clWindowText, 0});
  SetBackground(WindowBackgroundTile());
  BuildTopBar();
  BuildCentralPanel();
  BuildLists();
  BuildPopupMenu();
  for (int i = 0; i < kFixedIconCount; ++i)
    services_.window_icons.AddMasked(FixedIconPicture(i).pixels, kPictureKey);
  TimerNT.OnTimer = [this] { TimerNTTimer(); };
  Timer9x.OnTimer = [this] { Timer9xTimer(); };
}

void TProcesessFrm::BuildTopBar() {
  Panel4.SetBounds(platform::RectOfSize(0, 0, kClientWidth, 25));
  Panel4.SetBevelInner(ui::Bevel::kLowered);
  Panel4.SetTile(TopBarTile());
  struct Placement {
    ui::TExplBtn& button;
    int left;
    ButtonGlyph glyph;
  } placements[] = {
      {ReportBtn, 0, ButtonGlyph::kReport},       {RefreshBtn, 96, ButtonGlyph::kRefresh},
      {AboutBtn, 190, ButtonGlyph::kAbout},       {LangBtn, 280, ButtonGlyph::kLanguage},
      {minimizeBtn, 370, ButtonGlyph::kMinimize}, {CloseBtn, 460, ButtonGlyph::kClose},
  };
  for (Placement& p : placements) {
    p.button.SetBounds(platform::RectOfSize(p.left, kButtonTop, kButtonWidth, kButtonHeight));
    p.button.SetText(p.button.Name());
    WireHoverImages(p.button, p.glyph);
  }
  RefreshBtn.SetVisible(false);
  ReportBtn.OnClick = [this](ui::TExplBtn&) { ReportBtnClick(); };
  RefreshBtn.OnClick = [this](ui::TExplBtn&) { RefreshBtnClick(); };
  AboutBtn.OnClick = [this](ui::TExplBtn&) { AboutBtnClick(); };
  LangBtn.OnClick = [this](ui::TExplBtn&) { LangBtnClick(); };
  minimizeBtn.OnClick = [this](ui::TExplBtn&) { MinimizeBtnClick(); };
  CloseBtn.OnClick = [this](ui::TExplBtn&) { CloseBtnClick(); };
}

void TProcesessFrm::BuildCentralPanel() {
  Panel2.SetBounds(platform::RectOfSize(8, 28, 561, 417));
  Panel2.SetColor(kCentralPanelColor);

  // The strip behind the gauge label: drawn full once, never updated.
  controls::ConfigureAsMainWindowStrip(GaugeBar1);

  Panel3.SetBounds(platform::RectOfSize(208, 8, 49, 16));
  Panel3.SetTransparent(true);
  Panel3.SetFont(platform::Font{"MS Sans Serif", 10, platform::clWhite, platform::kFontBold});

  ProgressFill1.SetBounds(platform::RectOfSize(520, 32, 25, 49));
  MCPUUsage1.SetInterval(1000);
  MCPUUsage1.OnInterval = [this](snapshot::TMCPUUsage& sender, std::uint32_t value) {
    MCPUUsage1Interval(sender, value);
  };
  MCPUUsage1.SetActive(true);

  Image1.SetBounds(platform::RectOfSize(248, 32, 65, 49));
  Image1.SetVisible(false);
  Panel1.SetBounds(platform::RectOfSize(400, 32, 113, 17));
  Panel1.SetColor(kUsagePanelColor);
  platform::Font white = Panel1.Font();
  white.color = platform::clWhite;
  Panel1.SetFont(white);
}

namespace {

// What the three lists of the window share: row heights, indents, glyph nodes, a wallpaper and
// navy text on the selected row.
void ConfigureList(controls::TSectionListBox& list, const ui::Picture& wallpaper,
                   platform::Color section_color, platform::Color section_font_color) {
  list.SetSectionHeight(kListRowHeight);
  list.SetSubItemHeight(kListRowHeight);
  list.SetSectionIndent(14);
  list.SetSubItemIndent(14);
  list.SetNodeType(controls::lnGlyph);
  list.SetExpandGlyph(NodeGlyph(true));
  list.SetContractGlyph(NodeGlyph(false));
  list.SetSelectionTextColor(platform::clNavy);
  list.SetWallpaper(wallpaper);
  list.SetSectionColor(section_color);
  platform::Font section_font = list.Font();
  section_font.color = section_font_color;
  list.SetSectionFont(section_font);
}

// The applications and processes sections as the left and the report lists start with them.
void AddBrowserSections(controls::TSectionListBox& list) {
  for (int i = 0; i < 2; ++i) {
    controls::TListSection& section = list.Sections().Add();
    section.SetImageIndex(i);
    section.SetFontUsage(controls::fuBoth);
    section.SetItemHeight(kListRowHeight);
  }
  list.TabPositions().Add().SetTabPosition(kListTabStop);
}

}  // namespace

void TProcesessFrm::BuildLists() {
  for (int i = 0; i < kSectionImageCount; ++i)
    services_.section_images.AddMasked(SectionImagePicture(i).pixels, kPictureKey);

  SectionListBox1.SetBounds(platform::RectOfSize(0, 0, 193, 417));
  SectionListBox1.SetColor(platform::clInfoBk);
  ConfigureList(SectionListBox1, LeftListWallpaper(), kLeftSectionColor, platform::clBackground);
  SectionListBox1.SetSectionImages(&services_.section_images);
  SectionListBox1.SetSubItemImages(&services_.window_icons);
  SectionListBox1.SetScrollWidth(16);
  AddBrowserSections(SectionListBox1);
  SectionListBox1.OnExpandSection = [this](controls::TSectionListBox& s, int i) {
    SectionListBox1ExpandSection(s, i);
  };
  SectionListBox1.OnContractSection = [this](controls::TSectionListBox& s, int i) {
    SectionListBox1ContractSection(s, i);
  };
  SectionListBox1.OnSubItemClick = [this](controls::TSectionListBox& s, int i, int j) {
    SectionListBox1SubItemClick(s, i, j);
  };

  SectionListBox2.SetBounds(platform::RectOfSize(200, 87, 345, 329));
  SectionListBox2.SetColor(platform::clWindow);
  ConfigureList(SectionListBox2, DetailListWallpaper(), kDetailSectionColor,
                platform::clWindowText);
  SectionListBox2.SetWordWrap(true);
  SectionListBox2.SetSectionImages(&services_.window_icons);
  SectionListBox2.SetSubItemImages(&services_.window_icons);
  SectionListBox2.SetExpandDisable(true);
  SectionListBox2.SetContractDisable(true);
  SectionListBox2.SetScrollWidth(10);
  SectionListBox2.OnExpandSection = [this](controls::TSectionListBox& s, int i) {
    SectionListBox2ExpandSection(s, i);
  };
  SectionListBox2.OnSectionClick = [this](controls::TSectionListBox& s, int i) {
    SectionListBox2SectionClick(s, i);
  };
  SectionListBox2.OnSubItemClick = [this](controls::TSectionListBox& s, int i, int j) {
    SectionListBox2SubItemClick(s, i, j);
  };
  SectionListBox2.OnContextKey = [this](controls::TSectionListBox&, int i, int,
                                        platform::Point at) {
    browser_.SectionListBox2ContextKey(i, at);
  };

  // The report's staging list: never shown, filled and read by the report.
  ReportListBox.SetBounds(platform::RectOfSize(433, 33, 64, 48));
  ReportListBox.SetVisible(false);
  ReportListBox.SetColor(platform::clInfoBk);
  platform::Font bold = ReportListBox.Font();
  bold.style |= platform::kFontBold;
  ReportListBox.SetFont(bold);
  ConfigureList(ReportListBox, LeftListWallpaper(), kLeftSectionColor, platform::clBackground);
  ReportListBox.SetSectionImages(&services_.window_icons);
  ReportListBox.SetSubItemImages(&services_.window_icons);
  ReportListBox.SetScrollWidth(16);
  AddBrowserSections(ReportListBox);

  browser_.OwnerWindow = [this] { return Handle(); };
  browser_.MessageCaption = kApplicationTitle;
  browser_.PopupPriorityMenu = [this](platform::Point screen) { PopupMenu1.Popup(screen); };
}

void TProcesessFrm::BuildPopupMenu() {
  // The priority classes, by captions that are the window's own and never translated.
  PopupMenu1.Items = {{"Nizka", [this] { Nizka1Click(); }},
                      {"Normalni", [this] { Normalni1Click(); }},
                      {"Vysoka", [this] { Vysoka1Click(); }},
                      {"Realnycas", [this] { Realnzcas1Click(); }}};
}

void TProcesessFrm::ClientSizeChanged(int width, int) {
  Panel4.SetBounds(platform::RectOfSize(0, 0, width, 25));
}

void TProcesessFrm::FormCreate() {
  LaunchRules rules(services_.kernel, services_.ui);
  if (!rules.AllPass()) {
    application_.Terminate();
    return;
  }
  language_.LoadLanguageLibrary();
  // On Win32s or a 9x version the module does not know, neither timer runs.
  if (family_.refreshes) {
    snapshot::ProcessSource* source = &nt_processes_;
    if (family_.family == snapshot::Family::k9x) {
      tool_help_list_ =
          std::make_unique<snapshot::ToolHelpProcessList>(services_.kernel, tool_help_binding_);
      source = tool_help_list_.get();
    }
    refresh_ = std::make_unique<Refresh>(
        family_.family, Refresh::Parts{*source, processes_, app_windows_, browser_, SectionListBox1,
                                       SectionListBox2, services_.kernel, services_.window_icons});
    (family_.family == snapshot::Family::kNt ? TimerNT : Timer9x).SetEnabled(true);
  }
  SetCaptions();
}

void TProcesessFrm::FormShow() {
  // As a tick of the timer: a message box inside it must not let the timer start another.
  TimerNT.TickNow();
  Timer9x.TickNow();
}

void TProcesessFrm::SetCaptions() {
  const i18n::TextSource& texts = language_;
  ReportBtn.SetText(texts.TextById(i18n::kTextReportButton));
  AboutBtn.SetText(texts.TextById(i18n::kTextAboutButton));
  LangBtn.SetText(texts.TextById(i18n::kTextLanguageButton));
  minimizeBtn.SetText(texts.TextById(i18n::kTextMinimizeButton));
  CloseBtn.SetText(texts.TextById(i18n::kTextCloseButton));
  Panel3.SetText(texts.TextById(i18n::kTextGaugeLabel));
  Panel1.SetText(texts.TextById(i18n::kTextUsagePanel));
  RefreshBtn.SetText(texts.TextById(i18n::kTextRefreshButton));
  for (controls::TSectionListBox* list : {&SectionListBox1, &ReportListBox}) {
    list->Sections().Item(0).SetCaption(texts.TextById(i18n::kTextApplications));
    list->Sections().Item(1).SetCaption(texts.TextById(i18n::kTextProcesses));
  }
}

void TProcesessFrm::AboutBtnClick() {
  about::TRvInfoAbout about(*this, {.kernel = services_.kernel,
                                    .ui = services_.ui,
                                    .ini = services_.ini,
                                    .shell = services_.shell,
                                    .versions = services_.versions,
                                    .texts = services_.system_texts,
                                    .clock = services_.clock,
                                    .message_caption = kApplicationTitle});
  about.Execute();
}

void TProcesessFrm::LangBtnClick() {
  // The launch rules let only a known switch through; it is the first argument.
  const std::vector<std::string> arguments = services_.kernel.CommandLineArguments();
  i18n::ShowLanguageDialog(
      *this, {.kernel = services_.kernel,
              .ui = services_.ui,
              .ini = services_.ini,
              .shell = services_.shell,
              .application = application_,
              .start_switch = arguments.empty() ? kSwitchFromBaseModule : arguments.front()});
}

void TProcesessFrm::ReportBtnClick() {
  report::StageReportSections(SectionListBox1, ReportListBox,
                              language_.TextById(i18n::kTextApplications));
  report::ShowReportWindow(*this, language_, ReportListBox.Sections(), &services_.window_icons,
                           &services_.section_images,
                           {LeftListWallpaper(), NodeGlyph(true), NodeGlyph(false)},
                           report_selection_);
  // The timers kept running: each ticked process is found by the identity it was staged with.
  const browser::DetailTexts texts(language_);
  snapshot::CurrentProcessTimes times(
      services_.kernel, family_.family == snapshot::Family::kNt ? &nt_processes_ : nullptr);
  std::vector<std::string> body = report::BuildReportBody(
      report_selection_,
      {texts, processes_.processes(), app_windows_.windows(),
       [&times](const snapshot::ProcessIdentity& process) { return times.Of(process); }});
  report::ReportOutput output({.kernel = services_.kernel,
                               .ui = services_.ui,
                               .shell = services_.shell,
                               .dialogs = services_.dialogs,
                               .files = services_.files,
                               .clock = services_.clock,
                               .code_page = services_.code_page,
                               .places_bar = family_.places_bar},
                              language_, kApplicationTitle);
  output.OwnerWindow = [this] { return Handle(); };
  output.OutputReport(report_selection_.Mode, std::move(body));
}

void TProcesessFrm::MinimizeBtnClick() {
  MinimizeApplication();
}
void TProcesessFrm::CloseBtnClick() {
  Close();
}

void TProcesessFrm::TimerNTTimer() {
  if (refresh_) refresh_->Tick();
}

void TProcesessFrm::Timer9xTimer() {
  if (refresh_) refresh_->Tick();
}

void TProcesessFrm::MCPUUsage1Interval(snapshot::TMCPUUsage&, std::uint32_t value) {
  ProgressFill1.SetPosition(ui::UsageIndicatorPosition(value));
}

void TProcesessFrm::SectionListBox1ExpandSection(controls::TSectionListBox&, int section_index) {
  browser_.SectionListBox1ExpandSection(section_index, {processes_, app_windows_});
}

void TProcesessFrm::SectionListBox1ContractSection(controls::TSectionListBox&, int section_index) {
  browser_.SectionListBox1ContractSection(section_index);
}

void TProcesessFrm::SectionListBox1SubItemClick(controls::TSectionListBox&, int section_index,
                                                int subitem_index) {
  browser_.SectionListBox1SubItemClick(section_index, subitem_index, {processes_, app_windows_});
}

void TProcesessFrm::SectionListBox2SectionClick(controls::TSectionListBox&, int section_index) {
  browser_.SectionListBox2SectionClick(section_index);
}

void TProcesessFrm::SectionListBox2SubItemClick(controls::TSectionListBox&, int section_index,
                                                int subitem_index) {
  browser_.SectionListBox2SubItemClick(section_index, subitem_index, {processes_, app_windows_});
}

void TProcesessFrm::Nizka1Click() {
  browser_.SetPriority(platform::kIdlePriorityClass, processes_);
}
void TProcesessFrm::Normalni1Click() {
  browser_.SetPriority(platform::kNormalPriorityClass, processes_);
}
void TProcesessFrm::Vysoka1Click() {
  browser_.SetPriority(platform::kHighPriorityClass, processes_);
}
void TProcesessFrm::Realnzcas1Click() {
  browser_.SetPriority(platform::kRealtimePriorityClass, processes_);
}

}  // namespace app
