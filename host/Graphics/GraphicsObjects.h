// Pens, brushes and fonts: the drawing attributes a control owns and a canvas uses.
//
// Each keeps its attributes in a plain value (TPenData, TBrushData, TFontData) so a
// canvas can snapshot them per call. OnChange fires after every setter that really
// changes an attribute, and after every Assign, whether or not anything differed.
#pragma once

#include <string>

#include "Classes.h"
#include "Graphics/Colors.h"
#include "TypInfo.h"

namespace Graphics {

TOLLEN_ENUM(TPenStyle, int, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear,
            psInsideFrame);
TOLLEN_ENUM(TPenMode, int, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot,
            pmMaskPenNot, pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask,
            pmXor, pmNotXor);
TOLLEN_ENUM(TBrushStyle, int, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal,
            bsCross, bsDiagCross);
TOLLEN_ENUM(TFontStyle, int, fsBold, fsItalic, fsUnderline, fsStrikeOut);
using TFontStyles = System::TSet<TFontStyle>;
TOLLEN_ENUM(TFontPitch, int, fpDefault, fpVariable, fpFixed);

// Screen resolution that point sizes refer to.
inline constexpr int kPixelsPerInch = 96;

struct TPenData {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
  friend bool operator==(const TPenData&, const TPenData&) = default;
};

struct TBrushData {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  friend bool operator==(const TBrushData&, const TBrushData&) = default;
};

struct TFontData {
  std::string Name = "MS Sans Serif";
  int Height = -11;  // negative: character height in pixels; positive: cell height
  TColor Color = clWindowText;
  TFontStyles Style;
  TFontPitch Pitch = fpDefault;
  int CharSet = 1;  // the default character set
  friend bool operator==(const TFontData&, const TFontData&) = default;
  int Size() const;  // points at kPixelsPerInch
};

class TGraphicsObject : public Classes::TPersistent {
  TOLLEN_CLASS(TGraphicsObject)
 public:
  Classes::TNotifyEvent OnChange;

 protected:
  void Changed() { OnChange(this); }
};

class TPen final : public TGraphicsObject {
  TOLLEN_CLASS(TPen)
 public:
  const TPenData& Data() const { return FData; }
  TColor Color() const { return FData.Color; }
  int Width() const { return FData.Width; }
  TPenStyle Style() const { return FData.Style; }
  TPenMode Mode() const { return FData.Mode; }
  void SetColor(TColor value);
  void SetWidth(int value);  // a negative width is ignored, as the host does
  void SetStyle(TPenStyle value);
  void SetMode(TPenMode value);
  void Assign(const Classes::TPersistent* source) override;

 private:
  TPenData FData;
};

class TBrush final : public TGraphicsObject {
  TOLLEN_CLASS(TBrush)
 public:
  const TBrushData& Data() const { return FData; }
  TColor Color() const { return FData.Color; }
  TBrushStyle Style() const { return FData.Style; }
  // A brush's colour and style are tied as the host's are: choosing a colour makes a
  // clear brush solid; choosing the clear style leaves the colour.
  void SetColor(TColor value);
  void SetStyle(TBrushStyle value);
  void Assign(const Classes::TPersistent* source) override;

 private:
  TBrushData FData;
};

class TFont final : public TGraphicsObject {
  TOLLEN_CLASS(TFont)
 public:
  const TFontData& Data() const { return FData; }
  int Charset() const { return FData.CharSet; }  // fixed: form files' values are ignored
  const std::string& Name() const { return FData.Name; }
  int Height() const { return FData.Height; }
  int Size() const { return FData.Size(); }
  TColor Color() const { return FData.Color; }
  TFontStyles Style() const { return FData.Style; }
  TFontPitch Pitch() const { return FData.Pitch; }
  void SetName(const std::string& value);
  void SetHeight(int value);
  void SetSize(int points);
  void SetColor(TColor value);
  void SetStyle(TFontStyles value);
  void SetPitch(TFontPitch value);
  void Assign(const Classes::TPersistent* source) override;

 private:
  TFontData FData;
};

// Windows' MulDiv: a * b / c rounded to the nearest, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

}  // namespace Graphics
