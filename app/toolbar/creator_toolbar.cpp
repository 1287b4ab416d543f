// The main window's buttons: table, clicks, enabling and gestures.

#include "app/toolbar/creator_toolbar.h"

#include <algorithm>

#include "app/toolbar/toolbar_glyphs.h"
#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/lumigram_creator.h"
#include "lang/translate.h"

namespace lumigram {

namespace {

// Commands a click runs that are not plain editor codes.
constexpr int kRunNewCard = -1;
constexpr int kRunInformation = -2;
constexpr int kRunHelp = -3;

// A press on Frame Size opens the dialog unless the mouse moved this often.
constexpr int kSizeDragMoves = 2;

struct TButtonRow {
  int Button;
  bool SeparatorBefore;
  const char* Name;
  const char* Line2;  // nullptr: a one-line hint
  const char* Line3;
  const char* const* Glyph;
  int Run;    // editor code, or one of the kRun values
  int Query;  // 0: always enabled
};

constexpr const char* kSizeClick = "Click for Size Dialog Window";
constexpr const char* kSizeDrag = "Click and drag up/down or left/right for Size Adjust";
constexpr const char* kColorClick = "Click for Color Window";
constexpr const char* kColorDrag = "Click and drag for Screen Color";

constexpr TButtonRow kRows[kCreatorButtonCount] = {
    {kButtonNew, false, "New", nullptr, nullptr, &kGlyphNew, kRunNewCard, 0},
    {kButtonOpen, false, "Open...", nullptr, nullptr, &kGlyphOpen, kOpenCard, 0},
    {kButtonSaveAs, false, "Save As...", nullptr, nullptr, &kGlyphSaveAs, kSaveCardAs, 0},
    {kButtonPrint, false, "Print...", nullptr, nullptr, &kGlyphPrint, kPrintCard, kPrintCard},
    {kButtonUndo, true, "Undo", nullptr, nullptr, &kGlyphUndo, kUndo, kUndo},
    {kButtonCenter, false, "Center", nullptr, nullptr, &kGlyphCenter, kCentreCard, kCentreCard},
    {kButtonPicture, true, "Select Picture from file...", nullptr, nullptr, &kGlyphPicture,
     kSelectPicture, 0},
    {kButtonCursor, false, "Select Cursor from file...", nullptr, nullptr, &kGlyphCursor,
     kSelectCursor, 0},
    {kButtonSound, false, "Select Sound from file...", nullptr, nullptr, &kGlyphSound, kSelectSound,
     0},
    {kButtonFrame, false, "Select Frame from file...", nullptr, nullptr, &kGlyphFrame, kSelectFrame,
     0},
    {kButtonMessage, false, "Select Message from file...", nullptr, nullptr, &kGlyphMessage,
     kSelectMessage, 0},
    {kButtonStop, true, "Stop", nullptr, nullptr, &kGlyphStop, kStopSound, kStopSound},
    {kButtonPlay, false, "Play", nullptr, nullptr, &kGlyphPlay, kPlaySound, kPlaySound},
    {kButtonVolume, false, "Volume Control", nullptr, nullptr, &kGlyphVolume, kVolumeControl,
     kVolumeControl},
    {kButtonFrameSize, true, "Frame Size", kSizeClick, kSizeDrag, &kGlyphFrameSize,
     kChooseFrameSize, 0},
    {kButtonFrameColor, false, "Frame Color", kColorClick, kColorDrag, &kGlyphFrameColor,
     kChooseFrameColour, kSetFrameColour},
    {kButtonLink, false, "Link...", nullptr, nullptr, &kGlyphLink, kEnterLinkAddress, 0},
    {kButtonLinkColor, false, "Menu/Link Color", kColorClick, kColorDrag, &kGlyphLinkColor,
     kChooseLinkColour, 0},
    {kButtonText, false, "Text...", nullptr, nullptr, &kGlyphText, kShowMessageWindow, 0},
    {kButtonTextColor, false, "Text Color", kColorClick, kColorDrag, &kGlyphTextColor,
     kChooseMessageColour, 0},
    {kButtonInformation, true, "Information...", nullptr, nullptr, &kGlyphInformation,
     kRunInformation, 0},
    {kButtonHelp, false, "Help", nullptr, nullptr, &kGlyphHelp, kRunHelp, 0},
};

const TButtonRow* RowOf(int button) {
  if (button < 1 || button > kCreatorButtonCount) return nullptr;
  return &kRows[button - 1];
}

// The undo kind a colour button's pick changes.
int ColourKind(int button) {
  switch (button) {
    case kButtonFrameColor:
      return kUndoFrame;
    case kButtonLinkColor:
      return kUndoLink;
    case kButtonTextColor:
      return kUndoMessage;
    default:
      return kUndoNone;
  }
}

// Toward zero, as the size arithmetic of the drag wants it for negatives too.
int TruncateToFour(int value) {
  return value / 4 * 4;
}

}  // namespace

std::string TCreatorToolbar::HintOf(int button) {
  const TButtonRow* row = RowOf(button);
  if (!row) return {};
  std::string hint = TranslateLite(row->Name);
  for (const char* line : {row->Line2, row->Line3}) {
    if (!line) continue;
    hint += "\r\n* ";
    hint += TranslateLite(line);
  }
  return hint;
}

int TCreatorToolbar::CommandOf(int button) {
  const TButtonRow* row = RowOf(button);
  return row && row->Run > 0 ? row->Run : 0;
}

int TCreatorToolbar::QueryOf(int button) {
  const TButtonRow* row = RowOf(button);
  return row ? row->Query : 0;
}

bool TCreatorToolbar::IsGestureButton(int button) {
  return button == kButtonFrameSize || ColourKind(button) != kUndoNone;
}

TCreatorToolbar::TCreatorToolbar(TToolbars& toolbar, TLumigramCreator& editor,
                                 TCreatorToolbarEvents events)
    : toolbar_(toolbar), editor_(editor), events_(std::move(events)) {
  std::fill(std::begin(slots_), std::end(slots_), -1);
  for (const TButtonRow& row : kRows) {
    if (row.SeparatorBefore) toolbar_.AddButton({}, TToolbars::kSeparatorGap, nullptr, {});
    slots_[row.Button] = toolbar_.AddButton(HintOf(row.Button), 0, nullptr, *row.Glyph);
  }
  toolbar_.SetAllCursors(kCursorHandPoint);
  toolbar_.SetShowSeparators(true);

  toolbar_.OnTick = [this](TToolbars&) {
    if (events_.Tick) events_.Tick();
  };
  toolbar_.OnMouseDown = [this](TToolbars&, TMouseButton button, unsigned, int x, int y) {
    MouseDown(button, x, y);
  };
  toolbar_.OnMouseMove = [this](TToolbars&, unsigned, int x, int y) { MouseMove(x, y); };
  toolbar_.OnMouseUp = [this](TToolbars&, TMouseButton, unsigned, int, int) { MouseUp(); };
  toolbar_.OnClick = [this](TToolbars&) { ClickHot(); };
  // Only the gesture buttons turn a press that leaves the button into a
  // drag; the others still report their click on release.
  toolbar_.OnDragQuery = [this](TToolbars&, unsigned, bool& mayDrag, int, int) {
    mayDrag = left_press_ && IsGestureButton(pressed_button_);
  };
  toolbar_.OnDragMove = [this](TToolbars&, unsigned, int x, int y) { DragMove(x, y); };
}

TCreatorToolbar::~TCreatorToolbar() {
  toolbar_.OnTick = nullptr;
  toolbar_.OnMouseDown = nullptr;
  toolbar_.OnMouseMove = nullptr;
  toolbar_.OnMouseUp = nullptr;
  toolbar_.OnClick = nullptr;
  toolbar_.OnDragQuery = nullptr;
  toolbar_.OnDragMove = nullptr;
  if (dragging_ && pressed_button_ == kButtonTextColor) SetSteadyMessage(false);
}

int TCreatorToolbar::SlotOf(int button) const {
  if (button < 1 || button > kCreatorButtonCount) return -1;
  return slots_[button];
}

int TCreatorToolbar::ButtonAt(int slot) const {
  if (slot < 0) return 0;
  for (int button = 1; button <= kCreatorButtonCount; ++button)
    if (slots_[button] == slot) return button;
  return 0;
}

void TCreatorToolbar::RefreshEnabled() {
  for (const TButtonRow& row : kRows)
    if (row.Query != 0) toolbar_.SetButtonEnabled(SlotOf(row.Button), editor_.Execute(-row.Query));
}

void TCreatorToolbar::SetButtonVisible(int button, bool visible) {
  toolbar_.SetButtonVisible(SlotOf(button), visible);
}

void TCreatorToolbar::TranslateHints() {
  for (int button = 1; button <= kCreatorButtonCount; ++button)
    toolbar_.SetButtonHint(SlotOf(button), HintOf(button));
}

// ---- Clicks ------------------------------------------------------------------

bool TCreatorToolbar::Run(int code) {
  if (events_.RunCommand) return events_.RunCommand(code, {});
  const bool done = editor_.Execute(code);
  if (!done) editor_.ShowLastError();
  return done;
}

void TCreatorToolbar::Click(int button) {
  const TButtonRow* row = RowOf(button);
  if (!row) return;
  switch (row->Run) {
    case kRunNewCard:
      if (editor_.QuerySaveChanges()) Run(kNewCard);
      return;
    case kRunInformation:
      if (events_.SetBusy) events_.SetBusy(true);
      editor_.ShowInformation();
      if (events_.SetBusy) events_.SetBusy(false);
      return;
    case kRunHelp:
      if (events_.ShowHelp) events_.ShowHelp();
      return;
    case kCentreCard:
      // The card may have been centred since the button was last enabled.
      if (editor_.Execute(-kCentreCard)) Run(kCentreCard);
      return;
    case kChooseFrameSize:
      if (moves_ < kSizeDragMoves) Run(kChooseFrameSize);
      return;
    default:
      Run(row->Run);
  }
}

void TCreatorToolbar::ClickHot() {
  const int slot = toolbar_.HotSlot();
  // A button may have been disabled by a refresh while it was held down.
  if (!left_press_ || !toolbar_.IsEnabled(slot)) return;
  Click(ButtonAt(slot));
}

// ---- Gestures ------------------------------------------------------------------

void TCreatorToolbar::MouseDown(TMouseButton button, int x, int y) {
  left_press_ = button == TMouseButton::Left;
  pressed_button_ = left_press_ ? ButtonAt(toolbar_.SlotAt(x, y, false)) : 0;
  moves_ = 0;
  if (!IsGestureButton(pressed_button_)) return;
  dragging_ = true;
  reentered_ = false;
  undo_taken_ = false;
  start_size_ = editor_.Card().Info().Frame.Size;
  start_ = {x, y};
  if (pressed_button_ == kButtonTextColor) {
    if (events_.SetScreenCursor) events_.SetScreenCursor(kCursorCross);
    SetSteadyMessage(true);
  }
}

void TCreatorToolbar::MouseMove(int x, int y) {
  if (dragging_ && pressed_button_ == kButtonFrameSize && !reentered_) SizeStep(x, y);
}

void TCreatorToolbar::DragMove(int x, int y) {
  if (dragging_ && ColourKind(pressed_button_) != kUndoNone && !reentered_)
    PickScreenColor(pressed_button_, x, y);
}

void TCreatorToolbar::MouseUp() {
  if (events_.UpdateCaption) events_.UpdateCaption();
  const bool wasDragging = dragging_;
  dragging_ = false;
  if (wasDragging && ColourKind(pressed_button_) != kUndoNone) {
    if (events_.SetScreenCursor) events_.SetScreenCursor(kCursorDefault);
    if (pressed_button_ == kButtonTextColor) SetSteadyMessage(false);
  }
}

bool TCreatorToolbar::TakeUndo(int kind) {
  if (undo_taken_) return true;
  if (!editor_.BeginChange(kind)) {
    editor_.ShowLastError();
    return false;
  }
  undo_taken_ = true;
  return true;
}

// The frame follows the pointer in steps of 4 pixels, up/down and
// left/right both counting; the first two moves are a click's jitter.
void TCreatorToolbar::SizeStep(int x, int y) {
  reentered_ = true;
  ++moves_;
  if (moves_ >= kSizeDragMoves) {
    const int byY = TruncateToFour(start_size_ + (y - start_.Y));
    const int byX = TruncateToFour(start_size_ + (x - start_.X));
    const int size = std::clamp((byY + byX) / 2, 0, int(kMaxFrameSize));
    TLumigram& card = editor_.Card();
    const int current = std::max(card.Info().Frame.Size, 0) / 4 * 4;
    if (size != current && TakeUndo(kUndoFrame)) {
      card.Info().Frame.Size = size;
      card.Info().State.LayoutDirty = true;
      card.Refresh(false);
    }
  }
  reentered_ = false;
}

void TCreatorToolbar::PickScreenColor(int button, int x, int y) {
  reentered_ = true;
  TColor picked = 0;
  if (events_.ReadScreenPixel && events_.ReadScreenPixel(toolbar_.ClientToScreen({x, y}), picked)) {
    TLumigram& card = editor_.Card();
    TLumigramInfo& info = card.Info();
    TColor& target = button == kButtonFrameColor  ? info.Frame.Color
                     : button == kButtonLinkColor ? info.LinkColor
                                                  : info.Font.Color;
    if (picked != target && TakeUndo(ColourKind(button))) {
      target = picked;
      if (button == kButtonTextColor)
        info.State.MessageDirty = true;
      else
        info.State.FrameDirty = true;
      card.Refresh(false);
    }
  }
  reentered_ = false;
}

void TCreatorToolbar::SetSteadyMessage(bool steady) {
  TLumigram& card = editor_.Card();
  if (card.Info().State.ForceMessage == steady) return;
  card.Info().State.ForceMessage = steady;
  card.Info().State.MessageDirty = true;
  card.Compose();
}

}  // namespace lumigram
