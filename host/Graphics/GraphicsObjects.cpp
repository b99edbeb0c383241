#include "Graphics/GraphicsObjects.h"

#include <cstdint>

#include "Graphics/GraphicsTypes.h"
#include "TypInfo.h"

namespace Graphics {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  std::int64_t product = static_cast<std::int64_t>(a) * b;
  std::int64_t half = (c > 0 ? c : -c) / 2;
  bool negative = (product < 0) != (c < 0);
  std::int64_t magnitude = (product < 0 ? -product : product) + half;
  std::int64_t result = magnitude / (c < 0 ? -static_cast<std::int64_t>(c) : c);
  return static_cast<int>(negative ? -result : result);
}

int TFontData::Size() const { return -MulDiv(Height, 72, kPixelsPerInch); }

// ---- TGraphicsObject ----

System::TClass TGraphicsObject::StaticClass() {
  static const System::TClassInfo info{"TGraphicsObject", Classes::TPersistent::StaticClass()};
  return &info;
}

// ---- TPen ----

namespace {
using TypInfo::Prop;

const TypInfo::TPropTable& PenProps() {
  static const TypInfo::TPropTable table{{
      Prop<&TPen::Color, &TPen::SetColor>(
          "Color",
          {.Type = ColorType(), .Default = clBlack, .Help = "the colour of lines and outlines"}),
      Prop<&TPen::Mode, &TPen::SetMode>(
          "Mode",
          {.Default = pmCopy, .Help = "how the pen's colour combines with what is drawn already"}),
      Prop<&TPen::Style, &TPen::SetStyle>(
          "Style",
          {.Default = psSolid, .Help = "solid, dashed, dotted, or clear (no line at all)"}),
      Prop<&TPen::Width, &TPen::SetWidth>("Width",
                                          {.Default = 1, .Help = "the line width in pixels"}),
  }};
  return table;
}

const TypInfo::TPropTable& BrushProps() {
  static const TypInfo::TPropTable table{{
      Prop<&TBrush::Color, &TBrush::SetColor>(
          "Color", {.Type = ColorType(), .Default = clWhite, .Help = "the fill colour"}),
      Prop<&TBrush::Style, &TBrush::SetStyle>(
          "Style", {.Default = bsSolid, .Help = "solid, clear (no fill) or a hatch pattern"}),
  }};
  return table;
}

bool NeverStored(const System::TObject&) { return false; }

const TypInfo::TPropTable& FontProps() {
  static const TypInfo::TPropTable table{{
      Prop<&TFont::Charset, nullptr>("Charset", {.Help = "the character set (read only)"}),
      Prop<&TFont::Color, &TFont::SetColor>(
          "Color", {.Type = ColorType(), .Help = "the colour of the text"}),
      Prop<&TFont::Height, &TFont::SetHeight>(
          "Height",
          {.Help = "in pixels: negative for the letters alone, positive with the line's leading"}),
      Prop<&TFont::Name, &TFont::SetName>("Name", {.Help = "the face's name"}),
      Prop<&TFont::Pitch, &TFont::SetPitch>(
          "Pitch",
          {.Default = fpDefault, .Help = "fixed or variable width, or as the face has it"}),
      // Size is published for the designer; the height alone is stored.
      Prop<&TFont::Size, &TFont::SetSize>(
          "Size", {.Stored = NeverStored, .Help = "the size in points (not stored: Height is)"}),
      Prop<&TFont::Style, &TFont::SetStyle>(
          "Style",
          {.Type = FontStylesType(), .Help = "bold, italic, underlined, struck out, in any mix"}),
  }};
  return table;
}
}  // namespace

System::TClass TPen::StaticClass() {
  static const System::TClassInfo info{"TPen", TGraphicsObject::StaticClass(), nullptr,
                                       &PenProps()};
  return &info;
}

void TPen::SetColor(TColor value) {
  if (FData.Color == value) return;
  FData.Color = value;
  Changed();
}
void TPen::SetWidth(int value) {
  if (value < 0 || FData.Width == value) return;  // a negative width is ignored
  FData.Width = value;
  Changed();
}
void TPen::SetStyle(TPenStyle value) {
  if (FData.Style == value) return;
  FData.Style = value;
  Changed();
}
void TPen::SetMode(TPenMode value) {
  if (FData.Mode == value) return;
  FData.Mode = value;
  Changed();
}
void TPen::Assign(const Classes::TPersistent* source) {
  if (const auto* pen = dynamic_cast<const TPen*>(source)) {
    FData = pen->FData;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

// ---- TBrush ----

System::TClass TBrush::StaticClass() {
  static const System::TClassInfo info{"TBrush", TGraphicsObject::StaticClass(), nullptr,
                                       &BrushProps()};
  return &info;
}

void TBrush::SetColor(TColor value) {
  if (FData.Color == value && FData.Style != bsClear) return;
  FData.Color = value;
  if (FData.Style == bsClear) FData.Style = bsSolid;
  Changed();
}
void TBrush::SetStyle(TBrushStyle value) {
  if (FData.Style == value) return;
  FData.Style = value;
  Changed();
}
void TBrush::Assign(const Classes::TPersistent* source) {
  if (const auto* brush = dynamic_cast<const TBrush*>(source)) {
    FData = brush->FData;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

// ---- TFont ----

System::TClass TFont::StaticClass() {
  static const System::TClassInfo info{"TFont", TGraphicsObject::StaticClass(), nullptr,
                                       &FontProps()};
  return &info;
}

void TFont::SetName(const std::string& value) {
  if (value.empty() || FData.Name == value) return;
  FData.Name = value;
  Changed();
}
void TFont::SetHeight(int value) {
  if (FData.Height == value) return;
  FData.Height = value;
  Changed();
}
void TFont::SetSize(int points) { SetHeight(-MulDiv(points, kPixelsPerInch, 72)); }
void TFont::SetColor(TColor value) {
  if (FData.Color == value) return;
  FData.Color = value;
  Changed();
}
void TFont::SetStyle(TFontStyles value) {
  if (FData.Style == value) return;
  FData.Style = value;
  Changed();
}
void TFont::SetPitch(TFontPitch value) {
  if (FData.Pitch == value) return;
  FData.Pitch = value;
  Changed();
}
void TFont::Assign(const Classes::TPersistent* source) {
  if (const auto* font = dynamic_cast<const TFont*>(source)) {
    FData = font->FData;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

}  // namespace Graphics
