// The card's window image and its reactions to the window: composition,
// the flash, dragging, hovering and clicking.

#include <algorithm>

#include "card/lumigram.h"
#include "card/message_render.h"
#include "frames/frame_painter.h"
#include "imaging/bitmap/canvas.h"
#include "util/screen_layout.h"

namespace lumigram {

namespace {

// How long a flashing message stays shown, then hidden.
constexpr int64_t kFlashPhaseMs = 700;

}  // namespace

void TLumigram::Compose() {
  TLumigramDrawState& state = info_.State;
  if (state.PaintLock || destroyed_) return;
  state.PaintLock = true;
  try {
    const int frame = info_.Frame.Size;
    TCanvas canvas(composite_);
    if (state.LayoutDirty || state.MessageDirty || state.FrameDirty) {
      const int width = std::max(picture_.Width(), 1) + 2 * frame;
      const int height = std::max(picture_.Height(), 1) + 2 * frame;
      if (width != composite_.Width() || height != composite_.Height()) state.LayoutDirty = true;
      if (composite_.SetSize(width, height)) {
        if (state.LayoutDirty) {
          PaintFrame(info_.Frame, &composite_);
          canvas.Draw(frame, frame, picture_);
          DrawMessage();
          PlaceLabels();
        } else if (state.MessageDirty) {
          canvas.Draw(frame, frame, picture_);
          DrawMessage();
        } else {
          PaintFrame(info_.Frame, &composite_);
        }
        labels_.PaintAll(frame, frame, canvas);
        const bool layout = state.LayoutDirty;
        state.LayoutDirty = state.MessageDirty = state.FrameDirty = state.RepaintDue = false;
        if (layout && window_) {
          const TRect bounds = window_->Bounds();
          if (bounds.Width() != width || bounds.Height() != height)
            window_->SetBounds(bounds.Left, bounds.Top, width, height);
        }
      }
    } else {
      labels_.PaintAll(frame, frame, canvas);
    }
    Present();
  } catch (...) {
    // The window keeps its previous image.
  }
  state.PaintLock = false;
}

void TLumigram::DrawMessage() {
  const TLumigramDrawState& state = info_.State;
  if (!(state.FlashOn || state.ForceMessage) || info_.Message.empty()) return;
  const int frame = info_.Frame.Size;
  TCanvas canvas(composite_);
  if (!standalone_) {
    DrawMessageLines(canvas, info_, picture_.Width(), picture_.Height(), frame);
  } else if (!message_bitmap_.Empty()) {
    canvas.SetClipRect({frame, frame, frame + picture_.Width(), frame + picture_.Height()});
    canvas.DrawTransparent(frame, frame, message_bitmap_, message_bitmap_.GetPixel(0, 0));
  }
}

void TLumigram::PlaceLabels() {
  TSimpleLabel& menu = *menu_label_;
  TSimpleLabel& link = *link_label_;
  menu.Left = picture_.Width() - menu.Width - 2;
  menu.Top = picture_.Height() - menu.Height - 2;
  link.Left = 2;
  link.Top = menu.Top;
  link.Measure();
  link.Width = std::min(link.Width, menu.Left - 5);
}

void TLumigram::Present() {
  if (window_ && !destroyed_) window_->Present(composite_);
}

void TLumigram::Centre() {
  if (!window_) return;
  const TRect bounds = window_->Bounds();
  const TPoint screen = window_->ScreenSize();
  const int width = int(bounds.Width()), height = int(bounds.Height());
  const TPoint place = CenterOnScreen(screen.X, screen.Y, width, height);
  window_->SetBounds(place.X, place.Y, width, height);
}

void TLumigram::CentreAndShow() {
  Centre();
  if (window_ && !destroyed_) window_->Show();
}

void TLumigram::RenderMessage(bool intoMessageBitmap) {
  if (intoMessageBitmap) {
    RenderMessageBitmap(info_, picture_.Width(), picture_.Height(), message_bitmap_);
  } else {
    TCanvas canvas(composite_);
    DrawMessageLines(canvas, info_, picture_.Width(), picture_.Height(), info_.Frame.Size);
  }
}

void TLumigram::FlashTick(int64_t now) {
  if (destroyed_) return;
  TLumigramDrawState& state = info_.State;
  if (!info_.Flash) {
    if (!state.FlashOn) {
      state.FlashOn = true;
      state.MessageDirty = state.RepaintDue = true;
    }
  } else if (now - state.LastToggle >= kFlashPhaseMs) {
    state.FlashOn = !state.FlashOn;
    state.LastToggle = now;
    state.MessageDirty = state.RepaintDue = true;
  }
  if (state.RepaintDue) Compose();
  UpdateTimer();
}

// Ticks are only needed while something can change: a flashing message, a
// hidden one to show again, or a composition still due. A card without a
// flashing message then costs no wake-ups at all.
void TLumigram::UpdateTimer() {
  if (!timer_) return;
  const TLumigramDrawState& state = info_.State;
  const bool needed = info_.Flash || !state.FlashOn || state.RepaintDue;
  if (timer_->Enabled() != needed) timer_->SetEnabled(needed);
}

// ---- The window's events ----------------------------------------------------

void TLumigram::WindowPaint() {
  Present();
}

void TLumigram::WindowMouseDown(TMouseButton button, int x, int y) {
  if (button_down_) return;
  button_down_ = true;
  button_ = button;
  press_x_ = x;
  press_y_ = y;
}

void TLumigram::WindowMouseMove(int x, int y) {
  if (destroyed_) return;
  if (button_down_) {
    if (button_ != TMouseButton::Left || labels_.HoverIndex() != -1 || !window_) return;
    const TRect bounds = window_->Bounds();
    window_->SetBounds(bounds.Left + (x - press_x_), bounds.Top + (y - press_y_),
                       int(bounds.Width()), int(bounds.Height()));
    return;
  }
  const int frame = info_.Frame.Size;
  if (labels_.Hover(x - frame, y - frame)) {
    info_.State.MessageDirty = true;
    Compose();
  }
}

void TLumigram::WindowMouseUp(TMouseButton button, int x, int y) {
  if (!button_down_) return;
  if (!busy_ && !destroyed_) {
    if (button == TMouseButton::Right) {
      PopupAtMouse();
    } else {
      const int frame = info_.Frame.Size;
      labels_.Click(x - frame, y - frame);
    }
  }
  press_x_ = x;
  press_y_ = y;
  button_down_ = false;
}

void TLumigram::WindowClose() {
  if (ExitOnClose) Exit();
}

bool TLumigram::WindowQueryEndSession() {
  return !busy_;
}

void TLumigram::WindowEndSession() {
  if (ExitOnClose) Exit();
}

}  // namespace lumigram
