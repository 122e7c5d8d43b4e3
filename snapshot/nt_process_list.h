#pragma once
// The NT-family tick: process ids from EnumProcesses, then one record per process whose
// executable path can be read.
#include <cstdint>
#include <memory>
#include <vector>

#include "i18n/text_source.h"
#include "platform/kernel.h"
#include "platform/process_status.h"
#include "platform/user_interface.h"
#include "snapshot/priority_class.h"
#include "snapshot/process_snapshot.h"
#include "snapshot/psapi_binding.h"

namespace snapshot {

// The id buffer handed to EnumProcesses: fixed, never grown; more processes are cut off.
constexpr std::uint32_t kPidBufferBytes = 0xFFFC;
constexpr std::uint32_t kMaxPids = kPidBufferBytes / 4;
constexpr int kPathBufferSize = 261;
// Shown when the process ids cannot be read.
constexpr const char* kEnumFailedText = "Chyba";
constexpr const char* kMessageCaption = "Ravo Info Process";

class NtProcessList {
 public:
  NtProcessList(platform::Kernel& kernel, platform::UserInterface& ui, PsapiBinding& psapi,
                const i18n::TextSource& texts, ProcessSnapshot& snapshot);

  // Refills the pid list; on failure shows "Chyba" and leaves it empty.
  void CollectNtProcessIds();
  // Rebuilds the process list from the pid list. Every handle opened is closed again here.
  void BuildNtProcessList();

  const std::vector<std::uint32_t>& pid_list() const { return pids_; }

 private:
  platform::Kernel& kernel_;
  platform::UserInterface& ui_;
  PsapiBinding& psapi_;
  PriorityClassTexts priority_texts_;
  ProcessSnapshot& snapshot_;
  std::unique_ptr<std::uint32_t[]> buffer_;  // kMaxPids ids, allocated once
  std::vector<std::uint32_t> pids_;
};

}  // namespace snapshot
