// Type information of the Graphics unit's published types.
#pragma once

#include "TypInfo.h"

namespace Graphics {

const TypInfo::TTypeInfo* ColorType();  // an integer that form files write by colour name
const TypInfo::TTypeInfo* PenStyleType();
const TypInfo::TTypeInfo* PenModeType();
const TypInfo::TTypeInfo* BrushStyleType();
const TypInfo::TTypeInfo* FontPitchType();
const TypInfo::TTypeInfo* FontStyleType();
const TypInfo::TTypeInfo* FontStylesType();  // set of TFontStyle

}  // namespace Graphics
