#pragma once
// The drawn scenes: the library's two pictures, the splash picture and the
// small pictures the help pages frame.

#include "imaging/bitmap/bitmap.h"

namespace lumigram::content {

// A summer meadow under a morning sky.
TBitmap MeadowScene(int width, int height);
// A snowy night with a moon and fir trees.
TBitmap WinterScene(int width, int height);
// The splash picture: dusk colours, a framed card and room at the lower left
// for the lines the splash window prints.
TBitmap SplashPicture(int width, int height);

}  // namespace lumigram::content
