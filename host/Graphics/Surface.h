// TSurface: a block of 32-bit pixels, the one picture type of the host.
//
// Layout: Height rows of Stride pixels, top row first; a pixel is 0x00RRGGBB
// (TPixel), so in memory each is B, G, R, 0 as in the platform's 32-bit bitmaps.
// Only the first Width pixels of a row are picture. Sizes are bounded before any
// allocation (kMaxDimension a side, PictureBudget() in all); a bad size raises
// EInvalidGraphic naming the size and the limit.
//
// Host setting: the picture budget, the most pixels one picture may hold. Every
// surface, and every bitmap file before it is decoded, is checked against it, so
// a file of a few bytes that claims a huge picture is refused before anything is
// allocated. The default, 64 Mi pixels (256 MiB), holds two pictures of an 8K
// display (7680 x 4320). An application that needs larger pictures raises it with
// SetPictureBudget, up to kMaxDimension squared; the side limit is fixed, as the
// drawing code's coordinate arithmetic is sized for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "Graphics/Colors.h"
#include "SysUtils.h"
#include "Types.h"

namespace Graphics {

class EInvalidGraphic : public SysUtils::Exception {
 public:
  using Exception::Exception;
};

// Pixels start on a cache line, and so does every row of a width that is a
// multiple of 16: a row's vector fill then writes no line that its neighbour
// writes too.
template <typename T>
struct TCacheLineAllocator {
  using value_type = T;
  static constexpr std::align_val_t kAlignment{64};
  TCacheLineAllocator() = default;
  template <typename U>
  explicit TCacheLineAllocator(const TCacheLineAllocator<U>&) {}
  T* allocate(std::size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), kAlignment)); }
  void deallocate(T* p, std::size_t) { ::operator delete(p, kAlignment); }
  friend bool operator==(const TCacheLineAllocator&, const TCacheLineAllocator&) = default;
};
inline constexpr std::uint64_t kDefaultPictureBudget = std::uint64_t{1} << 26;

std::uint64_t PictureBudget();
void SetPictureBudget(std::uint64_t pixels);

// Why a picture of `width` x `height` cannot be made within `budget` pixels (sides
// first, then the count), or nothing when it can; for sizes of 0 and more.
std::optional<std::string> PictureSizeFault(std::int64_t width, std::int64_t height,
                                            std::uint64_t budget);

class TSurface {
 public:
  static constexpr int kMaxDimension = 32768;

  TSurface() = default;
  TSurface(int width, int height, TPixel fill = 0);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Stride() const { return FWidth; }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }
  Types::TRect Bounds() const { return {0, 0, FWidth, FHeight}; }

  TPixel* Row(int y) { return FPixels.data() + static_cast<std::size_t>(y) * Stride(); }
  const TPixel* Row(int y) const { return FPixels.data() + static_cast<std::size_t>(y) * Stride(); }
  TPixel Pixel(int x, int y) const { return Row(y)[x]; }
  void SetPixel(int x, int y, TPixel p) { Row(y)[x] = p; }

  // New size; the picture is kept where it overlaps, the rest takes `fill`.
  void Resize(int width, int height, TPixel fill = 0);
  void Fill(TPixel p);

  friend bool operator==(const TSurface&, const TSurface&) = default;

 private:
  int FWidth = 0;
  int FHeight = 0;
  std::vector<TPixel, TCacheLineAllocator<TPixel>> FPixels;
};

}  // namespace Graphics
