// The palette bitmaps: one 24 by 24 picture of 16 colours per control, named
// after the control's class. Letters as in Dib.h.
#include "Dib.h"
#include "Resources.h"

namespace Tollenspiegel::Resources {

// One row of pixels a line:
// clang-format off

// TVORM: a yellow triangle with a smiling face under rainbow-coloured arcs, on white.
constinit const TPaletteBitmap kVormBitmap = PaletteBitmap<24, 24>({{
    "........................",
    "........................",
    ".......rrrrrrrrrr.......",
    "......rryyyyyyyyrr......",
    "....rryyllllllllyyrr....",
    "...rryllbbbbbbbbllyrr...",
    "...ryllbppppppppbllyr...",
    "..ryllbpp......ppbllyr..",
    ".rrylbp....kk....pblyrr.",
    ".rylbpp....kk....ppblyr.",
    ".rylbp....kyyk....pblyr.",
    ".rylbp...kkyykk...pblyr.",
    ".rylbp...kyyyyk...pblyr.",
    "........kyyyyyyk........",
    ".......kkyyyyyykk.......",
    ".......kyykyykyyk.......",
    "......kyyyyyyyyyyk......",
    ".....kyykyyyyyykyyk.....",
    ".....kyyykyyyykyyyk.....",
    "....kyyyyykkkkyyyyyk....",
    "...kyyyyyyyyyyyyyyyyk...",
    "...kyyyyyyyyyyyyyyyyk...",
    "..kkkkkkkkkkkkkkkkkkkk..",
    "........................",
}});

// TVORMKLOK: a clock face, the numerals 12, 3, 6 and 9 in blue, red hands, on silver.
constinit const TPaletteBitmap kVormKlokBitmap = PaletteBitmap<24, 24>({{
    "sssssssssskkkkssssssssss",
    "ssssssskkkk..kkkksssssss",
    "ssssskk..........kksssss",
    "sssskk....b.bb....kkssss",
    "ssskk....bb...b....kksss",
    "sskk......b..b......kkss",
    "ssk.......b.b....r...kss",
    "sk........b.bbb.r.....ks",
    "sk.............r......ks",
    "sk............r.......ks",
    "kk...b.......r....bb..kk",
    "k...b.b.rrrkk.......b..k",
    "k....bb.rrrkk......b...k",
    "kk....b.............b.kk",
    "sk..bb............bb..ks",
    "sk....................ks",
    "sk....................ks",
    "ssk.........bb.......kss",
    "sskk.......b........kkss",
    "ssskk......bb......kksss",
    "sssskk.....b.b....kkssss",
    "ssssskk.....b....kksssss",
    "ssssssskkkk..kkkksssssss",
    "sssssssssskkkkssssssssss",
}});

// TFILM: a strip of film with two frames, each showing a yellow duck.
constinit const TPaletteBitmap kFilmBitmap = PaletteBitmap<24, 24>({{
    "........................",
    "........................",
    "........................",
    "kkkkkkkkkkkkkkkkkkkkkkkk",
    "k..k..k..k..k..k..k..k..",
    "k..k..k..k..k..k..k..k..",
    "kkkkkkkkkkkkkkkkkkkkkkkk",
    "kaaaaaaaaaakkaaaaaaaaaak",
    "kaaaaaaaaaakkaaaaaaaaaak",
    "kaaaaayyyaakkaaaaaaaaaak",
    "kaaaaayykaakkaaaaayyyaak",
    "kaayyyyyyrrkkaaaaayykaak",
    "kyooyyyyaaakkaayyyyyyrrk",
    "kyyyyyyyaaakkyooyyyyaaak",
    "kaayyyaaaaakkyyyyyyyaaak",
    "kbbbbbbbbbbkkbbyyybbbbbk",
    "kbbbbbbbbbbkkbbbbbbbbbbk",
    "kkkkkkkkkkkkkkkkkkkkkkkk",
    "k..k..k..k..k..k..k..k..",
    "k..k..k..k..k..k..k..k..",
    "kkkkkkkkkkkkkkkkkkkkkkkk",
    "........................",
    "........................",
    "........................",
}});

// TLICHTKRANT: a blue letter S with green speed lines, on white.
constinit const TPaletteBitmap kLichtKrantBitmap = PaletteBitmap<24, 24>({{
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "..............bbbbbb....",
    "....gggggg...bbbbbbbb...",
    "............bbb....bbb..",
    "............bbb.........",
    ".ggggggggg..bbb.........",
    ".............bbbbbbb....",
    "..............bbbbbbb...",
    "...ggggggg.........bbb..",
    "...................bbb..",
    "............bbb....bbb..",
    "gggggggggg...bbbbbbbb...",
    "..............bbbbbb....",
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
}});

// TGOLFTEKST: the letters "golf" in red, black, blue and purple, on white.
constinit const TPaletteBitmap kGolfTekstBitmap = PaletteBitmap<24, 24>({{
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "........kkkk............",
    ".......kk..kkbbb........",
    ".......kk..kk.bb........",
    ".......kk..kk.bb........",
    "........kkkk..bb........",
    "..............bb....ppp.",
    "..rrrr........bb...pp...",
    ".rr..rr.......bb...pp...",
    ".rr..rr......bbbb.ppppp.",
    ".rr..rr............pp...",
    "..rrrrr............pp...",
    ".....rr............pp...",
    ".rr..rr............pp...",
    "..rrrr..................",
    "........................",
    "........................",
    "........................",
    "........................",
}});

// clang-format on

}  // namespace Tollenspiegel::Resources
