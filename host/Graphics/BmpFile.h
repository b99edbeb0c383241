// Windows bitmap files: a reader for every common kind, and a 24-bit writer.
//
// Usage
//   TDecodedBmp bmp = ReadBmpFile("frames\\a.bmp");     // "\" or "/" separators
//   TDecodedBmp bmp = ReadBmp(bytes, "a.bmp");          // bytes already in memory
//   TDecodedBmp bmp = ReadDib(resource, "TVORM");       // no file header
//   bitmap.SetSurface(std::move(bmp.Pixels), bmp.BottomUp);
//   WriteBmpFile(surface, "out.bmp");
//
// What is read
//   Headers: the 12-byte core header (palette of RGB triples), the 40-byte
//   information header and its 52, 56, 108 and 124-byte extensions (colour space,
//   gamma and profile fields are ignored).
//   Pixels: 1, 4 and 8 bits through a palette, 16, 24 and 32 bits; uncompressed,
//   RLE8, RLE4, and bit fields for 16 and 32 bits (masks in the header, or the
//   three words after a 40-byte header; any contiguous mask, scaled to 8 bits as
//   value * 255 / max, rounded). 16 bits without masks is 5-5-5. Bottom-up
//   (positive height) and top-down (negative height, uncompressed only) rows.
//   A palette may be shorter than the depth allows (the colours-used field, or a
//   pixel offset that leaves room for fewer); an index past it is an error.
//   The pixel offset of the file header is honoured, so gaps are allowed.
//   The file's real length is trusted, never the file-size or image-size fields.
//   The last row may lack its padding; every other row must be whole.
//   RLE: pixels that the codes skip (delta, end of line, end of bitmap) take
//   palette colour 0. Data that ends without an end-of-bitmap code is accepted
//   only once every pixel has been reached.
//
// Pixel layout
//   TSurface of Width x Height TPixels, top row first, each 0x00RRGGBB; the
//   alpha byte of 32-bit pixels is ignored. BottomUp tells how the file stored
//   its rows: TBitmap takes its tmAuto transparent colour from the first stored
//   pixel (bottom-left when bottom-up, top-left otherwise).
//
// Limits
//   Width and height 1..TSurface::kMaxDimension, and at most `maxPixels` pixels
//   and never more than the picture budget (Surface.h, 64 Mi pixels unless the
//   application raises it); all checked, in 64-bit arithmetic, from the headers
//   alone, before any allocation: a 64-byte RLE file that claims 16384 x 16384
//   pixels is refused at once. Uncompressed data must be present in full before
//   the picture is made, so memory stays within 32 times the file's size for
//   those. Files over MaxBmpFileBytes() are not read.
//
// Errors
//   Every fault raises EInvalidGraphic with the message
//     Bitmap "<name>": <fault>        e.g. palette index 9 out of range (16 colours)
//   and nothing is read or written outside the given bytes. A file that cannot
//   be opened or read gives  Cannot open file "<name>": <reason>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "Graphics/Surface.h"

namespace Graphics {

struct TDecodedBmp {
  TSurface Pixels;
  bool BottomUp = true;  // rows were stored bottom row first
};

// Largest file ReadBmpFile reads: the budget's picture at 32 bits, headers and a
// generous gap before the pixels.
std::uint64_t MaxBmpFileBytes();

// Decodes a whole bitmap file held in `bytes`; `name` is for messages only.
TDecodedBmp ReadBmp(std::span<const std::uint8_t> bytes, const std::string& name,
                    std::uint64_t maxPixels = PictureBudget());

// Decodes a packed bitmap (a DIB: the information header, the palette and the
// pixels, as resources and icons hold a bitmap, without the file header). The
// pixels follow the palette of the colours the header declares. `height`, when
// given, replaces the header's: an icon's image declares its colours and its mask
// together, twice the picture's height, the colours first.
TDecodedBmp ReadDib(std::span<const std::uint8_t> dib, const std::string& name,
                    std::optional<std::int32_t> height = std::nullopt);

// Reads the file at `path` (either separator) and decodes it.
TDecodedBmp ReadBmpFile(const std::string& path);

// Writes a 24-bit, bottom-up bitmap file; raises EInvalidGraphic naming the file
// when it cannot be written.
void WriteBmpFile(const TSurface& surface, const std::string& path);

}  // namespace Graphics
