// The few platform calls the controls make by name, with their contracts.
#pragma once

#include <cstdint>

namespace Graphics {
class TCanvas;
}

namespace Windows {

using BOOL = int;
using LONG = std::int32_t;

// A device context: a canvas with its current font selected.
struct HDC__ {
  Graphics::TCanvas* Canvas = nullptr;
};
using HDC = HDC__*;

struct TEXTMETRICA {
  LONG tmHeight = 0;
  LONG tmAscent = 0;
  LONG tmDescent = 0;
  LONG tmInternalLeading = 0;
  LONG tmExternalLeading = 0;
  LONG tmAveCharWidth = 0;
  LONG tmMaxCharWidth = 0;
};

// Fills `tm` with the metrics of the font selected into `dc`; 0 when either is null.
BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* tm);

}  // namespace Windows
