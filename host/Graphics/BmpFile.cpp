#include "Graphics/BmpFile.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "Graphics/BmpDecode.h"
#include "LittleEndian.h"
#include "SysUtils.h"

namespace Graphics {

namespace {

using Bmp::Fault;
using Bmp::TCompression;
using Bmp::TFormat;

// ---- Reading the headers. Every read is of a range checked against the bytes.

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kCoreHeaderBytes = 12;

using LittleEndian::Read16;
using LittleEndian::Read32;

std::string Hex(std::uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", v);
  return text;
}

// The header fields as stored, before any is believed.
struct TFields {
  std::size_t Start = 0;  // where the information header begins
  std::size_t HeaderSize = 0;
  bool Core = false;
  std::int64_t Width = 0, Height = 0;
  std::uint32_t Planes = 0, BitCount = 0, Compression = 0, ColoursUsed = 0;
  std::uint64_t PixelOffset = 0;
};

bool KnownHeaderSize(std::size_t size) {
  return size == kCoreHeaderBytes || size == kInfoHeaderBytes || size == 52 || size == 56 ||
         size == 108 || size == 124;
}

// The information header at `start`; the pixel offset is left to the caller.
TFields ReadInfoHeader(std::span<const std::uint8_t> bytes, std::size_t start) {
  if (bytes.size() < start + 4)
    Fault("file too short (" + std::to_string(bytes.size()) + " bytes) for a bitmap");
  TFields f;
  f.Start = start;
  f.HeaderSize = Read32(bytes, start);
  if (!KnownHeaderSize(f.HeaderSize)) Fault("unknown header size " + std::to_string(f.HeaderSize));
  if (bytes.size() < start + f.HeaderSize)
    Fault("file too short (" + std::to_string(bytes.size()) + " bytes) for its " +
          std::to_string(f.HeaderSize) + "-byte header");
  const std::size_t h = start;
  if (f.HeaderSize == kCoreHeaderBytes) {
    f.Core = true;
    f.Width = Read16(bytes, h + 4);
    f.Height = Read16(bytes, h + 6);
    f.Planes = Read16(bytes, h + 8);
    f.BitCount = Read16(bytes, h + 10);
    return f;
  }
  f.Width = static_cast<std::int32_t>(Read32(bytes, h + 4));
  f.Height = static_cast<std::int32_t>(Read32(bytes, h + 8));
  f.Planes = Read16(bytes, h + 12);
  f.BitCount = Read16(bytes, h + 14);
  f.Compression = Read32(bytes, h + 16);
  f.ColoursUsed = Read32(bytes, h + 32);
  return f;
}

TFields ReadFileFields(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kFileHeaderBytes + 4)
    Fault("file too short (" + std::to_string(bytes.size()) + " bytes) for a bitmap");
  if (bytes[0] != 'B' || bytes[1] != 'M')
    Fault("bad signature " + Hex(Read16(bytes, 0)) + ", not \"BM\"");
  TFields f = ReadInfoHeader(bytes, kFileHeaderBytes);
  f.PixelOffset = Read32(bytes, 10);
  return f;
}

std::string CompressionName(std::uint32_t compression) {
  switch (compression) {
    case 1:
      return "RLE8";
    case 2:
      return "RLE4";
    case 3:
      return "bit-field";
    default:
      return std::to_string(compression);
  }
}

TCompression CheckCompression(const TFields& f) {
  const auto needs = [&](std::uint32_t bits, std::uint32_t orBits) {
    if (f.BitCount != bits && f.BitCount != orBits)
      Fault(CompressionName(f.Compression) + " compression with " + std::to_string(f.BitCount) +
            " bits per pixel");
  };
  switch (f.Compression) {
    case 0:
      return TCompression::Rgb;
    case 1:
      needs(8, 8);
      return TCompression::Rle8;
    case 2:
      needs(4, 4);
      return TCompression::Rle4;
    case 3:
      needs(16, 32);
      return TCompression::BitFields;
    default:
      Fault("unsupported compression " + CompressionName(f.Compression));
  }
}

void CheckSize(const TFields& f, std::uint64_t maxPixels) {
  if (f.Width <= 0) Fault("invalid width " + std::to_string(f.Width));
  if (f.Height == 0) Fault("invalid height 0");
  const std::int64_t height = f.Height < 0 ? -f.Height : f.Height;
  if (auto fault = PictureSizeFault(f.Width, height, std::min(maxPixels, PictureBudget())))
    Fault(*fault);
}

// A JPEG or PNG stream wrapped in bitmap headers: say so, rather than fault the
// bit depth of 0 such files carry.
void CheckNotEmbedded(const TFields& f) {
  constexpr std::uint32_t kJpeg = 4, kPng = 5;
  if (f.Core) return;
  if (f.Compression == kJpeg) Fault("JPEG-compressed bitmaps are not supported");
  if (f.Compression == kPng) Fault("PNG-compressed bitmaps are not supported");
}

TFormat CheckFields(const TFields& f, std::uint64_t maxPixels) {
  if (f.Planes != 1) Fault("planes " + std::to_string(f.Planes) + ", not 1");
  CheckNotEmbedded(f);
  const bool depthKnown =
      f.Core ? f.BitCount == 1 || f.BitCount == 4 || f.BitCount == 8 || f.BitCount == 24
             : f.BitCount == 1 || f.BitCount == 4 || f.BitCount == 8 || f.BitCount == 16 ||
                   f.BitCount == 24 || f.BitCount == 32;
  if (!depthKnown)
    Fault("unsupported bit depth " + std::to_string(f.BitCount) +
          (f.Core ? " for a core header" : ""));
  TFormat format;
  format.Compression = CheckCompression(f);
  if (f.Height < 0 && format.Compression != TCompression::Rgb &&
      format.Compression != TCompression::BitFields)
    Fault("top-down rows with " + CompressionName(f.Compression) + " compression");
  CheckSize(f, maxPixels);
  format.Width = static_cast<int>(f.Width);
  format.Height = static_cast<int>(f.Height < 0 ? -f.Height : f.Height);
  format.BottomUp = f.Height > 0;
  format.BitCount = static_cast<int>(f.BitCount);
  return format;
}

void CheckMask(std::uint32_t mask, int bitCount, const char* channel) {
  if (bitCount == 16 && mask > 0xFFFF)
    Fault(std::string(channel) + " mask " + Hex(mask) + " wider than 16 bits");
  const std::uint64_t shifted = mask ? mask >> std::countr_zero(mask) : 0;
  if (shifted & (shifted + 1))
    Fault(std::string(channel) + " mask " + Hex(mask) + " not contiguous");
}

// The masks of 16 and 32-bit pixels: from the file with bit fields (in the
// header from 52 bytes on, or the three words after a 40-byte one: the same
// place), else the depth's defaults. Returns where the headers end.
std::size_t ReadMasks(std::span<const std::uint8_t> bytes, const TFields& f, TFormat& format) {
  const std::size_t headersEnd = f.Start + f.HeaderSize;
  if (format.BitCount == 16) format.Masks = {0x7C00, 0x03E0, 0x001F};
  if (format.BitCount == 32) format.Masks = {0xFF0000, 0x00FF00, 0x0000FF};
  if (format.Compression != TCompression::BitFields) return headersEnd;
  const std::size_t at = f.Start + kInfoHeaderBytes;
  if (bytes.size() < at + 12)
    Fault("file too short (" + std::to_string(bytes.size()) + " bytes) for its bit-field masks");
  format.Masks = {Read32(bytes, at), Read32(bytes, at + 4), Read32(bytes, at + 8)};
  CheckMask(format.Masks[0], format.BitCount, "red");
  CheckMask(format.Masks[1], format.BitCount, "green");
  CheckMask(format.Masks[2], format.BitCount, "blue");
  return std::max(headersEnd, at + 12);
}

// The palette lies between the headers and the pixels: as many entries as the
// header declares, or as fit before the pixel offset if fewer do.
void ReadPalette(std::span<const std::uint8_t> bytes, const TFields& f, std::size_t start,
                 TFormat& format) {
  if (format.BitCount > 8) return;
  const std::uint64_t full = std::uint64_t{1} << format.BitCount;
  const std::uint64_t declared =
      f.Core || f.ColoursUsed == 0 ? full : std::min<std::uint64_t>(f.ColoursUsed, full);
  const std::size_t entry = f.Core ? 3 : 4;  // B, G, R (and a reserved byte)
  const std::uint64_t room = (f.PixelOffset - start) / entry;
  format.Colours = static_cast<int>(std::min(declared, room));
  for (int i = 0; i < format.Colours; ++i) {
    const std::uint8_t* p = bytes.data() + start + static_cast<std::size_t>(i) * entry;
    format.Palette[static_cast<std::size_t>(i)] =
        TPixel{p[0]} | TPixel{p[1]} << 8 | TPixel{p[2]} << 16;
  }
}

// A packed bitmap has no pixel offset: its pixels follow the palette, which holds
// the colours the header declares (all the depth can name when it says 0).
std::uint64_t PackedPixelOffset(const TFields& f, const TFormat& format, std::size_t headersEnd) {
  const std::uint64_t colours = format.BitCount <= 8 && (f.Core || f.ColoursUsed == 0)
                                    ? std::uint64_t{1} << format.BitCount
                                    : f.ColoursUsed;
  return headersEnd + colours * (f.Core ? 3 : 4);
}

TDecodedBmp Decode(std::span<const std::uint8_t> bytes, TFields fields, std::size_t maxPixels) {
  TFormat format = CheckFields(fields, maxPixels);
  const std::size_t headersEnd = ReadMasks(bytes, fields, format);
  if (fields.Start == 0) fields.PixelOffset = PackedPixelOffset(fields, format, headersEnd);
  if (fields.PixelOffset > bytes.size())
    Fault("pixel data offset " + std::to_string(fields.PixelOffset) +
          " beyond the end of the file (" + std::to_string(bytes.size()) + " bytes)");
  if (fields.PixelOffset < headersEnd)
    Fault("pixel data offset " + std::to_string(fields.PixelOffset) +
          " inside the headers, which end at " + std::to_string(headersEnd));
  ReadPalette(bytes, fields, headersEnd, format);
  const auto data = bytes.subspan(static_cast<std::size_t>(fields.PixelOffset));
  const bool rle =
      format.Compression == TCompression::Rle8 || format.Compression == TCompression::Rle4;
  return {rle ? Bmp::DecodeRle(format, data) : Bmp::DecodeStoredRows(format, data),
          format.BottomUp};
}

[[noreturn]] void CannotOpen(const std::string& path, const std::string& reason) {
  throw EInvalidGraphic("Cannot open file \"" + path + "\": " + reason);
}

}  // namespace

TDecodedBmp ReadBmp(std::span<const std::uint8_t> bytes, const std::string& name,
                    std::uint64_t maxPixels) {
  try {
    return Decode(bytes, ReadFileFields(bytes), maxPixels);
  } catch (const Bmp::EBmpFault& fault) {
    throw EInvalidGraphic("Bitmap \"" + name + "\": " + fault.what());
  }
}

TDecodedBmp ReadDib(std::span<const std::uint8_t> dib, const std::string& name,
                    std::optional<std::int32_t> height) {
  try {
    TFields fields = ReadInfoHeader(dib, 0);
    if (height) fields.Height = *height;
    return Decode(dib, fields, PictureBudget());
  } catch (const Bmp::EBmpFault& fault) {
    throw EInvalidGraphic("Bitmap \"" + name + "\": " + fault.what());
  }
}

TDecodedBmp ReadBmpFile(const std::string& path) {
  // The system would read a name only up to a NUL, and so open another file.
  if (path.find('\0') != std::string::npos) CannotOpen(path, "the name holds a NUL character");
  const std::string native = SysUtils::NativePath(path);
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(native, error);
  if (error) CannotOpen(path, error.message());
  if (size > MaxBmpFileBytes())
    throw EInvalidGraphic("Bitmap \"" + path + "\": file of " + std::to_string(size) +
                          " bytes too large for a bitmap");
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(native.c_str(), "rb"),
                                                             &std::fclose);
  if (!file) CannotOpen(path, "cannot be read");
  // Not a vector: its zero fill would cost as much again as the read.
  const auto length = static_cast<std::size_t>(size);
  const auto bytes = std::make_unique_for_overwrite<std::uint8_t[]>(length);
  if (std::fread(bytes.get(), 1, length, file.get()) != length) CannotOpen(path, "read failed");
  return ReadBmp({bytes.get(), length}, path);
}

std::uint64_t MaxBmpFileBytes() { return PictureBudget() * 4 + (std::uint64_t{1} << 20); }

// ---- Writing.

void WriteBmpFile(const TSurface& surface, const std::string& path) {
  using LittleEndian::Write16;
  using LittleEndian::Write32;
  const auto w = static_cast<std::uint32_t>(surface.Width());
  const auto h = static_cast<std::uint32_t>(surface.Height());
  const std::uint32_t rowBytes = (w * 3 + 3) & ~3u;  // rows are padded to 4 bytes
  const std::uint32_t pixelBytes = rowBytes * h;
  std::vector<std::uint8_t> out;
  out.reserve(54 + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  Write32(out, 54 + pixelBytes);  // file size
  Write32(out, 0);                // reserved
  Write32(out, 54);               // offset of the pixels
  Write32(out, 40);               // information header size
  Write32(out, w);
  Write32(out, h);   // positive: bottom row first
  Write16(out, 1);   // planes
  Write16(out, 24);  // bits per pixel
  Write32(out, 0);   // no compression
  Write32(out, pixelBytes);
  Write32(out, 3780);  // 96 dots per inch, in dots per metre
  Write32(out, 3780);
  Write32(out, 0);
  Write32(out, 0);
  for (int y = surface.Height() - 1; y >= 0; --y) {
    const TPixel* row = surface.Row(y);
    for (std::uint32_t x = 0; x < w; ++x) {
      out.push_back(static_cast<std::uint8_t>(row[x]));        // blue
      out.push_back(static_cast<std::uint8_t>(row[x] >> 8));   // green
      out.push_back(static_cast<std::uint8_t>(row[x] >> 16));  // red
    }
    for (std::uint32_t pad = w * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  std::ofstream file(SysUtils::NativePath(path), std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  file.close();
  if (!file) throw EInvalidGraphic("Cannot write bitmap file \"" + path + "\"");
}

}  // namespace Graphics
