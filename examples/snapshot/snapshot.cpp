// A stored form run under a virtual clock: reads FORM, starts its animations,
// lets two seconds pass from the given time of day and writes what the form shows.
//
//   snapshot FORM OUT.png [HH:MM:SS]      (10:09:30 when no time is given)
#include <cstdio>
#include <exception>

#include "FormRun.h"
#include "Graphics/PictureFiles.h"
#include "Tollenspiegel.h"

int main(int argc, char** argv) {
  int hours = 10, minutes = 9, seconds = 30;
  if (argc < 3 || argc > 4 ||
      (argc == 4 && std::sscanf(argv[3], "%d:%d:%d", &hours, &minutes, &seconds) != 3)) {
    std::fprintf(stderr, "usage: snapshot FORM OUT.png [HH:MM:SS]\n");
    return 2;
  }
  try {
    // The clock comes first: the form's controls read the time as they load.
    Forms::TVirtualRun run(Forms::TimeOfDay(hours, minutes, seconds));
    std::unique_ptr<Forms::TForm> form = Tollenspiegel::LoadForm(argv[1]);
    Tollenspiegel::StartAnimations(*form);
    run.RunFor(*form, 2000);
    Graphics::SavePicture(run.Picture(*form), argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "snapshot: %s\n", e.what());
    return 1;
  }
  std::printf("wrote %s\n", argv[2]);
  return 0;
}
