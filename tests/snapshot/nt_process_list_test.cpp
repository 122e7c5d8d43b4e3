#include "snapshot/nt_process_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "snapshot/current_times.h"
#include "tests/fakes/fake_kernel.h"
#include "tests/fakes/fake_native_system_info.h"
#include "tests/fakes/fake_process_status.h"
#include "tests/fakes/fake_report_platform.h"
#include "tests/fakes/fake_user_interface.h"
#include "tests/snapshot/test_texts.h"

namespace snapshot {
namespace {

struct NtFixture : ::testing::Test {
  NtFixture() {
    status.Install();
    EXPECT_TRUE(psapi.Load());
    native.process_table = &kernel.processes;
    kernel.resident_modules["ntdll.dll"] = 0x77000000;
    kernel.exports[{0x77000000, "ZwQuerySystemInformation"}] = native.entry;
  }
  void AddProcess(std::uint32_t id, std::string path, std::uint32_t priority = 0x20,
                  bool can_open = true) {
    kernel.processes.push_back({id, std::move(path), priority, can_open});
  }
  void Tick() {
    list.CollectNtProcessIds();
    list.BuildNtProcessList(snapshot);
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const processinfos& p : snapshot.processes()) names.push_back(p.name);
    return names;
  }

  fakes::FakeKernel kernel;
  fakes::FakeUserInterface ui;
  fakes::FakeProcessStatus status{kernel};
  fakes::FakeNativeSystemInfo native;
  fakes::FakeDateTime clock;
  PsapiBinding psapi{kernel, status};
  snapshot_test::TestTexts texts;
  ProcessSnapshot snapshot;
  NtProcessList list{kernel, ui, psapi, native, clock};
};

TEST_F(NtFixture, PidListHoldsByteCountOverFourIds) {
  struct Case {
    std::uint32_t processes;
    std::optional<std::uint32_t> bytes;
    std::size_t expected;
  };
  const Case cases[] = {
      {0, {}, 0}, {5, 12u, 3}, {5, 14u, 3}, {5, 3u, 0}, {16383, {}, 16383}, {20000, {}, 16383},
  };
  native.process_table = nullptr;  // no system snapshot: the ids come from the enumeration
  for (const Case& c : cases) {
    SCOPED_TRACE(c.processes);
    std::vector<std::uint32_t> ids;
    for (std::uint32_t i = 0; i < c.processes; ++i) ids.push_back(8 + 4 * i);
    status.pids = ids;
    status.bytes_override = c.bytes;
    list.CollectNtProcessIds();
    ASSERT_EQ(list.pid_list().size(), c.expected);
    EXPECT_TRUE(std::equal(list.pid_list().begin(), list.pid_list().end(), ids.begin()));
  }
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(kernel.Called("EnumProcesses(65532)"));
}

TEST_F(NtFixture, IdsComeFromTheSystemSnapshotInItsOrderAndTheEnumerationOnlyWithoutIt) {
  AddProcess(300, "C:\\c.exe");
  AddProcess(8, "C:\\a.exe");
  AddProcess(12, "C:\\b.exe");
  for (const bool snapshot_answers : {true, false}) {
    SCOPED_TRACE(snapshot_answers);
    native.process_table = snapshot_answers ? &kernel.processes : nullptr;
    native.queries.clear();
    kernel.calls.clear();
    Tick();
    std::vector<std::string> rows;
    for (const processinfos& p : snapshot.processes()) rows.push_back(p.id_text + " " + p.name);
    EXPECT_EQ(rows, (std::vector<std::string>{"300 c.exe", "8 a.exe", "12 b.exe"}));
    EXPECT_EQ(kernel.Called("EnumProcesses"), !snapshot_answers);
    // Asked once a tick, answered or not (the first tick also asks for the processor count).
    EXPECT_EQ(std::count_if(native.queries.begin(), native.queries.end(),
                            [](const auto& q) {
                              return q.info_class == platform::kSystemProcessInformation;
                            }),
              1);
  }
}

TEST_F(NtFixture, EveryListedProcessGetsItsRowWithThePathTheSystemGives) {
  struct Case {
    const char* name;
    bool image_name_query;          // Vista and later export it
    std::vector<std::string> rows;  // name|path|id text, in id order
  } cases[] = {
      {"today's system",
       true,
       {"[System Process]||0", "System||4", "services.exe|C:\\windows\\system32\\services.exe|300",
        "lsass.exe||420", "notepad.exe|C:\\WINDOWS\\system32\\notepad.exe|1234",
        "lost.exe|C:\\apps\\lost.exe|1300"}},
      {"before Vista",
       false,
       {"[System Process]||0", "System||4", "services.exe||300", "lsass.exe||420",
        "notepad.exe|C:\\WINDOWS\\system32\\notepad.exe|1234", "lost.exe||1300"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kernel.processes.clear();
    kernel.resident_modules.erase("kernel32.dll");
    if (c.image_name_query) kernel.ExportImageNameQuery();
    kernel.knows_limited_query_right = c.image_name_query;
    AddProcess(0, "", 0x20, false);
    AddProcess(4, "", 0x20, false);
    kernel.processes.back().image_name = "System";
    // A 64-bit process: opened, but its module path cannot be read from here.
    AddProcess(300, "C:\\windows\\system32\\services.exe", 0x80);
    kernel.processes.back().module_path_readable = false;
    // A protected process: not even the limited right reads its image name.
    AddProcess(420, "C:\\windows\\system32\\lsass.exe", 0x20, false);
    AddProcess(1234, "C:\\WINDOWS\\system32\\notepad.exe", 0x80);
    // Another session's: refuses memory reads, gives its image name to the limited right.
    AddProcess(1300, "C:\\apps\\lost.exe", 0x20);
    kernel.processes.back().refused_access = platform::kProcessVmRead;
    kernel.processes.back().times.creation = 77;
    NtProcessList fresh{kernel, ui, psapi, native, clock};
    fresh.CollectNtProcessIds();
    fresh.BuildNtProcessList(snapshot);
    std::vector<std::string> rows;
    for (const processinfos& p : snapshot.processes())
      rows.push_back(p.name + "|" + p.path + "|" + p.id_text);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(snapshot.processes().back().creation, 77u);
    EXPECT_TRUE(kernel.open_handles.empty());
  }
}

TEST_F(NtFixture, NameIsTheTextAfterTheLastSeparator) {
  struct Case {
    std::string path;
    std::string name;
  };
  const std::string long_path = "C:\\" + std::string(253, 'a') + ".exe";  // 260 characters
  const Case cases[] = {
      {"C:\\Program Files\\Editor\\notepad.exe", "notepad.exe"},
      {"notepad.exe", "notepad.exe"},
      {"C:notepad.exe", "notepad.exe"},
      {"\\??\\C:\\x\\y.exe", "y.exe"},
      {"C:\\dir\\", ""},
      {long_path, long_path.substr(3)},
  };
  std::uint32_t id = 100;
  for (const Case& c : cases) AddProcess(id++, c.path);
  Tick();
  ASSERT_EQ(snapshot.processes().size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].path);
    EXPECT_EQ(snapshot.processes()[i].path, cases[i].path);
    EXPECT_EQ(snapshot.processes()[i].name, cases[i].name);
  }
  EXPECT_EQ(snapshot.processes().back().path.size(), 260u);
}

TEST_F(NtFixture, OverlongPathIsCutAt260CharactersWithoutReadingPastTheBuffer) {
  // The system may fill the whole buffer, leave out the NUL and end inside a character.
  std::string cyrillic = "C:\\";
  for (int i = 0; i < 400; ++i) cyrillic += "\xD0\x96";
  AddProcess(7, cyrillic);
  Tick();
  ASSERT_EQ(snapshot.processes().size(), 1u);
  EXPECT_EQ(snapshot.processes()[0].path, cyrillic.substr(0, 3 + 257 * 2));
}

TEST_F(NtFixture, RecordsFollowSystemOrderWithDecimalIds) {
  AddProcess(4294967295u, "C:\\a.exe", 0x100);
  AddProcess(8, "C:\\b.exe", 0x40);
  AddProcess(12, "C:\\c.exe", 0);
  AddProcess(300, "C:\\d.exe", 0x8000);
  Tick();
  ASSERT_EQ(Names(), (std::vector<std::string>{"a.exe", "b.exe", "c.exe", "d.exe"}));
  const auto& p = snapshot.processes();
  EXPECT_EQ(p[0].id_text, "4294967295");
  EXPECT_EQ(p[1].id_text, "8");
}

TEST_F(NtFixture, APathIsReadOncePerProcessLifetimeAndAReusedIdIsANewProcess) {
  AddProcess(8, "C:\\a.exe");
  kernel.processes.back().times = {5, 0, 20, 10};
  AddProcess(12, "C:\\c.exe");
  Tick();
  EXPECT_EQ(snapshot.processes()[0].user_time, 10u);
  EXPECT_EQ(snapshot.processes()[0].kernel_time, 20u);
  kernel.calls.clear();
  Tick();
  EXPECT_FALSE(kernel.Called("OpenProcess"));
  // Id 8 goes to another program: a new process, read anew.
  kernel.processes[0] = {8, "C:\\b.exe"};
  kernel.processes[0].times.creation = 6;
  Tick();
  EXPECT_EQ(Names(), (std::vector<std::string>{"b.exe", "c.exe"}));
  // A process that ended is forgotten, whatever comes later under its id.
  kernel.processes.erase(kernel.processes.begin() + 1);
  Tick();
  EXPECT_EQ(list.KnownProcessCount(), 1u);
  EXPECT_TRUE(kernel.open_handles.empty());
}

TEST_F(NtFixture, APathNotReadIsAskedAgain1_2_4_8_16_32TicksLaterThenEvery60) {
  for (const bool opens : {false, true}) {  // cannot be opened; opened, without a path to read
    kernel.processes = {{40, "C:\\apps\\late.exe", 0x20, opens}};
    kernel.processes[0].module_path_readable = !opens;
    kernel.processes[0].image_name = "LATE.EXE";  // the name while the path is not read
    NtProcessList fresh{kernel, ui, psapi, native, clock};
    std::vector<int> asked, found;
    for (int t = 0; t <= 200; ++t) {
      if (t == 100) kernel.processes[0] = {40, "C:\\apps\\late.exe"};  // it can be read now
      kernel.calls.clear();
      fresh.CollectNtProcessIds();
      fresh.BuildNtProcessList(snapshot);
      if (kernel.Called("OpenProcess")) asked.push_back(t);
      if (snapshot.processes()[0].path_found) found.push_back(t);
    }
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 4, 8, 16, 32, 60, 120})) << opens;
    EXPECT_EQ(found, std::vector<int>{120});
    EXPECT_EQ(snapshot.processes()[0].path, "C:\\apps\\late.exe");
    EXPECT_EQ(snapshot.processes()[0].name, "late.exe");
  }
}

TEST_F(NtFixture, EachTickRebuildsTheListFromEmpty) {
  AddProcess(10, "C:\\first.exe");
  AddProcess(11, "C:\\second.exe");
  AddProcess(12, "C:\\third.exe");
  Tick();
  ASSERT_EQ(snapshot.processes().size(), 3u);
  kernel.processes.erase(kernel.processes.begin());
  kernel.processes[1] = {12, "C:\\x.exe"};  // its id taken by a new process
  kernel.processes[1].times.creation = 1;
  Tick();
  EXPECT_EQ(Names(), (std::vector<std::string>{"second.exe", "x.exe"}));
  EXPECT_EQ(snapshot.processes()[1].id_text, "12");
  EXPECT_TRUE(kernel.open_handles.empty());
}

TEST_F(NtFixture, EnumFailureShowsChybaOncePerTickAndEmptiesTheLists) {
  AddProcess(10, "C:\\first.exe");
  Tick();
  ASSERT_EQ(snapshot.processes().size(), 1u);
  // The enumeration is asked only when the system's snapshot gives nothing.
  native.process_table = nullptr;
  status.enum_fails = true;
  Tick();
  Tick();
  EXPECT_TRUE(list.pid_list().empty());
  EXPECT_TRUE(snapshot.processes().empty());
  ASSERT_EQ(ui.MessageTexts(), (std::vector<std::string>{"Chyba", "Chyba"}));
  EXPECT_EQ(ui.messages[0].type & 0xF, platform::kMbOk);
}

TEST(NtProcessListUnbound, EveryTickShowsChybaAndFindsNothing) {
  fakes::FakeKernel kernel;
  kernel.processes.push_back({10, "C:\\a.exe"});
  fakes::FakeUserInterface ui;
  fakes::FakeProcessStatus status(kernel);
  PsapiBinding psapi(kernel, status);
  EXPECT_FALSE(psapi.Load());
  snapshot_test::TestTexts texts;
  ProcessSnapshot snapshot;
  // The system's snapshot answers, yet without the library nothing is listed.
  fakes::FakeNativeSystemInfo native;
  fakes::FakeDateTime clock;
  native.process_table = &kernel.processes;
  kernel.resident_modules["ntdll.dll"] = 0x77000000;
  kernel.exports[{0x77000000, "ZwQuerySystemInformation"}] = native.entry;
  NtProcessList list(kernel, ui, psapi, native, clock);
  for (int i = 0; i < 2; ++i) {
    list.CollectNtProcessIds();
    list.BuildNtProcessList(snapshot);
  }
  EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"Chyba", "Chyba"}));
  EXPECT_TRUE(snapshot.processes().empty());
  EXPECT_FALSE(kernel.Called("OpenProcess"));
}

TEST_F(NtFixture, AReportReadsTimesFromAFreshSystemSnapshotByIdentity) {
  AddProcess(12, "C:\\a.exe");
  AddProcess(16, "C:\\b.exe", 0x20, false);  // refuses to be opened
  kernel.processes[0].times = {100, 0, 5, 7};
  kernel.processes[1].times = {200, 0, 9, 11};
  Tick();
  kernel.processes[0].times.user = 50;  // the report is made later than the tick
  const ProcessIdentity a{12, 100}, b{16, 200}, a_reused{12, 300};
  CurrentProcessTimes from_system(kernel, &list);
  EXPECT_EQ(from_system.Of(a), (CpuTimes{50, 5}));
  EXPECT_EQ(from_system.Of(b), (CpuTimes{11, 9}));
  EXPECT_EQ(from_system.Of(a_reused), std::nullopt);
  // Without the system's snapshot each process is opened: one that refuses has times of 0.
  native.process_table = nullptr;
  CurrentProcessTimes by_opening(kernel, &list);
  EXPECT_EQ(by_opening.Of(a), (CpuTimes{50, 5}));
  EXPECT_EQ(by_opening.Of(b), (CpuTimes{}));
  EXPECT_EQ(by_opening.Of(a_reused), std::nullopt);
  EXPECT_TRUE(kernel.open_handles.empty());
}

}  // namespace
}  // namespace snapshot

namespace snapshot {
namespace {

TEST_F(NtFixture, EachProcessTakesItsShareOfTheMachineSinceTheLastTickItsParentAndWorkingSet) {
  constexpr std::uint64_t kSecond = 10'000'000;  // 100-ns counts
  struct Case {
    const char* name;
    std::uint64_t busy_before, busy_after;  // user time; kernel time is a quarter of it on top
    std::uint32_t processors, elapsed_ms;
    bool new_process;  // the id serves another process in the second tick
    std::uint32_t usage;
  } cases[] = {
      {"one of two processors busy", 0, kSecond * 4 / 5, 2, 1000, false, 50},
      {"a second of four, rounded", 0, kSecond / 125, 4, 1000, false, 0},
      {"a third of one", kSecond, kSecond + kSecond * 4 / 15, 1, 1000, false, 33},
      {"late timer: two seconds passed", 0, kSecond * 4 / 5, 1, 2000, false, 50},
      {"more than the machine had", 0, kSecond * 4, 1, 1000, false, 100},
      {"time went backwards", kSecond, 0, 1, 1000, false, 0},
      {"no time passed", 0, kSecond, 1, 0, false, 0},
      {"id reused", 0, kSecond * 4 / 5, 1, 1000, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kernel.processes = {{40, "C:\\apps\\busy.exe"}};
    kernel.processes[0].parent_id = 36;
    kernel.processes[0].working_set = 4096 * 1000;
    native.idle_times.assign(c.processors, 0);
    NtProcessList fresh{kernel, ui, psapi, native, clock};
    const auto times = [&](std::uint64_t user) {
      kernel.processes[0].times.user = user;
      kernel.processes[0].times.kernel = user / 4;
    };
    times(c.busy_before);
    fresh.Refill(snapshot);
    EXPECT_EQ(snapshot.processes()[0].usage_percent, 0u);  // first listed: nothing seen yet
    times(c.busy_after);
    if (c.new_process) kernel.processes[0].times.creation = 99;
    clock.ticks += c.elapsed_ms;
    fresh.Refill(snapshot);
    const processinfos& busy = snapshot.processes()[0];
    EXPECT_EQ(busy.usage_percent, c.usage);
    EXPECT_TRUE(busy.has_cost && busy.has_parent);
    EXPECT_EQ(busy.parent_id, 36u);
    EXPECT_EQ(busy.working_set, 4096u * 1000);
  }
  // Opened one by one, a process tells neither.
  native.process_table = nullptr;
  Tick();
  EXPECT_FALSE(snapshot.processes()[0].has_cost || snapshot.processes()[0].has_parent);
}

}  // namespace
}  // namespace snapshot
