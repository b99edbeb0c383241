// The package's exports: the entry points under their plain names, the package
// information table, and the units' symbols under decorated names.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Classes.h"
#include "GolfTekst.h"
#include "PackageTesting.h"
#include "Packages.h"
#include "PackagesNames.h"
#include "VormKlok.h"
#include "Vormen.h"

namespace {

using namespace PackageTesting;

template <typename T>
T Export(const char* name) {
  Windows::FARPROC p = Windows::GetProcAddress(LinkedPackage(), name);
  if constexpr (std::is_pointer_v<T> && std::is_function_v<std::remove_pointer_t<T>>)
    return reinterpret_cast<T>(p);
  else
    return reinterpret_cast<T>(reinterpret_cast<std::uintptr_t>(p));
}

void* DynamicSymbol(const char* name) {
  void* handle = dlopen(kPackageFile.c_str(), RTLD_LAZY | RTLD_NOLOAD);
  void* symbol = dlsym(handle, name);
  dlclose(handle);
  return symbol;
}

TEST(Exports, InitializeAndFinalizeAreAlsoRealDynamicSymbols) {
  for (const char* name : {"Initialize", "Finalize"}) {
    ASSERT_NE(DynamicSymbol(name), nullptr) << name;
    EXPECT_EQ(reinterpret_cast<void*>(Windows::GetProcAddress(LinkedPackage(), name)),
              DynamicSymbol(name));
  }
  EXPECT_EQ(DynamicSymbol("@GetPackageInfoTable"), nullptr);
  EXPECT_NE(Windows::GetProcAddress(LinkedPackage(), "@GetPackageInfoTable"), nullptr);
}

TEST(Exports, LookUpNeverAnswersWithALibraryThePackageUses) {
  Dl_info info{};
  dladdr(reinterpret_cast<const void*>(&Classes::RegisterClass), &info);
  ASSERT_NE(info.dli_sname, nullptr);
  EXPECT_EQ(Windows::GetProcAddress(LinkedPackage(), info.dli_sname), nullptr);
  EXPECT_EQ(Windows::GetProcAddress(LinkedPackage(), "NoSuchExport"), nullptr);
}

TEST(Exports, TheOwnUnitExportsItsEntryPointsTwice) {
  EXPECT_EQ(Windows::GetProcAddress(LinkedPackage(), "@Tollenspiegel.Initialize"),
            Windows::GetProcAddress(LinkedPackage(), "Initialize"));
  EXPECT_EQ(Windows::GetProcAddress(LinkedPackage(), "@Tollenspiegel.Finalize"),
            Windows::GetProcAddress(LinkedPackage(), "Finalize"));
  EXPECT_EQ(Windows::GetProcAddress(LinkedPackage(), "@Tollenspiegel.GetPackageInfoTable"),
            Windows::GetProcAddress(LinkedPackage(), "@GetPackageInfoTable"));
  EXPECT_NE(Windows::GetProcAddress(LinkedPackage(), "@Tollenspiegel.#Initialization"), nullptr);
}

TEST(Exports, TheTableRunsFortyOneUnitsInDependencyOrder) {
  auto table = Export<Packages::PackageInfo (*)()>("@GetPackageInfoTable")();
  ASSERT_EQ(table->UnitCount, 41);
  TTraceRecorder trace;
  for (int i = 0; i < table->UnitCount; ++i) table->UnitInfo[i].Init();
  for (int i = table->UnitCount; i-- > 0;) table->UnitInfo[i].FInit();

  auto calls = trace.Only({"Initialization"});
  const std::vector<std::string> order = ExpectedUnitOrder();
  ASSERT_EQ(calls.size(), order.size());
  std::set<int> own(std::begin(kOwnUnitPositions), std::end(kOwnUnitPositions));
  for (std::size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(calls[i].Text, order[i]) << "position " << i + 1;
    EXPECT_EQ(calls[i].Value, own.count(static_cast<int>(i) + 1) ? 1 : 2) << order[i];
  }
  auto finals = trace.Only({"Finalization"});
  ASSERT_EQ(finals.size(), order.size());
  EXPECT_EQ(finals.front().Text, "VormKlok");
  EXPECT_EQ(finals.back().Text, "System");
}

TEST(Exports, ClassReferencesAndTypeInformation) {
  EXPECT_EQ(Export<System::TClass>("@Vormen.TVorm.#Class"), Vormen::TVorm::StaticClass());
  EXPECT_EQ(Export<System::TClass>("@Vormklok.TVormKlok.#Class"),
            VormKlok::TVormKlok::StaticClass());
  EXPECT_EQ(Export<System::TClass>("@Golftekst.TKleuren.#Class"),
            GolfTekst::TKleuren::StaticClass());
  EXPECT_EQ(Export<const TypInfo::TTypeInfo*>("@Vormen.TVormen.#TypeInfo"), Vormen::VormenType());
  EXPECT_EQ(Export<const TypInfo::TTypeInfo*>("@Vormklok.TCijfers.#TypeInfo"),
            VormKlok::CijfersType());
  auto* classType = Export<const TypInfo::TTypeInfo*>("@Vormen.TVorm.#TypeInfo");
  ASSERT_NE(classType, nullptr);
  EXPECT_EQ(classType->ClassRef, Vormen::TVorm::StaticClass());
}

TEST(Exports, ConstructorsMethodsAndDestructorsWorkThroughTheirThunks) {
  Classes::TComponent owner(nullptr);
  auto create = Export<Vormen::TVorm* (*)(Classes::TComponent*)>("@Vormen.TVorm.Create");
  auto setVorm = Export<void (*)(Vormen::TVorm*, Vormen::TVormen)>("@Vormen.TVorm.SetVorm");
  auto vorm = Export<Vormen::TVormen (*)(const Vormen::TVorm*)>("@Vormen.TVorm.Vorm");
  auto destroy = Export<void (*)(Vormen::TVorm*)>("@Vormen.TVorm.Destroy");
  Vormen::TVorm* shape = create(&owner);
  EXPECT_EQ(owner.ComponentCount(), 1);
  setVorm(shape, Vormen::Cirkel);
  EXPECT_EQ(shape->Vorm(), Vormen::Cirkel);
  EXPECT_EQ(vorm(shape), Vormen::Cirkel);
  destroy(shape);
  EXPECT_EQ(owner.ComponentCount(), 0);

  auto hand = Export<VormKlok::TWijzer* (*)()>("@Vormklok.TWijzer.Create")();
  ASSERT_NE(hand, nullptr);
  Export<void (*)(VormKlok::TWijzer*)>("@Vormklok.TWijzer.Destroy")(hand);
}

TEST(Exports, NamesAreUniqueAndDecoratedByTheRule) {
  const std::set<std::string> plain = {"Initialize", "Finalize", "@GetPackageInfoTable"};
  const std::set<std::string> units = {"Tollenspiegel", "Vormen",    "Film",
                                       "Lichtkrant",    "Golftekst", "Vormklok"};
  std::set<std::string> names;
  std::set<std::string> initialised, finalised;
  for (const Windows::TExportEntry& e : Windows::ModuleExports(LinkedPackage())) {
    std::string name = e.Name;
    EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
    EXPECT_NE(e.Address(), nullptr) << name;
    if (plain.count(name)) continue;
    ASSERT_EQ(name.front(), '@') << name;
    std::string unit = name.substr(1, name.find('.') - 1);
    EXPECT_TRUE(units.count(unit)) << name;
    std::string rest = name.substr(unit.size() + 2);
    std::size_t dot = rest.find('.');
    std::string cls = dot == std::string::npos ? "" : rest.substr(0, dot);
    std::string member = dot == std::string::npos ? rest : rest.substr(dot + 1);
    EXPECT_EQ(Packages::DecoratedName(unit, cls, member), name);
    if (member == "#Initialization") initialised.insert(unit);
    if (member == "#Finalization") finalised.insert(unit);
  }
  for (const std::string& p : plain) EXPECT_TRUE(names.count(p)) << p;
  for (const std::string& unit : units) {
    EXPECT_TRUE(initialised.count(unit)) << unit;
    if (unit != "Tollenspiegel") {
      EXPECT_TRUE(finalised.count(unit)) << unit;
    }
  }
}

}  // namespace
