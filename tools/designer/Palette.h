// The component palette: a tab for each page the packages registered, a 24 by 24
// button for each class showing the class's palette bitmap from the package's
// resources (the class name in capitals), drawn pixel for pixel at 1x, with the
// class name as its tooltip. A button pressed stays picked until the canvas
// places a control or the button is pressed again.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "DesignerUi.h"
#include "ImGuiSdl.h"

namespace Designer {

class TPalette {
 public:
  explicit TPalette(TDesignerUi& ui);

  void Draw();
  // The class picked for placing, or "".
  const std::string& Picked() const { return FPicked; }
  void Pick(const std::string& className) { FPicked = className; }
  // Where a class's button was drawn last, in window pixels (empty before that).
  Types::TRect ButtonRect(const std::string& className) const;

 private:
  TSurfaceTexture& Picture(const std::string& className);

  TDesignerUi& FUi;
  std::map<std::string, std::unique_ptr<TSurfaceTexture>> FPictures;
  TItemRects FButtons;
  std::string FPicked;
};

// The class's palette bitmap from the package the tool is linked with; a grey
// square with a frame when the package has none.
Graphics::TSurface PaletteBitmap(const std::string& className);

}  // namespace Designer
