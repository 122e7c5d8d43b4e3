#include "platform/win32/native_system_info.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/win32/kernel.h"
#include "platform/win32/unique_handle.h"

namespace {

using platform::win32::Win32NativeSystemInfo;

platform::ProcAddress QueryEntry() {
  platform::win32::Win32Kernel kernel;
  return kernel.GetProcAddress(kernel.GetModuleHandleA("NTDLL.DLL"), "ZwQuerySystemInformation");
}

std::int64_t IdleOf(const std::vector<std::uint8_t>& buffer, std::uint32_t processor) {
  std::int64_t idle = 0;
  std::memcpy(&idle, &buffer[processor * platform::kProcessorPerformanceRecordSize], sizeof idle);
  return idle;
}

TEST(Win32NativeSystemInfo, MissingEntryPointIsNotCalled) {
  Win32NativeSystemInfo native;
  std::uint8_t buffer[44];
  EXPECT_EQ(native.ZwQuerySystemInformation(0, 8, buffer, sizeof buffer),
            platform::kStatusProcedureNotFound);
}

TEST(Win32NativeSystemInfo, BasicInformationCountsTheProcessors) {
  Win32NativeSystemInfo native;
  std::uint8_t basic[platform::kSystemBasicInformationSize] = {};
  ASSERT_EQ(native.ZwQuerySystemInformation(QueryEntry(), platform::kSystemBasicInformation, basic,
                                            sizeof basic),
            platform::kStatusSuccess);
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  EXPECT_EQ(basic[platform::kBasicInfoProcessorCountOffset], info.dwNumberOfProcessors);
}

TEST(Win32NativeSystemInfo, ProcessorRecordsHoldGrowingIdleTimes) {
  Win32NativeSystemInfo native;
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  const std::uint32_t size = info.dwNumberOfProcessors * platform::kProcessorPerformanceRecordSize;
  std::vector<std::uint8_t> before(size), after(size);
  const auto fn = QueryEntry();
  // What the sampler's set-up relies on: less than one record is refused, one is enough.
  EXPECT_EQ(
      native.ZwQuerySystemInformation(fn, platform::kSystemProcessorPerformanceInformation,
                                      before.data(), platform::kProcessorPerformanceRecordSize - 1),
      platform::kStatusInfoLengthMismatch);
  EXPECT_EQ(
      native.ZwQuerySystemInformation(fn, platform::kSystemProcessorPerformanceInformation,
                                      before.data(), platform::kProcessorPerformanceRecordSize),
      platform::kStatusSuccess);
  EXPECT_EQ(native.ZwQuerySystemInformation(fn, platform::kSystemProcessorPerformanceInformation,
                                            before.data(), size),
            platform::kStatusSuccess);
  ::Sleep(300);
  EXPECT_EQ(native.ZwQuerySystemInformation(fn, platform::kSystemProcessorPerformanceInformation,
                                            after.data(), size),
            platform::kStatusSuccess);
  for (std::uint32_t p = 0; p < info.dwNumberOfProcessors; ++p) {
    SCOPED_TRACE(p);
    EXPECT_GT(IdleOf(before, p), 0);
    EXPECT_GE(IdleOf(after, p), IdleOf(before, p));
  }
}

TEST(Win32NativeSystemInfo, TheSnapshotCountsThisProcesssKernelHandles) {
  using platform::win32::HandleKind;
  using platform::win32::LiveHandles;
  const long before = platform::win32::SystemHandleCount();
  const long live = LiveHandles(HandleKind::kKernel);
  ASSERT_GT(before, 0);
  long open = 0;
  {
    std::vector<platform::win32::UniqueKernelHandle> events;
    for (int i = 0; i < 100; ++i)
      events.emplace_back(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
    EXPECT_EQ(LiveHandles(HandleKind::kKernel), live + 100);
    // Wine's handle table doubles as it fills, so 100 more handles add at least 64 there.
    open = platform::win32::SystemHandleCount();
    EXPECT_GE(open, before + 64);
  }
  EXPECT_EQ(LiveHandles(HandleKind::kKernel), live);
  // The table halves again once less than a quarter of it is in use.
  EXPECT_LT(platform::win32::SystemHandleCount(), open);
}

}  // namespace
