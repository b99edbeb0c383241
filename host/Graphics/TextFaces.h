// Faces of the FreeType text path: which file a font selects and the loaded faces.
//
// A font's name picks a family of the default face's folder (mono, serif or sans)
// and its bold/italic style the variant file, falling back to the family's regular
// file. TOLLEN_FONT_DIR, read once at the first use, or SetFaceFolder replaces the
// default face's folder. Each file is
// loaded once and kept for the process; FreeType stays out of this header.
#pragma once

#include <memory>
#include <string>

#include "Graphics/GraphicsObjects.h"

struct FT_FaceRec_;
struct FT_LibraryRec_;

namespace Graphics::Text {

// A face's vertical design metrics in font units, read once when it is loaded.
struct TDesignMetrics {
  int UnitsPerEm = 0;
  int Ascent = 0;             // OS/2 winAscent, else the hhea ascender
  int Descent = 0;            // OS/2 winDescent, else minus the hhea descender
  int UnderlinePosition = 0;  // centre of the underline; negative is below the baseline
  int MaxAdvance = 0;
};

class TFace {
 public:
  // Raises SysUtils::Exception when the file is no scalable face.
  TFace(FT_LibraryRec_* library, const std::string& path);
  ~TFace();
  TFace(const TFace&) = delete;
  TFace& operator=(const TFace&) = delete;

  const std::string& Path() const { return FPath; }
  const TDesignMetrics& Design() const { return FDesign; }
  // The FreeType face set to `em` pixels; null if FreeType refuses the size.
  FT_FaceRec_* AtSize(int em);

 private:
  struct TCloser {
    void operator()(FT_FaceRec_* face) const;
  };
  std::string FPath;
  std::unique_ptr<FT_FaceRec_, TCloser> FFace;
  TDesignMetrics FDesign;
  int FEm = 0;
};

// Looks for faces in `folder` from now on (empty: the default face's folder).
void SetFaceFolder(const std::string& folder);
// Changes whenever SetFaceFolder does, so a cache of resolved fonts knows to forget.
unsigned FaceFolderGeneration();

// The loaded face for `font`; raises SysUtils::Exception naming the file when
// neither the variant nor the family's regular file can be found or loaded.
TFace& FaceFor(const TFontData& font);

}  // namespace Graphics::Text
