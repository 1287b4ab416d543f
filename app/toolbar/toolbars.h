#pragma once
// The creator's self-drawn toolbar: up to 40 slots, each a button showing a
// small picture (its glyph, kept as a Text Picture string) or a separator,
// all drawn into one off-screen bitmap that the window shows as it is. The
// toolbar tracks the pointer itself on a 100 ms channel of the shared
// multi-timer, highlights the button under it, shifts a pressed button by one
// pixel, greys disabled ones, and reports clicks, drags and the raw mouse
// events through its callbacks.
//
// Everything runs on the GUI thread. The host and the multi-timer must
// outlive the toolbar.

#include <array>
#include <functional>
#include <string>

#include "app/toolbar/toolbar_host.h"
#include "card/card_platform.h"
#include "imaging/bitmap/bitmap.h"
#include "media/multi_timer.h"

namespace lumigram {

struct TToolbarSlot {
  bool Used = false;
  // The hit rectangle, set by the layout.
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  // Empty pixels after the slot: 0 for buttons, 5 for separators.
  int Gap = 0;
  TBitmap Glyph;
  void* UserData = nullptr;
  bool Visible = true;
  bool Enabled = true;
  std::string Hint;
  // What the glyph was made from; empty for a separator.
  std::string GlyphText;
  int Cursor = kCursorDefault;
};

class TToolbars {
 public:
  static constexpr int kSlotCount = 40;
  static constexpr int kMargin = 3;
  static constexpr int kSeparatorGap = 5;
  static constexpr int kBevelHeight = 2;
  static constexpr int kTrackInterval = 100;
  static constexpr int kTickInterval = 500;

  enum class TDragState { Undecided = 0, Dragging = 1, NoDrag = 2 };

  using TEvent = std::function<void(TToolbars& sender)>;
  using TMouseEvent =
      std::function<void(TToolbars& sender, TMouseButton button, unsigned shift, int x, int y)>;
  using TMoveEvent = std::function<void(TToolbars& sender, unsigned shift, int x, int y)>;
  using TDragQueryEvent =
      std::function<void(TToolbars& sender, unsigned shift, bool& mayDrag, int x, int y)>;

  // Clears every slot and registers the pointer tracking and the OnTick
  // channels with the timer.
  TToolbars(TToolbarHost& host, TMultiTimer& timer);
  // Unregisters both channels.
  ~TToolbars();
  TToolbars(const TToolbars&) = delete;
  TToolbars& operator=(const TToolbars&) = delete;

  // ---- Slots (indexes outside 0..39 are ignored) ----
  // Takes the lowest unused slot; -1 when all are used. An empty glyph text
  // makes a separator-sized slot.
  int AddButton(const std::string& hint, int gap, void* userData, const std::string& glyphText);
  // The glyph from a Text Picture; unreadable text gives an empty glyph.
  void SetGlyph(int slot, const std::string& glyphText);
  // Frees first..last; both below 0 frees all.
  void RemoveButtons(int first, int last);
  void SetButtonVisible(int slot, bool visible);
  void SetButtonEnabled(int slot, bool enabled);
  void SetAllCursors(int cursor);
  void SetButtonHint(int slot, const std::string& hint);

  void SetShowSeparators(bool show);
  void SetShowTopBevel(bool show);
  // The whole toolbar; a disabled toolbar draws every button grey.
  void SetEnabled(bool enabled);

  bool Enabled() const { return enabled_; }
  bool ShowSeparators() const { return show_separators_; }
  int HotSlot() const { return hot_; }
  bool Pressed() const { return pressed_; }
  TDragState DragState() const { return drag_state_; }
  std::string ButtonHint(int slot) const;
  bool IsVisible(int slot) const;
  bool IsEnabled(int slot) const;
  bool IsUsed(int slot) const;
  // nullptr outside 0..39.
  const TToolbarSlot* Slot(int slot) const;
  // The lowest used, visible slot containing the point that is enabled
  // (or any, with includeDisabled); -1 for none.
  int SlotAt(int x, int y, bool includeDisabled) const;
  // A point of the toolbar's window on the screen.
  TPoint ClientToScreen(TPoint at) const { return host_.ClientToScreen(at); }

  // ---- Drawing ----
  const TBitmap& Image() const { return image_; }
  // Where the image sits in the window: below the top bevel when shown.
  int ImageTop() const { return show_top_bevel_ ? kBevelHeight : 0; }
  int Height() const { return height_; }
  TColor FaceColor() const { return face_; }
  TColor ShadowColor() const { return shadow_; }
  TColor HighlightColor() const { return highlight_; }
  // Lays the slots out and redraws everything; every change calls it.
  void Layout();

  // ---- What the window reports ----
  void WindowResized();
  void MouseDown(TMouseButton button, unsigned shift, int x, int y);
  void MouseMove(unsigned shift, int x, int y);
  void MouseUp(TMouseButton button, unsigned shift, int x, int y);

  // ---- Timer channels ----
  // The 100 ms pointer tracking: hover without mouse-leave events, and a
  // repaint when the desktop's colours changed.
  void TrackPointer();
  int TrackChannel() const { return track_channel_; }
  int TickChannel() const { return tick_channel_; }

  TEvent OnTick;
  TEvent OnResize;
  // The button was released with no drag started; HotSlot tells which.
  TEvent OnClick;
  TMouseEvent OnMouseDown;
  TMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  // Asked once per press, when the pointer first leaves the pressed slot;
  // leaving mayDrag true starts a drag.
  TDragQueryEvent OnDragQuery;
  TMoveEvent OnDragMove;
  TMouseEvent OnDragEnd;

 private:
  void SetHot(int slot);
  void UpdateHint(int slot);
  void DrawSlot(const TToolbarSlot& slot, bool hot, int x, int y, int& separatorTracker, int index);
  void DrawGlyph(const TToolbarSlot& slot, bool lit, int x, int y);
  template <class Event, class... Args>
  void FireIgnoringErrors(const Event& event, Args&&... args);

  TToolbarHost& host_;
  TMultiTimer& timer_;
  std::array<TToolbarSlot, kSlotCount> slots_;
  TBitmap image_;
  TColor face_ = 0;
  TColor shadow_ = 0;
  TColor highlight_ = 0;
  int height_ = 0;
  bool enabled_ = true;
  bool pressed_ = false;
  TDragState drag_state_ = TDragState::Undecided;
  bool show_top_bevel_ = true;
  bool show_separators_ = true;
  bool hints_on_ = true;
  int hot_ = -1;
  std::string hint_;
  int cursor_ = kCursorDefault;
  int track_channel_ = -1;
  int tick_channel_ = -1;
};

}  // namespace lumigram
