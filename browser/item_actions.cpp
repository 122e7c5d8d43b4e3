// What the action lines of the detail list do, and the priority menu's choice.
#include "browser/process_browser.h"

#include <algorithm>

#include "i18n/text_ids.h"

namespace browser {

namespace {

// A process id can be reused by a new process: this much access also lets the creation time
// tell which one a handle reaches.
constexpr std::uint32_t kProcessQueryInformation = 0x0400;

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

void ProcessBrowser::SectionListBox2SubItemClick(int section_index, int subitem_index) {
  last_clicked_section_ = section_index;
  if (section_index < 0 || section_index >= detail_.Sections().Count()) return;
  const controls::TListSection& section = detail_.Sections().Item(section_index);
  if (subitem_index < 0 || subitem_index >= section.SubItems().Count()) return;
  const std::string line = section.SubItems().Strings(subitem_index);
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
  for (int order = 0; order < kActionCount; ++order) {
    if (line != actions[order]) continue;
    switch (order) {
      case kRestore:
      case kClose:
      case kSwitchTo:
      case kMinimize:
      case kMaximize:
        RunWindowAction(order, caption);
        break;
      case kPriorityMenu: {
        // The menu's choice is for the process shown when the menu opened.
        priority_target_ = ProcessOfSection(section_index);
        struct Forget {
          std::optional<ClickedProcess>& target;
          ~Forget() { target.reset(); }
        } forget{priority_target_};
        if (PopupPriorityMenu) PopupPriorityMenu(platform_.ui.GetCursorPos());
        break;
      }
      case kProperties:
        ShowFileProperties(section_index);
        break;
      case kTerminate:
        Terminate(section_index, caption);
        break;
    }
  }
}

void ProcessBrowser::RunWindowAction(int order, const std::string& caption) {
  const int found = windows_.FindAppWindowByTitle(caption);
  if (found < 0) return;
  const platform::WindowHandle window = windows_.windows()[static_cast<std::size_t>(found)].window;
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

std::optional<ProcessBrowser::ClickedProcess> ProcessBrowser::ProcessOfSection(int section_index) {
  const int position = section_index - 1;
  if (position < 0 || position >= static_cast<int>(shown_ids_.size())) return std::nullopt;
  ClickedProcess clicked{shown_ids_[static_cast<std::size_t>(position)], 0};
  const platform::Handle process = platform_.kernel.OpenProcess(kTimesAccess, false, clicked.id);
  if (process != 0) {
    platform::ProcessTimes times;
    if (platform_.kernel.GetProcessTimes(process, times)) clicked.creation = times.creation;
    platform_.kernel.CloseHandle(process);
  }
  return clicked;
}

platform::Handle ProcessBrowser::OpenClickedProcess(const ClickedProcess& clicked,
                                                    std::uint32_t access) {
  platform::Kernel& kernel = platform_.kernel;
  const platform::Handle process =
      kernel.OpenProcess(access | kProcessQueryInformation, false, clicked.id);
  if (process == 0) return 0;
  platform::ProcessTimes times;
  const std::uint64_t creation = kernel.GetProcessTimes(process, times) ? times.creation : 0;
  if (creation == clicked.creation) return process;
  kernel.CloseHandle(process);  // the id now belongs to another process
  return 0;
}

void ProcessBrowser::ShowFileProperties(int section_index) {
  const std::optional<ClickedProcess> clicked = ProcessOfSection(section_index);
  if (!clicked) return;
  const auto& records = processes_.processes();
  const auto record =
      std::find_if(records.begin(), records.end(),
                   [&](const snapshot::processinfos& p) { return p.id == clicked->id; });
  if (record == records.end() || !platform_.kernel.FileExists(record->path)) return;
  platform_.shell.ShellExecuteExA(OwnerWindow ? OwnerWindow() : 0, platform::kSeeMaskInvokeIdList,
                                  "properties", record->path, platform::kSwShow);
}

void ProcessBrowser::Terminate(int section_index, const std::string& caption) {
  const std::optional<ClickedProcess> clicked = ProcessOfSection(section_index);
  const platform::WindowHandle owner = OwnerWindow ? OwnerWindow() : 0;
  const std::string question = caption + " :" + language_.TextById(i18n::kTextTerminateQuestion1) +
                               language_.TextById(i18n::kTextTerminateQuestion2);
  if (platform_.ui.MessageBoxA(owner, question, MessageCaption,
                               platform::kMbYesNo | platform::kMbIconWarning) != platform::kIdYes)
    return;
  const platform::Handle process =
      clicked ? OpenClickedProcess(*clicked, platform::kProcessTerminate) : 0;
  if (process == 0) {
    platform_.ui.MessageBoxA(owner, language_.TextById(i18n::kTextCannotOpenProcess),
                             MessageCaption, platform::kMbOk | platform::kMbIconWarning);
    return;
  }
  platform_.kernel.TerminateProcess(process, 0);
  platform_.kernel.CloseHandle(process);
  RemoveProcess(clicked->id);
}

void ProcessBrowser::RemoveProcess(std::uint32_t id) {
  // Found by id: a tick during the question may have moved the lists.
  const auto shown = std::find(shown_ids_.begin(), shown_ids_.end(), id);
  if (shown != shown_ids_.end()) {
    const int position = static_cast<int>(shown - shown_ids_.begin());
    shown_ids_.erase(shown);
    controls::TListSection& procs = left_.Sections().Item(1);
    if (position < procs.SubItems().Count()) procs.SubItems().Delete(position);
    if (DetailShowsProcesses() && position + 1 < detail_.Sections().Count())
      detail_.Sections().Delete(position + 1);
  }
  const auto& records = processes_.processes();
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (records[i].id == id) {
      processes_.Erase(i);
      break;
    }
  }
}

void ProcessBrowser::SetPriority(std::uint32_t priority_class) {
  const std::optional<ClickedProcess> target =
      priority_target_ ? priority_target_ : ProcessOfSection(last_clicked_section_);
  if (!target) return;
  const platform::Handle process = OpenClickedProcess(*target, platform::kProcessAllAccess);
  if (process == 0) return;  // nothing is reported, whatever the reason
  platform_.kernel.SetPriorityClass(process, priority_class);
  platform_.kernel.CloseHandle(process);
}

}  // namespace browser
