// An animated GIF writer of our own: exact colours where a frame has at most 256,
// only the changed part of each frame stored, and delays that add up exactly.
//
// Delays are kept in the format's hundredths of a second. Each frame is given the
// time it appears (in milliseconds from the start); its delay is the difference of
// the rounded times, so rounding never accumulates into drift.
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "Graphics/Surface.h"
#include "LittleEndian.h"
#include "Types.h"

namespace Tools {

class TGifWriter {
 public:
  // Opens `path`; all frames must have the given size.
  TGifWriter(const std::string& path, int width, int height);
  ~TGifWriter();
  TGifWriter(const TGifWriter&) = delete;
  TGifWriter& operator=(const TGifWriter&) = delete;

  // Adds a frame shown from `atMs` on (non-decreasing).
  void AddFrame(const Graphics::TSurface& frame, std::int64_t atMs);
  // Writes the last frame with its delay up to `endMs` and closes the file.
  void Finish(std::int64_t endMs);

  int FramesWritten() const { return FFramesWritten; }
  // The delays written, in hundredths of a second.
  const std::vector<int>& Delays() const { return FDelays; }

 private:
  void WritePending(std::int64_t untilMs);
  void WriteFrame(const Graphics::TSurface& frame, const Types::TRect& area, int delayCs);
  void Put(std::uint8_t b) { FOut.put(static_cast<char>(b)); }
  void Put16(int v) {
    for (std::uint8_t b : LittleEndian::Bytes16(static_cast<std::uint32_t>(v))) Put(b);
  }

  std::string FPath;
  std::ofstream FOut;
  int FWidth, FHeight;
  Graphics::TSurface FShown;    // what the written frames add up to
  Graphics::TSurface FPending;  // the frame not yet written (its delay is unknown)
  std::int64_t FPendingAt = 0;
  bool FHasPending = false;
  bool FFinished = false;
  int FFramesWritten = 0;
  std::vector<int> FDelays;
};

}  // namespace Tools
