// A fixture for raster tests: a surface of paper colour, a device on it, and a
// drawing state with a red pen and a blue brush.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Graphics/Raster.h"
#include "support/Pixels.h"

namespace TestSupport {

class TRasterCase : public ::testing::Test {
 protected:
  static constexpr Graphics::TPixel kPaper = 0x000000, kPen = 0xFF0000, kBrush = 0x0000FF;

  TRasterCase() {
    State.Pen.Color = Graphics::clRed;
    State.Brush.Color = Graphics::clBlue;
  }
  void Start(int width, int height) {
    Surface = Graphics::TSurface(width, height, kPaper);
    State.Clip = Surface.Bounds();
  }
  // '.' paper, '#' pen, 'o' brush, '?' anything else.
  std::string Picture() const { return TestSupport::Picture(Surface, kPaper, kPen, kBrush); }

  Graphics::TSurface Surface;
  Graphics::TRasterDevice Device{Surface};
  Graphics::TDrawState State;
};

}  // namespace TestSupport
