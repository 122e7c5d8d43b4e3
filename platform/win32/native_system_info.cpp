#include "platform/win32/native_system_info.h"

#include <windows.h>

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
};
static_assert(offsetof(ProcessRecordHead, create_time) == 32);
static_assert(offsetof(ProcessRecordHead, image_name_buffer) == (sizeof(void*) == 8 ? 64 : 60));
static_assert(offsetof(ProcessRecordHead, unique_process_id) == (sizeof(void*) == 8 ? 80 : 68));
static_assert(offsetof(ProcessRecordHead, handle_count) == (sizeof(void*) == 8 ? 96 : 76));

constexpr std::size_t kFirstBufferBytes = 256 * 1024;
constexpr std::size_t kLargestBufferBytes = 64 * 1024 * 1024;

std::uint64_t Count(const LARGE_INTEGER& value) {
  return static_cast<std::uint64_t>(value.QuadPart);
}

// The image name in the ANSI code page into `text`; empty when the name does not lie inside the
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
      ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return;
  text.resize(static_cast<std::size_t>(length));
  ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_length, text.data(), length, nullptr, nullptr);
}

}  // namespace

std::uint32_t Win32NativeSystemInfo::ZwQuerySystemInformation(ProcAddress fn,
                                                              std::uint32_t info_class,
                                                              void* buffer, std::uint32_t size) {
  if (fn == 0) return kStatusProcedureNotFound;
  auto query = reinterpret_cast<ZwQuerySystemInformationFn>(fn);
  return static_cast<std::uint32_t>(query(info_class, buffer, size, nullptr));
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
    if (head.next_entry_offset == 0) break;
    offset += head.next_entry_offset;
  }
  processes.resize(count);
  return kStatusSuccess;
}

}  // namespace platform::win32
