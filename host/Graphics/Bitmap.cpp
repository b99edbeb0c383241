#include "Graphics/Bitmap.h"

#include "Graphics/BmpFile.h"
#include "Graphics/Raster.h"
#include "SysUtils.h"

namespace Graphics {

System::TClass TBitmap::StaticClass() {
  static const System::TClassInfo info{"TBitmap", Classes::TPersistent::StaticClass()};
  return &info;
}

TBitmap::TBitmap() = default;
TBitmap::TBitmap(int width, int height) : FSurface(width, height, 0x00FFFFFF) {}
TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
  FSurface.Resize(width, height, 0x00FFFFFF);
  BindCanvas();
}

void TBitmap::SetSurface(TSurface surface, bool bottomUp) {
  FSurface = std::move(surface);
  FBottomUp = bottomUp;
  BindCanvas();
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = std::make_unique<TCanvas>();
    BindCanvas();
  }
  return *FCanvas;
}

void TBitmap::BindCanvas() {
  if (!FCanvas) return;
  FDevice = std::make_unique<TRasterDevice>(FSurface);
  FCanvas->SetDevice(FDevice.get());
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (Empty()) return clDefault;
  return PixelToColor(FBottomUp ? FSurface.Pixel(0, Height() - 1) : FSurface.Pixel(0, 0));
}

void TBitmap::SetTransparentColor(TColor color) {
  FTransparentColor = color;
  FTransparentMode = tmFixed;
}

TPicture TBitmap::Picture() const {
  std::optional<TPixel> key;
  if (FTransparent && !Empty()) key = ColorToPixel(TransparentColor());
  return {FSurface, key};
}

void TBitmap::Assign(const Classes::TPersistent* source) {
  if (const auto* other = dynamic_cast<const TBitmap*>(source)) {
    FSurface = other->FSurface;
    FBottomUp = other->FBottomUp;
    FTransparent = other->FTransparent;
    FTransparentMode = other->FTransparentMode;
    FTransparentColor = other->FTransparentColor;
    BindCanvas();
    return;
  }
  Classes::TPersistent::Assign(source);
}

void TBitmap::LoadFromFile(const std::string& path) {
  TDecodedBmp bmp;
  try {
    bmp = ReadBmpFile(path);  // raises before anything here changes
  } catch (const SysUtils::Exception&) {
    // A film reads its frames on every draw: the file is looked for only when
    // reading fails, to tell a missing name from a bad file.
    if (!SysUtils::FileExists(path)) SysUtils::ReportMissingFile(path);
    throw;
  }
  SetSurface(std::move(bmp.Pixels), bmp.BottomUp);
}

void TBitmap::SaveToFile(const std::string& path) const { WriteBmpFile(FSurface, path); }

}  // namespace Graphics
