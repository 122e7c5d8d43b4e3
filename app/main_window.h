#pragma once
// The main window: the top bar of command buttons, the two linked lists, the usage gauge and
// the timers that keep it in step with the system. Its creation runs the start-up sequence.
#include <memory>
#include "app/refresh.h"
#include "app/services.h"
#include "browser/process_browser.h"
#include "controls/gauge_bar.h"
#include "controls/section_list/box.h"
#include "i18n/language_library.h"
#include "report/selection.h"

#include "snapshot/app_windows.h"
#include "snapshot/cpu_usage.h"
#include "snapshot/family.h"
#include "snapshot/nt_process_list.h"
#include "snapshot/process_snapshot.h"
#include "snapshot/psapi_binding.h"
#include "snapshot/tool_help_binding.h"
#include "snapshot/toolhelp_process_list.h"
#include "ui/application.h"
#include "ui/explorer_button.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/popup_menu.h"
#include "ui/progress_fill.h"
#include "ui/timer.h"

namespace app {

class TProcesessFrm : public ui::Form {
 public:
  // 585 x 485 from outside, whatever frame the system draws; laid out in the client area the
  // layout's frame (ui::kLayoutFrame) leaves.
  static constexpr int kOuterWidth = 585;
  static constexpr int kOuterHeight = 485;
  static constexpr int kClientWidth = kOuterWidth - ui::kLayoutFrame.cx;
  static constexpr int kClientHeight = kOuterHeight - ui::kLayoutFrame.cy;

  // `psapi` is the process status library, bound before the window exists.
  TProcesessFrm(Services services, ui::Application& application, snapshot::PsapiBinding& psapi);

  // The start-up sequence; on a failed launch rule the application is asked to quit.
  void FormCreate();
  // The window has just shown: its lists fill at once, not a tick later.
  void FormShow();
  void ClientSizeChanged(int width, int height) override;

  const i18n::LanguageLibrary& Language() const { return language_; }
  // What the last refresh tick found.
  const snapshot::ProcessSnapshot& Processes() const { return processes_; }
  const snapshot::AppWindowList& AppWindows() const { return app_windows_; }

  // Refresh ticks: a fresh snapshot of the processes and the application windows, taken and
  // shown in the order of the family start-up found (only that family's timer runs).
  void TimerNTTimer();
  void Timer9xTimer();

  // Command buttons.
  void RefreshBtnClick() {}
  // The report: the user ticks items, which are then printed, saved or sent.
  void ReportBtnClick();
  void AboutBtnClick();
  void LangBtnClick();
  void MinimizeBtnClick();
  void CloseBtnClick();
  // A new processor-usage figure: the indicator shows it as a percentage.
  void MCPUUsage1Interval(snapshot::TMCPUUsage& sender, std::uint32_t value);

  // The lists: expanding a left section fills the detail list; detail lines act.
  void SectionListBox1ExpandSection(controls::TSectionListBox& sender, int section_index);
  void SectionListBox1ContractSection(controls::TSectionListBox& sender, int section_index);
  void SectionListBox1SubItemClick(controls::TSectionListBox& sender, int section_index,
                                   int subitem_index);
  void SectionListBox2SectionClick(controls::TSectionListBox& sender, int section_index);
  void SectionListBox2SubItemClick(controls::TSectionListBox& sender, int section_index,
                                   int subitem_index);
  void SectionListBox2ExpandSection(controls::TSectionListBox&, int) {}
  // The priority menu's items.
  void Nizka1Click();
  void Normalni1Click();
  void Vysoka1Click();
  void Realnzcas1Click();

  browser::ProcessBrowser& Browser() { return browser_; }

  ui::Panel Panel4;
  ui::TExplBtn ReportBtn;
  ui::TExplBtn RefreshBtn;
  ui::TExplBtn AboutBtn;
  ui::TExplBtn LangBtn;
  ui::TExplBtn minimizeBtn;
  ui::TExplBtn CloseBtn;
  ui::Panel Panel2;
  controls::TSectionListBox SectionListBox1;
  controls::TSectionListBox SectionListBox2;
  controls::TSectionListBox ReportListBox;
  controls::TGaugeBar GaugeBar1;
  ui::Label Panel3;
  ui::TProgressFill ProgressFill1;
  ui::Panel Panel1;
  // Hidden: the place window icons pass through on the 9x family.
  ui::TImage Image1;
  ui::Timer Timer9x;
  ui::Timer TimerNT;

 private:
  void BuildTopBar();
  void BuildCentralPanel();
  void BuildLists();
  void BuildPopupMenu();
  void SetCaptions();

  Services services_;
  ui::Application& application_;
  const snapshot::SystemFamily family_;  // decided once, before anything that takes it
  i18n::LanguageLibrary language_;
  snapshot::ProcessSnapshot processes_;
  snapshot::NtProcessList nt_processes_;
  snapshot::ToolHelpBinding tool_help_binding_;
  std::unique_ptr<snapshot::ToolHelpProcessList> tool_help_list_;  // the 9x family only
  snapshot::AppWindowList app_windows_;
  snapshot::CpuUsageModule cpu_usage_module_;
  browser::ProcessBrowser browser_;
  std::unique_ptr<Refresh> refresh_;  // made at start-up, with the family's process source
  report::sel report_selection_;

 public:
  snapshot::TMCPUUsage MCPUUsage1;
  ui::PopupMenu PopupMenu1;
};

}  // namespace app
