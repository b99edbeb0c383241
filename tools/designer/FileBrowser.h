// The inside of the host's file dialogs in the designer's window, over a
// TFileChoice: a button to the parent folder and a path bar, the folder's
// sub-folders and matching files (a double-click opens a folder or chooses a
// file; Ctrl and Shift clicks pick several when the request allows it), the
// file-name field (Enter presses Open), the filter drop-down, and Open (Save
// when the request asks before overwriting) and Cancel. A refused name is told in the box, which
// stays open. The picture dialog shows the one picked bitmap beside the list, fitted into a square,
// with its size in pixels, or why it cannot be read.
//
// The box around it (a modal popup, Escape cancelling) is the caller's.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DesignerUi.h"
#include "FileChoice.h"
#include "Graphics/Surface.h"
#include "ImGuiSdl.h"
#include "Types.h"

namespace Designer {

class TSurfaceTexture;

struct TPicturePreview {
  Graphics::TSurface Picture;  // fitted into the square, its shape kept
  Types::TPoint Size;          // the bitmap's own size
  std::string Problem;         // why it cannot be read; empty when it can
};

// The bitmap file at `path` scaled to fit a square of `side` pixels.
TPicturePreview PreviewPicture(const std::string& path, int side);

class TFileBrowser {
 public:
  static constexpr int kPreviewSide = 160;

  TFileBrowser(TDesignerUi& ui, Tools::TFileChoice& choice, TItemRects& rects);
  ~TFileBrowser();
  TFileBrowser(const TFileBrowser&) = delete;
  TFileBrowser& operator=(const TFileBrowser&) = delete;

  // Draws the box's contents for one frame; false once Open or Cancel closed it.
  bool Draw();
  // How it closed: nothing when cancelled, else the names chosen or a question
  // to ask about them first.
  const std::optional<Tools::TChoiceAnswer>& Answer() const { return FAnswer; }
  // Shows the box again after a question was answered No.
  void Reopen() { FAnswer.reset(), FClosed = false; }

 private:
  void DrawPathBar();
  void DrawList();
  bool FolderRow(const std::string& folder);
  bool FileRow(const std::string& file);
  void DrawPreview();
  void DrawNameAndFilter();
  void DrawButtons();
  void Open();

  TDesignerUi& FUi;
  Tools::TFileChoice& FChoice;
  TItemRects& FRects;
  std::string FPathText;
  std::filesystem::path FPathShown;
  std::string FProblem;
  std::optional<Tools::TChoiceAnswer> FAnswer;
  bool FClosed = false;
  std::string FPreviewPath;
  TPicturePreview FPreview;
  std::unique_ptr<TSurfaceTexture> FPreviewTexture;
};

}  // namespace Designer
