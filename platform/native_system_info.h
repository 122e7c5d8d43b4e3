#pragma once
// The native system information query of NTDLL, called through an entry point the caller
// resolved with GetProcAddress, so that one executable also runs where NTDLL is absent.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform {

// NTSTATUS values the callers look at.
constexpr std::uint32_t kStatusSuccess = 0x00000000;
constexpr std::uint32_t kStatusInfoLengthMismatch = 0xC0000004;
constexpr std::uint32_t kStatusProcedureNotFound = 0xC000007A;

// Information classes (SYSTEM_INFORMATION_CLASS).
constexpr std::uint32_t kSystemBasicInformation = 0;
constexpr std::uint32_t kSystemProcessInformation = 5;
constexpr std::uint32_t kSystemProcessorPerformanceInformation = 8;

// One process of the system's own process snapshot (SYSTEM_PROCESS_INFORMATION). It lists every
// process, those that cannot be opened included; times are 100-ns counts.
struct NativeProcess {
  std::uint32_t id = 0;
  std::uint64_t creation = 0;
  std::uint64_t user = 0;
  std::uint64_t kernel = 0;
  std::string image_name;  // in the ANSI code page; empty for the idle process
  std::uint32_t handle_count = 0;
  std::uint32_t parent_id = 0;    // the process that started it, which may have ended since
  std::uint64_t working_set = 0;  // bytes
};

class NativeSystemInfo {
 public:
  virtual ~NativeSystemInfo() = default;

  // The processor performance information (class kSystemProcessorPerformanceInformation)
  // through `fn`, asked with room for `records` records, one per processor: the system fills
  // those that fit and refuses room for none with kStatusInfoLengthMismatch. On success
  // `idle_times` holds `records` idle times in 100-ns units, a record left unfilled keeping what
  // the last call with as many records read there (0 at first); untouched on failure. When `fn`
  // is 0 nothing is called and kStatusProcedureNotFound comes back.
  virtual std::uint32_t QueryProcessorIdleTimes(ProcAddress fn, std::uint32_t records,
                                                std::vector<std::int64_t>& idle_times) = 0;
  // The processor count of the basic information (class kSystemBasicInformation) through `fn`;
  // `processors` untouched on failure.
  virtual std::uint32_t QueryProcessorCount(ProcAddress fn, std::uint32_t& processors) = 0;
  // The process snapshot (class kSystemProcessInformation) through `fn`, in the system's order.
  // The buffer is grown while the system says it is too small. Returns the NTSTATUS; `processes`
  // is replaced on success and untouched otherwise.
  virtual std::uint32_t QuerySystemProcesses(ProcAddress fn,
                                             std::vector<NativeProcess>& processes) = 0;
};

}  // namespace platform
