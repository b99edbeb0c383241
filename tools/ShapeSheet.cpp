#include "ShapeSheet.h"

#include <array>

#include "Vormen.h"

namespace Tools {

namespace {

constexpr int kCell = 72;  // one figure's square on the sheet
constexpr int kMargin = 8;
constexpr int kFigures = 12;
constexpr int kPenRows = 5;  // pen widths 1 to 5

constexpr std::array<Graphics::TColor, kFigures> kFills = {
    Graphics::clYellow, Graphics::clAqua,    Graphics::clLime,   Graphics::clFuchsia,
    Graphics::clRed,    Graphics::clSilver,  Graphics::clYellow, Graphics::clAqua,
    Graphics::clLime,   Graphics::clFuchsia, Graphics::clRed,    Graphics::clWhite};

Vormen::TVorm& AddShape(Forms::TForm& form, int column, int row, Vormen::TVormen figure) {
  auto* shape = new Vormen::TVorm(&form);  // owned by the form
  shape->SetBounds(kMargin + column * kCell, kMargin + row * kCell, kCell - 10, kCell - 10);
  shape->SetVorm(figure);
  shape->Brush().SetColor(kFills[static_cast<std::size_t>(column)]);
  shape->SetParent(&form);
  return *shape;
}

}  // namespace

std::unique_ptr<Forms::TForm> BuildShapeSheet() {
  auto form = std::make_unique<Forms::TForm>(nullptr);
  form->SetCaption("Tollenspiegel shapes");
  form->SetBounds(0, 0, 2 * kMargin + kFigures * kCell, 2 * kMargin + (kPenRows + 2) * kCell);
  for (int row = 0; row < kPenRows; ++row)
    for (int col = 0; col < kFigures; ++col) {
      Vormen::TVorm& shape = AddShape(*form, col, row, static_cast<Vormen::TVormen>(col));
      shape.Pen().SetWidth(row + 1);
      shape.Pen().SetColor(row % 2 ? Graphics::clNavy : Graphics::clBlack);
    }
  // Solid backgrounds behind the figures, dashed and dotted outlines.
  for (int col = 0; col < kFigures; ++col) {
    Vormen::TVorm& shape = AddShape(*form, col, kPenRows, static_cast<Vormen::TVormen>(col));
    shape.Achtergrond().SetColor(Graphics::clTeal);
    shape.Pen().SetStyle(col % 2 ? Graphics::psDot : Graphics::psDash);
  }
  // The last row: a hexagon cell that sizes itself, and a hidden shape in design mode.
  Vormen::TVorm& cell = AddShape(*form, 0, kPenRows + 1, Vormen::HoningRaat);
  cell.Pen().SetWidth(2);
  Vormen::TVorm& hidden = AddShape(*form, 1, kPenRows + 1, Vormen::Ellips);
  hidden.SetDesigning(true);
  hidden.SetVisible(false);
  return form;
}

}  // namespace Tools
