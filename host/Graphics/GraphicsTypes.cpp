#include "Graphics/GraphicsTypes.h"

#include "Graphics/Colors.h"

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
const TTypeInfo* PenStyleType() {
  static const TTypeInfo info{
      "TPenStyle",
      TTypeKind::Enumeration,
      0,
      6,
      {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}};
  return &info;
}
const TTypeInfo* PenModeType() {
  static const TTypeInfo info{
      "TPenMode",
      TTypeKind::Enumeration,
      0,
      15,
      {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
       "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask",
       "pmNotMask", "pmXor", "pmNotXor"}};
  return &info;
}
const TTypeInfo* BrushStyleType() {
  static const TTypeInfo info{"TBrushStyle",
                              TTypeKind::Enumeration,
                              0,
                              7,
                              {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                               "bsBDiagonal", "bsCross", "bsDiagCross"}};
  return &info;
}
const TTypeInfo* FontPitchType() {
  static const TTypeInfo info{
      "TFontPitch", TTypeKind::Enumeration, 0, 2, {"fpDefault", "fpVariable", "fpFixed"}};
  return &info;
}
const TTypeInfo* FontStyleType() {
  static const TTypeInfo info{"TFontStyle",
                              TTypeKind::Enumeration,
                              0,
                              3,
                              {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
  return &info;
}
const TTypeInfo* FontStylesType() {
  static const TTypeInfo info{"TFontStyles", TTypeKind::Set, 0, 0, {}, FontStyleType()};
  return &info;
}

}  // namespace Graphics
