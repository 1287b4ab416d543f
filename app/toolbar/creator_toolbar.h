#pragma once
// The main window's toolbar buttons: the 22 buttons with their glyphs and
// hints, what a click on each runs, their enabling from the editor's
// queries, and the press-and-drag gestures: dragging from Frame Size sets
// the frame size live, dragging from the three colour buttons picks the
// colour under the pointer anywhere on the screen.
//
// Everything runs on the GUI thread. The toolbar and the editor must outlive
// this object; destroy it before either.

#include <functional>
#include <string>

#include "app/toolbar/toolbars.h"
#include "util/geometry.h"

namespace lumigram {

class TLumigramCreator;

// The buttons as the user counts them, left to right (separators not counted).
enum TCreatorButton : int {
  kButtonNew = 1,
  kButtonOpen,
  kButtonSaveAs,
  kButtonPrint,
  kButtonUndo,
  kButtonCenter,
  kButtonPicture,
  kButtonCursor,
  kButtonSound,
  kButtonFrame,
  kButtonMessage,
  kButtonStop,
  kButtonPlay,
  kButtonVolume,
  kButtonFrameSize,
  kButtonFrameColor,
  kButtonLink,
  kButtonLinkColor,
  kButtonText,
  kButtonTextColor,
  kButtonInformation,
  kButtonHelp,
};
inline constexpr int kCreatorButtonCount = 22;

// What the buttons need from the main window.
struct TCreatorToolbarEvents {
  // Runs an editor command inside the busy state and shows its error; when
  // unset, the editor runs it directly and shows its own error.
  std::function<bool(int code, const std::string& argument)> RunCommand;
  std::function<void(bool busy)> SetBusy;
  std::function<void()> ShowHelp;
  // After a gesture: the caption follows the card's saved state.
  std::function<void()> UpdateCaption;
  // Every 500 ms.
  std::function<void()> Tick;
  // The colour of the screen pixel at a screen point; false when unreadable.
  std::function<bool(TPoint screen, TColor& colour)> ReadScreenPixel;
  // The cursor over the whole screen (a TToolbarCursor value) while a
  // colour is picked; kCursorDefault gives the screen back.
  std::function<void(int cursor)> SetScreenCursor;
};

class TCreatorToolbar {
 public:
  // Fills the toolbar with the buttons and separators, hand-point cursors
  // and separator lines, and takes over its callbacks.
  TCreatorToolbar(TToolbars& toolbar, TLumigramCreator& editor, TCreatorToolbarEvents events);
  // Leaves the toolbar's callbacks empty.
  ~TCreatorToolbar();
  TCreatorToolbar(const TCreatorToolbar&) = delete;
  TCreatorToolbar& operator=(const TCreatorToolbar&) = delete;

  // The toolbar slot of a button 1..22; -1 for any other number.
  int SlotOf(int button) const;
  // The button in a slot; 0 for a separator, an unused slot or none.
  int ButtonAt(int slot) const;

  // Enables the buttons that depend on the card from the editor's queries.
  void RefreshEnabled();
  void SetButtonVisible(int button, bool visible);
  // The hints again, after the language changed.
  void TranslateHints();

  // Runs what a click on the button runs.
  void Click(int button);

  // The gesture in progress.
  bool Dragging() const { return dragging_; }
  int MoveCount() const { return moves_; }

  // The hint of a button as shown: the name, then "* " and each further
  // line on lines of their own.
  static std::string HintOf(int button);
  // The editor command a button's click runs (0 for those that run none),
  // and the query its enabling follows (0: always enabled).
  static int CommandOf(int button);
  static int QueryOf(int button);
  // Frame Size and the three colour buttons.
  static bool IsGestureButton(int button);

 private:
  void MouseDown(TMouseButton button, int x, int y);
  void MouseMove(int x, int y);
  void MouseUp();
  void ClickHot();
  void DragMove(int x, int y);
  void SizeStep(int x, int y);
  void PickScreenColor(int button, int x, int y);
  void SetSteadyMessage(bool steady);
  bool Run(int code);
  bool TakeUndo(int kind);

  TToolbars& toolbar_;
  TLumigramCreator& editor_;
  TCreatorToolbarEvents events_;
  int slots_[kCreatorButtonCount + 1];

  // The gesture of the current press.
  int pressed_button_ = 0;
  bool left_press_ = false;
  bool dragging_ = false;
  bool reentered_ = false;
  bool undo_taken_ = false;
  int moves_ = 0;
  int start_size_ = 0;
  TPoint start_;
};

}  // namespace lumigram
