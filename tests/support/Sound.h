// The sound service replaced by a recording one for the life of a test: what the
// program asks to play is kept in Service, and nothing is heard.
#pragma once

#include "Platform/Sound.h"

namespace TestSupport {

struct TRecordedSound {
  Platform::TRecordingSoundService Service;
  TRecordedSound() { Platform::UseSoundService(&Service); }
  ~TRecordedSound() { Platform::UseSoundService(nullptr); }
  TRecordedSound(const TRecordedSound&) = delete;
  TRecordedSound& operator=(const TRecordedSound&) = delete;
};

}  // namespace TestSupport
