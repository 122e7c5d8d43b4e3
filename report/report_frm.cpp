#include "report/report_frm.h"

#include <exception>

#include "i18n/text_ids.h"
#include "report/report_pictures.h"

namespace report {

namespace {

constexpr platform::Color kSectionColor = 9621720;  // red 216, green 208, blue 146
constexpr platform::Color kMenuColor = 33023;       // orange: red 255, green 128
constexpr int kMenuWidth = 92;
constexpr int kRowHeight = 20;

// The report window that is open, if any.
TReportFrm* ReportFrm = nullptr;

}  // namespace

TReportFrm::TReportFrm(ui::Form* owner, const i18n::TextSource& texts, sel& selection)
    : ui::Form("ReportFrm", "TReportFrm", owner),
      Panel1("Panel1", this),
      ReportSectionListBox("ReportSectionListBox", &Panel1),
      MenuPanel("MenuPanel", this),
      PrintBtn("PrintBtn", &MenuPanel),
      SendBtn("SendBtn", &MenuPanel),
      SaveBtn("SaveBtn", &MenuPanel),
      CloseBtn("CloseBtn", &MenuPanel),
      PopupMenu1(*this),
      texts_(texts),
      selection_(selection) {
  Build();
}

void TReportFrm::Build() {
  SetText("Report");
  SetOuterSize(kOuterWidth, kOuterHeight);
  SetFixedSize(true);
  SetDialogFrame(true);
  SetDesktopCentred(true);
  SetFont(platform::Font{"MS Sans Serif", 8, platform::clWindowText, 0});

  Panel1.SetBounds(platform::RectOfSize(0, 0, 193, 327));
  ReportSectionListBox.SetBounds(platform::RectOfSize(0, 0, 193, 327));
  ReportSectionListBox.SetColor(platform::clInfoBk);
  platform::Font bold = ReportSectionListBox.Font();
  bold.style |= platform::kFontBold;
  ReportSectionListBox.SetFont(bold);
  ReportSectionListBox.SetSectionFont(bold);
  ReportSectionListBox.SetSectionColor(kSectionColor);
  ReportSectionListBox.SetSelectionTextColor(platform::clNavy);
  ReportSectionListBox.SetSectionIndent(14);
  ReportSectionListBox.SetSubItemIndent(14);
  ReportSectionListBox.SetSectionHeight(kRowHeight);
  ReportSectionListBox.SetSubItemHeight(kRowHeight);
  ReportSectionListBox.TabPositions().Add().SetTabPosition(80);
  ReportSectionListBox.OnMouseUp = [this](controls::TSectionListBox& s, ui::MouseButton b,
                                          ui::ShiftState shift, int x, int y) {
    ReportSectionListBoxMouseUp(s, b, shift, x, y);
  };
  // The context-menu key and Shift+F10 open the menu under the focused row.
  ReportSectionListBox.OnContextKey = [this](controls::TSectionListBox&, int, int,
                                             platform::Point at) { PopupMenu1.Popup(at); };

  MenuPanel.SetBounds(
      platform::RectOfSize(kClientWidth - kMenuWidth, 0, kMenuWidth, kClientHeight));
  MenuPanel.SetColor(kMenuColor);
  MenuPanel.SetTile(MenuPanelTile());
  struct Command {
    ui::TSpeedButton& button;
    int top;
    ReportGlyph glyph;
    void (TReportFrm::*click)();
  } commands[] = {{PrintBtn, 9, ReportGlyph::kPrint, &TReportFrm::PrintBtnClick},
                  {SendBtn, 34, ReportGlyph::kSend, &TReportFrm::SendBtnClick},
                  {SaveBtn, 60, ReportGlyph::kSave, &TReportFrm::SaveBtnClick},
                  {CloseBtn, 86, ReportGlyph::kClose, &TReportFrm::CloseBtnClick}};
  for (const Command& c : commands) {
    c.button.SetBounds(platform::RectOfSize(1, c.top, 90, 25));
    c.button.SetText(c.button.Name());
    c.button.SetGlyph(ReportGlyphPicture(c.glyph));
    c.button.OnClick = [this, click = c.click](ui::TSpeedButton&) { (this->*click)(); };
  }
  PopupMenu1.Items = {{"SelAll1", [this] { SelAll1Click(); }},
                      {"UnselAll1", [this] { UnselAll1Click(); }}};
}

void TReportFrm::FormCreate() {
  PrintBtn.SetText(texts_.TextById(i18n::kTextReportPrint));
  SaveBtn.SetText(texts_.TextById(i18n::kTextReportSave));
  SendBtn.SetText(texts_.TextById(i18n::kTextReportSend));
  CloseBtn.SetText(texts_.TextById(i18n::kTextCloseButton));
  PopupMenu1.Items[0].Caption = texts_.TextById(i18n::kTextReportSelectAll);
  PopupMenu1.Items[1].Caption = texts_.TextById(i18n::kTextReportUnselectAll);
  SetText(texts_.TextById(i18n::kTextReportCaption));
}

void TReportFrm::ClientSizeChanged(int width, int height) {
  MenuPanel.SetBounds(platform::RectOfSize(width - kMenuWidth, 0, kMenuWidth, height));
}

sel TReportFrm::CollectSelection(std::uint8_t mode) const {
  sel collected;
  collected.Mode = mode;
  const controls::TListSectionCollection& sections = ReportSectionListBox.Sections();
  for (int s = 0; s < sections.Count(); ++s) {
    const controls::TListSection& section = sections.Item(s);
    for (int i = 0; i < section.SubItems().Count(); ++i)
      if (section.SubItemChecked(i))
        collected.Items.push_back({s, i, 1, section.SubItems().Strings(i), section.Caption(),
                                   section.SubItems().Item(i).key});
  }
  return collected;
}

void TReportFrm::Finish(std::uint8_t mode) {
  selection_ = CollectSelection(mode);
  SetModalResult(ui::mrOk);
  Close();
}

void TReportFrm::PrintBtnClick() {
  Finish(kModePrint);
}
void TReportFrm::SendBtnClick() {
  Finish(kModeSend);
}
void TReportFrm::SaveBtnClick() {
  Finish(kModeSave);
}

void TReportFrm::CloseBtnClick() {
  selection_.Mode = kModeNone;
  SetModalResult(ui::mrCancel);
  Close();
}

void TReportFrm::CheckSelectedSection(bool checked) {
  controls::TListSection* section = ReportSectionListBox.SelectedSection();
  if (!section) return;
  for (int i = 0; i < section->SubItems().Count(); ++i) section->SetSubItemChecked(i, checked);
}

void TReportFrm::SelAll1Click() {
  CheckSelectedSection(true);
}
void TReportFrm::UnselAll1Click() {
  CheckSelectedSection(false);
}

void TReportFrm::ReportSectionListBoxMouseUp(controls::TSectionListBox&, ui::MouseButton button,
                                             ui::ShiftState, int x, int y) {
  if (button != ui::MouseButton::kRight) return;
  // The window's place on the screen: its client origin where the window exists.
  platform::Point origin{Bounds().left, Bounds().top};
  if (View()) origin = View()->ClientToScreen({0, 0});
  PopupMenu1.Popup({origin.x + 10 + x, origin.y + 10 + y});
}

void ShowReportWindow(ui::Form& owner, const i18n::TextSource& texts,
                      const controls::TListSectionCollection& sections,
                      const platform::ImageList* section_images,
                      const platform::ImageList* subitem_images, const ReportListPictures& pictures,
                      sel& selection) {
  selection = sel{};
  if (ReportFrm) return;
  try {
    TReportFrm form(&owner, texts, selection);
    ReportFrm = &form;
    struct ClearReference {
      ~ClearReference() { ReportFrm = nullptr; }
    } clear;
    form.FormCreate();
    controls::TSectionListBox& list = form.ReportSectionListBox;
    list.SetSectionImages(section_images);
    list.SetSubItemImages(subitem_images);
    list.SetWallpaper(pictures.wallpaper);
    list.SetNodeType(controls::lnGlyph);
    list.SetExpandGlyph(pictures.expand_glyph);
    list.SetContractGlyph(pictures.contract_glyph);
    list.Sections().Clear();
    list.Sections().Assign(sections);
    list.ContractAll();
    for (int i = 0; i < list.Sections().Count(); ++i) {
      list.Sections().Item(i).SetControlType(controls::scCheckbox);
      list.Sections().Item(i).SetReadOnly(false);
    }
    form.ShowModal();
  } catch (const std::exception&) {
    // The window could not be made or shown: no report, and no message.
  }
}

}  // namespace report
