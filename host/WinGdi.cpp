#include "WinGdi.h"

#include "Graphics/Text.h"

namespace Windows {

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* tm) {
  if (dc == nullptr || tm == nullptr) return 0;
  Graphics::Text::TTextMetrics m = Graphics::Text::Metrics(dc->Font().Data());
  tm->tmHeight = m.Height;
  tm->tmAscent = m.Ascent;
  tm->tmDescent = m.Descent;
  tm->tmInternalLeading = m.InternalLeading;
  tm->tmExternalLeading = m.ExternalLeading;
  tm->tmAveCharWidth = m.AveCharWidth;
  tm->tmMaxCharWidth = m.MaxCharWidth;
  return 1;
}

}  // namespace Windows
