#include "snapshot/nt_process_list.h"

#include <algorithm>
#include <cstring>

#include "snapshot/hex_text.h"

namespace snapshot {

NtProcessList::NtProcessList(platform::Kernel& kernel, platform::UserInterface& ui,
                             PsapiBinding& psapi, const i18n::TextSource& texts,
                             ProcessSnapshot& snapshot)
    : kernel_(kernel),
      ui_(ui),
      psapi_(psapi),
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

void NtProcessList::BuildNtProcessList() {
  snapshot_.Reserve(pids_.size());
  char path[kPathBufferSize];
  std::size_t filled = 0;
  for (const std::uint32_t id : pids_) {
    const platform::Handle process = kernel_.OpenProcess(kProcessOpenAccess, false, id);
    if (process == 0) continue;
    const int copied = psapi_.GetModuleFileNameExA(process, 0, path, kPathBufferSize);
    if (copied <= 0) {
      kernel_.CloseHandle(process);
      continue;
    }
    // A path cut off at the buffer's end may come without its NUL.
    path[kPathBufferSize - 1] = '\0';
    processinfos& record = snapshot_.Slot(filled++);
    record.path.assign(path, std::strlen(path));
    const std::string_view name = FileNamePart(record.path);
    record.name.assign(name.data(), name.size());
    AssignDecimal(record.id_text, id);
    record.id = id;
    record.priority_text = priority_texts_.Text(kernel_.GetPriorityClass(process));
    kernel_.CloseHandle(process);
  }
  snapshot_.Truncate(filled);
}

}  // namespace snapshot
