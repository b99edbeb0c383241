#include "Graphics/GraphicsTypes.h"

namespace Graphics {

using TypInfo::TTypeInfo;
using TypInfo::TTypeKind;

const TTypeInfo* ColorType() {
  static const TTypeInfo info{"TColor", TTypeKind::Integer, INT32_MIN, INT32_MAX};
  return &info;
}
const TTypeInfo* PenStyleType() {
  static const TTypeInfo info{"TPenStyle", TTypeKind::Enumeration, 0, 6,
                              {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot",
                               "psClear", "psInsideFrame"}};
  return &info;
}
const TTypeInfo* PenModeType() {
  static const TTypeInfo info{
      "TPenMode", TTypeKind::Enumeration, 0, 15,
      {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
       "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask",
       "pmNotMask", "pmXor", "pmNotXor"}};
  return &info;
}
const TTypeInfo* BrushStyleType() {
  static const TTypeInfo info{"TBrushStyle", TTypeKind::Enumeration, 0, 7,
                              {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                               "bsBDiagonal", "bsCross", "bsDiagCross"}};
  return &info;
}
const TTypeInfo* FontPitchType() {
  static const TTypeInfo info{"TFontPitch", TTypeKind::Enumeration, 0, 2,
                              {"fpDefault", "fpVariable", "fpFixed"}};
  return &info;
}
const TTypeInfo* FontStyleType() {
  static const TTypeInfo info{"TFontStyle", TTypeKind::Enumeration, 0, 3,
                              {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
  return &info;
}
const TTypeInfo* FontStylesType() {
  static const TTypeInfo info{"TFontStyles", TTypeKind::Set, 0, 0, {}, FontStyleType()};
  return &info;
}

}  // namespace Graphics
