// The toolbar's slots, its reactions to the mouse and its timer channels.

#include "app/toolbar/toolbars.h"

#include <algorithm>

#include "imaging/text_formats/text_picture.h"
#include "util/event.h"

namespace lumigram {

TToolbars::TToolbars(TToolbarHost& host, TMultiTimer& timer) : host_(host), timer_(timer) {
  track_channel_ = timer_.AddChannel(this, kTrackInterval, true,
                                     [this](const void*, TMultiTimer&) { TrackPointer(); });
  tick_channel_ = timer_.AddChannel(this, kTickInterval, true, [this](const void*, TMultiTimer&) {
    FireIgnoringErrors(OnTick, *this);
  });
  host_.SetHintsEnabled(true);
  Layout();
}

TToolbars::~TToolbars() {
  timer_.RemoveOwner(this, true);
}

// Runs a callback when set; one that raises is ignored, as the toolbar's own
// state is already consistent whenever it calls out.
template <class Event, class... Args>
void TToolbars::FireIgnoringErrors(const Event& event, Args&&... args) {
  try {
    Fire(event, std::forward<Args>(args)...);
  } catch (...) {
  }
}

// ---- Slots -----------------------------------------------------------------

const TToolbarSlot* TToolbars::Slot(int slot) const {
  if (slot < 0 || slot >= kSlotCount) return nullptr;
  return &slots_[size_t(slot)];
}

int TToolbars::AddButton(const std::string& hint, int gap, void* userData,
                         const std::string& glyphText) {
  try {
    for (int i = 0; i < kSlotCount; ++i) {
      TToolbarSlot& slot = slots_[size_t(i)];
      if (slot.Used) continue;
      TToolbarSlot filled;
      filled.Used = true;
      filled.Gap = std::max(gap, 0);
      filled.UserData = userData;
      filled.Hint = hint;
      slot = std::move(filled);
      SetGlyph(i, glyphText);
      return i;
    }
  } catch (...) {
  }
  return -1;
}

void TToolbars::SetGlyph(int index, const std::string& glyphText) {
  if (index < 0 || index >= kSlotCount) return;
  TToolbarSlot& slot = slots_[size_t(index)];
  try {
    TBitmap glyph = glyphText.empty() ? TBitmap() : TextPictureToBitmap(glyphText);
    slot.Glyph = std::move(glyph);
    slot.GlyphText = glyphText;
  } catch (...) {
    slot.Glyph = TBitmap();
    slot.GlyphText.clear();
  }
  slot.Width = slot.Glyph.Width() + 2 * kMargin;
  slot.Height = slot.Glyph.Height() + 2 * kMargin;
  Layout();
}

void TToolbars::RemoveButtons(int first, int last) {
  if (first < 0 && last < 0) {
    first = 0;
    last = kSlotCount - 1;
  }
  first = std::max(first, 0);
  last = std::min(last, kSlotCount - 1);
  bool any = false;
  for (int i = first; i <= last; ++i) {
    TToolbarSlot& slot = slots_[size_t(i)];
    any = any || slot.Used;
    slot = TToolbarSlot();
    if (hot_ == i) hot_ = -1;
  }
  if (any) Layout();
}

void TToolbars::SetButtonVisible(int slot, bool visible) {
  if (slot < 0 || slot >= kSlotCount || slots_[size_t(slot)].Visible == visible) return;
  slots_[size_t(slot)].Visible = visible;
  Layout();
}

void TToolbars::SetButtonEnabled(int slot, bool enabled) {
  if (slot < 0 || slot >= kSlotCount || slots_[size_t(slot)].Enabled == enabled) return;
  slots_[size_t(slot)].Enabled = enabled;
  Layout();
}

void TToolbars::SetAllCursors(int cursor) {
  for (TToolbarSlot& slot : slots_) slot.Cursor = cursor;
}

void TToolbars::SetButtonHint(int slot, const std::string& hint) {
  if (slot < 0 || slot >= kSlotCount) return;
  slots_[size_t(slot)].Hint = hint;
  if (slot == hot_) UpdateHint(slot);
}

void TToolbars::SetShowSeparators(bool show) {
  if (show_separators_ == show) return;
  show_separators_ = show;
  Layout();
}

void TToolbars::SetShowTopBevel(bool show) {
  if (show_top_bevel_ == show) return;
  show_top_bevel_ = show;
  Layout();
}

void TToolbars::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  host_.SetWindowEnabled(enabled);
  Layout();
}

std::string TToolbars::ButtonHint(int slot) const {
  const TToolbarSlot* s = Slot(slot);
  return s ? s->Hint : std::string();
}

bool TToolbars::IsVisible(int slot) const {
  const TToolbarSlot* s = Slot(slot);
  return s && s->Visible;
}

bool TToolbars::IsEnabled(int slot) const {
  const TToolbarSlot* s = Slot(slot);
  return s && s->Enabled;
}

bool TToolbars::IsUsed(int slot) const {
  const TToolbarSlot* s = Slot(slot);
  return s && s->Used;
}

int TToolbars::SlotAt(int x, int y, bool includeDisabled) const {
  for (int i = 0; i < kSlotCount; ++i) {
    const TToolbarSlot& slot = slots_[size_t(i)];
    if (!slot.Used || !slot.Visible || !(slot.Enabled || includeDisabled)) continue;
    if (x >= slot.Left && x <= slot.Left + slot.Width - 1 && y >= slot.Top &&
        y <= slot.Top + slot.Height - 1)
      return i;
  }
  return -1;
}

// ---- Hot slot and hint -----------------------------------------------------

void TToolbars::SetHot(int slot) {
  if (slot == hot_) return;
  hot_ = slot;
  Layout();
}

void TToolbars::UpdateHint(int slot) {
  const std::string hint = ButtonHint(slot);
  if (hint == hint_) return;
  host_.CancelHint();
  hint_ = hint;
  host_.SetHint(hint_);
}

// ---- Mouse -----------------------------------------------------------------

void TToolbars::WindowResized() {
  Layout();
  FireIgnoringErrors(OnResize, *this);
}

void TToolbars::MouseDown(TMouseButton button, unsigned shift, int x, int y) {
  if (pressed_ || !enabled_) return;
  pressed_ = true;
  drag_state_ = TDragState::Undecided;
  FireIgnoringErrors(OnMouseDown, *this, button, shift, x, y);
  hot_ = SlotAt(x, y, false);
  Layout();
}

void TToolbars::MouseMove(unsigned shift, int x, int y) {
  if (!pressed_) {
    SetHot(SlotAt(x, y, false));
    UpdateHint(SlotAt(x, y, true));
  }
  FireIgnoringErrors(OnMouseMove, *this, shift, x, y);
  if (!pressed_) return;
  if (drag_state_ == TDragState::Undecided && SlotAt(x, y, false) != hot_) {
    drag_state_ = TDragState::NoDrag;
    if (OnDragQuery) {
      host_.CancelHint();
      bool mayDrag = true;
      FireIgnoringErrors(OnDragQuery, *this, shift, mayDrag, x, y);
      if (mayDrag) drag_state_ = TDragState::Dragging;
    }
  }
  if (drag_state_ == TDragState::Dragging) {
    if (hints_on_) {
      hints_on_ = false;
      host_.SetHintsEnabled(false);
    }
    FireIgnoringErrors(OnDragMove, *this, shift, x, y);
  }
}

void TToolbars::MouseUp(TMouseButton button, unsigned shift, int x, int y) {
  if (!pressed_) return;
  pressed_ = false;
  Layout();
  FireIgnoringErrors(OnMouseUp, *this, button, shift, x, y);
  if (drag_state_ == TDragState::Dragging) {
    hints_on_ = true;
    host_.SetHintsEnabled(true);
    FireIgnoringErrors(OnDragEnd, *this, button, shift, x, y);
  } else if (enabled_) {
    FireIgnoringErrors(OnClick, *this);
  }
}

// ---- Timer -----------------------------------------------------------------

void TToolbars::TrackPointer() {
  if (!pressed_) {
    TPoint at;
    SetHot(host_.PointerPosition(at) ? SlotAt(at.X, at.Y, false) : -1);
  }
  if (host_.WindowColor() != face_) Layout();
}

}  // namespace lumigram
