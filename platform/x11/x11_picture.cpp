#include "platform/x11/x11_picture.h"

#include <X11/Xutil.h>

#include <new>

#include "platform/x11/x11_app.h"

namespace lumigram {

namespace {

int BitsPerPixelOf(Display* display, int depth) {
  int count = 0;
  XPixmapFormatValues* formats = ::XListPixmapFormats(display, &count);
  int bits = 0;
  for (int i = 0; i < count; ++i)
    if (formats[i].depth == depth) bits = formats[i].bits_per_pixel;
  if (formats) ::XFree(formats);
  return bits;
}

}  // namespace

TPixelFormat DisplayPixelFormat(TX11App& app) {
  Visual* visual = app.XVisual();
  TPixelFormat format;
  format.BitsPerPixel = BitsPerPixelOf(app.XDisplay(), app.Depth());
  format.MostSignificantFirst = ImageByteOrder(app.XDisplay()) == MSBFirst;
  format.RedMask = uint32_t(visual->red_mask);
  format.GreenMask = uint32_t(visual->green_mask);
  format.BlueMask = uint32_t(visual->blue_mask);
  return format;
}

TX11Picture::~TX11Picture() {
  Clear();
}

void TX11Picture::Clear() {
  if (!image_) return;
  // The pixels belong to data_, not to Xlib.
  image_->data = nullptr;
  XDestroyImage(image_);
  image_ = nullptr;
}

int TX11Picture::Width() const {
  return image_ ? image_->width : 0;
}
int TX11Picture::Height() const {
  return image_ ? image_->height : 0;
}

bool TX11Picture::Assign(const TBitmap& bitmap) {
  if (bitmap.Empty()) {
    Clear();
    return true;
  }
  if (!image_ || image_->width != bitmap.Width() || image_->height != bitmap.Height()) {
    Clear();
    image_ = ::XCreateImage(app_.XDisplay(), app_.XVisual(), unsigned(app_.Depth()), ZPixmap, 0,
                            nullptr, unsigned(bitmap.Width()), unsigned(bitmap.Height()), 32, 0);
    if (!image_) return false;
    try {
      data_.assign(size_t(image_->bytes_per_line) * size_t(bitmap.Height()), 0);
    } catch (const std::bad_alloc&) {
      std::vector<char>().swap(data_);
      Clear();
      return false;
    }
    image_->data = data_.data();
  }
  TPixelFormat format;
  format.BitsPerPixel = image_->bits_per_pixel;
  format.MostSignificantFirst = image_->byte_order == MSBFirst;
  format.RedMask = uint32_t(image_->red_mask);
  format.GreenMask = uint32_t(image_->green_mask);
  format.BlueMask = uint32_t(image_->blue_mask);
  if (!ConvertBitmap(bitmap, format, reinterpret_cast<uint8_t*>(image_->data),
                     image_->bytes_per_line)) {
    // A format we cannot write directly: Xlib's own, pixel by pixel.
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x)
        XPutPixel(image_, x, y, format.PixelOf(bitmap.GetPixel(x, y)));
  }
  return true;
}

void TX11Picture::Put(Drawable drawable, GC gc, const TRect& area) const {
  if (!image_) return;
  const TRect part = Intersect(area, {0, 0, image_->width, image_->height});
  if (part.IsEmpty()) return;
  ::XPutImage(app_.XDisplay(), drawable, gc, image_, part.Left, part.Top, part.Left, part.Top,
              unsigned(part.Width()), unsigned(part.Height()));
}

}  // namespace lumigram
