#include <gtest/gtest.h>

#include "DsgnIntf.h"
#include "GolfTekst.h"
#include "LichtKrant.h"
#include "VormKlok.h"
#include "Vormen.h"

namespace {

TEST(Register, EachUnitPutsItsControlOnTheOnePalettePage) {
  DsgnIntf::ClearRegistrations();
  Vormen::Register();
  VormKlok::Register();
  LichtKrant::Register();
  GolfTekst::Register();
  ASSERT_EQ(DsgnIntf::PalettePages().size(), 1u);
  const DsgnIntf::TPalettePage& page = DsgnIntf::PalettePages()[0];
  EXPECT_EQ(page.Name, "Tollenspiegel");
  EXPECT_EQ(page.Classes,
            (std::vector<System::TClass>{
                Vormen::TVorm::StaticClass(), VormKlok::TVormKlok::StaticClass(),
                LichtKrant::TLichtKrant::StaticClass(), GolfTekst::TGolfTekst::StaticClass()}));
  DsgnIntf::ClearRegistrations();
}

}  // namespace
