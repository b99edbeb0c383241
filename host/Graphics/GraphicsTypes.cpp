#include "Graphics/GraphicsTypes.h"

#include "Graphics/Colors.h"
#include "Graphics/GraphicsObjects.h"

namespace Graphics {

using TypInfo::TTypeInfo;
using TypInfo::TTypeKind;

namespace {
std::optional<std::int64_t> ColorFromIdent(std::string_view ident) {
  auto c = IdentToColor(ident);
  return c ? std::optional<std::int64_t>(*c) : std::nullopt;
}
std::optional<std::string_view> ColorIdent(std::int64_t value) {
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return ColorToIdent(static_cast<TColor>(value));
}
}  // namespace

const TTypeInfo* ColorType() {
  static const TTypeInfo info{"TColor", TTypeKind::Integer, INT32_MIN, INT32_MAX, {}, nullptr,
                              nullptr,  ColorFromIdent,     ColorIdent};
  return &info;
}
const TTypeInfo* PenStyleType() { return TypInfo::EnumType<TPenStyle>(); }
const TTypeInfo* PenModeType() { return TypInfo::EnumType<TPenMode>(); }
const TTypeInfo* BrushStyleType() { return TypInfo::EnumType<TBrushStyle>(); }
const TTypeInfo* FontPitchType() { return TypInfo::EnumType<TFontPitch>(); }
const TTypeInfo* FontStyleType() { return TypInfo::EnumType<TFontStyle>(); }
const TTypeInfo* FontStylesType() {
  static const TTypeInfo info{"TFontStyles", TTypeKind::Set, 0, 0, {}, FontStyleType()};
  return &info;
}

}  // namespace Graphics
