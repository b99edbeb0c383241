// TColor: the host's 32-bit colour number.
//
// Red is in the low byte, then green, then blue (0x000000FF is pure red). A value
// with the top byte 0x80 names a system colour by its index (clBtnFace is
// 0x8000000F); ColorToRGB maps those to real colours. Surfaces store pixels as
// 0x00RRGGBB words (TPixel), so colours are converted once, never per pixel.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "TypInfo.h"

namespace Graphics {

using TColor = std::int32_t;
using TPixel = std::uint32_t;  // 0x00RRGGBB

constexpr TColor MakeColor(std::uint32_t value) { return static_cast<TColor>(value); }

inline constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000,
                        clOlive = 0x008080, clNavy = 0x800000, clPurple = 0x800080,
                        clTeal = 0x808000, clGray = 0x808080, clSilver = 0xC0C0C0, clRed = 0x0000FF,
                        clLime = 0x00FF00, clYellow = 0x00FFFF, clBlue = 0xFF0000,
                        clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clLtGray = 0xC0C0C0,
                        clDkGray = 0x808080, clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

inline constexpr TColor clScrollBar = MakeColor(0x80000000), clBackground = MakeColor(0x80000001),
                        clActiveCaption = MakeColor(0x80000002),
                        clInactiveCaption = MakeColor(0x80000003), clMenu = MakeColor(0x80000004),
                        clWindow = MakeColor(0x80000005), clWindowFrame = MakeColor(0x80000006),
                        clMenuText = MakeColor(0x80000007), clWindowText = MakeColor(0x80000008),
                        clCaptionText = MakeColor(0x80000009),
                        clActiveBorder = MakeColor(0x8000000A),
                        clInactiveBorder = MakeColor(0x8000000B),
                        clAppWorkSpace = MakeColor(0x8000000C), clHighlight = MakeColor(0x8000000D),
                        clHighlightText = MakeColor(0x8000000E), clBtnFace = MakeColor(0x8000000F),
                        clBtnShadow = MakeColor(0x80000010), clGrayText = MakeColor(0x80000011),
                        clBtnText = MakeColor(0x80000012),
                        clInactiveCaptionText = MakeColor(0x80000013),
                        clBtnHighlight = MakeColor(0x80000014),
                        cl3DDkShadow = MakeColor(0x80000015), cl3DLight = MakeColor(0x80000016),
                        clInfoText = MakeColor(0x80000017), clInfoBk = MakeColor(0x80000018);

// The real colour: system colours resolved, other bits of the top byte dropped.
TColor ColorToRGB(TColor color);
// 0x00RRGGBB pixel of a colour (system colours resolved).
TPixel ColorToPixel(TColor color);
TColor PixelToColor(TPixel pixel);

// The host's names of colours ("clRed"), as form files write them, the plain
// colours first.
std::span<const TypInfo::TIdentMapEntry> ColorIdents();
std::optional<std::string_view> ColorToIdent(TColor color);
std::optional<TColor> IdentToColor(std::string_view ident);
// A colour's name, or "$00BBGGRR" (hexadecimal, as the designer shows colours).
std::string ColorToString(TColor color);
// A name, "$hex" or a decimal number; nothing for other text.
std::optional<TColor> StringToColor(std::string_view text);

}  // namespace Graphics
