#include "Graphics/Colors.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace Graphics {

namespace {
// The classic desktop scheme, indexed by system colour number.
constexpr std::array<TColor, 25> kSystemColors = {
    0xC8C8C8,  // scroll bar
    0x808000,  // desktop
    0x800000,  // active caption
    0x808080,  // inactive caption
    0xC0C0C0,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application work space
    0x800000,  // highlight
    0xFFFFFF,  // highlight text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC0C0C0,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x000000,  // 3-D dark shadow
    0xC0C0C0,  // 3-D light
    0x000000,  // tool-tip text
    0xE1FFFF,  // tool-tip background
};

constexpr TypInfo::TIdentMapEntry kIdents[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};

}  // namespace

TColor ColorToRGB(TColor color) {
  auto bits = static_cast<std::uint32_t>(color);
  if ((bits & 0xFF000000u) == 0x80000000u) {
    std::uint32_t index = bits & 0xFFu;
    return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
  }
  return static_cast<TColor>(bits & 0x00FFFFFFu);
}

TPixel ColorToPixel(TColor color) {
  auto rgb = static_cast<std::uint32_t>(ColorToRGB(color));
  return ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
}

TColor PixelToColor(TPixel pixel) {
  return static_cast<TColor>(((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16));
}

std::span<const TypInfo::TIdentMapEntry> ColorIdents() { return kIdents; }

std::optional<std::string_view> ColorToIdent(TColor color) {
  return TypInfo::IntToIdent(color, kIdents);
}

std::optional<TColor> IdentToColor(std::string_view ident) {
  auto value = TypInfo::IdentToInt(ident, kIdents);
  return value ? std::optional<TColor>(static_cast<TColor>(*value)) : std::nullopt;
}

std::string ColorToString(TColor color) {
  if (auto name = ColorToIdent(color)) return std::string(*name);
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", static_cast<std::uint32_t>(color));
  return text;
}

std::optional<TColor> StringToColor(std::string_view text) {
  if (auto named = IdentToColor(text)) return named;
  const bool hex = !text.empty() && text[0] == '$';
  if (hex) text.remove_prefix(1);
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, hex ? 16 : 10);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      value < INT32_MIN || value > UINT32_MAX || (hex && value < 0))
    return std::nullopt;
  return static_cast<TColor>(static_cast<std::uint32_t>(value));
}

}  // namespace Graphics
