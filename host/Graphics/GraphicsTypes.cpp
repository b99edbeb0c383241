#include "Graphics/GraphicsTypes.h"

#include "Graphics/Colors.h"
#include "Graphics/GraphicsObjects.h"

namespace Graphics {

using TypInfo::TTypeInfo;
using TypInfo::TTypeKind;

const TTypeInfo* ColorType() {
  static const TTypeInfo info{.Name = "TColor",
                              .Kind = TTypeKind::Integer,
                              .MinValue = INT32_MIN,
                              .MaxValue = INT32_MAX,
                              .Idents = ColorIdents()};
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
