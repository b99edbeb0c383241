// StdCtrls: TLabel, a windowless control that shows its caption as text, and the
// alignment and layout types that text-showing controls share.
//
// The caption may span several lines: a CR, an LF or a CR LF pair starts a new
// line, and WordWrap breaks lines between words to fit the label's width. With
// ShowAccelChar an "&" marks the next character as the accelerator (underlined,
// the "&" itself not drawn) and "&&" shows one "&". With AutoSize the label takes
// the size of its text whenever the caption, the font or a layout switch changes;
// a right-justified label keeps its right edge. Reading a form suspends the
// resizing until Loaded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Controls.h"

namespace StdCtrls {

TOLLEN_ENUM(TAlignment, std::uint8_t, taLeftJustify, taRightJustify, taCenter);
TOLLEN_ENUM(TTextLayout, std::uint8_t, tlTop, tlCenter, tlBottom);

const TypInfo::TTypeInfo* AlignmentType();
const TypInfo::TTypeInfo* TextLayoutType();

// One line of a laid-out caption: the characters drawn and which of them are
// underlined as accelerators (indices into Text).
struct TLabelLine {
  std::string Text;
  std::vector<std::size_t> Accelerators;
};

class TLabel : public Controls::TGraphicControl {
  TOLLEN_CLASS(TLabel)
 public:
  explicit TLabel(Classes::TComponent* owner);
  ~TLabel() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool Transparent() const { return !ControlStyle().Contains(Controls::csOpaque); }
  void SetTransparent(bool value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  // The control the accelerator leads to; forgotten when that control goes.
  Controls::TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(Controls::TWinControl* value) { FFocusControl = value; }

  // The caption as it is drawn: split into lines, wrapped to the label's width when
  // WordWrap is on, accelerator marks taken out.
  std::vector<TLabelLine> Lines() const;

  void Paint() override;
  void Loaded() override;

 protected:
  void TextChanged() override;
  void FontChanged() override;
  void Notification(Classes::TComponent* component, Classes::TOperation operation) override;
  // Resizes the label to its text when AutoSize is on and no form is being read.
  void AdjustBounds();

 private:
  int LineX(int lineWidth) const;
  int LayoutY(int textHeight) const;
  void DrawLine(Graphics::TCanvas& canvas, const TLabelLine& line, int y);

  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
  Controls::TWinControl* FFocusControl = nullptr;  // not owned
};

}  // namespace StdCtrls
