#include "snapshot/nt_process_list.h"

#include <algorithm>
#include <cstring>

#include "platform/kernel_handle.h"
#include "snapshot/hex_text.h"
#include "snapshot/process_access.h"
#include "snapshot/process_cost.h"
#include "snapshot/system_query_entry.h"
#include "text/utf8.h"

namespace snapshot {
namespace {

constexpr std::uint64_t kLongestPathWait = 60;

// When a process that has had no path for `age` ticks is asked for it next, by the same count.
std::uint64_t NextPathAge(std::uint64_t age) {
  return age < kLongestPathWait / 2 ? std::max<std::uint64_t>(1, age * 2)
                                    : (age / kLongestPathWait + 1) * kLongestPathWait;
}

}  // namespace

NtProcessList::NtProcessList(platform::Kernel& kernel, platform::UserInterface& ui,
                             PsapiBinding& psapi, platform::NativeSystemInfo& native,
                             platform::DateTime& clock)
    : kernel_(kernel),
      ui_(ui),
      psapi_(psapi),
      native_(native),
      clock_(clock),
      buffer_(new std::uint32_t[kMaxPids]) {}

void NtProcessList::CollectNtProcessIds() {
  BindEntryPoints();
  pids_.clear();
  // The system's own snapshot holds the very ids the enumeration gives, in its order, and
  // everything else the tick reads: where the library is bound, one system call a tick, not two.
  from_system_ = psapi_.loaded() && TakeSystemSnapshot();
  if (from_system_) {
    // As many as the enumeration's buffer would hold.
    if (system_processes_.size() > kMaxPids) system_processes_.resize(kMaxPids);
    return;
  }
  std::uint32_t bytes = 0;
  if (!psapi_.EnumProcesses(buffer_.get(), kPidBufferBytes, bytes)) {
    ui_.MessageBox(0, kEnumFailedText, kMessageCaption, platform::kMbOk | platform::kMbTaskModal);
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
    image_name_entry_ = kernel_.GetProcAddress(kernel32, "QueryFullProcessImageNameW");
  system_query_entry_ = SystemQueryEntry(kernel_);
  std::uint32_t processors = 0;
  if (system_query_entry_ != 0 &&
      native_.QueryProcessorCount(system_query_entry_, processors) == platform::kStatusSuccess &&
      processors != 0)
    processors_ = processors;
}

void NtProcessList::BuildNtProcessList(ProcessSnapshot& snapshot) {
  BindEntryPoints();
  const std::uint32_t now = clock_.GetTickCount();
  elapsed_ms_ = tick_ == 0 ? 0 : now - refill_ms_;  // unsigned: right across the wrap
  refill_ms_ = now;
  ++tick_;
  std::size_t filled = 0;
  if (from_system_) {
    snapshot.Reserve(system_processes_.size());
    for (const platform::NativeProcess& listed : system_processes_)
      FillFromSystemSnapshot(listed, snapshot.Slot(filled++));
  } else {
    snapshot.Reserve(pids_.size());
    for (const std::uint32_t id : pids_)
      if (FillByOpening(id, snapshot.Slot(filled))) ++filled;
  }
  snapshot.Truncate(filled);
  // A process this tick did not list has ended: its id may come back with another program.
  std::erase_if(known_, [this](const auto& entry) { return entry.second.tick != tick_; });
}

bool NtProcessList::TakeSystemSnapshot() {
  if (TakeSystemSnapshot(system_processes_)) return true;
  system_processes_.clear();
  return false;
}

bool NtProcessList::TakeSystemSnapshot(std::vector<platform::NativeProcess>& processes) {
  BindEntryPoints();
  return system_query_entry_ != 0 &&
         native_.QuerySystemProcesses(system_query_entry_, processes) == platform::kStatusSuccess;
}

void NtProcessList::FillFromSystemSnapshot(const platform::NativeProcess& listed,
                                           processinfos& record) {
  KnownProcess& known = Known(listed.id, listed.creation, 0, &listed);
  const std::uint64_t busy = listed.user + listed.kernel;
  // A process first listed in this tick (its id new, or serving a new process) has taken nothing
  // yet that this module saw.
  record.usage_percent =
      known.listed_before ? UsagePercent(known.busy, busy, elapsed_ms_, processors_) : 0;
  known.busy = busy;
  known.listed_before = true;
  record.has_cost = true;
  record.working_set = listed.working_set;
  record.has_parent = true;
  record.parent_id = listed.parent_id;
  AssignDecimal(record.id_text, listed.id);
  record.id = listed.id;
  record.path.assign(known.path);
  record.name.assign(known.name);
  record.creation = listed.creation;
  record.user_time = listed.user;
  record.kernel_time = listed.kernel;
  record.path_found = known.found == tick_;
}

bool NtProcessList::FillByOpening(std::uint32_t id, processinfos& record) {
  const platform::KernelHandle process = OpenProcessToQuery(kernel_, id);
  platform::ProcessTimes times;
  if (!process || !kernel_.GetProcessTimes(process.get(), times)) return false;
  const KnownProcess& known = Known(id, times.creation, process.get(), nullptr);
  // Without the system's snapshot a process is known by its path alone.
  if (known.path.empty()) return false;
  AssignDecimal(record.id_text, id);
  record.id = id;
  record.path.assign(known.path);
  record.name.assign(known.name);
  record.creation = times.creation;
  record.user_time = times.user;
  record.kernel_time = times.kernel;
  record.path_found = false;  // it was not listed while it had no path
  // An opened process tells neither its cost nor its parent.
  record.has_cost = false;
  record.usage_percent = 0;
  record.working_set = 0;
  record.has_parent = false;
  record.parent_id = 0;
  return true;
}

NtProcessList::KnownProcess& NtProcessList::Known(std::uint32_t id, std::uint64_t creation,
                                                  platform::Handle process,
                                                  const platform::NativeProcess* listed) {
  KnownProcess& known = known_[id];
  known.tick = tick_;
  if (known.creation != creation) {  // its id now names a new process
    known.creation = creation;
    known.complete = false;
    known.missing = 0;
    known.listed_before = false;
  } else if (known.complete || tick_ < known.retry) {
    return known;  // read, or not due to be asked again yet
  }
  platform::KernelHandle opened(kernel_, 0);
  if (process == 0) {
    opened = OpenProcessToQuery(kernel_, id);
    process = opened.get();
  }
  const bool read = process != 0 && ReadPath(process, known.path);
  if (read) {
    known.name.assign(FileNamePart(known.path));
    if (known.missing != 0) known.found = tick_;
    known.missing = 0;
  } else {
    if (known.missing == 0) known.missing = tick_;
    known.retry = known.missing + NextPathAge(tick_ - known.missing);
    known.path.clear();
    known.name = listed == nullptr                       ? std::string()
                 : listed->image_name.empty() && id == 0 ? kIdleProcessName
                                                         : listed->image_name;
  }
  known.complete = read;
  return known;
}

bool NtProcessList::ReadPath(platform::Handle process, std::string& path) {
  char buffer[kPathBufferSize];
  int copied = psapi_.GetModuleFileNameExW(process, 0, buffer, kPathBufferSize);
  // A 64-bit process seen from this 32-bit one gives no module path, and a handle with the
  // limited right reads none: both give their image name.
  if (copied <= 0 && image_name_entry_ != 0)
    copied =
        kernel_.QueryFullProcessImageNameW(image_name_entry_, process, buffer, kPathBufferSize);
  if (copied <= 0) return false;
  // A path cut off at the buffer's end may come without its NUL.
  buffer[kPathBufferSize - 1] = '\0';
  std::string_view read(buffer, std::strlen(buffer));
  if (read.size() == kPathBufferSize - 1) read = text::WithoutCutEnd(read);
  read = text::FirstCharacters(read, kPathCharacters);
  path.assign(read.data(), read.size());
  return true;
}

}  // namespace snapshot
