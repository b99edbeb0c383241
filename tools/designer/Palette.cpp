#include "Palette.h"

#include <cctype>
#include <cmath>

#include "Graphics/BmpFile.h"
#include "PackageCommand.h"
#include "SysUtils.h"
#include "Windows.h"

namespace Designer {

namespace {
constexpr int kButton = 24;
}  // namespace

Graphics::TSurface PaletteBitmap(const std::string& className) {
  std::string name = className;
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (auto* r = Windows::FindResourceA(Tools::LinkedPackage(), name.c_str(), Windows::RT_BITMAP)) {
    try {
      return Graphics::ReadDib(r->Data, name).Pixels;
    } catch (const std::exception&) {
      // a broken bitmap shows as the plain square below
    }
  }
  Graphics::TSurface plain(kButton, kButton, 0xC0C0C0);
  for (int i = 0; i < kButton; ++i) {
    plain.SetPixel(i, 0, 0x808080);
    plain.SetPixel(i, kButton - 1, 0x808080);
    plain.SetPixel(0, i, 0x808080);
    plain.SetPixel(kButton - 1, i, 0x808080);
  }
  return plain;
}

TPalette::TPalette(TDesignerUi& ui) : FUi(ui) {}

TSurfaceTexture& TPalette::Picture(const std::string& className) {
  auto& texture = FPictures[className];
  if (!texture) {
    texture = std::make_unique<TSurfaceTexture>(FUi.Renderer());
    const Graphics::TSurface bitmap = PaletteBitmap(className);
    texture->Update(bitmap, bitmap.Bounds());
  }
  return *texture;
}

void TPalette::Draw() {
  if (!ImGui::BeginTabBar("palette")) return;
  for (const DsgnIntf::TPalettePage& page : DsgnIntf::PalettePages()) {
    if (!ImGui::BeginTabItem(page.Name.c_str())) continue;
    for (System::TClass cls : page.Classes) {
      const std::string name(cls->Name);
      TSurfaceTexture& picture = Picture(name);
      const Types::TPoint size = picture.Size();
      ImGui::PushID(name.c_str());
      const bool picked = FPicked == name;
      if (picked)
        ImGui::PushStyleColor(ImGuiCol_Button, ImGui::GetStyleColorVec4(ImGuiCol_ButtonActive));
      // At whole pixels and 1x, so each palette pixel is one screen pixel.
      ImGui::SetCursorPos(
          ImVec2(std::floor(ImGui::GetCursorPosX()), std::floor(ImGui::GetCursorPosY())));
      if (ImGui::ImageButton(picture.Id(),
                             ImVec2(static_cast<float>(size.X), static_cast<float>(size.Y)),
                             ImVec2(0, 0), ImVec2(1, 1), 2))
        FPicked = picked ? "" : name;
      if (picked) ImGui::PopStyleColor();
      FButtons.Record(name);
      if (ImGui::IsItemHovered()) ImGui::SetTooltip("%s", name.c_str());
      ImGui::PopID();
      ImGui::SameLine();
    }
    ImGui::NewLine();
    ImGui::EndTabItem();
  }
  ImGui::EndTabBar();
}

Types::TRect TPalette::ButtonRect(const std::string& className) const {
  return FButtons.Rect(className);
}

}  // namespace Designer
