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
#include <string_view>
#include <vector>

#include "browser/cost_lines.h"
#include "browser/detail_lines.h"
#include "browser/row_keys.h"
#include "controls/section_list/box.h"
#include "i18n/text_source.h"
#include "platform/date_time.h"
#include "platform/kernel.h"
#include "platform/kernel_handle.h"
#include "platform/shell.h"
#include "platform/user_interface.h"
#include "snapshot/app_windows.h"
#include "snapshot/priority_class.h"
#include "snapshot/process_priorities.h"
#include "snapshot/process_snapshot.h"

namespace browser {

// What the detail list shows: the sections of one left section, or nothing.
enum class DetailContent { kNothing, kApplications, kProcesses };

// What the last refresh found, handed to each step that reads it: the browser keeps none of it.
struct SystemLists {
  snapshot::ProcessSnapshot& processes;
  const snapshot::AppWindowList& windows;
};

class ProcessBrowser {
 public:
  struct Platform {
    platform::Kernel& kernel;
    platform::UserInterface& ui;
    platform::Shell& shell;
    platform::DateTime& formats;  // the user's number format, for the memory line
  };

  // Every reference outlives the browser; the texts are read at the first use.
  ProcessBrowser(controls::TSectionListBox& left, controls::TSectionListBox& detail,
                 const i18n::TextSource& texts, Platform platform);

  // Shows the priority menu at a screen point; its choice comes back through SetPriority.
  std::function<void(platform::Point screen)> PopupPriorityMenu;
  // The window message boxes and the properties sheet are owned by, and the boxes' caption.
  std::function<platform::WindowHandle()> OwnerWindow;
  std::string MessageCaption;

  // --- expansion and detail lines ---
  void SectionListBox1ExpandSection(int section_index, SystemLists lists);
  void SectionListBox1ContractSection(int section_index);
  void SectionListBox1SubItemClick(int section_index, int subitem_index, SystemLists lists);
  void SectionListBox2SectionClick(int section_index);
  // Opens (or, for a click on the detail list itself, toggles) detail section `index` and
  // scrolls it to the top.
  void OpenDetailSection(const controls::TSectionListBox& source, int index);

  // --- the refresh ---
  // Set when a left section is expanded or contracted; never read from captions, which may be
  // equal (texts 100 and 101 when the language libraries are missing).
  DetailContent DetailShows() const { return detail_shows_; }
  // Each brings its left section, and the detail list while it shows that section, in step
  // with this tick's list. Each list is compared with the tick on its own, by what its rows
  // carry: a title, or a process's identity.
  // The process sync writes the priority lines of the positions PriorityLinesDue names (every
  // section it fills, every open one it keeps), from the classes read for them beforehand.
  void SyncApplicationsSection(SystemLists lists);
  void SyncProcessesSection(const snapshot::ProcessSnapshot& processes,
                            const snapshot::PriorityClasses& priorities);
  void PriorityLinesDue(const snapshot::ProcessSnapshot& processes,
                        std::vector<std::size_t>& positions) const;

  // --- actions ---
  void SectionListBox2SubItemClick(int section_index, int subitem_index, SystemLists lists);
  // The context-menu key on a detail row: a process's priority menu opens at `screen`.
  void SectionListBox2ContextKey(int section_index, platform::Point screen);
  // The priority menu's choice, for the process of the click that opened it.
  void SetPriority(std::uint32_t priority_class, const snapshot::ProcessSnapshot& processes);
  int LastClickedSection() const { return last_clicked_section_; }

 private:
  const DetailTexts& Texts();
  const CostTexts& Costs();
  // The priorities an expansion of the processes section writes, read before a list is edited.
  void ReadExpansionPriorities(const controls::TListSection& shown,
                               const snapshot::ProcessSnapshot& processes);
  void AddApplicationSection(const std::string& caption, int image_index,
                             const controls::TItemKey& window, SystemLists lists);
  void AddProcessSection(const controls::TSubItem& entry,
                         const snapshot::ProcessSnapshot& processes);
  void FillProcessSection(controls::TListSection& section, const snapshot::processinfos& process,
                          const std::string& priority, const snapshot::ProcessSnapshot& processes);
  void AddProcessLines(controls::TListSection& section, const snapshot::processinfos& process,
                       const std::string& priority, const snapshot::ProcessSnapshot& processes);
  void RefreshProcessLines(controls::TListSection& section, const snapshot::processinfos& process,
                           const std::string& priority, const snapshot::ProcessSnapshot& processes);
  void SyncProcessEntries(const std::vector<snapshot::processinfos>& records);
  void SyncProcessSections(const snapshot::ProcessSnapshot& processes,
                           const snapshot::PriorityClasses& priorities);
  // The process a clicked link line names, while it is what the line shows; nullptr otherwise.
  const snapshot::processinfos* LinkedProcess(int section_index, const std::string& line,
                                              SystemLists lists);
  void RunWindowAction(int order, const controls::TItemKey& window,
                       const snapshot::AppWindowList& windows);
  void OpenPriorityMenu(int section_index, platform::Point screen);
  // The process detail section `section_index` stands for, as it was filled.
  std::optional<snapshot::ProcessIdentity> ProcessOfSection(int section_index) const;
  // The record of that process in this tick's list; nullptr when it has ended.
  const snapshot::processinfos* RecordOfSection(int section_index,
                                                const snapshot::ProcessSnapshot& processes) const;
  // Opens `shown` for `action_right` when the process running under its id is still the one
  // the row showed; an empty handle otherwise.
  platform::KernelHandle OpenShownProcess(const snapshot::ProcessIdentity& shown,
                                          std::uint32_t action_right);
  void ShowFileProperties(int section_index, const snapshot::ProcessSnapshot& processes);
  void Terminate(int section_index, const std::string& caption,
                 snapshot::ProcessSnapshot& processes);
  void RemoveProcess(const snapshot::ProcessIdentity& process,
                     snapshot::ProcessSnapshot& processes);

  controls::TSectionListBox& left_;
  controls::TSectionListBox& detail_;
  const i18n::TextSource& language_;
  Platform platform_;
  std::optional<DetailTexts> texts_;
  std::optional<CostTexts> costs_;
  snapshot::PriorityClassTexts priority_texts_;
  DetailContent detail_shows_ = DetailContent::kNothing;
  int last_clicked_section_ = 0;
  // The process the open priority menu is for, and the section it was opened on.
  std::optional<snapshot::ProcessIdentity> priority_target_;
  std::string priority_target_name_;
  // Kept from expansion to expansion so that it allocates only as the list grows.
  std::vector<std::size_t> expansion_due_;
  snapshot::PriorityClasses expansion_priorities_;
};

}  // namespace browser
