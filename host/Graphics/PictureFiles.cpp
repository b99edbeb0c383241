#include "Graphics/PictureFiles.h"

#include <png.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "Graphics/BmpFile.h"
#include "SysUtils.h"

namespace Graphics {

namespace {

struct TFileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using TFile = std::unique_ptr<std::FILE, TFileCloser>;

[[noreturn]] void Fail(const std::string& path, const std::string& what) {
  throw SysUtils::Exception("Cannot " + what + " PNG file \"" + path + "\"");
}

// "Cannot create out/x.png: No such file or directory"
[[noreturn]] void FailOnSystem(const std::string& what, const std::string& path) {
  throw SysUtils::Exception("Cannot " + what + " " + path + ": " + std::strerror(errno));
}

// libpng reports errors through longjmp by default; an error callback that throws
// keeps our stack unwinding in C++ instead.
[[noreturn]] void PngError(png_structp, png_const_charp message) {
  throw SysUtils::Exception(message);
}
void PngWarning(png_structp, png_const_charp) {}

}  // namespace

void WritePngFile(const TSurface& surface, const std::string& path,
                  std::span<const std::uint8_t> alpha) {
  if (surface.Empty()) Fail(path, "write an empty picture to");
  const std::size_t pixels = static_cast<std::size_t>(surface.Width()) * surface.Height();
  if (!alpha.empty() && alpha.size() != pixels) Fail(path, "write a mask of another size to");
  const std::size_t channels = alpha.empty() ? 3 : 4;
  TFile file(std::fopen(path.c_str(), "wb"));
  if (!file) FailOnSystem("create", path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    Fail(path, "start");
  }
  std::vector<png_byte> row(static_cast<std::size_t>(surface.Width()) * channels);
  try {
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(surface.Width()),
                 static_cast<png_uint_32>(surface.Height()), 8,
                 alpha.empty() ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < surface.Height(); ++y) {
      const TPixel* src = surface.Row(y);
      for (std::size_t x = 0; x < static_cast<std::size_t>(surface.Width()); ++x) {
        png_byte* out = &row[channels * x];
        out[0] = static_cast<png_byte>(src[x] >> 16);
        out[1] = static_cast<png_byte>(src[x] >> 8);
        out[2] = static_cast<png_byte>(src[x]);
        if (!alpha.empty())
          out[3] =
              alpha[static_cast<std::size_t>(y) * static_cast<std::size_t>(surface.Width()) + x];
      }
      png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
  } catch (const SysUtils::Exception& e) {
    png_destroy_write_struct(&png, &info);
    Fail(path, std::string("write (") + e.what() + ")");
  }
  png_destroy_write_struct(&png, &info);
  if (std::fflush(file.get()) != 0) FailOnSystem("write", path);
}

TSurface ReadPngFile(const std::string& path, std::vector<std::uint8_t>* alpha) {
  TFile file(std::fopen(path.c_str(), "rb"));
  if (!file) FailOnSystem("open", path);
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    Fail(path, "start");
  }
  TSurface surface;
  try {
    png_init_io(png, file.get());
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    int width = static_cast<int>(png_get_image_width(png, info));
    int height = static_cast<int>(png_get_image_height(png, info));
    surface = TSurface(width, height);
    if (alpha) alpha->clear();
    std::vector<png_byte> row(png_get_rowbytes(png, info));
    for (int y = 0; y < height; ++y) {
      png_read_row(png, row.data(), nullptr);
      TPixel* dst = surface.Row(y);
      for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
        const png_byte* in = &row[4 * x];
        dst[x] = (TPixel{in[0]} << 16) | (TPixel{in[1]} << 8) | in[2];
        if (alpha) alpha->push_back(in[3]);
      }
    }
  } catch (const SysUtils::Exception& e) {
    png_destroy_read_struct(&png, &info, nullptr);
    Fail(path, std::string("read (") + e.what() + ")");
  }
  png_destroy_read_struct(&png, &info, nullptr);
  return surface;
}

void SavePicture(const TSurface& picture, const std::string& path) {
  auto endsIn = [&](std::string_view extension) {
    if (path.size() < extension.size()) return false;
    for (std::size_t i = 0; i < extension.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(path[path.size() - extension.size() + i])) !=
          extension[i])
        return false;
    return true;
  };
  if (endsIn(".png"))
    WritePngFile(picture, path);
  else if (endsIn(".bmp"))
    WriteBmpFile(picture, path);
  else
    throw SysUtils::Exception("Cannot save " + path + ": a picture is saved as .png or .bmp");
}

}  // namespace Graphics
