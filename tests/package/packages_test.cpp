// PackageLoad and PackageUnload over tables of the test's own, unit counts,
// decorated names, the name hash and reading package information.
#include "Packages.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "PackageTesting.h"
#include "PackagesNames.h"

namespace {

using namespace PackageTesting;
using Packages::PackageInfoTable;
using Packages::PackageUnitEntry;

std::vector<std::string> gLog;
int gFailAt = -1;

template <int N>
void Init() {
  if (N == gFailAt) throw std::runtime_error("init " + std::to_string(N) + " fails");
  gLog.push_back("init " + std::to_string(N));
}
template <int N>
void Fin() {
  gLog.push_back("fin " + std::to_string(N));
  if (-N == gFailAt) throw std::runtime_error("fin " + std::to_string(N) + " fails");
}

class Tables : public ::testing::Test {
 protected:
  void SetUp() override {
    gLog.clear();
    gFailAt = -1;
  }
  PackageUnitEntry FEntries[4] = {
      {&Init<0>, &Fin<0>}, {&Init<1>, nullptr}, {nullptr, &Fin<2>}, {&Init<3>, &Fin<3>}};
  PackageInfoTable FTable{4, FEntries};
};

using Log = std::vector<std::string>;

TEST_F(Tables, LoadRunsFirstToLastAndUnloadLastToFirst) {
  Packages::PackageLoad(&FTable);
  EXPECT_EQ(gLog, (Log{"init 0", "init 1", "init 3"}));
  gLog.clear();
  Packages::PackageUnload(&FTable);
  EXPECT_EQ(gLog, (Log{"fin 3", "fin 2", "fin 0"}));
}

TEST_F(Tables, AFailingInitialisationUndoesTheUnitsBeforeIt) {
  gFailAt = 3;
  EXPECT_THROW(Packages::PackageLoad(&FTable), std::runtime_error);
  EXPECT_EQ(gLog, (Log{"init 0", "init 1", "fin 2", "fin 0"}));
}

TEST_F(Tables, AFailingFinalisationStillLetsTheOthersRun) {
  gFailAt = -2;
  try {
    Packages::PackageUnload(&FTable);
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "fin 2 fails");
  }
  EXPECT_EQ(gLog, (Log{"fin 3", "fin 2", "fin 0"}));
}

TEST(UnitCounts, WorkHappensAtTheFirstInitialisationAndTheLastFinalisation) {
  TTraceRecorder trace;
  Packages::TUnitRecord unit{"Proef"};
  Packages::InitializeUnit(unit);
  Packages::InitializeUnit(unit);
  Packages::FinalizeUnit(unit);
  Packages::FinalizeUnit(unit);
  Packages::FinalizeUnit(unit);
  EXPECT_EQ(unit.Count, 0);
  std::vector<long> counts;
  for (const auto& c : trace.Calls()) counts.push_back(c.Value);
  EXPECT_EQ(counts, (std::vector<long>{1, 2, 1, 0, 0}));
  EXPECT_EQ(trace.Calls()[0].Text, "Proef");
}

TEST(HostUnits, TheHostInitialisedItsOwnUnitsOnce) {
  for (std::size_t i = 0; i < Packages::kHostUnitCount; ++i)
    EXPECT_EQ(Packages::HostUnitRecord(static_cast<Packages::THostUnit>(i)).Count, 1)
        << Packages::HostUnitName(static_cast<Packages::THostUnit>(i));
}

TEST(HostUnits, EntriesCountTheirOwnUnit) {
  constexpr auto entries = Packages::HostUnitEntries();
  TTraceRecorder trace;
  entries[25].Init();
  entries[25].FInit();
  ASSERT_EQ(trace.Calls().size(), 2u);
  EXPECT_EQ(trace.Calls()[0].Text, "Controls");
  EXPECT_EQ(trace.Calls()[0].Value, 2);
  EXPECT_EQ(trace.Calls()[1].Value, 1);
}

TEST(HostUnits, RunFromSystemToDsgnIntfWithControlsTwentySixth) {
  std::vector<std::string> order = ExpectedUnitOrder();
  ASSERT_EQ(order.size(), 41u);
  EXPECT_EQ(order.front(), "System");
  EXPECT_EQ(order[25], "Controls");
  EXPECT_EQ(order[36], "DsgnIntf");
  for (int position : kOwnUnitPositions)
    EXPECT_EQ(std::count(order.begin(), order.end(), order[position - 1]), 1);
}

// ---- names ----

TEST(DecoratedNames, FollowTheRule) {
  using Packages::DecoratedName;
  EXPECT_EQ(DecoratedName("Vormen", "TVorm", "Create"), "@Vormen.TVorm.Create");
  EXPECT_EQ(DecoratedName("VormKlok", "", "Register"), "@Vormklok.Register");
  EXPECT_EQ(DecoratedName("LichtKrant", "", "Register"), "@Lichtkrant.Register");
  EXPECT_EQ(DecoratedName("GOLFTEKST", "TKleuren", "GetKleur"), "@Golftekst.TKleuren.GetKleur");
  EXPECT_EQ(DecoratedName("film", "TFilm", "#Class"), "@Film.TFilm.#Class");
  constexpr auto made = Packages::kDecoratedName<"VormKlok", "TWijzer", "#TypeInfo">;
  EXPECT_STREQ(made.data(), "@Vormklok.TWijzer.#TypeInfo");
}

TEST(DecoratedNames, ClassReferencesAreRecognised) {
  EXPECT_TRUE(Packages::IsClassReference("@Vormen.TVorm.#Class"));
  EXPECT_FALSE(Packages::IsClassReference("@Vormen.TVorm.#TypeInfo"));
  EXPECT_FALSE(Packages::IsClassReference("Vormen.TVorm.#Class"));
}

TEST(NameHash, TimesThirtyThreePlusEachCapital) {
  EXPECT_EQ(Packages::PackageNameHash(""), 0);
  EXPECT_EQ(Packages::PackageNameHash("A"), 0x41);
  EXPECT_EQ(Packages::PackageNameHash("AB"), 0xA3);
  EXPECT_EQ(Packages::PackageNameHash("ab"), 0xA3);
  EXPECT_EQ(Packages::PackageNameHash("Tollenspiegel"), 0x37);
}

// ---- package information ----

std::vector<std::uint8_t> Info(std::initializer_list<std::uint8_t> bytes) { return bytes; }

TEST(PackageInformation, ReadsEveryField) {
  auto bytes = Info({0x01, 0, 0, 0x4C, 1,    0,    0,   0, 0x03, 'v',  'c', 'l', '4', '0', 0,
                     2,    0, 0, 0,    0x03, 0x11, 'A', 0, 0,    0x22, 'B', 'c', 0,   0});
  Packages::TPackageInfo info = Packages::ParsePackageInfo(bytes);
  EXPECT_EQ(info.Flags, 0x4C000001u);
  EXPECT_EQ(info.ModuleKind(), Packages::kModuleKindPackage);
  EXPECT_EQ(info.Producer(), 3u);
  ASSERT_EQ(info.Requires.size(), 1u);
  EXPECT_EQ(info.Requires[0].Name, "vcl40");
  EXPECT_EQ(info.Requires[0].Hash, 0x03);
  ASSERT_EQ(info.Contains.size(), 2u);
  EXPECT_EQ(info.Contains[1].Flags, 0);
  EXPECT_EQ(info.Contains[1].Hash, 0x22);
  EXPECT_EQ(info.Contains[1].Name, "Bc");
  EXPECT_EQ(info.Contains[0].Flags, 0x03);
}

TEST(PackageInformation, EveryCutIsAnError) {
  auto bytes = Info({0x01, 0,   0, 0x40, 1, 0, 0, 0,    0x03, 'v', 'c', 'l',
                     '4',  '0', 0, 1,    0, 0, 0, 0x03, 0x11, 'A', 0});
  for (std::size_t n = 0; n < bytes.size(); ++n)
    EXPECT_THROW(Packages::ParsePackageInfo(std::span(bytes).first(n)), SysUtils::EPackageError)
        << n;
  EXPECT_NO_THROW(Packages::ParsePackageInfo(bytes));
}

TEST(PackageInformation, HugeCountsAreRefusedBeforeAnythingIsMade) {
  auto bytes = Info({0, 0, 0, 0x40, 0xFF, 0xFF, 0xFF, 0xFF, 0x03, 'v', 0});
  try {
    Packages::ParsePackageInfo(bytes);
    FAIL() << "no error";
  } catch (const SysUtils::EPackageError& e) {
    EXPECT_NE(std::string(e.what()).find("4294967295"), std::string::npos) << e.what();
  }
}

}  // namespace
