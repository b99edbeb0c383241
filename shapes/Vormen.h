// Unit Vormen: TVorm, a windowless control that draws one of twelve figures with an
// outline pen and a fill brush over a background brush.
//
// The control owns its pen and both brushes for its whole life; SetPen, SetBrush
// and SetAchterBrush copy the given object's attributes (the caller keeps it).
// Every change of figure or drawing attribute repaints the control. It is also the
// base of the clock: a subclass's Paint calls TVorm::Paint first and draws on top
// with the pen and brush it leaves on the canvas.
#pragma once

#include <cstdint>
#include <memory>

#include "Classes/Owned.h"
#include "Controls.h"
#include "Graphics.h"

namespace Vormen {

TOLLEN_ENUM(TVormen, std::uint8_t, Rechthoek, Vierkant, RondeRechthoek, RondVierkant, Ellips,
            Cirkel, Honing, HoningRaat, DriehoekOmhoog, DriehoekLinks, DriehoekRechts,
            DriehoekOmlaag);

const TypInfo::TTypeInfo* VormenType();

class TVorm : public Controls::TGraphicControl {
  TOLLEN_CLASS(TVorm)
 public:
  explicit TVorm(Classes::TComponent* owner);
  ~TVorm() override;

  TVormen Vorm() const { return FVorm; }
  void SetVorm(TVormen value);
  Graphics::TPen& Pen() const { return *FPen; }
  Graphics::TBrush& Brush() const { return *FBrush; }
  Graphics::TBrush& Achtergrond() const { return *FAchtergrond; }
  void SetPen(const Graphics::TPen& value);
  void SetBrush(const Graphics::TBrush& value);
  void SetAchterBrush(const Graphics::TBrush& value);

  // The change handler of the pen and both brushes (a published method).
  void StyleChanged(System::TObject* sender);

  void Paint() override;

 private:
  void PrepareTools();
  void DrawFigure(int inset, int right, int bottom);

  TVormen FVorm = Rechthoek;
  std::unique_ptr<Graphics::TPen> FPen;
  std::unique_ptr<Graphics::TBrush> FBrush;
  std::unique_ptr<Graphics::TBrush> FAchtergrond;
};

// The designer's registration: puts TVorm on the palette page "Tollenspiegel".
void Register();

}  // namespace Vormen
