// The icon MAINICON: a group icon with one image (icon resource 1), 32 by 32
// pixels of 16 colours. Letters as in Dib.h.
#include "Dib.h"
#include "Resources.h"

namespace Tollenspiegel::Resources {

namespace {

constexpr std::size_t kIconSide = 32;

// The group: its header and one entry naming icon resource 1.
constexpr auto MakeGroup() {
  TByteWriter<kGroupIconSize> w;
  w.Word(0);  // reserved
  w.Word(1);  // an icon, not a cursor
  w.Word(1);  // one image
  w.Byte(kIconSide);
  w.Byte(kIconSide);
  w.Byte(16);  // colours
  w.Byte(0);   // reserved
  w.Word(1);   // planes
  w.Word(4);   // bits per pixel
  w.DWord(kIconImageSize);
  w.Word(1);  // the image's resource number
  return w.Done();
}

}  // namespace

constinit const std::array<std::uint8_t, kGroupIconSize> kMainIconGroup = MakeGroup();

// One row of pixels a line:
// clang-format off
// The image: a hand mirror showing a spinning top; spaces are transparent.
constinit const TIconImage kMainIconImage = IconImage<32, 32>({{
    "                                ",
    "           nnnnnnnnnn           ",
    "         nnnnnaaaannnnn         ",
    "        nnnaaaaaaaaaannn        ",
    "       nnaaaa..aaaaaaaann       ",
    "      nnaaaa..aaaaaaaaaann      ",
    "     nnaaaa..aakkaaaaaaaann     ",
    "    nnnaaa..aaakkaaaaaaaannn    ",
    "    nnaaa..aaaakkaaaaaaaaann    ",
    "    nnaaaaaaaaakkaaaaaaaaann    ",
    "    nnaa.aaarrrkkrrraaaaaann    ",
    "    naaa.arrrrrrrrrrrraaaaan    ",
    "    naaaaarrrrrrrrrrrraaaaan    ",
    "    nnaaaaarrrrrrrrrraaaaann    ",
    "    nnaaaaaayyyyyyyyaaaaaann    ",
    "    nnaaaaaayyyyyyyyaaaaaann    ",
    "    nnnaaaaaarrrrrraaaaaannn    ",
    "     nnaaaaaayyyyyyaaaaaann     ",
    "      nnaaaaaayyyyaaaaaann      ",
    "       nnaaaaaarraaaaaann       ",
    "        nnnaaaarraaaannn        ",
    "         nnnnnaaaannnnn         ",
    "           nnnnnnnnnn           ",
    "             mooom              ",
    "             mooom              ",
    "             mooom              ",
    "             mooom              ",
    "             mooom              ",
    "             mooom              ",
    "             mooom              ",
    "             mmmmm              ",
    "                                ",
}});
// clang-format on

}  // namespace Tollenspiegel::Resources
