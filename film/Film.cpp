#include "Film.h"

#include <algorithm>
#include <utility>

#include "Dialogs.h"
#include "ExtDlgs.h"
#include "Forms.h"
#include "MMSystem.h"
#include "SysUtils.h"

namespace Film {

using Graphics::TBrush;
using Graphics::TPen;

const TypInfo::TTypeInfo* WeergaveType() { return TypInfo::EnumType<TWeergave>(); }
const TypInfo::TTypeInfo* FilmTypeType() { return TypInfo::EnumType<TFilmType>(); }
const TypInfo::TTypeInfo* FoutActieType() { return TypInfo::EnumType<TFoutActie>(); }
const TypInfo::TTypeInfo* StartFilmType() { return TypInfo::EnumType<TStartFilm>(); }

namespace {

const TypInfo::TPropTable& FilmProps() {
  namespace P = Controls::Published;
  using TypInfo::Prop;
  using F = TFilm;
  static const TypInfo::TPropTable table{TypInfo::Join(
      {
          Prop<&F::DefaultPadNaam, &F::SetDefaultPadNaam>(
              "DefaultPadNaam",
              {.Help = "a folder a frame is also looked for in, by its bare name"}),
          Prop<&F::Achtergrond, &F::SetAchterBrush>(
              "Achtergrond", {.Help = "the brush that fills the control behind the frame"}),
          Prop<&F::AlfabetischeLijst, &F::SetAlfa>("AlfabetischeLijst",
                                                   {.Help = "keeps the frame names sorted"}),
          Prop<&F::FilmType, &F::SetFilmType>("FilmType",
                                              {.Help = "the play mode: a loop, once, once there "
                                                       "and back, or there and back in a loop"}),
          Prop<&F::Geluid, &F::SetGeluid>("Geluid",
                                          {.Help = "a wave file played when the film starts"}),
          Prop<&F::Pen, &F::SetPen>("Pen", {.Help = "the pen of the film's outline"}),
          Prop<&F::Weergave, &F::SetWeergave>(
              "Weergave",
              {.Help =
                   "WareGrootte shows a frame at its own size, centred; Zoom stretches it to fit"}),
          Prop<&F::FoutActie, &F::SetFoutActie>(
              "FoutActie",
              {.Default = EvenGeenFilm,
               .Help = "at run time, a frame that cannot be loaded is skipped or raises an error"}),
          Prop<&F::Frames, &F::SetNames>("Frames",
                                         {.Help = "the frames' file names, in playing order"}),
          Prop<&F::TijdPerFrame, &F::SetTijdPerFrame>(
              "TijdPerFrame", {.Default = 100, .Help = "milliseconds each frame is shown"}),
          Prop<&F::Starten, &F::SetStarten>(
              "Starten", {.Help = "how the film starts: by the program, at once, or at a click"}),
          Prop<&F::StartFrame, &F::SetFrame>(
              "StartFrame",
              {.Default = 0, .Index = kStartFrame, .Help = "the frame a run starts at"}),
          Prop<&F::StopFrame, &F::SetFrame>("StopFrame",
                                            {.Default = -1,
                                             .Index = kStopFrame,
                                             .Help = "the frame a run stops at (-1: the last)"}),
          Prop<&F::VoorFrame, &F::SetFrame>(
              "VoorFrame", {.Default = -1,
                            .Index = kVoorFrame,
                            .Help = "the frame shown before a run and in the designer (-1: none)"}),
          Prop<&F::NaFrame, &F::SetFrame>(
              "NaFrame",
              {.Default = -1, .Index = kNaFrame, .Help = "the frame shown after a run (-1: none)"}),
          Prop<&F::Transparent, &F::SetTransparent>(
              "Transparent", {.Default = false,
                              .Help = "draws the frames with their background colour see-through"}),
          P::Visible(),
      },
      P::ClickDragAndMouseEvents())};
  return table;
}

const TypInfo::TMethodTable& FilmMethods() {
  static const TypInfo::TMethodTable table{{
      TypInfo::NotifyMethod<TFilm>("NieuwFrame", &TFilm::NieuwFrame),
      TypInfo::NotifyMethod<TFilm>("StyleChanged", &TFilm::StyleChanged),
      TypInfo::NotifyMethod<TFilm>("ZetCapaciteit", &TFilm::ZetCapaciteit),
  }};
  return table;
}

Classes::TComponent* CreateFilm(Classes::TComponent* owner) { return new TFilm(owner); }

bool EndsInSeparator(const std::string& folder) {
  return !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
}

// The program's folder, ready to take a file name.
std::string ProgramFolder() {
  std::string folder = SysUtils::ExtractFilePath(Forms::Application().ExeName());
  if (!folder.empty() && !EndsInSeparator(folder)) folder += '\\';
  return folder;
}

std::string CannotLoadText(const std::string& fileName) {
  return "Het bestand " + fileName + " kan niet geladen worden." + '\r' +
         "Moet de naam van dit bestand uit de lijst verwijderd worden?";
}

// Clears the flag when the scope ends, unless told to keep it.
struct TBusy {
  bool& Flag;
  bool Keep = false;
  explicit TBusy(bool& flag) : Flag(flag) { Flag = true; }
  ~TBusy() {
    if (!Keep) Flag = false;
  }
  TBusy(const TBusy&) = delete;
  TBusy& operator=(const TBusy&) = delete;
};

}  // namespace

// ---- life ----

System::TClass TFilm::StaticClass() {
  static const System::TClassInfo info{"TFilm", Controls::TGraphicControl::StaticClass(),
                                       CreateFilm, &FilmProps(), &FilmMethods()};
  return &info;
}

TFilm::TFilm(Classes::TComponent* owner) : TGraphicControl(owner) {
  SetWidth(128);
  SetHeight(128);
  FFrames = std::make_unique<Classes::TStringList>();
  // Duplicates are allowed in every list, sorted or not, so a stored film reads
  // back as it was written.
  FFrames->SetDuplicates(Classes::dupAccept);
  FPlaatje = std::make_unique<Graphics::TBitmap>();
  FStopFrame = -1;
  FVoorFrame = -1;
  FNaFrame = -1;
  FHuidigFrame = -1;
  FTijdPerFrame = 100;
  FTikker = std::make_unique<ExtCtrls::TTimer>(this);
  FTikker->SetEnabled(false);
  FTikker->SetInterval(FTijdPerFrame);
  FTikker->SetOnTimer([this](System::TObject* sender) { NieuwFrame(sender); });
  auto changed = [this](System::TObject* sender) { StyleChanged(sender); };
  FPen = std::make_unique<TPen>();
  FPen->OnChange = changed;
  FAchtergrond = std::make_unique<TBrush>();
  FAchtergrond->SetStyle(Graphics::bsClear);  // before the hook: no notification
  FAchtergrond->OnChange = changed;
  FFrames->OnChange = [this](System::TObject* sender) { ZetCapaciteit(sender); };
}

TFilm::~TFilm() { Classes::FreeInOrder(FFrames, FPlaatje, FPen, FAchtergrond, FTikker); }

bool TFilm::Designing() const { return ComponentState().Contains(Classes::csDesigning); }

void TFilm::Loaded() {
  TGraphicControl::Loaded();
  if (!Designing() && FStarten == StartMeteen) StartFilm();
}

// ---- setters ----

void TFilm::SetFrame(int index, std::int32_t value) {
  value = std::min(value, FFrames->Count() - 1);
  switch (index) {
    case kStartFrame:
      FStartFrame = std::max(value, 0);
      break;
    case kStopFrame:
      FStopFrame = value;
      break;
    case kVoorFrame:
      FVoorFrame = value;
      FHuidigFrame = value;
      Invalidate();
      break;
    default:
      FNaFrame = value;
      break;
  }
}

void TFilm::SetNames(const Classes::TStrings& value) {
  FFrames->SetDuplicates(Classes::dupAccept);
  FFrames->Assign(&value);
}

void TFilm::SetAlfa(bool value) {
  FAlfabetischeLijst = value;
  FFrames->SetSorted(value);
  Invalidate();
}

void TFilm::SetTijdPerFrame(std::int32_t value) {
  if (value == FTijdPerFrame) return;
  FTijdPerFrame = value;
  FTikker->SetInterval(value);
}

void TFilm::SetWeergave(TWeergave value) {
  if (value == FWeergave) return;
  FWeergave = value;
  Invalidate();
}

// The owned objects' OnChange, raised by Assign, does the invalidating.
void TFilm::SetAchterBrush(const TBrush& value) { FAchtergrond->Assign(&value); }
void TFilm::SetPen(const TPen& value) { FPen->Assign(&value); }

void TFilm::StyleChanged(System::TObject*) { Invalidate(); }

void TFilm::ZetCapaciteit(System::TObject*) { FFrames->SetCapacity(FFrames->Count()); }

// ---- choosing frames ----

void TFilm::LaadFrames(bool replace) {
  auto dialog = std::make_unique<ExtDlgs::TOpenPictureDialog>(nullptr);
  dialog->SetTitle("Kies een serie beelden uit de lijst");
  dialog->SetFilter("Windows Bitmaps|*.bmp");
  dialog->SetDefaultExt("bmp");
  using namespace Dialogs;
  dialog->SetOptions({ofHideReadOnly, ofShowHelp, ofAllowMultiSelect, ofExtensionDifferent,
                      ofPathMustExist, ofFileMustExist, ofShareAware});
  if (!dialog->Execute()) return;
  if (replace) {
    if (FVoorFrame > 0) FVoorFrame = 0;  // the field only: the shown frame stays
    FFrames->Clear();
  }
  const Classes::TStrings& chosen = dialog->Files();
  for (int i = 0; i < chosen.Count(); ++i) FFrames->Append(chosen[i]);
  if (FStartFrame >= FFrames->Count()) FStartFrame = FFrames->Count() - 1;
  Paint();
}

// ---- finding and loading a frame ----

std::vector<std::string> TFilm::FrameCandidates(int index) const {
  const std::string& stored = (*FFrames)[index];
  const std::string bare = SysUtils::ExtractFileName(stored);
  std::vector<std::string> names{stored, ProgramFolder() + bare};
  // An empty folder would send the look-up to the root of the file system.
  if (!FDefaultPadNaam.empty()) names.push_back(FDefaultPadNaam + "\\" + bare);
  names.push_back(bare);
  return names;
}

std::string TFilm::FrameFileName(int index) const {
  std::vector<std::string> names = FrameCandidates(index);
  auto found = std::find_if(names.begin(), names.end() - 1,
                            [](const std::string& n) { return SysUtils::FileExists(n); });
  return *found;
}

void TFilm::LoadFrame(const std::string& fileName) {
  FPlaatje->LoadFromFile(fileName);
  FPlaatje->SetTransparent(FTransparent);
}

// ---- drawing ----

void TFilm::Paint() {
  TGraphicControl::Paint();
  if (Designing()) DrawDesignOutline();
  ToonFrame(FFrames->Count() == 0 ? -2 : FHuidigFrame);
}

void TFilm::DrawDesignOutline() {
  Graphics::TCanvas& canvas = Canvas();
  Graphics::TColor parentColor = Parent() ? Parent()->Color() : Graphics::clBlack;
  canvas.Pen().SetColor((parentColor & 0xFFFFFF) ^ 0xFFFFFF);
  canvas.Brush().SetStyle(Graphics::bsClear);
  canvas.Pen().SetStyle(Graphics::psDash);
  canvas.Rectangle(0, 0, Width(), Height());
}

void TFilm::DrawBackground() {
  Graphics::TCanvas& canvas = Canvas();
  canvas.SetBrush(*FAchtergrond);
  canvas.SetPen(*FPen);
  canvas.Rectangle(0, 0, Width(), Height());
}

void TFilm::DrawFrame() {
  Graphics::TCanvas& canvas = Canvas();
  if (FWeergave == Zoom) {
    canvas.StretchDraw(GetClientRect(), *FPlaatje);
    return;
  }
  canvas.Draw((Width() - FPlaatje->Width()) / 2, (Height() - FPlaatje->Height()) / 2, *FPlaatje);
}

void TFilm::ToonFrame(std::int32_t index) {
  FHuidigFrame = index;
  if (FWeergave != Zoom) DrawBackground();
  if (index < 0 || index >= FFrames->Count() || FBezig) return;
  TBusy busy(FBezig);
  std::string fileName;
  try {
    fileName = FrameFileName(index);
    LoadFrame(fileName);
    DrawFrame();
  } catch (...) {
    if (!FrameFailed(index, fileName)) {
      busy.Keep = true;  // from now on the film draws its background only
      throw;
    }
  }
}

// ---- a frame that failed ----

bool TFilm::FrameFailed(int index, const std::string& fileName) {
  const bool wasPlaying = FTikker->Enabled();
  FTikker->SetEnabled(false);
  if (Designing()) {
    if (wasPlaying) {
      AskAboutFrame(index, fileName, wasPlaying);
    } else {
      Canvas().TextOut(10, 10, "Bestandsfout");
      Canvas().TextOut(10, 30, fileName);
    }
    return true;
  }
  if (FFoutActie == RaiseException) return false;
  FTikker->SetEnabled(wasPlaying);
  return true;
}

void TFilm::AskAboutFrame(int index, const std::string& fileName, bool wasPlaying) {
  using namespace Dialogs;
  switch (MessageDlg(CannotLoadText(fileName), mtError, {mbYes, mbAbort, mbIgnore}, 0)) {
    case mrYes:
      DropFrame(index);
      FTikker->SetEnabled(wasPlaying);
      break;
    case mrAbort:
      FHuidigFrame = FVoorFrame == index ? -1 : FVoorFrame;
      break;
    case mrIgnore:
      FTikker->SetEnabled(wasPlaying);
      break;
    default:  // closed without a button: the test ends
      break;
  }
}

void TFilm::DropFrame(int index) {
  if (index >= FFrames->Count()) return;  // the list changed while the question was up
  FFrames->Delete(index);
  if (FStartFrame >= FFrames->Count()) FStartFrame = FFrames->Count() - 1;
  if (FTotFrame > FVanFrame)
    --FTotFrame;
  else
    --FVanFrame;
}

// ---- playing ----

void TFilm::StartFilm() {
  FTotFrame = FStopFrame;
  if (FStopFrame < 0 || FStopFrame >= FFrames->Count()) FTotFrame = FFrames->Count() - 1;
  FVanFrame = FStartFrame;
  FHuidigFrame = FStartFrame;
  FLopendType = FFilmType;
  FTikker->SetEnabled(true);
  Invalidate();
  if (!FGeluid.empty()) {
    MMSystem::PlaySoundA(nullptr, nullptr, MMSystem::SND_ASYNC);
    MMSystem::PlaySoundA(FGeluid.c_str(), nullptr, MMSystem::SND_ASYNC);
  }
}

void TFilm::StopFilm() {
  FTikker->SetEnabled(false);
  FStopVolgende = false;
  if (Designing())
    FHuidigFrame = FVoorFrame;
  else if (FHuidigFrame >= 0)
    FHuidigFrame = FNaFrame;
  Invalidate();
}

bool TFilm::FilmLoopt() const { return FTikker->Enabled(); }

void TFilm::NieuwFrame(System::TObject* sender) {
  if (FFrames->Count() == 0) return;
  if (FStopVolgende && sender == FTikker.get()) {
    StopFilm();
    return;
  }
  StepFrame();
  Repaint();
  if (FHuidigFrame == FTotFrame) AtEndBound();
}

void TFilm::StepFrame() {
  if (FVanFrame > FTotFrame) {
    if (FHuidigFrame > 0)
      --FHuidigFrame;
    else
      StopFilm();
  } else if (FVanFrame == FTotFrame) {
    FHuidigFrame = FTotFrame;
  } else {
    // Past the end bound a forward run wraps to frame 0, not to StartFrame.
    FHuidigFrame = FHuidigFrame >= FTotFrame ? 0 : FHuidigFrame + 1;
  }
}

void TFilm::AtEndBound() {
  switch (FLopendType) {
    case LusFilm:
      break;
    case Normaal:
      FStopVolgende = true;
      break;
    case EenKeerHeenEnWeer:
      std::swap(FVanFrame, FTotFrame);
      FLopendType = Normaal;
      break;
    case LusHeenEnWeer:
      std::swap(FVanFrame, FTotFrame);
      break;
  }
}

void TFilm::Click() {
  TGraphicControl::Click();
  if (FStarten != MuisKlik) return;
  if (FilmLoopt())
    StopFilm();
  else
    StartFilm();
}

void TFilm::VolgendFrame() {
  if (++FHuidigFrame >= Frames().Count()) FHuidigFrame = 0;
  Invalidate();
}

void TFilm::VorigFrame() {
  if (FHuidigFrame <= 0)
    FHuidigFrame = Frames().Count() - 1;
  else
    --FHuidigFrame;
  Invalidate();
}

}  // namespace Film
