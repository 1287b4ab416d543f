#pragma once
// A bitmap converted once into the display's pixel format and kept client
// side, so that exposures are repainted without asking the card again.

#include <X11/Xlib.h>

#include <vector>

#include "imaging/bitmap/bitmap.h"
#include "platform/x11/pixel_format.h"
#include "util/geometry.h"

namespace lumigram {

class TX11App;

class TX11Picture {
 public:
  explicit TX11Picture(TX11App& app) : app_(app) {}
  ~TX11Picture();
  TX11Picture(const TX11Picture&) = delete;
  TX11Picture& operator=(const TX11Picture&) = delete;

  // Converts the bitmap. False (and empty) when there is no memory for it.
  bool Assign(const TBitmap& bitmap);
  void Clear();
  bool Empty() const { return image_ == nullptr; }
  int Width() const;
  int Height() const;

  // Sends the part of the picture inside area (picture coordinates) to the
  // same place in the drawable.
  void Put(Drawable drawable, GC gc, const TRect& area) const;

 private:
  TX11App& app_;
  XImage* image_ = nullptr;
  std::vector<char> data_;
};

// The pixel format of the display's default visual.
TPixelFormat DisplayPixelFormat(TX11App& app);

}  // namespace lumigram
