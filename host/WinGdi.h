// The platform's drawing calls the controls make by name, over the host's canvas.
//
// A device context (HDC) is a canvas: TCanvas::Handle gives it, with the canvas's
// current font selected.
#pragma once

#include "Graphics/Canvas.h"
#include "Windows.h"

namespace Windows {

using HDC = Graphics::TCanvas*;

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
