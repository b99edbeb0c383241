// Text: measuring and drawing single-byte strings with FreeType.
//
// Characters are single bytes of the Windows Latin-1 code page. A font is chosen
// by its TFontData: the name kFixedFaceName selects the fixed-metric test face
// (every glyph a box of known size, for tests that need exact glyph metrics); any
// other name selects a face of the bundled default face's family (mono, serif or
// sans by words in the name), made bold or italic by its style.
// Rendered glyphs are kept per face and pixel size, so a string is measured and
// drawn without rasterising a glyph twice.
//
// Heights follow the platform: a negative TFontData::Height is the character
// height (cell height less internal leading), a positive one the cell height;
// 0 means -13 (a cell of 10 for the fixed face). Sizes beyond 2048 pixels are
// drawn at 2048.
#pragma once

#include <string>
#include <string_view>

#include "Graphics/Device.h"
#include "Types.h"

namespace Graphics::Text {

inline constexpr std::string_view kFixedFaceName = "Tollen Fixed";

struct TTextMetrics {
  int Height = 0;  // the character cell: Ascent + Descent
  int Ascent = 0;
  int Descent = 0;
  int InternalLeading = 0;
  int ExternalLeading = 0;
  int AveCharWidth = 0;
  int MaxCharWidth = 0;
};

TTextMetrics Metrics(const TFontData& font);
// Width: the sum of the characters' advances; height: the cell height.
Types::TSize Extent(const TFontData& font, std::string_view text);
// The file `font` is drawn with; empty for the fixed face. Metrics, Extent and Draw
// raise the same SysUtils::Exception when no file of the font's family is found.
std::string FaceFile(const TFontData& font);

// Draws `text` with its cell's top-left at logical (x, y): under a solid brush the
// cell [x, x + width) x [y, y + cell height) is filled with the brush colour first;
// the glyphs take the font colour. Clipped to `s.Clip`.
void Draw(TSurface& surface, int x, int y, std::string_view text, const TDrawState& s);

}  // namespace Graphics::Text
