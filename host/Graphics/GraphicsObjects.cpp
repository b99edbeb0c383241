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
const TypInfo::TPropTable& PenProps() {
  static const TypInfo::TPropTable table{{
      TypInfo::OrdProp<TPen>(
          "Color", ColorType(), [](const TPen& p) { return p.Color(); },
          [](TPen& p, std::int64_t v) { p.SetColor(static_cast<TColor>(v)); }, clBlack),
      TypInfo::OrdProp<TPen>(
          "Mode", PenModeType(), [](const TPen& p) { return p.Mode(); },
          [](TPen& p, std::int64_t v) { p.SetMode(static_cast<TPenMode>(v)); },
          static_cast<std::int64_t>(pmCopy)),
      TypInfo::OrdProp<TPen>(
          "Style", PenStyleType(), [](const TPen& p) { return p.Style(); },
          [](TPen& p, std::int64_t v) { p.SetStyle(static_cast<TPenStyle>(v)); },
          static_cast<std::int64_t>(psSolid)),
      TypInfo::OrdProp<TPen>(
          "Width", TypInfo::IntegerType(), [](const TPen& p) { return p.Width(); },
          [](TPen& p, std::int64_t v) { p.SetWidth(static_cast<int>(v)); }, 1),
  }};
  return table;
}

const TypInfo::TPropTable& BrushProps() {
  static const TypInfo::TPropTable table{{
      TypInfo::OrdProp<TBrush>(
          "Color", ColorType(), [](const TBrush& b) { return b.Color(); },
          [](TBrush& b, std::int64_t v) { b.SetColor(static_cast<TColor>(v)); }, clWhite),
      TypInfo::OrdProp<TBrush>(
          "Style", BrushStyleType(), [](const TBrush& b) { return b.Style(); },
          [](TBrush& b, std::int64_t v) { b.SetStyle(static_cast<TBrushStyle>(v)); },
          static_cast<std::int64_t>(bsSolid)),
  }};
  return table;
}

const TypInfo::TPropTable& FontProps() {
  static const TypInfo::TPropTable table{[] {
    TypInfo::TPropInfo charset = TypInfo::OrdProp<TFont>(
        "Charset", TypInfo::IntegerType(), [](const TFont& f) { return f.Data().CharSet; },
        [](TFont&, std::int64_t) {});
    TypInfo::TPropInfo color = TypInfo::OrdProp<TFont>(
        "Color", ColorType(), [](const TFont& f) { return f.Color(); },
        [](TFont& f, std::int64_t v) { f.SetColor(static_cast<TColor>(v)); });
    TypInfo::TPropInfo height = TypInfo::OrdProp<TFont>(
        "Height", TypInfo::IntegerType(), [](const TFont& f) { return f.Height(); },
        [](TFont& f, std::int64_t v) { f.SetHeight(static_cast<int>(v)); });
    TypInfo::TPropInfo name = TypInfo::StrProp<TFont>("Name", &TFont::Name, &TFont::SetName);
    TypInfo::TPropInfo pitch = TypInfo::OrdProp<TFont>(
        "Pitch", FontPitchType(), [](const TFont& f) { return f.Pitch(); },
        [](TFont& f, std::int64_t v) { f.SetPitch(static_cast<TFontPitch>(v)); },
        static_cast<std::int64_t>(fpDefault));
    TypInfo::TPropInfo style = TypInfo::OrdProp<TFont>(
        "Style", FontStylesType(), [](const TFont& f) { return f.Style().Bits(); },
        [](TFont& f, std::int64_t v) {
          f.SetStyle(TFontStyles::FromBits(static_cast<std::uint64_t>(v)));
        });
    // Size is published for the designer; the height alone is stored.
    TypInfo::TPropInfo size = TypInfo::OrdProp<TFont>(
        "Size", TypInfo::IntegerType(), [](const TFont& f) { return f.Size(); },
        [](TFont& f, std::int64_t v) { f.SetSize(static_cast<int>(v)); });
    size.StoredRule = [](const System::TObject&) { return false; };
    return std::vector<TypInfo::TPropInfo>{charset, color, height, name, pitch, size, style};
  }()};
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
