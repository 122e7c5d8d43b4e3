#pragma once
// The report window: the user ticks the items a report shows and chooses to print, send or
// save it. Modal, and never more than one.
#include "controls/section_list/box.h"
#include "i18n/text_source.h"
#include "report/selection.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "ui/popup_menu.h"
#include "ui/speed_button.h"

namespace report {

// The list's pictures, shared with the main window's lists.
struct ReportListPictures {
  ui::Picture wallpaper;
  ui::Picture expand_glyph;
  ui::Picture contract_glyph;
};

class TReportFrm : public ui::Form {
 public:
  // 310 x 375 from outside, whatever frame the system draws; laid out in the client area the
  // layout's frame (ui::kLayoutFrame) leaves.
  static constexpr int kOuterWidth = 310;
  static constexpr int kOuterHeight = 375;
  static constexpr int kClientWidth = kOuterWidth - ui::kLayoutFrame.cx;
  static constexpr int kClientHeight = kOuterHeight - ui::kLayoutFrame.cy;

  // The outcome of Print, Send and Save goes to `selection`.
  TReportFrm(ui::Form* owner, const i18n::TextSource& texts, sel& selection);

  void FormCreate();
  void ClientSizeChanged(int width, int height) override;

  // A fresh selection of every ticked sub-item, in list order.
  sel CollectSelection(std::uint8_t mode) const;

  void PrintBtnClick();
  void SendBtnClick();
  void SaveBtnClick();
  void CloseBtnClick();
  void SelAll1Click();
  void UnselAll1Click();
  void ReportSectionListBoxMouseUp(controls::TSectionListBox& sender, ui::MouseButton button,
                                   ui::ShiftState shift, int x, int y);

  ui::Panel Panel1;
  controls::TSectionListBox ReportSectionListBox;
  ui::Panel MenuPanel;
  ui::TSpeedButton PrintBtn;
  ui::TSpeedButton SendBtn;
  ui::TSpeedButton SaveBtn;
  ui::TSpeedButton CloseBtn;
  ui::PopupMenu PopupMenu1;

 private:
  void Build();
  void Finish(std::uint8_t mode);
  void CheckSelectedSection(bool checked);

  const i18n::TextSource& texts_;
  sel& selection_;
};

// Shows the report window modally with copies of `sections`; afterwards `selection` holds what
// the user chose (mode none when the window was closed any other way). Nothing is shown while
// a report window is open already.
void ShowReportWindow(ui::Form& owner, const i18n::TextSource& texts,
                      const controls::TListSectionCollection& sections,
                      const platform::ImageList* section_images,
                      const platform::ImageList* subitem_images, const ReportListPictures& pictures,
                      sel& selection);

}  // namespace report
