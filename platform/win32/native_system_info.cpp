#include "platform/win32/native_system_info.h"

#include "platform/win32/system_headers.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace platform::win32 {
namespace {

// NTSTATUS NTAPI ZwQuerySystemInformation(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG)
using ZwQuerySystemInformationFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

// The leading fields of SYSTEM_PROCESS_INFORMATION, the same from NT 4.0 on.
struct ProcessRecordHead {
  ULONG next_entry_offset;  // 0 on the last record
  ULONG number_of_threads;
  LARGE_INTEGER reserved[3];
  LARGE_INTEGER create_time;
  LARGE_INTEGER user_time;
  LARGE_INTEGER kernel_time;
  USHORT image_name_length;  // UNICODE_STRING, in bytes
  USHORT image_name_maximum_length;
  PWSTR image_name_buffer;  // inside the buffer the query filled
  LONG base_priority;
  HANDLE unique_process_id;
  HANDLE inherited_from_unique_process_id;
  ULONG handle_count;
  ULONG session_id;  // reserved on NT 4.0
  ULONG_PTR unique_process_key;
  // VM_COUNTERS
  SIZE_T peak_virtual_size;
  SIZE_T virtual_size;
  ULONG page_fault_count;
  SIZE_T peak_working_set_size;
  SIZE_T working_set_size;
};
static_assert(offsetof(ProcessRecordHead, create_time) == 32);
static_assert(offsetof(ProcessRecordHead, image_name_buffer) == (sizeof(void*) == 8 ? 64 : 60));
static_assert(offsetof(ProcessRecordHead, unique_process_id) == (sizeof(void*) == 8 ? 80 : 68));
static_assert(offsetof(ProcessRecordHead, handle_count) == (sizeof(void*) == 8 ? 96 : 76));
static_assert(offsetof(ProcessRecordHead, working_set_size) == (sizeof(void*) == 8 ? 144 : 104));

// SYSTEM_BASIC_INFORMATION. Exactly its size is accepted; it holds three pointer-sized
// addresses, so the processor count sits at 40 on a 32-bit build and at 56 on a 64-bit one.
struct BasicInformation {
  ULONG reserved;
  ULONG timer_resolution;
  ULONG page_size;
  ULONG number_of_physical_pages;
  ULONG lowest_physical_page_number;
  ULONG highest_physical_page_number;
  ULONG allocation_granularity;
  ULONG_PTR minimum_user_mode_address;
  ULONG_PTR maximum_user_mode_address;
  ULONG_PTR active_processors_affinity_mask;
  CCHAR number_of_processors;
};
static_assert(offsetof(BasicInformation, number_of_processors) == (sizeof(void*) == 8 ? 56 : 40));
static_assert(sizeof(BasicInformation) == (sizeof(void*) == 8 ? 64 : 44));

// SYSTEM_PROCESSOR_PERFORMANCE_INFORMATION, padded to 48 bytes by the alignment of its times.
struct ProcessorRecord {
  LARGE_INTEGER idle_time;
  LARGE_INTEGER kernel_time;
  LARGE_INTEGER user_time;
  LARGE_INTEGER dpc_time;
  LARGE_INTEGER interrupt_time;
  ULONG interrupt_count;
};
static_assert(sizeof(ProcessorRecord) == 48);
static_assert(sizeof(ProcessorRecord) % sizeof(std::uint64_t) == 0);
constexpr std::size_t kProcessorRecordWords = sizeof(ProcessorRecord) / sizeof(std::uint64_t);

constexpr std::size_t kFirstBufferBytes = 256 * 1024;
constexpr std::size_t kLargestBufferBytes = 64 * 1024 * 1024;

std::uint64_t Count(const LARGE_INTEGER& value) {
  return static_cast<std::uint64_t>(value.QuadPart);
}

// The image name as UTF-8 into `text`; empty when the name does not lie inside the
// buffer. Both strings keep their capacity from one snapshot to the next.
void ImageName(const ProcessRecordHead& head, const std::uint8_t* begin, const std::uint8_t* end,
               std::wstring& wide, std::string& text) {
  text.clear();
  const auto* name = reinterpret_cast<const std::uint8_t*>(head.image_name_buffer);
  const std::size_t bytes = head.image_name_length & ~1u;
  if (name == nullptr || bytes == 0 || name < begin || name > end ||
      static_cast<std::size_t>(end - name) < bytes)
    return;
  wide.resize(bytes / 2);
  std::memcpy(wide.data(), name, bytes);
  const int wide_length = static_cast<int>(wide.size());
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return;
  text.resize(static_cast<std::size_t>(length));
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, text.data(), length, nullptr,
                        nullptr);
}

}  // namespace

std::uint32_t Win32NativeSystemInfo::QueryProcessorIdleTimes(
    ProcAddress fn, std::uint32_t records, std::vector<std::int64_t>& idle_times) {
  if (fn == 0) return kStatusProcedureNotFound;
  auto query = reinterpret_cast<ZwQuerySystemInformationFn>(fn);
  // Kept while the record count stays: a record the system leaves unfilled keeps its last value.
  if (processor_buffer_.size() != records * kProcessorRecordWords)
    processor_buffer_.assign(records * kProcessorRecordWords, 0);
  const auto bytes = static_cast<ULONG>(records * sizeof(ProcessorRecord));
  const LONG status =
      query(kSystemProcessorPerformanceInformation, processor_buffer_.data(), bytes, nullptr);
  if (status != 0) return static_cast<std::uint32_t>(status);
  idle_times.resize(records);
  for (std::uint32_t i = 0; i < records; ++i) {
    ProcessorRecord record;
    std::memcpy(&record, processor_buffer_.data() + i * kProcessorRecordWords, sizeof record);
    idle_times[i] = record.idle_time.QuadPart;
  }
  return kStatusSuccess;
}

std::uint32_t Win32NativeSystemInfo::QueryProcessorCount(ProcAddress fn,
                                                         std::uint32_t& processors) {
  if (fn == 0) return kStatusProcedureNotFound;
  auto query = reinterpret_cast<ZwQuerySystemInformationFn>(fn);
  BasicInformation basic{};
  const LONG status = query(kSystemBasicInformation, &basic, sizeof basic, nullptr);
  if (status != 0) return static_cast<std::uint32_t>(status);
  processors = static_cast<std::uint8_t>(basic.number_of_processors);
  return kStatusSuccess;
}

std::uint32_t Win32NativeSystemInfo::QuerySystemProcesses(ProcAddress fn,
                                                          std::vector<NativeProcess>& processes) {
  if (fn == 0) return kStatusProcedureNotFound;
  auto query = reinterpret_cast<ZwQuerySystemInformationFn>(fn);
  if (process_buffer_.empty()) process_buffer_.resize(kFirstBufferBytes / 8);
  LONG status = 0;
  for (;;) {
    const auto bytes = static_cast<ULONG>(process_buffer_.size() * 8);
    ULONG needed = 0;
    status = query(kSystemProcessInformation, process_buffer_.data(), bytes, &needed);
    if (static_cast<std::uint32_t>(status) != kStatusInfoLengthMismatch) break;
    // Processes come and go between two calls: leave room beyond what was asked for.
    const std::size_t next = std::max<std::size_t>(needed, bytes) + bytes / 2;
    if (next > kLargestBufferBytes) return static_cast<std::uint32_t>(status);
    process_buffer_.assign((next + 7) / 8, 0);
  }
  if (status != 0) return static_cast<std::uint32_t>(status);

  const auto* begin = reinterpret_cast<const std::uint8_t*>(process_buffer_.data());
  const std::uint8_t* end = begin + process_buffer_.size() * 8;
  // The records of the last snapshot are refilled in place: a tick allocates nothing new
  // unless processes were added.
  std::size_t count = 0;
  std::wstring& wide = image_name_scratch_;
  for (std::size_t offset = 0; offset + sizeof(ProcessRecordHead) <= process_buffer_.size() * 8;) {
    ProcessRecordHead head;
    std::memcpy(&head, begin + offset, sizeof head);
    if (count == processes.size()) processes.emplace_back();
    NativeProcess& process = processes[count++];
    process.id =
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(head.unique_process_id));
    process.creation = Count(head.create_time);
    process.user = Count(head.user_time);
    process.kernel = Count(head.kernel_time);
    ImageName(head, begin, end, wide, process.image_name);
    process.handle_count = head.handle_count;
    process.parent_id = static_cast<std::uint32_t>(
        reinterpret_cast<std::uintptr_t>(head.inherited_from_unique_process_id));
    process.working_set = head.working_set_size;
    if (head.next_entry_offset == 0) break;
    offset += head.next_entry_offset;
  }
  processes.resize(count);
  return kStatusSuccess;
}

}  // namespace platform::win32
