// TBitmap: a picture in memory that canvases draw and that has a canvas of its own.
//
// Transparency is the host's: with Transparent on, Draw and StretchDraw leave out
// the pixels of the transparent colour. In tmAuto mode that colour is the first
// pixel of the image data: the bottom-left pixel for bottom-up pictures (those
// made in memory, and bottom-up files), the top-left for top-down ones.
#pragma once

#include <memory>
#include <string>

#include "Classes.h"
#include "Graphics/Canvas.h"
#include "Graphics/Surface.h"

namespace Graphics {

class TRasterDevice;

enum class TTransparentMode { tmAuto, tmFixed };
using enum TTransparentMode;

class TBitmap : public Classes::TPersistent {
  TOLLEN_CLASS(TBitmap)
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;

  int Width() const { return FSurface.Width(); }
  int Height() const { return FSurface.Height(); }
  bool Empty() const { return FSurface.Empty(); }
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }
  void SetSize(int width, int height);

  const TSurface& Surface() const { return FSurface; }
  // Replaces the picture; `bottomUp` tells which pixel tmAuto takes as transparent.
  void SetSurface(TSurface surface, bool bottomUp = true);

  // A canvas drawing on this bitmap's pixels.
  TCanvas& Canvas();

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value) { FTransparent = value; }
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode mode) { FTransparentMode = mode; }
  TColor TransparentColor() const;
  // Fixes the transparent colour (and the mode to tmFixed).
  void SetTransparentColor(TColor color);

  // What a canvas draws: the pixels and, when Transparent, the pixel value left out.
  TPicture Picture() const;

  void Assign(const Classes::TPersistent* source) override;
  // Reads a Windows bitmap file of any kind BmpFile.h lists; "\" and "/" both
  // separate folders. A fault raises EInvalidGraphic naming the file and keeps
  // the picture as it was.
  void LoadFromFile(const std::string& path);
  // Writes the picture as a 24-bit Windows bitmap file.
  void SaveToFile(const std::string& path) const;

 private:
  void BindCanvas();

  TSurface FSurface;
  bool FBottomUp = true;
  bool FTransparent = false;
  TTransparentMode FTransparentMode = tmAuto;
  TColor FTransparentColor = clDefault;
  std::unique_ptr<TRasterDevice> FDevice;
  std::unique_ptr<TCanvas> FCanvas;
};

}  // namespace Graphics
