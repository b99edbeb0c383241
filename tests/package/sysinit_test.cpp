// The module list, the library entry point's work, resource module names and
// GetModuleFileNameA.
#include "SysInit.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "PackageTesting.h"
#include "Packages.h"

namespace {

using namespace PackageTesting;
using SysInit::TLibModule;
using Windows::HINSTANCE;

HINSTANCE FakeInstance(std::uintptr_t n) { return reinterpret_cast<HINSTANCE>(n << 12); }

int ListLength() {
  int n = 0;
  for (TLibModule* m = SysInit::LibModuleList(); m != nullptr; m = m->Next) ++n;
  return n;
}

TEST(ModuleList, RegisterPutsARecordFirstAndOnlyOnce) {
  TLibModule a, b;
  a.Instance = FakeInstance(1);
  b.Instance = FakeInstance(2);
  const int before = ListLength();
  SysInit::RegisterModule(&a);
  SysInit::RegisterModule(&b);
  SysInit::RegisterModule(&a);
  EXPECT_EQ(SysInit::LibModuleList(), &b);
  EXPECT_EQ(b.Next, &a);
  EXPECT_EQ(ListLength(), before + 2);
  EXPECT_EQ(SysInit::FindModule(FakeInstance(1)), &a);

  SysInit::UnregisterModule(&a);
  SysInit::UnregisterModule(&a);
  EXPECT_EQ(SysInit::FindModule(FakeInstance(1)), nullptr);
  EXPECT_EQ(SysInit::LibModuleList(), &b);
  SysInit::UnregisterModule(&b);
  EXPECT_EQ(ListLength(), before);
}

TEST(ModuleList, ResourcesComeFromTheRecordsResourceModule) {
  TLibModule a;
  a.Instance = FakeInstance(3);
  a.ResInstance = FakeInstance(4);
  SysInit::RegisterModule(&a);
  EXPECT_EQ(SysInit::FindResourceHInstance(FakeInstance(3)), FakeInstance(4));
  EXPECT_EQ(SysInit::FindResourceHInstance(FakeInstance(5)), FakeInstance(5));
  SysInit::UnregisterModule(&a);
}

TEST(ModuleList, TheHostAndTheLinkedPackageAreRegistered) {
  TLibModule* package = SysInit::FindModule(LinkedPackage());
  ASSERT_NE(package, nullptr);
  EXPECT_EQ(package->CodeInstance, nullptr);
  EXPECT_EQ(package->DataInstance, nullptr);
  EXPECT_EQ(package->Reserved, 0);
  Dl_info info{};
  dladdr(reinterpret_cast<const void*>(&SysInit::RegisterModule), &info);
  EXPECT_NE(SysInit::FindModule(static_cast<HINSTANCE>(info.dli_fbase)), nullptr);
}

// ---- the entry point's work, on a record of the test's own ----

class LibraryEntry : public ::testing::Test {
 protected:
  TLibModule FModule;
  HINSTANCE FOwn = nullptr;
  TLanguage FNoLanguage{"C"};
};

TEST_F(LibraryEntry, AttachNamesTheFileLooksForResourcesAndRegisters) {
  TTraceRecorder trace;
  HINSTANCE instance = LinkedPackage();
  EXPECT_EQ(SysInit::LibraryEntry(FModule, FOwn, instance, Windows::DLL_PROCESS_ATTACH, nullptr),
            -1);

  const auto& calls = trace.Calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].Call, "LibraryEntry");
  EXPECT_EQ(calls[0].Value, 1);
  EXPECT_EQ(calls[1].Call, "GetModuleFileNameA");
  EXPECT_EQ(calls[1].Handle, instance);
  EXPECT_EQ(calls[1].Value, 261);
  EXPECT_TRUE(std::filesystem::equivalent(calls[1].Text, kPackageFile));
  EXPECT_EQ(calls[2].Call, "LoadResourceModule");
  EXPECT_EQ(calls[2].Text, calls[1].Text);
  EXPECT_EQ(calls[2].Handle, nullptr);
  EXPECT_EQ(calls[3].Call, "RegisterModule");

  EXPECT_EQ(FOwn, instance);
  EXPECT_EQ(FModule.Instance, instance);
  EXPECT_EQ(FModule.ResInstance, instance);
  EXPECT_EQ(FModule.CodeInstance, nullptr);
  EXPECT_EQ(FModule.DataInstance, nullptr);
  EXPECT_EQ(SysInit::LibModuleList(), &FModule);
  SysInit::UnregisterModule(&FModule);
}

TEST_F(LibraryEntry, DetachWithoutAResourceModuleFreesNothing) {
  SysInit::LibraryEntry(FModule, FOwn, LinkedPackage(), Windows::DLL_PROCESS_ATTACH, nullptr);
  TTraceRecorder trace;
  EXPECT_EQ(
      SysInit::LibraryEntry(FModule, FOwn, LinkedPackage(), Windows::DLL_PROCESS_DETACH, nullptr),
      -1);
  ASSERT_EQ(trace.Calls().size(), 2u);
  EXPECT_EQ(trace.Calls()[0].Call, "LibraryEntry");
  EXPECT_EQ(trace.Calls()[0].Value, 0);
  EXPECT_EQ(trace.Calls()[1].Call, "UnregisterModule");
  EXPECT_NE(SysInit::LibModuleList(), &FModule);
}

TEST_F(LibraryEntry, DetachFreesTheResourceModuleFoundAtAttach) {
  HINSTANCE resources = Windows::LoadLibraryA(kResourceModuleFile.c_str());
  ASSERT_NE(resources, nullptr);
  FModule.ResInstance = resources;
  FOwn = LinkedPackage();
  SysInit::RegisterModule(&FModule);
  TTraceRecorder trace;
  SysInit::LibraryEntry(FModule, FOwn, LinkedPackage(), Windows::DLL_PROCESS_DETACH, nullptr);
  auto calls = trace.Only({"UnregisterModule", "FreeLibrary"});
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].Call, "UnregisterModule");
  EXPECT_EQ(calls[1].Call, "FreeLibrary");
  EXPECT_EQ(calls[1].Handle, resources);
  EXPECT_EQ(Windows::FreeLibrary(resources), 0) << "freed once already";
}

TEST_F(LibraryEntry, ThreadReasonsDoNothing) {
  for (Windows::DWORD reason : {Windows::DLL_THREAD_ATTACH, Windows::DLL_THREAD_DETACH}) {
    TTraceRecorder trace;
    EXPECT_EQ(SysInit::LibraryEntry(FModule, FOwn, LinkedPackage(), reason, nullptr), -1);
    EXPECT_EQ(trace.Calls().size(), 1u);
    EXPECT_EQ(SysInit::FindModule(LinkedPackage()) == &FModule, false);
    EXPECT_EQ(FModule.ResInstance, nullptr);
  }
}

// ---- resource modules ----

TEST(ResourceModule, CandidatesFollowTheLanguageSetting) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SysInit::ResourceModuleCandidates("/opt/Tollenspiegel.bpl", "nl_NL.UTF-8"),
            (V{"/opt/Tollenspiegel.nl_NL", "/opt/Tollenspiegel.nl"}));
  EXPECT_EQ(SysInit::ResourceModuleCandidates("Tollenspiegel.bpl", "nl"), V{"Tollenspiegel.nl"});
  EXPECT_EQ(SysInit::ResourceModuleCandidates("a/b.bpl", "NL_be@euro"), (V{"a/b.nl_BE", "a/b.nl"}));
  EXPECT_EQ(SysInit::ResourceModuleCandidates("a/b.bpl", "nl_"), V{"a/b.nl"});
  EXPECT_TRUE(SysInit::ResourceModuleCandidates("a/b.bpl", "").empty());
  EXPECT_TRUE(SysInit::ResourceModuleCandidates("a/b.bpl", ".UTF-8").empty());
}

TEST(ResourceModule, LanguageComesFromTheFirstSettingGiven) {
  {
    TLanguage language("fr_FR", "de_DE", "nl_NL");
    EXPECT_EQ(SysInit::UserLanguage(), "fr_FR");
  }
  {
    TLanguage language("", "de_DE", "nl_NL");
    EXPECT_EQ(SysInit::UserLanguage(), "de_DE");
  }
  {
    TLanguage language(std::nullopt, std::nullopt, "nl_NL.UTF-8");
    EXPECT_EQ(SysInit::UserLanguage(), "nl_NL.UTF-8");
  }
  {
    TLanguage language("POSIX", std::nullopt, "nl_NL");
    EXPECT_EQ(SysInit::UserLanguage(), "");
  }
}

TEST(ResourceModule, FoundBesideTheFileOnlyForTheLanguage) {
  TTempFolder folder;
  std::string file = folder.File("Pakket.bpl");
  folder.Copy(kResourceModuleFile, "Pakket.nl");
  {
    TLanguage language("de_DE.UTF-8");
    EXPECT_EQ(SysInit::LoadResourceModule(file.c_str()), nullptr);
  }
  TLanguage language("nl_NL.UTF-8");
  HINSTANCE found = SysInit::LoadResourceModule(file.c_str());
  ASSERT_NE(found, nullptr);
  Windows::HRSRC d = Windows::FindResourceA(found, "DESCRIPTION", Windows::RT_RCDATA);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->Language, 0x0413);
  EXPECT_EQ(Windows::FreeLibrary(found), 1);
}

// ---- GetModuleFileNameA ----

TEST(ModuleFileName, IsTheFullPathCutToTheBuffer) {
  char path[SysInit::kModuleFileNameSize];
  Windows::DWORD n = Windows::GetModuleFileNameA(LinkedPackage(), path, sizeof path);
  ASSERT_GT(n, 0u);
  EXPECT_EQ(std::string(path).size(), n);
  EXPECT_TRUE(std::filesystem::path(path).is_absolute());
  EXPECT_TRUE(std::filesystem::equivalent(path, kPackageFile));

  char exact[SysInit::kModuleFileNameSize];
  EXPECT_EQ(Windows::GetModuleFileNameA(LinkedPackage(), exact, n + 1), n);
  EXPECT_STREQ(exact, path);

  char small[5] = {'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(Windows::GetModuleFileNameA(LinkedPackage(), small, 5), 5u);
  EXPECT_EQ(std::string(small), std::string(path, 4));
}

TEST(ModuleFileName, NullIsTheProgramAndANonModuleGivesNothing) {
  char path[SysInit::kModuleFileNameSize];
  ASSERT_GT(Windows::GetModuleFileNameA(nullptr, path, sizeof path), 0u);
  EXPECT_TRUE(std::filesystem::equivalent(path, "/proc/self/exe"));

  auto* inside =
      reinterpret_cast<HINSTANCE>(reinterpret_cast<std::uintptr_t>(LinkedPackage()) + 16);
  EXPECT_EQ(Windows::GetModuleFileNameA(inside, path, sizeof path), 0u);
  EXPECT_EQ(Windows::GetModuleFileNameA(LinkedPackage(), path, 0), 0u);
}

}  // namespace
