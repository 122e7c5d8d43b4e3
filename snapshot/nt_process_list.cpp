#include "snapshot/nt_process_list.h"

#include <algorithm>
#include <cstring>

#include "platform/kernel_handle.h"
#include "snapshot/hex_text.h"
#include "snapshot/process_access.h"

namespace snapshot {

NtProcessList::NtProcessList(platform::Kernel& kernel, platform::UserInterface& ui,
                             PsapiBinding& psapi, platform::NativeSystemInfo& native,
                             const i18n::TextSource& texts, ProcessSnapshot& snapshot)
    : kernel_(kernel),
      ui_(ui),
      psapi_(psapi),
      native_(native),
      priority_texts_(texts),
      snapshot_(snapshot),
      buffer_(new std::uint32_t[kMaxPids]) {}

void NtProcessList::CollectNtProcessIds() {
  pids_.clear();
  std::uint32_t bytes = 0;
  if (!psapi_.EnumProcesses(buffer_.get(), kPidBufferBytes, bytes)) {
    ui_.MessageBoxA(0, kEnumFailedText, kMessageCaption, platform::kMbOk | platform::kMbTaskModal);
    return;
  }
  // A count beyond the buffer would be the platform's fault; never read past it.
  const std::uint32_t count = std::min(bytes / 4, kMaxPids);
  pids_.assign(buffer_.get(), buffer_.get() + count);
}

void NtProcessList::BindEntryPoints() {
  if (bound_) return;
  bound_ = true;
  if (const platform::Handle kernel32 = kernel_.GetModuleHandleA("KERNEL32.DLL"))
    image_name_entry_ = kernel_.GetProcAddress(kernel32, "QueryFullProcessImageNameA");
  if (const platform::Handle ntdll = kernel_.GetModuleHandleA("NTDLL.DLL"))
    system_query_entry_ = kernel_.GetProcAddress(ntdll, "ZwQuerySystemInformation");
}

void NtProcessList::BuildNtProcessList() {
  BindEntryPoints();
  system_processes_taken_ = false;
  snapshot_.Reserve(pids_.size());
  std::size_t filled = 0;
  for (const std::uint32_t id : pids_) {
    if (FillRecord(id, snapshot_.Slot(filled))) ++filled;
  }
  snapshot_.Truncate(filled);
}

bool NtProcessList::FillRecord(std::uint32_t id, processinfos& record) {
  char path[kPathBufferSize];
  platform::KernelHandle process(kernel_, kernel_.OpenProcess(kProcessOpenAccess, false, id));
  int copied = process ? psapi_.GetModuleFileNameExA(process.get(), 0, path, kPathBufferSize) : 0;
  if (copied <= 0 && image_name_entry_ != 0) {
    // A 64-bit process seen from this 32-bit one gives no module path, and one of another
    // session or integrity level cannot be opened for reading at all: both still give their
    // image name to the limited query right.
    if (!process)
      process = platform::KernelHandle(
          kernel_, kernel_.OpenProcess(platform::kProcessQueryLimitedInformation, false, id));
    if (process)
      copied = kernel_.QueryFullProcessImageNameA(image_name_entry_, process.get(), path,
                                                  kPathBufferSize);
  }
  if (copied > 0) {
    // A path cut off at the buffer's end may come without its NUL.
    path[kPathBufferSize - 1] = '\0';
    record.path.assign(path, std::strlen(path));
    const std::string_view name = FileNamePart(record.path);
    record.name.assign(name.data(), name.size());
    record.creation = ProcessCreationTime(kernel_, process.get());
  } else {
    const platform::NativeProcess* listed = SystemProcess(id);
    if (listed == nullptr) return false;
    record.path.clear();
    record.name = listed->image_name.empty() && id == 0 ? kIdleProcessName : listed->image_name;
    record.creation = listed->creation;
  }
  AssignDecimal(record.id_text, id);
  record.id = id;
  // Without a handle the class is unknown: the "other" text.
  record.priority_text =
      priority_texts_.Text(process ? kernel_.GetPriorityClass(process.get()) : 0);
  return true;
}

const platform::NativeProcess* NtProcessList::SystemProcess(std::uint32_t id) {
  const auto by_id = [](const platform::NativeProcess& p, std::uint32_t v) { return p.id < v; };
  if (!system_processes_taken_) {
    system_processes_taken_ = true;
    if (native_.QuerySystemProcesses(system_query_entry_, system_processes_) !=
        platform::kStatusSuccess)
      system_processes_.clear();
    std::sort(system_processes_.begin(), system_processes_.end(),
              [](const platform::NativeProcess& a, const platform::NativeProcess& b) {
                return a.id < b.id;
              });
  }
  const auto found =
      std::lower_bound(system_processes_.begin(), system_processes_.end(), id, by_id);
  return found != system_processes_.end() && found->id == id ? &*found : nullptr;
}

}  // namespace snapshot
