#include "platform/win32/native_system_info.h"

#include "platform/win32/system_headers.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/kernel.h"
#include "platform/win32/kernel_handles.h"

namespace {

using platform::win32::Win32NativeSystemInfo;

platform::ProcAddress QueryEntry() {
  platform::win32::Win32Kernel kernel;
  return kernel.GetProcAddress(kernel.GetModuleHandleA("NTDLL.DLL"), "ZwQuerySystemInformation");
}

TEST(Win32NativeSystemInfo, MissingEntryPointIsNotCalled) {
  Win32NativeSystemInfo native;
  std::vector<std::int64_t> idle{7};
  std::uint32_t processors = 7;
  EXPECT_EQ(native.QueryProcessorIdleTimes(0, 1, idle), platform::kStatusProcedureNotFound);
  EXPECT_EQ(native.QueryProcessorCount(0, processors), platform::kStatusProcedureNotFound);
  EXPECT_EQ(idle, std::vector<std::int64_t>{7});
  EXPECT_EQ(processors, 7u);
}

TEST(Win32NativeSystemInfo, BasicInformationCountsTheProcessors) {
  Win32NativeSystemInfo native;
  std::uint32_t processors = 0;
  ASSERT_EQ(native.QueryProcessorCount(QueryEntry(), processors), platform::kStatusSuccess);
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  EXPECT_EQ(processors, info.dwNumberOfProcessors);
}

TEST(Win32NativeSystemInfo, ProcessorRecordsHoldGrowingIdleTimes) {
  Win32NativeSystemInfo native;
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  const std::uint32_t count = info.dwNumberOfProcessors;
  std::vector<std::int64_t> before, after;
  const auto fn = QueryEntry();
  // What the sampler's set-up relies on: room for no record is refused, one is enough.
  EXPECT_EQ(native.QueryProcessorIdleTimes(fn, 0, before), platform::kStatusInfoLengthMismatch);
  EXPECT_EQ(native.QueryProcessorIdleTimes(fn, 1, before), platform::kStatusSuccess);
  EXPECT_EQ(before.size(), 1u);
  EXPECT_EQ(native.QueryProcessorIdleTimes(fn, count, before), platform::kStatusSuccess);
  ::Sleep(300);
  EXPECT_EQ(native.QueryProcessorIdleTimes(fn, count, after), platform::kStatusSuccess);
  ASSERT_EQ(after.size(), count);
  for (std::uint32_t p = 0; p < count; ++p) {
    SCOPED_TRACE(p);
    EXPECT_GT(before[p], 0);
    EXPECT_GE(after[p], before[p]);
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
