#pragma once
// The process browser: what the main window's two lists show. The left list holds the
// applications (section 0) and the processes (section 1); the detail list shows the sections of
// the one the user expanded, one detail section per item with its lines. Once a second the
// refresh brings both in step with the system, changing only what changed; the action lines of
// the detail list act on the window or process they stand for.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "browser/detail_lines.h"
#include "controls/section_list_box.h"
#include "i18n/text_source.h"
#include "platform/kernel.h"
#include "platform/shell.h"
#include "platform/user_interface.h"
#include "snapshot/app_windows.h"
#include "snapshot/process_snapshot.h"

namespace browser {

// The access the time lines read a process with: query information and read memory.
constexpr std::uint32_t kTimesAccess = 0x0410;

// The user and kernel times of a process, both 0 when they cannot be read.
struct CpuTimes {
  std::uint64_t user = 0;
  std::uint64_t kernel = 0;
};
CpuTimes ReadProcessTimes(platform::Kernel& kernel, std::uint32_t process_id);

// How many sub-items of `section` read exactly `text`.
int CountSubItemsEqual(const controls::TListSection& section, const std::string& text);

class ProcessBrowser {
 public:
  struct Platform {
    platform::Kernel& kernel;
    platform::UserInterface& ui;
    platform::Shell& shell;
  };

  // Every reference outlives the browser; the texts are read at the first use.
  ProcessBrowser(controls::TSectionListBox& left, controls::TSectionListBox& detail,
                 snapshot::ProcessSnapshot& processes, const snapshot::AppWindowList& windows,
                 const i18n::TextSource& texts, Platform platform);

  // Shows the priority menu at a screen point; its choice comes back through SetPriority.
  std::function<void(platform::Point screen)> PopupPriorityMenu;
  // The window message boxes and the properties sheet are owned by, and the boxes' caption.
  std::function<platform::WindowHandle()> OwnerWindow;
  std::string MessageCaption;

  // --- expansion and detail lines ---
  void SectionListBox1ExpandSection(int section_index);
  void SectionListBox1ContractSection(int section_index);
  void SectionListBox1SubItemClick(int section_index, int subitem_index);
  void SectionListBox2SectionClick(int section_index);
  // Opens (or, for a click on the detail list itself, toggles) detail section `index` and
  // scrolls it to the top.
  void OpenDetailSection(const controls::TSectionListBox& source, int index);

  // --- the refresh ---
  // Whether the detail list shows the applications or the processes: its header's caption
  // tells.
  bool DetailShowsApplications();
  bool DetailShowsProcesses();
  void SyncApplicationsSection(bool shows_apps);
  void SyncProcessesSection(bool shows_procs);

  // --- actions ---
  void SectionListBox2SubItemClick(int section_index, int subitem_index);
  // The priority menu's choice, for the process of the click that opened it.
  void SetPriority(std::uint32_t priority_class);
  int LastClickedSection() const { return last_clicked_section_; }

 private:
  // The process a detail section stands for, as it was when the user clicked: a process id is
  // reused once its process ends, so its creation time tells the same process from another.
  struct ClickedProcess {
    std::uint32_t id = 0;
    std::uint64_t creation = 0;
  };

  const DetailTexts& Texts();
  void AddApplicationSection(const std::string& title, int image_index);
  void AddProcessLines(controls::TListSection& section, const snapshot::processinfos& process);
  void RefreshProcessLines(controls::TListSection& section, const snapshot::processinfos& process);
  void RunWindowAction(int order, const std::string& caption);
  std::optional<ClickedProcess> ProcessOfSection(int section_index);
  // Opens the clicked process with `access` when it is still the one clicked; 0 otherwise.
  platform::Handle OpenClickedProcess(const ClickedProcess& clicked, std::uint32_t access);
  void ShowFileProperties(int section_index);
  void Terminate(int section_index, const std::string& caption);
  void RemoveProcess(std::uint32_t id);

  controls::TSectionListBox& left_;
  controls::TSectionListBox& detail_;
  snapshot::ProcessSnapshot& processes_;
  const snapshot::AppWindowList& windows_;
  const i18n::TextSource& language_;
  Platform platform_;
  std::optional<DetailTexts> texts_;
  // The process id each sub-item of the processes section shows, position by position.
  std::vector<std::uint32_t> shown_ids_;
  int last_clicked_section_ = 0;
  std::optional<ClickedProcess> priority_target_;  // the process the open priority menu is for
};

}  // namespace browser
