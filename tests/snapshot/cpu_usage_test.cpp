#include "snapshot/cpu_usage.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "tests/fakes/fake_kernel.h"
#include "tests/fakes/fake_native_system_info.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_timer_service.h"

namespace {

using snapshot::CpuUsageMethod;
using snapshot::CpuUsageModule;
using snapshot::TMCPUUsage;

constexpr platform::Handle kNtdll = 0x7C900000;
constexpr std::uint32_t kStatusUnsuccessful = 0xC0000001;

std::uint32_t Figure(std::int32_t percent) {
  return static_cast<std::uint32_t>(percent);
}

TEST(CpuUsageFromIdle, FigureIsTheBusyShareOfOneIntervalRoundedHalfToEven) {
  struct Case {
    std::int64_t idle;
    std::uint32_t processors;
    std::uint32_t interval;
    std::uint32_t expected;
  } cases[] = {
      {5'000'000, 1, 1000, 50},
      {0, 1, 1000, 100},
      {2'500'000, 1, 500, 50},
      {10'000'000, 1, 1000, 0},
      // Exact halves: 12.5 and 62.5 go down, 37.5 and 87.5 up.
      {8'750'000, 1, 1000, 12},
      {6'250'000, 1, 1000, 38},
      {3'750'000, 1, 1000, 62},
      {1'250'000, 1, 1000, 88},
      {4'999'999, 1, 1000, 50},
      // The idle time is the processors' mean.
      {10'000'000, 2, 1000, 50},
      {30'000'000, 4, 1000, 25},
      // A late tick idles longer than one interval: the figure goes negative, unclamped.
      {15'000'000, 1, 1000, Figure(-50)},
      {20'000'000, 1, 1000, Figure(-100)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.idle << "/" << c.processors << " cpus/" << c.interval);
    EXPECT_EQ(snapshot::CpuUsageFromIdle(c.idle, c.processors, c.interval), c.expected);
  }
}

TEST(CpuUsageFromIdle, OutOfRangeFiguresSaturate) {
  EXPECT_EQ(snapshot::CpuUsageFromIdle(-1'000'000'000'000'000, 1, 1), Figure(INT32_MAX));
  EXPECT_EQ(snapshot::CpuUsageFromIdle(1'000'000'000'000'000, 1, 1), Figure(INT32_MIN));
  EXPECT_EQ(snapshot::CpuUsageFromIdle(0, 1, 0), 0u);
}

class CpuUsageTest : public testing::Test {
 protected:
  CpuUsageTest() {
    kernel.resident_modules["ntdll.dll"] = kNtdll;
    kernel.exports[{kNtdll, "ZwQuerySystemInformation"}] = native.entry;
  }


  // Builds the module and the sampler, active, recording what it reports.
  void Create() {
    usage.reset();
    module = std::make_unique<CpuUsageModule>(kernel, family, native, registry);
    usage = std::make_unique<TMCPUUsage>(*module, timers);
    usage->OnInterval = [this](TMCPUUsage& sender, std::uint32_t value) {
      EXPECT_EQ(&sender, usage.get());
      reported.push_back(value);
    };
    usage->SetActive(true);
  }

  // One timer event with the processors' idle times at that moment.
  void Tick(std::vector<std::int64_t> idle) {
    native.idle_times = std::move(idle);
    timers.FireAll();
  }

  fakes::FakeKernel kernel;
  snapshot::Family family = snapshot::Family::kNt;
  fakes::FakeNativeSystemInfo native;
  fakes::FakeRegistry registry;
  fakes::FakeTimerService timers;
  std::unique_ptr<CpuUsageModule> module;
  std::unique_ptr<TMCPUUsage> usage;
  std::vector<std::uint32_t> reported;
};

TEST_F(CpuUsageTest, MethodFollowsTheFamilyNotTheVersion) {
  const std::pair<snapshot::Family, CpuUsageMethod> cases[] = {
      {snapshot::Family::kNt, CpuUsageMethod::kNative},
      {snapshot::Family::k9x, CpuUsageMethod::kRegistry}};
  for (const auto& [family, method] : cases) {
    CpuUsageModule m(kernel, family, native, registry);
    EXPECT_EQ(m.Method(), method);
    EXPECT_EQ(m.QueryEntry(), method == CpuUsageMethod::kNative ? native.entry : 0u);
  }
}

TEST_F(CpuUsageTest, SetUpGrowsTheBufferWhileTheQueryRefusesIt) {
  struct Case {
    std::size_t processors;
    std::vector<std::uint32_t> setup_records;
  } cases[] = {
      {1, {1}},
      {4, {1, 1, 2, 3, 4}},
  };
  native.fills_what_fits = false;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.processors);
    native.queries.clear();
    native.idle_times.assign(c.processors, 0);
    Create();
    EXPECT_EQ(native.PerformanceQueryRecords(), c.setup_records);
    Tick(std::vector<std::int64_t>(c.processors, 1));
    Tick(std::vector<std::int64_t>(c.processors, 2));
    std::vector<std::uint32_t> all = c.setup_records;
    all.insert(all.end(), 2, c.setup_records.back());
    EXPECT_EQ(native.PerformanceQueryRecords(), all);
  }
}

TEST_F(CpuUsageTest, EveryProcessorEntersTheMeanWhenOneRecordAlreadySucceeds) {
  native.idle_times = {0, 0};
  Create();
  EXPECT_EQ(native.PerformanceQueryRecords(), (std::vector<std::uint32_t>{1, 2}));
  EXPECT_TRUE(usage->Available());
  Tick({0, 0});
  Tick({10'000'000, 0});  // processor 0 idled, processor 1 worked: half the machine was busy
  EXPECT_EQ(reported, std::vector<std::uint32_t>{50});
  EXPECT_EQ(native.PerformanceQueryRecords().back(), 2u);
}

TEST_F(CpuUsageTest, WithoutAProcessorCountTheRecordsThatFitAreMeasured) {
  native.answers_basic_information = false;
  native.idle_times = {0, 0};
  Create();
  EXPECT_TRUE(usage->Available());
  Tick({0, 0});
  Tick({2'000'000, 0});
  EXPECT_EQ(reported, std::vector<std::uint32_t>{80});
  EXPECT_EQ(native.PerformanceQueryRecords(), (std::vector<std::uint32_t>{1, 1, 1}));
}

TEST_F(CpuUsageTest, FirstSampleAfterCreationOrAPauseIsNotReported) {
  Create();
  Tick({123'456'789'000});
  EXPECT_TRUE(reported.empty());
  Tick({123'461'789'000});
  usage->SetActive(false);
  usage->SetActive(true);
  Tick({123'561'789'000});  // idle time piled up while paused
  Tick({123'564'289'000});
  EXPECT_EQ(reported, (std::vector<std::uint32_t>{50, 75}));
}

TEST_F(CpuUsageTest, FigureUsesTheConfiguredIntervalAndIsNotClamped) {
  Create();
  usage->SetInterval(500);
  EXPECT_EQ(usage->Interval(), 500u);
  ASSERT_EQ(timers.running.size(), 1u);
  EXPECT_EQ(timers.running.begin()->second.interval_ms, 500u);
  Tick({0});
  Tick({2'500'000});
  Tick({10'000'000});  // a late tick: 750 ms of idle time in a 500 ms interval
  EXPECT_EQ(reported, (std::vector<std::uint32_t>{50, Figure(-50)}));
}

TEST_F(CpuUsageTest, FailedSampleQueryKeepsTheBufferAndShowsNoIdleTime) {
  Create();
  Tick({7'000'000});
  native.performance_status = kStatusUnsuccessful;
  Tick({12'000'000});
  EXPECT_EQ(reported, std::vector<std::uint32_t>{100});
}

TEST_F(CpuUsageTest, TimerIsCreatedInactiveAndStoppedOnDestruction) {
  module = std::make_unique<CpuUsageModule>(kernel, family, native, registry);
  usage = std::make_unique<TMCPUUsage>(*module, timers);
  EXPECT_EQ(usage->Interval(), 1000u);
  EXPECT_FALSE(usage->Active());
  EXPECT_TRUE(timers.running.empty());
  usage->SetActive(true);
  ASSERT_EQ(timers.running.size(), 1u);
  usage.reset();
  EXPECT_TRUE(timers.running.empty());
}

TEST_F(CpuUsageTest, UnavailableComponentNeverRuns) {
  struct Case {
    const char* name;
    bool export_present;
    std::optional<std::uint32_t> status;
  } cases[] = {
      {"query fails", true, kStatusUnsuccessful},
      {"no entry point", false, std::nullopt},
      {"never large enough", true, platform::kStatusInfoLengthMismatch},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (!c.export_present) kernel.exports.clear();
    native.performance_status = c.status;
    Create();
    EXPECT_FALSE(usage->Available());
    EXPECT_FALSE(usage->Active());
    EXPECT_TRUE(timers.running.empty());
    EXPECT_FALSE(native.PerformanceQueryRecords().empty());
    EXPECT_LE(native.PerformanceQueryRecords().back(), 256u);
    native.queries.clear();
  }
}

TEST_F(CpuUsageTest, RegistryMethodReportsTheStatisticEveryTick) {
  family = snapshot::Family::k9x;
  registry.AddPerformanceStatistics();
  Create();
  EXPECT_TRUE(usage->Available());
  EXPECT_TRUE(native.queries.empty());
  for (std::uint32_t value : {37u, 0u, 100u}) {
    registry.SetUInt32(platform::kHkeyDynData, "PerfStats\\StatData", "KERNEL\\CPUUsage", value);
    timers.FireAll();
  }
  // A statistic that cannot be read reports nothing.
  registry.keys[{platform::kHkeyDynData, "PerfStats\\StatData"}].clear();
  timers.FireAll();
  EXPECT_EQ(reported, (std::vector<std::uint32_t>{37, 0, 100}));
}

TEST_F(CpuUsageTest, RegistryStatisticIsStartedAndStopped) {
  family = snapshot::Family::k9x;
  registry.AddPerformanceStatistics();
  Create();
  timers.FireAll();
  usage.reset();
  const std::vector<std::string> expected = {
      "OpenKey(PerfStats\\StartStat)", "QueryValueType(KERNEL\\CPUUsage)",    "CloseKey",
      "OpenKey(PerfStats\\StatData)",  "ReadBinaryValue(KERNEL\\CPUUsage,4)", "CloseKey",
      "OpenKey(PerfStats\\StopStat)",  "QueryValueType(KERNEL\\CPUUsage)",    "CloseKey",
  };
  EXPECT_EQ(registry.calls, expected);
  EXPECT_EQ(registry.open_keys, 0);
}

TEST_F(CpuUsageTest, MissingStatisticsFailTheCreation) {
  struct Case {
    bool start_stat;
    const char* message;
  } cases[] = {
      {false, "Unable to start performance monitoring"},
      {true, "Unable to read performance data"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    family = snapshot::Family::k9x;
    registry.keys.clear();
    if (c.start_stat)
      registry.keys[{platform::kHkeyDynData, "PerfStats\\StartStat"}]["KERNEL\\CPUUsage"] = {};
    CpuUsageModule m(kernel, family, native, registry);
    try {
      TMCPUUsage u(m, timers);
      ADD_FAILURE() << "created";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(registry.open_keys, 0);
    EXPECT_TRUE(timers.running.empty());
  }
}

}  // namespace
