#include "snapshot/toolhelp_process_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/fakes/fake_kernel.h"
#include "tests/fakes/fake_tool_help.h"
#include "tests/snapshot/test_texts.h"

namespace snapshot {
namespace {

using fakes::FakeToolHelp;

struct ToolHelpFixture : ::testing::Test {
  void Tick() {
    list.CollectToolHelpEntries();
    list.Build9xProcessList(snapshot);
  }
  std::size_t CallIndex(const std::string& call) const {
    auto it = std::find(kernel.calls.begin(), kernel.calls.end(), call);
    return static_cast<std::size_t>(it - kernel.calls.begin());
  }

  fakes::FakeKernel kernel;
  FakeToolHelp tool_help{kernel};
  ToolHelpBinding binding{kernel, tool_help};
  snapshot_test::TestTexts texts;
  ProcessSnapshot snapshot;
  ToolHelpProcessList list{kernel, binding};
};

TEST_F(ToolHelpFixture, BindsLazilyOnceWhateverResolved) {
  tool_help.Install(/*create_snapshot=*/false);
  EXPECT_FALSE(kernel.Called("GetModuleHandleA"));
  EXPECT_FALSE(binding.Ensure());
  EXPECT_FALSE(binding.Ensure());
  EXPECT_EQ(std::count(kernel.calls.begin(), kernel.calls.end(), "GetModuleHandleA(kernel32.dll)"),
            1);
}

TEST_F(ToolHelpFixture, EntriesBecomeRecordsWithHexIdsInSnapshotOrder) {
  tool_help.Install();
  kernel.processes = {{26, "C:\\WINDOWS\\EXPLORER.EXE", 0x20},
                      {4294967295u, "KERNEL32.DLL", 0x80},
                      {0x10, "C:\\TOOLS\\RUN:ME.EXE", 0x4000}};
  Tick();
  ASSERT_EQ(list.entries().size(), 3u);
  for (std::uint32_t size : tool_help.entry_sizes) EXPECT_EQ(size, platform::kProcessEntrySize);
  const auto& p = snapshot.processes();
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].id_text, "0000001A");
  EXPECT_EQ(p[0].name, "EXPLORER.EXE");
  EXPECT_EQ(p[0].path, "C:\\WINDOWS\\EXPLORER.EXE");
  EXPECT_EQ(p[1].id_text, "FFFFFFFF");
  EXPECT_EQ(p[1].id, 4294967295u);
  EXPECT_EQ(p[1].name, "KERNEL32.DLL");
  EXPECT_EQ(p[2].name, "ME.EXE");
  EXPECT_TRUE(kernel.Called("CreateToolhelp32Snapshot(2,0)"));
}

TEST_F(ToolHelpFixture, ProcessesThatCannotBeOpenedAreStillListed) {
  tool_help.Install();
  kernel.processes = {
      {1, "A.EXE", 0x20, false}, {2, "B.EXE", 0x80, false}, {3, "C.EXE", 0x100, false}};
  Tick();
  ASSERT_EQ(snapshot.processes().size(), 3u);
  // The tick opens no process: the priority is read for the lines that show it.
  EXPECT_FALSE(kernel.Called("OpenProcess"));
}

TEST_F(ToolHelpFixture, FullLengthExeFileWithoutNulIsTakenWhole) {
  tool_help.Install();
  kernel.processes = {{5, std::string(260, 'x')}};
  Tick();
  ASSERT_EQ(snapshot.processes().size(), 1u);
  EXPECT_EQ(snapshot.processes()[0].path, std::string(260, 'x'));
}

TEST_F(ToolHelpFixture, SnapshotIsHeldUntilTheNextTickAndClosedBeforeTheNewOne) {
  tool_help.Install();
  kernel.processes = {{1, "A.EXE"}, {2, "B.EXE", 0x20, false}, {3, "C.EXE"}};
  Tick();
  const platform::Handle first = list.snapshot_handle();
  ASSERT_NE(first, 0u);
  EXPECT_EQ(kernel.open_handles, std::set<platform::Handle>{first});
  kernel.calls.clear();
  kernel.processes.push_back({4, "D.EXE"});
  Tick();
  const std::size_t close = CallIndex("CloseHandle(" + std::to_string(first) + ")");
  ASSERT_LT(close, kernel.calls.size());
  EXPECT_LT(close, CallIndex("CreateToolhelp32Snapshot(2,0)"));
  EXPECT_EQ(kernel.open_handles, std::set<platform::Handle>{list.snapshot_handle()});
  EXPECT_EQ(snapshot.processes().size(), 4u);
}

TEST(ToolHelpLifetime, HeldSnapshotIsClosedWhenTheListGoes) {
  fakes::FakeKernel kernel;
  FakeToolHelp tool_help(kernel);
  tool_help.Install();
  kernel.processes = {{1, "A.EXE"}};
  ToolHelpBinding binding(kernel, tool_help);
  ProcessSnapshot snapshot;
  {
    ToolHelpProcessList list(kernel, binding);
    list.CollectToolHelpEntries();
    EXPECT_EQ(kernel.open_handles.size(), 1u);
  }
  EXPECT_TRUE(kernel.open_handles.empty());
}

TEST_F(ToolHelpFixture, MissingFunctionsOrFailedSnapshotGiveEmptyListsQuietly) {
  struct Case {
    const char* name;
    bool install, create, first, next, fails;
    std::size_t expected;
  };
  const Case cases[] = {
      {"no kernel32", false, true, true, true, false, 0},
      {"no CreateToolhelp32Snapshot", true, false, true, true, false, 0},
      {"no Process32First", true, true, false, true, false, 0},
      {"no Process32Next", true, true, true, false, false, 1},
      {"snapshot fails", true, true, true, true, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fakes::FakeKernel k;
    k.processes = {{1, "A.EXE"}, {2, "B.EXE"}};
    FakeToolHelp th(k);
    if (c.install) th.Install(c.create, c.first, c.next);
    th.snapshot_fails = c.fails;
    ToolHelpBinding b(k, th);
    ProcessSnapshot s;
    ToolHelpProcessList l(k, b);
    for (int tick = 0; tick < 2; ++tick) {
      l.CollectToolHelpEntries();
      l.Build9xProcessList(s);
    }
    EXPECT_EQ(s.processes().size(), c.expected);
    EXPECT_TRUE(th.null_calls.empty());
    EXPECT_LE(k.open_handles.size(), 1u);
  }
}

}  // namespace
}  // namespace snapshot
