#include "StdCtrls.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "Graphics/Text.h"

namespace StdCtrls {

using Controls::TWinControl;

const TypInfo::TTypeInfo* AlignmentType() { return TypInfo::EnumType<TAlignment>(); }
const TypInfo::TTypeInfo* TextLayoutType() { return TypInfo::EnumType<TTextLayout>(); }

namespace {

// A reference to another control: stored (by name) only when there is one.
bool IsFocusControlStored(const System::TObject& o) {
  return static_cast<const TLabel&>(o).FocusControl() != nullptr;
}

const TypInfo::TPropTable& LabelProps() {
  namespace P = Controls::Published;
  using TypInfo::Prop;
  static const TypInfo::TPropTable table{TypInfo::Join(
      {
          Prop<&TLabel::Alignment, &TLabel::SetAlignment>(
              "Alignment", {.Default = taLeftJustify, .Help = "left, right or centred text"}),
          Prop<&TLabel::AutoSize, &TLabel::SetAutoSize>(
              "AutoSize", {.Default = true, .Help = "makes the label as large as its text"}),
          P::Caption(),
          P::Color(),
          P::DragCursor(),
          P::DragMode(),
          Prop<&TLabel::FocusControl, &TLabel::SetFocusControl>(
              "FocusControl",
              {.Stored = IsFocusControlStored,
               .Help = "the control the caption's accelerator key moves the focus to"}),
          P::Font(),
          Prop<&TLabel::Layout, &TLabel::SetLayout>(
              "Layout",
              {.Default = tlTop, .Help = "the text at the top, centre or bottom of the label"}),
          P::ParentColor(),
          P::ParentFont(),
          Prop<&TLabel::ShowAccelChar, &TLabel::SetShowAccelChar>(
              "ShowAccelChar",
              {.Default = true, .Help = "shows \"&\" as an underline under the next letter"}),
          Prop<&TLabel::Transparent, &TLabel::SetTransparent>(
              "Transparent", {.Default = false,
                              .Help = "leaves what is behind the label showing around the text"}),
          P::Visible(),
          Prop<&TLabel::WordWrap, &TLabel::SetWordWrap>(
              "WordWrap",
              {.Default = false, .Help = "breaks the text into lines that fit the width"}),
      },
      P::ClickDragAndMouseEvents())};
  return table;
}

Classes::TComponent* CreateLabel(Classes::TComponent* owner) { return new TLabel(owner); }

int Saturated(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// The caption without its accelerator marks, and where the marked characters went.
TLabelLine VisibleText(std::string_view caption, bool showAccelChar) {
  TLabelLine out;
  if (!showAccelChar) {
    out.Text = caption;
    return out;
  }
  out.Text.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      out.Text += caption[i];
      continue;
    }
    if (++i == caption.size()) break;  // a final "&" marks nothing
    char marked = caption[i];
    if (marked != '&' && !IsLineBreak(marked)) out.Accelerators.push_back(out.Text.size());
    out.Text += marked;
  }
  return out;
}

using TSpan = std::pair<std::size_t, std::size_t>;  // [first, last) of the visible text

// The end of the longest run of whole words from `start` that fits `width`; the
// first word is taken even when it alone is too wide. A text's width is the sum of
// its characters' advances, so each stretch is measured once, as the run grows.
std::size_t FitWords(std::string_view text, std::size_t start, std::size_t end, int width,
                     const Graphics::TFontData& font) {
  std::size_t fit = end;
  bool haveWord = false;
  std::size_t measured = start;
  std::int64_t runWidth = 0;
  for (std::size_t j = start; j <= end; ++j) {
    if (j != end && text[j] != ' ') continue;
    std::size_t trimmed = j;
    while (trimmed > measured && text[trimmed - 1] == ' ') --trimmed;
    if (trimmed == start) continue;  // nothing but spaces yet
    runWidth += Graphics::Text::Extent(font, text.substr(measured, trimmed - measured)).cx;
    measured = trimmed;
    if (haveWord && runWidth > width) break;
    fit = j;
    haveWord = true;
  }
  return fit;
}

void WrapParagraph(std::string_view text, TSpan paragraph, int width,
                   const Graphics::TFontData& font, std::vector<TSpan>& lines) {
  std::size_t start = paragraph.first;
  const std::size_t end = paragraph.second;
  while (true) {
    std::size_t fit = FitWords(text, start, end, width, font);
    if (fit == end) {
      lines.emplace_back(start, end);
      return;
    }
    std::size_t last = fit;
    while (last > start && text[last - 1] == ' ') --last;
    lines.emplace_back(start, last);
    start = fit;
    while (start < end && text[start] == ' ') ++start;  // the spaces at a break vanish
    if (start == end) return;
  }
}

std::vector<TSpan> Paragraphs(std::string_view text) {
  std::vector<TSpan> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsLineBreak(text[i])) continue;
    out.emplace_back(start, i);
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  out.emplace_back(start, text.size());
  return out;
}

}  // namespace

// Labels can be named by stored forms from the start.
[[maybe_unused]] static const bool registered = [] {
  Classes::RegisterClass(TLabel::StaticClass());
  return true;
}();

System::TClass TLabel::StaticClass() {
  static const System::TClassInfo info{"TLabel", Controls::TGraphicControl::StaticClass(),
                                       CreateLabel, &LabelProps()};
  return &info;
}

TLabel::TLabel(Classes::TComponent* owner) : TGraphicControl(owner) {
  FControlStyle.Include(Controls::csOpaque).Include(Controls::csReplicatable);
  SetBounds(Left(), Top(), 65, 17);
}

TLabel::~TLabel() = default;

void TLabel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  if (value == Transparent()) return;
  if (value)
    FControlStyle.Exclude(Controls::csOpaque);
  else
    FControlStyle.Include(Controls::csOpaque);
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  if (value == FShowAccelChar) return;
  FShowAccelChar = value;
  AdjustBounds();
  Invalidate();
}

std::vector<TLabelLine> TLabel::Lines() const {
  TLabelLine visible = VisibleText(Caption(), FShowAccelChar);
  std::vector<TSpan> spans;
  for (TSpan paragraph : Paragraphs(visible.Text)) {
    if (FWordWrap)
      WrapParagraph(visible.Text, paragraph, Width(), Font().Data(), spans);
    else
      spans.push_back(paragraph);
  }
  std::vector<TLabelLine> lines;
  lines.reserve(spans.size());
  for (auto [first, last] : spans) {
    TLabelLine& line = lines.emplace_back();
    line.Text = visible.Text.substr(first, last - first);
    for (std::size_t a : visible.Accelerators)
      if (a >= first && a < last) line.Accelerators.push_back(a - first);
  }
  return lines;
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || ComponentState().Contains(Classes::csLoading)) return;
  const Graphics::TFontData& font = Font().Data();
  std::vector<TLabelLine> lines = Lines();
  int widest = 0;
  for (const TLabelLine& line : lines)
    widest = std::max(widest, Graphics::Text::Extent(font, line.Text).cx);
  // An empty caption keeps the size of one space, so the label stays visible.
  if (lines.size() == 1 && lines.front().Text.empty())
    widest = Graphics::Text::Extent(font, " ").cx;
  if (FWordWrap) widest = std::max(widest, Width());
  const int lineHeight = Graphics::Text::Extent(font, " ").cy;
  int height =
      Saturated(static_cast<std::int64_t>(lineHeight) * static_cast<std::int64_t>(lines.size()));
  int left = Left();
  if (FAlignment == taRightJustify) left = Saturated(std::int64_t{Left()} + Width() - widest);
  SetBounds(left, Top(), widest, height);
}

int TLabel::LineX(int lineWidth) const {
  switch (FAlignment) {
    case taRightJustify:
      return Saturated(std::int64_t{Width()} - lineWidth);
    case taCenter:
      return Saturated((std::int64_t{Width()} - lineWidth) / 2);
    default:
      return 0;
  }
}

int TLabel::LayoutY(int textHeight) const {
  switch (FLayout) {
    case tlBottom:
      return Saturated(std::int64_t{Height()} - textHeight);
    case tlCenter:
      return Saturated((std::int64_t{Height()} - textHeight) / 2);
    default:
      return 0;
  }
}

void TLabel::DrawLine(Graphics::TCanvas& canvas, const TLabelLine& line, int y) {
  const int x = LineX(canvas.TextWidth(line.Text));
  if (!line.Text.empty()) canvas.TextOut(x, y, line.Text);
  if (line.Accelerators.empty()) return;
  // The marked characters are drawn again underlined, over their first drawing.
  Graphics::TFontStyles plain = canvas.Font().Style();
  canvas.Font().SetStyle(Graphics::TFontStyles(plain).Include(Graphics::fsUnderline));
  std::string_view text = line.Text;
  for (std::size_t a : line.Accelerators)
    canvas.TextOut(x + canvas.TextWidth(text.substr(0, a)), y, text.substr(a, 1));
  canvas.Font().SetStyle(plain);
}

void TLabel::Paint() {
  Graphics::TCanvas& canvas = Canvas();
  if (!Transparent()) {
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(Graphics::bsSolid);
    canvas.FillRect(GetClientRect());
  }
  canvas.Brush().SetStyle(Graphics::bsClear);
  canvas.SetFont(Font());
  std::vector<TLabelLine> lines = Lines();
  const int lineHeight = canvas.TextHeight(" ");
  int y = LayoutY(
      Saturated(static_cast<std::int64_t>(lineHeight) * static_cast<std::int64_t>(lines.size())));
  for (const TLabelLine& line : lines) {
    DrawLine(canvas, line, y);
    y = Saturated(std::int64_t{y} + lineHeight);
  }
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::TextChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TLabel::Notification(Classes::TComponent* component, Classes::TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == Classes::TOperation::opRemove && component == FFocusControl)
    FFocusControl = nullptr;
}

}  // namespace StdCtrls
