#pragma once
// What the card tests share: a private home for the whole run (settings,
// library, desktop and temporary files), a card on the recording platform,
// and pictures as a card stores them.

#include <memory>
#include <string>

#include "card/lumigram.h"
#include "imaging/bitmap/bitmap.h"
#include "tests/support/card_platform_double.h"

namespace lumigram::testing {

// The folder every XDG variable and HOME point into for this test program.
const std::string& TestHome();
// A file under tests/data.
std::string TestDataFile(const std::string& relative);

// An optimised image of a picture filled with one colour (packed bitmap,
// so its pixels come back exactly).
std::string PictureBytes(int width, int height, TColor colour);

// A platform double and a card on it, in the mode asked for.
struct TCardOnDouble {
  explicit TCardOnDouble(bool standalone = false);
  TCardPlatformDouble Platform;
  std::unique_ptr<TLumigram> Card;
  TRecordingCardWindow& Window() { return *Platform.LastWindow; }
};

}  // namespace lumigram::testing
