#include "platform/x11/x11_popup.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <time.h>

#include "platform/x11/lite_paint.h"
#include "platform/x11/utf8.h"
#include "platform/x11/x11_properties.h"
#include "util/code_page.h"

namespace lumigram {

namespace {

constexpr long kEventMask =
    ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask;

}  // namespace

TX11Popup::~TX11Popup() {
  Release();
}

TPopupMetrics TX11Popup::Metrics() {
  TPopupMetrics metrics;
  metrics.ItemHeight = std::max(metrics.ItemHeight, UiTextHeight() + 8);
  return metrics;
}

int TX11Popup::Track(const std::vector<TPopupItem>& items, int x, int y) {
  // One menu at a time; the card never opens a second from inside the first.
  if (items.empty() || window_ || app_.Terminated()) return -1;
  Display* display = app_.XDisplay();
  // Translated captions arrive in their language file's code page.
  std::vector<TPopupItem> shown = items;
  for (TPopupItem& item : shown) item.Caption = DisplayUtf8(item.Caption);
  model_ = std::make_unique<TPopupModel>(shown, Metrics(),
                                         [](std::string_view text) { return UiTextWidth(text); });
  const TPoint place = PlacePopup({x, y}, model_->Width(), model_->Height(),
                                  {app_.ScreenWidth(), app_.ScreenHeight()});

  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.save_under = True;
  attributes.event_mask = kEventMask;
  window_ =
      ::XCreateWindow(display, app_.Root(), place.X, place.Y, unsigned(model_->Width()),
                      unsigned(model_->Height()), 0, CopyFromParent, InputOutput, CopyFromParent,
                      CWOverrideRedirect | CWSaveUnder | CWEventMask, &attributes);
  if (!app_.Register(window_, this)) {
    Release();
    return -1;
  }
  gc_ = ::XCreateGC(display, window_, 0, nullptr);
  // For compositors, which draw menus their own way.
  SetAtomProperty(app_, window_, app_.AtomOf(TX11Atom::NetWmWindowType),
                  app_.AtomOf(TX11Atom::NetWmWindowTypePopupMenu));
  if (app_.MainWindow()) ::XSetTransientForHint(display, window_, app_.MainWindow());
  picture_ = std::make_unique<TX11Picture>(app_);
  Paint();
  ::XMapRaised(display, window_);
  // A menu that cannot hold the pointer could not be dismissed by a click
  // elsewhere: better none.
  if (!Grab()) {
    Release();
    return -1;
  }

  done_ = false;
  chosen_ = -1;
  app_.RunModal(window_, [this] { return done_; });
  const int chosen = chosen_;
  Release();
  return chosen;
}

bool TX11Popup::Grab() {
  Display* display = app_.XDisplay();
  // Another program may hold the pointer for a moment (a window manager
  // finishing a click): try for a tenth of a second.
  for (int attempt = 0; attempt < 20; ++attempt) {
    ::XSync(display, False);
    const int pointer = ::XGrabPointer(display, window_, False,
                                       ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                                       GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
    const int keyboard =
        pointer == GrabSuccess
            ? ::XGrabKeyboard(display, window_, False, GrabModeAsync, GrabModeAsync, CurrentTime)
            : GrabNotViewable;
    if (pointer == GrabSuccess && keyboard == GrabSuccess) return true;
    if (pointer == GrabSuccess) ::XUngrabPointer(display, CurrentTime);
    const timespec pause{0, 5'000'000};
    ::nanosleep(&pause, nullptr);
  }
  return false;
}

void TX11Popup::Release() {
  if (!window_) return;
  Display* display = app_.XDisplay();
  ::XUngrabPointer(display, CurrentTime);
  ::XUngrabKeyboard(display, CurrentTime);
  app_.Unregister(window_);
  picture_.reset();
  if (gc_) ::XFreeGC(display, gc_);
  gc_ = nullptr;
  ::XDestroyWindow(display, window_);
  ::XFlush(display);
  window_ = 0;
  model_.reset();
}

void TX11Popup::Close(int row) {
  chosen_ = row >= 0 ? model_->Rows()[size_t(row)].Id : -1;
  done_ = true;
}

void TX11Popup::Paint() {
  TBitmap image;
  if (!image.SetSize(model_->Width(), model_->Height(), ui_colour::kFace)) return;
  TCanvas canvas(image);
  canvas.SetBrushColor(ui_colour::kBorder);
  canvas.FrameRect(BoundsOf(image));
  const TPopupMetrics& metrics = model_->Metrics();
  const int textTop = (metrics.ItemHeight - UiTextHeight()) / 2;
  for (size_t i = 0; i < model_->Rows().size(); ++i) {
    const TPopupRow& row = model_->Rows()[i];
    const TRect& r = row.Bounds;
    if (row.Separator) {
      const int middle = r.Top + int(r.Height()) / 2;
      canvas.SetBrushColor(ui_colour::kLight);
      canvas.FillRect({r.Left + metrics.CheckColumn, middle, r.Right - 2, middle + 1});
      continue;
    }
    const bool lit = int(i) == model_->Highlight();
    if (lit) {
      canvas.SetBrushColor(ui_colour::kHighlight);
      canvas.FillRect({r.Left + 2, r.Top, r.Right - 2, r.Bottom});
    }
    const TColor text = lit           ? ui_colour::kHighlightText
                        : row.Enabled ? ui_colour::kText
                                      : ui_colour::kGreyText;
    if (row.Checked)
      DrawCheckMark(canvas, r.Left + metrics.CheckColumn / 2, r.Top + int(r.Height()) / 2, text);
    DrawAcceleratedText(canvas, r.Left + metrics.CheckColumn, r.Top + textTop, row.Caption, text);
  }
  picture_->Assign(image);
  picture_->Put(window_, gc_, BoundsOf(image));
}

void TX11Popup::HandleEvent(XEvent& event) {
  switch (event.type) {
    case Expose:
      picture_->Put(window_, gc_,
                    {event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                     event.xexpose.y + event.xexpose.height});
      break;
    case MotionNotify:
      if (model_->Hover(event.xmotion.x, event.xmotion.y)) Paint();
      break;
    case ButtonPress: {
      if (event.xbutton.button > Button3) break;
      const bool inside = event.xbutton.x >= 0 && event.xbutton.y >= 0 &&
                          event.xbutton.x < model_->Width() && event.xbutton.y < model_->Height();
      if (!inside) {
        Close(-1);
      } else if (model_->Hover(event.xbutton.x, event.xbutton.y)) {
        Paint();
      }
      break;
    }
    case ButtonRelease: {
      if (event.xbutton.button > Button3) break;
      const int row = model_->RowAt(event.xbutton.x, event.xbutton.y);
      if (model_->Selectable(row)) Close(row);
      break;
    }
    case KeyPress:
      Key(event.xkey);
      break;
    default:
      break;
  }
}

void TX11Popup::Key(XKeyEvent& event) {
  KeySym key = NoSymbol;
  char ignored[8];
  ::XLookupString(&event, ignored, sizeof ignored, &key, nullptr);
  const int before = model_->Highlight();
  switch (key) {
    case XK_Escape:
      Close(-1);
      return;
    case XK_Return:
    case XK_KP_Enter:
      if (model_->Enter() >= 0) Close(model_->Enter());
      return;
    case XK_Down:
    case XK_KP_Down:
      model_->Down();
      break;
    case XK_Up:
    case XK_KP_Up:
      model_->Up();
      break;
    case XK_Home:
    case XK_KP_Home:
      model_->Home();
      break;
    case XK_End:
    case XK_KP_End:
      model_->End();
      break;
    default:
      if (const char32_t c = KeySymCodePoint(key)) {
        const int row = model_->Letter(FoldAscii(c));
        if (row >= 0) {
          Close(row);
          return;
        }
      }
      break;
  }
  if (model_->Highlight() != before) Paint();
}

}  // namespace lumigram
