#pragma once
// Writes Windows icon (.ico), cursor (.cur) and animated cursor (.ani) files
// from ARGB pictures: 32-bit images with an AND mask, so older readers that
// ignore alpha still see the right shape.

#include <string>
#include <vector>

#include "tools/content/art.h"

namespace lumigram::content {

struct TIconImage {
  TArgbPicture Picture;
  int HotSpotX = 0;  // cursors only
  int HotSpotY = 0;
};

// An icon file (cursor false) or a cursor file holding the images, each at
// most 256 pixels a side.
std::string WriteIconFile(const std::vector<TIconImage>& images, bool cursor);

struct TAniStep {
  int Frame = 0;    // index into the frames
  int Jiffies = 6;  // how long it shows, in 1/60 s
};

// A RIFF "ACON" animated cursor: the frames (each a cursor file), played in
// the order of the steps, with a title.
std::string WriteAniFile(const std::vector<std::string>& frames, const std::vector<TAniStep>& steps,
                         const std::string& title);

}  // namespace lumigram::content
