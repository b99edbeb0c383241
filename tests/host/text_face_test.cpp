// FreeType faces: which file a font selects, heights, metrics and advances.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "Graphics/Canvas.h"
#include "Graphics/Text.h"
#include "Graphics/TextFaces.h"
#include "SysUtils.h"
#include "WinGdi.h"
#include "support/Pixels.h"
#include "support/TempFolder.h"

namespace {

using namespace Graphics;
namespace fs = std::filesystem;

TFontData Font(int height, std::string name = "MS Sans Serif", TFontStyles style = {}) {
  TFontData f;
  f.Name = std::move(name);
  f.Height = height;
  f.Style = style;
  return f;
}

int Width(const TFontData& font, std::string_view text) { return Text::Extent(font, text).cx; }

std::string FileName(const TFontData& font) {
  return fs::path(Text::FaceFile(font)).filename().string();
}

// A picture of `text` in ink on white, for comparing glyphs.
std::string Picture(const TFontData& font, std::string_view text) {
  TSurface surface(40, 30, 0xFFFFFF);
  TDrawState s;
  s.Font = font;
  s.Font.Color = clBlack;
  s.Brush.Style = bsClear;
  s.Clip = surface.Bounds();
  Text::Draw(surface, 2, 2, text, s);
  return TestSupport::Picture(surface, 0xFFFFFF, 0);
}

TEST(FaceFile, NameAndStyleChooseTheFamilyFile) {
  EXPECT_EQ(FileName(Font(-12)), "DejaVuSans.ttf");
  EXPECT_EQ(FileName(Font(-12, "Arial")), "DejaVuSans.ttf");
  EXPECT_EQ(FileName(Font(-12, "Courier New")), "DejaVuSansMono.ttf");
  EXPECT_EQ(FileName(Font(-12, "Lucida Console", {fsItalic})), "DejaVuSansMono-Oblique.ttf");
  EXPECT_EQ(FileName(Font(-12, "Times New Roman", {fsBold, fsItalic})),
            "DejaVuSerif-BoldItalic.ttf");
  EXPECT_EQ(FileName(Font(-12, "georgia", {fsItalic})), "DejaVuSerif-Italic.ttf");
  EXPECT_EQ(FileName(Font(-12, "Tahoma", {fsBold, fsUnderline})), "DejaVuSans-Bold.ttf");
  EXPECT_EQ(FileName(Font(-12, "Verdana", {fsBold, fsItalic})), "DejaVuSans-BoldOblique.ttf");
}

void ExpectConsistent(const Text::TTextMetrics& m) {
  EXPECT_EQ(m.Height, m.Ascent + m.Descent);
  EXPECT_GT(m.Ascent, m.Descent);
  EXPECT_GE(m.Descent, 0);
  EXPECT_GT(m.AveCharWidth, 0);
  EXPECT_GE(m.MaxCharWidth, m.AveCharWidth);
}

TEST(FaceMetrics, NegativeHeightIsTheEmAndLeadingIsTheRest) {
  for (int em : {1, 6, 8, 11, 12, 13, 16, 24, 36, 72}) {
    SCOPED_TRACE(em);
    Text::TTextMetrics m = Text::Metrics(Font(-em));
    ExpectConsistent(m);
    EXPECT_EQ(m.InternalLeading, m.Height - em);
    // DejaVu's winAscent + winDescent is about 1.16 em.
    EXPECT_GE(m.Height, em);
    EXPECT_LE(m.Height, em + em / 4 + 1);
  }
}

TEST(FaceMetrics, PositiveHeightIsTheCell) {
  for (int cell : {2, 10, 14, 15, 20, 33, 100}) {
    SCOPED_TRACE(cell);
    Text::TTextMetrics m = Text::Metrics(Font(cell));
    ExpectConsistent(m);
    EXPECT_EQ(m.Height, cell);
    int em = cell - m.InternalLeading;
    // The same em asked for directly gives about the same cell and the same glyphs.
    EXPECT_NEAR(Text::Metrics(Font(-em)).Height, cell, 1);
    EXPECT_EQ(Width(Font(cell), "Sample text"), Width(Font(-em), "Sample text"));
  }
}

TEST(FaceMetrics, HeightZeroIsThirteenPixels) {
  EXPECT_EQ(Text::Metrics(Font(0)).Height, Text::Metrics(Font(-13)).Height);
  EXPECT_EQ(Width(Font(0), "Default"), Width(Font(-13), "Default"));
}

TEST(FaceMetrics, ExtremeHeightsAreBounded) {
  Text::TTextMetrics largest = Text::Metrics(Font(-2048));
  for (int h : {INT_MIN, INT_MAX, 100000, -100000}) {
    SCOPED_TRACE(h);
    Text::TTextMetrics m = Text::Metrics(Font(h));
    ExpectConsistent(m);
    EXPECT_LE(m.Height, largest.Height);
    EXPECT_GT(Width(Font(h), "W"), 0);
  }
  EXPECT_EQ(Text::Metrics(Font(INT_MIN)).Height, largest.Height);
  // Drawn at that size, a glyph and the cell still cover only the surface.
  TSurface surface(64, 48, 0x101010);
  TDrawState s;
  s.Font = Font(INT_MIN, "MS Sans Serif", {fsUnderline});
  s.Clip = surface.Bounds();
  Text::Draw(surface, -30, -1000, "W\x80", s);
  EXPECT_EQ(TestSupport::Count(surface, ColorToPixel(s.Brush.Color)) +
                TestSupport::Count(surface, ColorToPixel(s.Font.Color)),
            64 * 48);
}

TEST(GetTextMetrics, MatchesTheCanvasTextHeight) {
  TCanvas canvas;
  for (int h : {-8, -11, -12, -13, -16, -24, 0, 15, 20}) {
    SCOPED_TRACE(h);
    canvas.Font().SetHeight(h);
    Windows::TEXTMETRICA tm;
    ASSERT_EQ(Windows::GetTextMetricsA(canvas.Handle(), &tm), 1);
    EXPECT_EQ(tm.tmHeight, canvas.TextHeight("Ag"));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(tm.tmAveCharWidth, canvas.TextWidth("x"));
    if (h < 0) {
      EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight + h);
    } else if (h > 0) {
      EXPECT_EQ(tm.tmHeight, h);
    }
  }
}

TEST(Advances, TextWidthIsTheSumOfCharacterWidths) {
  // Pairs a kerning layout would close up: GDI's TextOut does not kern.
  const std::string text = "AVATAR To Wa Yo LT \"Fly\" 1.234";
  for (const TFontData& font : {Font(-12), Font(-31), Font(-17, "Times New Roman", {fsItalic})}) {
    int sum = 0;
    for (char c : text) sum += Width(font, std::string_view(&c, 1));
    EXPECT_EQ(Width(font, text), sum);
    EXPECT_EQ(Text::Extent(font, text).cy, Text::Metrics(font).Height);
  }
  EXPECT_EQ(Text::Extent(Font(-12), ""), (Types::TSize{0, Text::Metrics(Font(-12)).Height}));
}

TEST(Advances, Cp1252BytesHaveTheirOwnGlyphs) {
  TFontData font = Font(-16);
  for (std::string_view text : {"\x80", "\xE9", "\x99", "\xFF"}) {
    EXPECT_GT(Width(font, text), 0);
    EXPECT_NE(Picture(font, text).find('#'), std::string::npos);
  }
  // The euro sign is not the box of an unassigned byte, é is not e.
  EXPECT_NE(Picture(font, "\x80"), Picture(font, "\x81"));
  EXPECT_NE(Picture(font, "\xE9"), Picture(font, "e"));
  EXPECT_NE(Picture(font, "\x9C"), Picture(font, "\x81"));
}

TEST(Advances, BoldIsAtLeastAsWideAndLooksDifferent) {
  for (int h : {-9, -12, -20}) {
    TFontData regular = Font(h);
    TFontData bold = Font(h, "MS Sans Serif", {fsBold});
    EXPECT_GE(Width(bold, "Hello, World"), Width(regular, "Hello, World")) << h;
    EXPECT_NE(Picture(bold, "Hello"), Picture(regular, "Hello")) << h;
  }
}

// Points the face folder at a fresh folder for one test and puts it back after.
class TFontFolder {
 public:
  TFontFolder() { Text::SetFaceFolder(FFolder.Path().string()); }
  ~TFontFolder() { Text::SetFaceFolder(""); }
  TFontFolder(const TFontFolder&) = delete;
  TFontFolder& operator=(const TFontFolder&) = delete;
  const fs::path& Path() const { return FFolder.Path(); }

 private:
  TestSupport::TTempFolder FFolder{"tollen-fonts"};
};

TEST(FontFolder, MissingFacesRaiseNamingTheFile) {
  std::string regular = Text::FaceFile(Font(-12));
  {
    TFontFolder empty;
    try {
      Text::Metrics(Font(-12));
      ADD_FAILURE() << "no exception";
    } catch (const SysUtils::Exception& e) {
      EXPECT_NE(e.Message().find("DejaVuSans.ttf"), std::string::npos) << e.Message();
    }
    EXPECT_THROW(Text::Extent(Font(-12, "Courier New"), "x"), SysUtils::Exception);
    TSurface surface(10, 10);
    TDrawState s;
    s.Font = Font(-12);
    s.Clip = surface.Bounds();
    EXPECT_THROW(Text::Draw(surface, 0, 0, "x", s), SysUtils::Exception);
    // The fixed face needs no file.
    TFontData fixed = Font(-12, std::string(Text::kFixedFaceName));
    EXPECT_EQ(Text::Metrics(fixed).Height, 12);
  }
  EXPECT_EQ(Text::FaceFile(Font(-12)), regular);
  EXPECT_GT(Text::Metrics(Font(-12)).Height, 0);
}

TEST(FontFolder, AFileThatIsNoFaceRaises) {
  TFontFolder folder;
  std::ofstream(folder.Path() / "DejaVuSans.ttf") << "not a face";
  EXPECT_THROW(Text::Metrics(Font(-12)), SysUtils::Exception);
}

TEST(FontFolder, AMissingVariantFallsBackToTheRegularFile) {
  fs::path regular = Text::FaceFile(Font(-12));
  TFontFolder folder;
  fs::copy_file(regular, folder.Path() / "DejaVuSans.ttf");
  TFontData bold = Font(-12, "Arial", {fsBold});
  EXPECT_EQ(fs::path(Text::FaceFile(bold)), folder.Path() / "DejaVuSans.ttf");
  EXPECT_EQ(Width(bold, "Hello"), Width(Font(-12), "Hello"));
}

}  // namespace
