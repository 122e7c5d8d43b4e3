#include "snapshot/psapi_binding.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "snapshot/unload_error.h"
#include "tests/fakes/fake_kernel.h"
#include "tests/fakes/fake_process_status.h"

namespace snapshot {
namespace {

using fakes::FakeProcessStatus;

struct PsapiFixture : ::testing::Test {
  fakes::FakeKernel kernel;
  FakeProcessStatus status{kernel};
  PsapiBinding binding{kernel, status};
};

TEST_F(PsapiFixture, LoadsFromTheSystemDirectoryByFullPath) {
  status.Install();
  ASSERT_TRUE(binding.Load());
  EXPECT_EQ(binding.module(), FakeProcessStatus::kPsapiModule);
  EXPECT_TRUE(kernel.Called("GetModuleHandleA(psapi.dll)"));
  EXPECT_TRUE(kernel.Called("LoadLibraryA(C:\\windows\\system32\\psapi.dll)"));
  EXPECT_FALSE(kernel.Called("LoadLibraryA(psapi.dll)"));
}

TEST_F(PsapiFixture, ACopyBesideTheExecutableIsNeverLoaded) {
  // Only a bare-name load would find it.
  kernel.loadable_modules["psapi.dll"] = 0x666000;
  EXPECT_FALSE(binding.Load());
  EXPECT_EQ(binding.module(), 0u);
}

TEST_F(PsapiFixture, NoSystemDirectoryMeansNoLoadAtAll) {
  status.Install();
  kernel.system_directory.clear();
  EXPECT_FALSE(binding.Load());
  EXPECT_FALSE(kernel.Called("LoadLibraryA"));
}

TEST_F(PsapiFixture, AResidentLibraryIsUsedWithoutLoading) {
  kernel.resident_modules["psapi.dll"] = 0x5000;
  kernel.exports[{0x5000, "EnumProcesses"}] = 0x5100;
  EXPECT_TRUE(binding.Load());
  EXPECT_EQ(binding.module(), 0x5000u);
  EXPECT_FALSE(kernel.Called("LoadLibraryA"));
}

TEST_F(PsapiFixture, MissingLibraryFailsAndIsNotReleasedAtShutdown) {
  EXPECT_FALSE(binding.Load());
  binding.Unload();
  EXPECT_TRUE(kernel.freed_modules.empty());
  std::uint32_t ids[4];
  std::uint32_t bytes = 99;
  EXPECT_FALSE(binding.EnumProcesses(ids, sizeof ids, bytes));
  EXPECT_EQ(bytes, 99u);
  char path[8];
  EXPECT_EQ(binding.GetModuleFileNameExW(0x1000, 0, path, 8), 0);
  EXPECT_TRUE(status.null_calls.empty());
  EXPECT_EQ(status.enum_calls + status.module_file_name_calls, 0);
}

TEST_F(PsapiFixture, MissingEnumProcessesFailsTheBinding) {
  status.Install(/*enum_processes=*/false);
  EXPECT_FALSE(binding.Load());
  binding.Unload();
  EXPECT_TRUE(kernel.freed_modules.empty());
  std::uint32_t ids[4];
  std::uint32_t bytes = 0;
  EXPECT_FALSE(binding.EnumProcesses(ids, sizeof ids, bytes));
  EXPECT_TRUE(status.null_calls.empty());
}

TEST_F(PsapiFixture, MissingPathEntryPointFailsOnlyThatCall) {
  status.Install(true, /*get_module_file_name=*/false);
  ASSERT_TRUE(binding.Load());
  char path[8];
  EXPECT_EQ(binding.GetModuleFileNameExW(0x1000, 0, path, 8), 0);
  EXPECT_TRUE(status.null_calls.empty());
}

TEST_F(PsapiFixture, UnloadReleasesOnceAfterSuccess) {
  status.Install();
  ASSERT_TRUE(binding.Load());
  binding.Unload();
  binding.Unload();
  EXPECT_EQ(kernel.freed_modules, std::vector<platform::Handle>{FakeProcessStatus::kPsapiModule});
}

// A kernel whose entry-point lookup raises, as a broken library would make it.
struct RaisingKernel : fakes::FakeKernel {
  platform::ProcAddress GetProcAddress(platform::Handle, const std::string&) override {
    throw std::runtime_error("access violation");
  }
};

TEST(PsapiBindingErrors, ResolutionErrorReleasesTheLibrary) {
  RaisingKernel kernel;
  FakeProcessStatus status(kernel);
  status.Install();
  PsapiBinding binding(kernel, status);
  EXPECT_FALSE(binding.Load());
  EXPECT_EQ(kernel.freed_modules, std::vector<platform::Handle>{FakeProcessStatus::kPsapiModule});
  binding.Unload();
  EXPECT_EQ(kernel.freed_modules.size(), 1u);
}

TEST(PsapiBindingErrors, FailedReleaseRaisesTheUnloadError) {
  RaisingKernel kernel;
  kernel.free_library_succeeds = false;
  kernel.loadable_modules["c:\\windows\\system32\\psapi.dll"] = 0x00AB0C00;
  FakeProcessStatus status(kernel);
  PsapiBinding binding(kernel, status);
  try {
    binding.Load();
    FAIL() << "no error raised";
  } catch (const UnloadError& e) {
    EXPECT_STREQ(e.what(), "Unload Error: psapi.dll (00AB0C00)");
  }
  EXPECT_FALSE(binding.loaded());
}

TEST(PsapiBindingErrors, UnloadErrorTextUsesEightUppercaseDigits) {
  EXPECT_EQ(UnloadErrorText(0x7a), "Unload Error: psapi.dll (0000007A)");
  EXPECT_EQ(UnloadErrorText(0xFFFFFFFF), "Unload Error: psapi.dll (FFFFFFFF)");
}

}  // namespace
}  // namespace snapshot
