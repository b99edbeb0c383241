// LoadPackage and UnloadPackage on a copy of the package in a fresh folder, and
// on two small packages: the loader's calls in order, the module record, the
// resource module, the units' order, the classes, and the refusals.
#include <gtest/gtest.h>

#include "Classes/Streaming.h"
#include "DsgnIntf.h"
#include "PackageTesting.h"
#include "Packages.h"
#include "Vormen.h"

// These tests load a second copy of a library the program is linked with, whose
// globals the address sanitizer would take for one definition given twice.
extern "C" const char* __asan_default_options() { return "detect_odr_violation=0"; }

namespace {

using namespace PackageTesting;
using Windows::HMODULE;

class LoadPackage : public ::testing::Test {
 protected:
  TTempFolder FFolder;
  std::string FCopy = FFolder.Copy(kPackageFile, "Tollenspiegel.bpl");
  TLanguage FLanguage{"nl_NL.UTF-8"};
};

std::vector<std::string> CallNames(const std::vector<Windows::TLoaderCall>& calls) {
  std::vector<std::string> names;
  for (const auto& c : calls) names.push_back(c.Call);
  return names;
}

using Names = std::vector<std::string>;

TEST_F(LoadPackage, TheEntryPointRegistersTheModuleAndInitializeRunsTheTable) {
  TTraceRecorder trace;
  HMODULE module = SysUtils::LoadPackage(FCopy);
  ASSERT_NE(module, LinkedPackage()) << "the copy is a library of its own";

  auto loader = trace.Only({"LoadLibraryA", "LibraryEntry", "GetModuleFileNameA",
                            "LoadResourceModule", "RegisterModule", "PackageLoad"});
  EXPECT_EQ(CallNames(loader), (Names{"LoadLibraryA", "LibraryEntry", "GetModuleFileNameA",
                                      "LoadResourceModule", "RegisterModule", "PackageLoad"}));
  EXPECT_EQ(loader[1].Handle, module);
  EXPECT_EQ(loader[1].Value, 1);
  EXPECT_EQ(loader[2].Value, 261);
  EXPECT_TRUE(std::filesystem::equivalent(loader[2].Text, FCopy));
  EXPECT_EQ(loader[3].Handle, nullptr) << "no resource module beside the copy";
  EXPECT_EQ(loader[4].Handle, module);
  EXPECT_EQ(loader[5].Value, 41);

  SysInit::TLibModule* record = SysInit::FindModule(module);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->ResInstance, module);

  auto inits = trace.Only({"Initialization"});
  const std::vector<std::string> order = ExpectedUnitOrder();
  ASSERT_EQ(inits.size(), order.size());
  for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(inits[i].Text, order[i]) << i + 1;
  for (int position : kOwnUnitPositions) EXPECT_EQ(inits[position - 1].Value, 1);
  EXPECT_EQ(inits[0].Value, 2) << "System was initialised by the host already";

  SysUtils::UnloadPackage(module);
}

TEST_F(LoadPackage, UnloadFinalizesThenTheEntryPointUnregistersAndFreesNothing) {
  HMODULE module = SysUtils::LoadPackage(FCopy);
  TTraceRecorder trace;
  SysUtils::UnloadPackage(module);

  auto finals = trace.Only({"Finalization"});
  std::vector<std::string> order = ExpectedUnitOrder();
  ASSERT_EQ(finals.size(), order.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    EXPECT_EQ(finals[i].Text, order[order.size() - 1 - i]);
  EXPECT_EQ(finals.back().Value, 1) << "System stays initialised for the host";
  EXPECT_EQ(finals.front().Value, 0);

  auto loader = trace.Only({"PackageUnload", "FreeLibrary", "LibraryEntry", "UnregisterModule"});
  EXPECT_EQ(CallNames(loader),
            (Names{"PackageUnload", "FreeLibrary", "LibraryEntry", "UnregisterModule"}));
  EXPECT_EQ(loader[1].Handle, module);
  EXPECT_EQ(loader[2].Value, 0);
  EXPECT_EQ(SysInit::FindModule(module), nullptr);
  EXPECT_EQ(Packages::HostUnitRecord(Packages::THostUnit::System).Count, 1);
}

TEST_F(LoadPackage, AResourceModuleBesideTheFileServesAndIsFreedAtUnload) {
  std::string resourceFile = FFolder.Copy(kResourceModuleFile, "Tollenspiegel.nl");
  TTraceRecorder trace;
  HMODULE module = SysUtils::LoadPackage(FCopy);
  auto found = trace.Only({"LoadResourceModule"});
  ASSERT_EQ(found.size(), 1u);
  HMODULE resources = static_cast<HMODULE>(const_cast<void*>(found[0].Handle));
  ASSERT_NE(resources, nullptr);
  EXPECT_NE(resources, module);
  EXPECT_EQ(SysInit::FindModule(module)->ResInstance, resources);
  EXPECT_EQ(SysInit::FindResourceHInstance(module), resources);
  Windows::HRSRC description = Windows::FindResourceA(SysInit::FindResourceHInstance(module),
                                                      "DESCRIPTION", Windows::RT_RCDATA);
  ASSERT_NE(description, nullptr);
  EXPECT_EQ(Text(description).substr(0, 6), std::string("T\0o\0l", 6));

  trace.Clear();
  SysUtils::UnloadPackage(module);
  auto loader = trace.Only({"FreeLibrary", "LibraryEntry", "UnregisterModule"});
  EXPECT_EQ(CallNames(loader),
            (Names{"FreeLibrary", "LibraryEntry", "UnregisterModule", "FreeLibrary"}));
  EXPECT_EQ(loader[0].Handle, module);
  EXPECT_EQ(loader[3].Handle, resources);
  EXPECT_EQ(Windows::FreeLibrary(resources), 0) << "no longer held";
}

TEST_F(LoadPackage, AResourceModuleOfAnotherLanguageIsLeftAlone) {
  FFolder.Copy(kResourceModuleFile, "Tollenspiegel.nl");
  TLanguage german("de_DE.UTF-8");
  TTraceRecorder trace;
  HMODULE module = SysUtils::LoadPackage(FCopy);
  EXPECT_EQ(SysInit::FindModule(module)->ResInstance, module);
  SysUtils::UnloadPackage(module);
  auto frees = trace.Only({"FreeLibrary"});
  ASSERT_EQ(frees.size(), 1u);
  EXPECT_EQ(frees[0].Handle, module);
}

TEST_F(LoadPackage, NoRegisterProcedureRunsAtRunTime) {
  TTraceRecorder trace;
  HMODULE module = SysUtils::LoadPackage(FCopy);
  SysUtils::UnloadPackage(module);
  for (const auto& c : trace.Only({"GetProcAddress"}))
    EXPECT_EQ(c.Text.find("Register"), std::string::npos) << c.Text;
  EXPECT_EQ(CallNames(trace.Only({"GetProcAddress"})), (Names{"GetProcAddress", "GetProcAddress"}));
  EXPECT_EQ(DsgnIntf::FindPalettePage("Tollenspiegel"), nullptr);
}

TEST_F(LoadPackage, ItsClassesServeStoredFormsWhileItIsLoaded) {
  Tollenspiegel::RegisterClasses();
  HMODULE module = SysUtils::LoadPackage(FCopy);
  auto* ours = reinterpret_cast<System::TClass>(
      reinterpret_cast<std::uintptr_t>(Windows::GetProcAddress(module, "@Vormen.TVorm.#Class")));
  ASSERT_NE(ours, nullptr);
  EXPECT_NE(ours, Vormen::TVorm::StaticClass()) << "the copy has classes of its own";
  EXPECT_EQ(Classes::GetClass("TVorm"), ours);
  {
    auto form = Classes::ReadComponentText(
        "object Vormen: TForm\n  object Vorm1: TVorm\n    Vorm = Cirkel\n  end\nend\n");
    ASSERT_EQ(form->ComponentCount(), 1);
    auto* shape = dynamic_cast<Vormen::TVorm*>(form->Components(0));
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Vorm(), Vormen::Cirkel);
  }
  SysUtils::UnloadPackage(module);
  EXPECT_EQ(Classes::GetClass("TVorm"), Vormen::TVorm::StaticClass()) << "put back";
}

TEST(LoadPackages, APackageWithoutARecordOfItsOwnIsKeptInTheListByTheHost) {
  TTraceRecorder trace;
  HMODULE module = SysUtils::LoadPackage(kProefFile);
  SysInit::TLibModule* record = SysInit::FindModule(module);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->ResInstance, module);
  EXPECT_TRUE(Packages::IsPackageLoaded("proef"));
  auto inits = trace.Only({"Initialization"});
  ASSERT_EQ(inits.size(), 1u);
  EXPECT_EQ(inits[0].Text, "Proef");
  System::TClass proef = Classes::GetClass("TProef");
  ASSERT_NE(proef, nullptr);
  EXPECT_NE(proef->Create, nullptr);

  SysUtils::UnloadPackage(module);
  EXPECT_EQ(SysInit::FindModule(module), nullptr);
  EXPECT_FALSE(Packages::IsPackageLoaded("Proef"));
  ASSERT_NE(Classes::GetClass("TProef"), nullptr);
  EXPECT_EQ(Classes::GetClass("TProef")->Create, nullptr) << "nothing can make it any more";
  EXPECT_THROW(Classes::ReadComponentText("object P: TProef\nend\n"), Classes::EReadError);
}

TEST(LoadPackages, MissingRequiredPackagesAreNamedAndNothingRuns) {
  TTraceRecorder trace;
  try {
    SysUtils::LoadPackage(kWeesFile);
    FAIL() << "loaded";
  } catch (const SysUtils::EPackageError& e) {
    EXPECT_STREQ(e.what(),
                 "Cannot load package \"Wees\": it requires Ontbreekt and Zoekgeraakt, which are "
                 "not loaded");
  }
  EXPECT_TRUE(trace.Only({"GetProcAddress", "PackageLoad", "Initialization"}).empty());
  auto loaded = trace.Only({"LoadLibraryA", "FreeLibrary"});
  EXPECT_EQ(CallNames(loaded), (Names{"LoadLibraryA", "FreeLibrary"}));
  EXPECT_FALSE(Packages::IsPackageLoaded("Wees"));
}

TEST(LoadPackages, FilesThatAreNoPackagesAreRefused) {
  EXPECT_THROW(SysUtils::LoadPackage("/nonexistent/Geen.bpl"), SysUtils::EPackageError);
  TTraceRecorder trace;
  try {
    SysUtils::LoadPackage(kResourceModuleFile);
    FAIL() << "loaded";
  } catch (const SysUtils::EPackageError& e) {
    EXPECT_NE(std::string(e.what()).find("no package information"), std::string::npos) << e.what();
  }
  EXPECT_EQ(trace.Only({"FreeLibrary"}).size(), 1u);
  EXPECT_THROW(SysUtils::UnloadPackage(LinkedPackage()), SysUtils::EPackageError);
}

}  // namespace
