#include "Graphics/TextFaces.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string_view>
#include <vector>

#include "SysUtils.h"

#ifndef TOLLEN_DEFAULT_FACE
#error "TOLLEN_DEFAULT_FACE must name the default face file"
#endif

namespace Graphics::Text {

namespace {

namespace fs = std::filesystem;

enum class TFamily { Sans, Mono, Serif };

bool ContainsIgnoringCase(std::string_view text, std::string_view word) {
  auto same = [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
  };
  return std::search(text.begin(), text.end(), word.begin(), word.end(), same) != text.end();
}

template <std::size_t N>
bool ContainsAny(std::string_view text, const std::array<std::string_view, N>& words) {
  return std::any_of(words.begin(), words.end(),
                     [text](std::string_view w) { return ContainsIgnoringCase(text, w); });
}

TFamily FamilyOf(std::string_view name) {
  static constexpr std::array<std::string_view, 5> mono{"courier", "mono", "fixedsys", "terminal",
                                                        "console"};
  static constexpr std::array<std::string_view, 4> serif{"times", "roman", "serif", "georgia"};
  if (ContainsAny(name, mono)) return TFamily::Mono;
  // "MS Sans Serif" and its kin name faces without serifs.
  if (ContainsIgnoringCase(name, "sans")) return TFamily::Sans;
  if (ContainsAny(name, serif)) return TFamily::Serif;
  return TFamily::Sans;
}

struct TFaceFiles {
  std::string Variant;  // the file of the style asked for
  std::string Regular;  // the family's plain file, used when the variant is missing
};

TFaceFiles FilesFor(TFamily family, TFontStyles style) {
  static const fs::path defaultFace{TOLLEN_DEFAULT_FACE};
  std::string stem = family == TFamily::Mono    ? "DejaVuSansMono"
                     : family == TFamily::Serif ? "DejaVuSerif"
                                                : defaultFace.stem().string();
  std::string extension = family == TFamily::Sans ? defaultFace.extension().string() : ".ttf";
  std::string slant = family == TFamily::Serif ? "Italic" : "Oblique";
  bool bold = style.Contains(fsBold);
  bool italic = style.Contains(fsItalic);
  std::string suffix = bold && italic ? "-Bold" + slant
                       : bold         ? "-Bold"
                       : italic       ? "-" + slant
                                      : "";
  return {stem + suffix + extension, stem + extension};
}

std::string DefaultFolder() {
  const char* dir = std::getenv("TOLLEN_FONT_DIR");
  if (dir != nullptr && *dir != '\0') return dir;
  return fs::path{TOLLEN_DEFAULT_FACE}.parent_path().string();
}

struct TFolderSetting {
  std::string Folder = DefaultFolder();
  unsigned Generation = 0;
};

TFolderSetting& FolderSetting() {
  static TFolderSetting setting;
  return setting;
}

std::string_view FaceFolder() { return FolderSetting().Folder; }

int NonNegative(long value) { return static_cast<int>(std::clamp(value, 0L, 1L << 20)); }

TDesignMetrics ReadDesign(FT_Face face) {
  TDesignMetrics d;
  d.UnitsPerEm = face->units_per_EM;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    d.Ascent = os2->usWinAscent;
    d.Descent = os2->usWinDescent;
  } else {
    d.Ascent = NonNegative(face->ascender);
    d.Descent = NonNegative(-face->descender);
  }
  if (d.Ascent + d.Descent == 0) d.Ascent = d.UnitsPerEm;
  d.UnderlinePosition = face->underline_position;
  d.MaxAdvance = face->max_advance_width;
  return d;
}

struct TLibraryCloser {
  void operator()(FT_LibraryRec_* library) const { FT_Done_FreeType(library); }
};

struct TRecentFont {
  std::string Folder;
  std::string Name;
  TFontStyles Style;
  TFace* Face;
};

// The process's faces. The library is declared first so it is freed last, after
// every face made with it.
class TFaceRegistry {
 public:
  TFace& Find(const TFontData& font);

 private:
  static constexpr std::size_t kRecentFonts = 16;
  FT_Library Library();
  TFace& Load(std::string_view folder, const TFaceFiles& files);

  std::unique_ptr<FT_LibraryRec_, TLibraryCloser> FLibrary;
  std::map<std::string, std::unique_ptr<TFace>, std::less<>> FFaces;  // by path
  std::vector<TRecentFont> FRecent;  // spares the name matching and file checks
};

FT_Library TFaceRegistry::Library() {
  if (!FLibrary) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) throw SysUtils::Exception("FreeType cannot start");
    FLibrary.reset(library);
  }
  return FLibrary.get();
}

TFace& TFaceRegistry::Find(const TFontData& font) {
  std::string_view folder = FaceFolder();
  TFontStyles style =
      TFontStyles::FromBits(font.Style.Bits() & (TFontStyles{fsBold, fsItalic}.Bits()));
  for (const TRecentFont& r : FRecent)
    if (r.Style == style && r.Name == font.Name && r.Folder == folder) return *r.Face;
  TFace& face = Load(folder, FilesFor(FamilyOf(font.Name), style));
  if (FRecent.size() == kRecentFonts) FRecent.erase(FRecent.begin());
  FRecent.push_back({std::string(folder), font.Name, style, &face});
  return face;
}

TFace& TFaceRegistry::Load(std::string_view folder, const TFaceFiles& files) {
  for (const std::string* file : {&files.Variant, &files.Regular}) {
    std::string path = (fs::path(folder) / *file).string();
    if (auto it = FFaces.find(path); it != FFaces.end()) return *it->second;
    std::error_code error;
    if (!fs::is_regular_file(path, error)) continue;
    auto face = std::make_unique<TFace>(Library(), path);
    return *FFaces.emplace(path, std::move(face)).first->second;
  }
  std::string alternative = files.Variant == files.Regular ? "" : " (nor " + files.Regular + ")";
  throw SysUtils::Exception("Font file " + files.Variant + alternative + " not found in '" +
                            std::string(folder) + "'");
}

}  // namespace

void TFace::TCloser::operator()(FT_FaceRec_* face) const { FT_Done_Face(face); }

TFace::TFace(FT_LibraryRec_* library, const std::string& path) : FPath(path) {
  FT_Face face = nullptr;
  if (FT_New_Face(library, path.c_str(), 0, &face) != 0)
    throw SysUtils::Exception("Font file " + path + " cannot be read");
  FFace.reset(face);
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0)
    throw SysUtils::Exception("Font file " + path + " holds no scalable face");
  FDesign = ReadDesign(face);
}

TFace::~TFace() = default;

FT_FaceRec_* TFace::AtSize(int em) {
  if (em == FEm) return FFace.get();
  FEm = 0;
  if (FT_Set_Pixel_Sizes(FFace.get(), 0, static_cast<FT_UInt>(em)) != 0) return nullptr;
  FEm = em;
  return FFace.get();
}

void SetFaceFolder(const std::string& folder) {
  TFolderSetting& setting = FolderSetting();
  setting.Folder = folder.empty() ? fs::path{TOLLEN_DEFAULT_FACE}.parent_path().string() : folder;
  ++setting.Generation;
}

unsigned FaceFolderGeneration() { return FolderSetting().Generation; }

TFace& FaceFor(const TFontData& font) {
  static TFaceRegistry registry;
  return registry.Find(font);
}

}  // namespace Graphics::Text
