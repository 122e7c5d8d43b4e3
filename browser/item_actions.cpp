// What the action lines of the detail list do, and the priority menu's choice.
#include "browser/process_browser.h"

#include <algorithm>

#include "i18n/text_ids.h"
#include "snapshot/process_access.h"

namespace browser {

namespace {

enum Action {
  kRestore,
  kClose,
  kSwitchTo,
  kMinimize,
  kMaximize,
  kPriorityMenu,
  kProperties,
  kTerminate,
  kActionCount
};

}  // namespace

void ProcessBrowser::SectionListBox2SubItemClick(int section_index, int subitem_index,
                                                 SystemLists lists) {
  last_clicked_section_ = section_index;
  if (section_index < 0 || section_index >= detail_.Sections().Count()) return;
  const controls::TListSection& section = detail_.Sections().Item(section_index);
  if (subitem_index < 0 || subitem_index >= section.SubItems().Count()) return;
  const std::string line = section.SubItems().Strings(subitem_index);
  if (const snapshot::processinfos* linked = LinkedProcess(section_index, line, lists)) {
    // As a click on its entry in the left list, which stands in the same place as its record.
    constexpr int kProcessesSection = 1;
    SectionListBox1SubItemClick(
        kProcessesSection, static_cast<int>(linked - lists.processes.processes().data()), lists);
    return;
  }
  const std::string caption = section.Caption();
  const DetailTexts& texts = Texts();
  // The clicked line is recognised by building each action line anew, in this order; every one
  // that matches runs (two actions may read alike when texts are missing).
  const std::string actions[kActionCount] = {
      ActionLine(ActionColor::kBlack, texts.window_actions[0]),
      ActionLine(ActionColor::kBlack, texts.window_actions[4]),
      ActionLine(ActionColor::kBlack, texts.window_actions[1]),
      ActionLine(ActionColor::kBlack, texts.window_actions[2]),
      ActionLine(ActionColor::kBlack, texts.window_actions[3]),
      ActionLine(ActionColor::kBlue, texts.change_priority),
      ActionLine(ActionColor::kGreen, texts.properties),
      ActionLine(ActionColor::kRed, texts.terminate),
  };
  const bool windows_shown = detail_shows_ == DetailContent::kApplications;
  const bool processes_shown = detail_shows_ == DetailContent::kProcesses;
  for (int order = 0; order < kActionCount; ++order) {
    if (line != actions[order]) continue;
    // A line acts on what its section stands for: a window, or a process.
    const bool window_action = order <= kMaximize;
    if (window_action ? !windows_shown : !processes_shown) continue;
    switch (order) {
      case kRestore:
      case kClose:
      case kSwitchTo:
      case kMinimize:
      case kMaximize:
        RunWindowAction(order, section.Key(), lists.windows);
        break;
      case kPriorityMenu: {
        // From the keyboard the menu opens under the line, not where the pointer happens to be.
        const std::optional<platform::Point>& under_line = detail_.KeyMenuPoint();
        OpenPriorityMenu(section_index, under_line ? *under_line : platform_.ui.GetCursorPos());
        break;
      }
      case kProperties:
        ShowFileProperties(section_index, lists.processes);
        break;
      case kTerminate:
        Terminate(section_index, caption, lists.processes);
        break;
    }
  }
}

const snapshot::processinfos* ProcessBrowser::LinkedProcess(int section_index,
                                                            const std::string& line,
                                                            SystemLists lists) {
  const controls::TListSection& section = detail_.Sections().Item(section_index);
  const snapshot::processinfos* linked = nullptr;
  std::string_view text;
  if (detail_shows_ == DetailContent::kApplications) {
    const int listed = lists.windows.FindAppWindow(WindowOfKey(section.Key()));
    if (listed < 0) return nullptr;
    linked =
        ProcessOfWindow(lists.processes, lists.windows.windows()[static_cast<std::size_t>(listed)]);
    text = Costs().process;
  } else if (const snapshot::processinfos* shown =
                 RecordOfSection(section_index, lists.processes)) {
    linked = LiveParent(lists.processes, *shown);
    text = Costs().parent;
  }
  // The line names the process it shows now; a line written for another shows something else.
  return linked && line == LinkValueLine(text, NameAndId(*linked)) ? linked : nullptr;
}

void ProcessBrowser::SectionListBox2ContextKey(int section_index, platform::Point screen) {
  // Of the detail sections only a process has a menu: its priority.
  if (!ProcessOfSection(section_index)) return;
  last_clicked_section_ = section_index;
  OpenPriorityMenu(section_index, screen);
}

void ProcessBrowser::OpenPriorityMenu(int section_index, platform::Point screen) {
  // The menu's choice is for the process shown when the menu opened.
  priority_target_ = ProcessOfSection(section_index);
  priority_target_name_ = TextOfCaption(detail_.Sections().Item(section_index).Caption());
  struct Forget {
    std::optional<snapshot::ProcessIdentity>& target;
    ~Forget() { target.reset(); }
  } forget{priority_target_};
  if (PopupPriorityMenu) PopupPriorityMenu(screen);
}

void ProcessBrowser::RunWindowAction(int order, const controls::TItemKey& key,
                                     const snapshot::AppWindowList& windows) {
  // The row's own window, while this tick still lists it: never another of the same title.
  const platform::WindowHandle window = WindowOfKey(key);
  if (windows.FindAppWindow(window) < 0) return;
  platform::UserInterface& ui = platform_.ui;
  switch (order) {
    case kRestore:
      ui.ShowWindowAsync(window, platform::kSwRestore);
      break;
    case kClose:
      ui.PostMessageA(window, platform::kWmClose, 0, 0);
      break;
    case kSwitchTo:
      ui.ShowWindowAsync(window, platform::kSwRestore);
      ui.SetForegroundWindow(window);
      break;
    case kMinimize:
      ui.ShowWindowAsync(window, platform::kSwMinimize);
      break;
    case kMaximize:
      ui.ShowWindowAsync(window, platform::kSwShowMaximized);
      break;
  }
}

std::optional<snapshot::ProcessIdentity> ProcessBrowser::ProcessOfSection(int section_index) const {
  if (detail_shows_ != DetailContent::kProcesses || section_index < 1 ||
      section_index >= detail_.Sections().Count())
    return std::nullopt;
  return ProcessOfKey(detail_.Sections().Item(section_index).Key());
}

const snapshot::processinfos* ProcessBrowser::RecordOfSection(
    int section_index, const snapshot::ProcessSnapshot& processes) const {
  const std::optional<snapshot::ProcessIdentity> shown = ProcessOfSection(section_index);
  if (!shown) return nullptr;
  return FindShownProcess(processes.processes(), *shown,
                          TextOfCaption(detail_.Sections().Item(section_index).Caption()));
}

platform::KernelHandle ProcessBrowser::OpenShownProcess(const snapshot::ProcessIdentity& shown,
                                                        std::uint32_t action_right) {
  platform::Kernel& kernel = platform_.kernel;
  platform::KernelHandle process = snapshot::OpenProcessToAct(kernel, action_right, shown.id);
  // The id may belong to another process by now. A row without a creation time (the 9x family
  // keeps none) knows its process by the id alone.
  if (process && shown.creation != 0 &&
      snapshot::ProcessCreationTime(kernel, process.get()) != shown.creation)
    return platform::KernelHandle(kernel, 0);
  return process;
}

void ProcessBrowser::ShowFileProperties(int section_index,
                                        const snapshot::ProcessSnapshot& processes) {
  const snapshot::processinfos* record = RecordOfSection(section_index, processes);
  // A process whose path the system does not give has no file to show.
  if (record == nullptr || record->path.empty() || !platform_.kernel.FileExists(record->path))
    return;
  platform_.shell.ShellExecuteEx(OwnerWindow ? OwnerWindow() : 0, platform::kSeeMaskInvokeIdList,
                                 "properties", record->path, platform::kSwShow);
}

void ProcessBrowser::Terminate(int section_index, const std::string& caption,
                               snapshot::ProcessSnapshot& processes) {
  const std::optional<snapshot::ProcessIdentity> shown = ProcessOfSection(section_index);
  const platform::WindowHandle owner = OwnerWindow ? OwnerWindow() : 0;
  const std::string question = TextOfCaption(caption) + " :" +
                               language_.TextById(i18n::kTextTerminateQuestion1) +
                               language_.TextById(i18n::kTextTerminateQuestion2);
  if (platform_.ui.MessageBox(owner, question, MessageCaption,
                              platform::kMbYesNo | platform::kMbIconWarning) != platform::kIdYes)
    return;
  // Asked after the answer: a tick during the question may have ended the process.
  const bool still_shown =
      shown && FindShownProcess(processes.processes(), *shown, TextOfCaption(caption)) != nullptr;
  const platform::KernelHandle process = still_shown
                                             ? OpenShownProcess(*shown, platform::kProcessTerminate)
                                             : platform::KernelHandle(platform_.kernel, 0);
  if (!process) {
    platform_.ui.MessageBox(owner, language_.TextById(i18n::kTextCannotOpenProcess), MessageCaption,
                            platform::kMbOk | platform::kMbIconWarning);
    return;
  }
  platform_.kernel.TerminateProcess(process.get(), 0);
  RemoveProcess(*shown, processes);
}

void ProcessBrowser::RemoveProcess(const snapshot::ProcessIdentity& process,
                                   snapshot::ProcessSnapshot& processes) {
  // Found by identity: a tick during the question may have moved the lists.
  const controls::TItemKey key = KeyOf(process);
  controls::TSectionListStrings& entries = left_.Sections().Item(1).SubItems();
  for (int k = 0; k < entries.Count(); ++k) {
    if (entries.Item(k).key != key) continue;
    entries.Delete(k);
    break;
  }
  if (detail_shows_ == DetailContent::kProcesses) {
    controls::TListSectionCollection& sections = detail_.Sections();
    for (int s = 1; s < sections.Count(); ++s) {
      if (sections.Item(s).Key() != key) continue;
      sections.Delete(s);
      break;
    }
  }
  processes.Erase(process);
}

void ProcessBrowser::SetPriority(std::uint32_t priority_class,
                                 const snapshot::ProcessSnapshot& processes) {
  // Without a menu of its own (a choice made from elsewhere), the last clicked section's.
  const snapshot::processinfos* last =
      priority_target_ ? nullptr : RecordOfSection(last_clicked_section_, processes);
  if (!priority_target_ && last == nullptr) return;
  const snapshot::ProcessIdentity target =
      priority_target_ ? *priority_target_ : snapshot::IdentityOf(*last);
  const std::string& name = priority_target_ ? priority_target_name_ : last->name;
  if (FindShownProcess(processes.processes(), target, name) == nullptr) return;
  const platform::KernelHandle process = OpenShownProcess(target, platform::kProcessSetInformation);
  if (!process) return;  // nothing is reported, whatever the reason
  platform_.kernel.SetPriorityClass(process.get(), priority_class);
}

}  // namespace browser
