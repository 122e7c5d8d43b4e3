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
};

// SYSTEM_BASIC_INFORMATION: exactly its size is accepted, and the processor count is its last
// byte field. It holds three pointer-sized addresses, so a 32-bit process reads 44 bytes with the
// count at 40 and a 64-bit one 64 bytes with the count at 56.
constexpr std::uint32_t kSystemBasicInformationSize = sizeof(void*) == 8 ? 64 : 44;
constexpr std::uint32_t kBasicInfoProcessorCountOffset = sizeof(void*) == 8 ? 56 : 40;

// SYSTEM_PROCESSOR_PERFORMANCE_INFORMATION: five 64-bit times and a 32-bit field, padded to 48
// bytes by the 8-byte alignment of its times. One record per processor; the first 8 bytes are
// the processor's idle time in 100-ns units (little-endian, signed). A buffer smaller than one
// record is refused with kStatusInfoLengthMismatch; a larger one receives the records that fit.
constexpr std::uint32_t kProcessorPerformanceRecordSize = 48;

class NativeSystemInfo {
 public:
  virtual ~NativeSystemInfo() = default;

  // ZwQuerySystemInformation(info_class, buffer, size, no return length) through `fn`; returns
  // the NTSTATUS. When `fn` is 0 nothing is called and kStatusProcedureNotFound comes back.
  // The buffer is owned by the caller and holds at least `size` bytes.
  virtual std::uint32_t ZwQuerySystemInformation(ProcAddress fn, std::uint32_t info_class,
                                                 void* buffer, std::uint32_t size) = 0;
  // The process snapshot (class kSystemProcessInformation) through `fn`, in the system's order.
  // The buffer is grown while the system says it is too small. Returns the NTSTATUS; `processes`
  // is replaced on success and untouched otherwise.
  virtual std::uint32_t QuerySystemProcesses(ProcAddress fn,
                                             std::vector<NativeProcess>& processes) = 0;
};

}  // namespace platform
