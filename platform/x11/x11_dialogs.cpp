#include "platform/x11/x11_dialogs.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <vector>

#include "platform/x11/utf8.h"
#include "platform/x11/x11_picture.h"
#include "platform/x11/x11_properties.h"
#include "util/code_page.h"
#include "util/screen_layout.h"

namespace lumigram {

namespace {

enum TAnswer { kYes = 1, kNo = 2, kOk = 3, kCancel = 4 };

constexpr int kMargin = 12;
constexpr int kGap = 8;
constexpr int kTopSpace = 20;
constexpr int kMinButtonWidth = 75;
constexpr long kEventMask =
    ExposureMask | ButtonPressMask | ButtonReleaseMask | KeyPressMask | StructureNotifyMask;

TDialogButton Button(const char* caption, int result) {
  return {ParseAccelerator(caption), result};
}

// One open box: its layout, its window and its state.
class TDialogWindow final : private TX11EventTarget {
 public:
  TDialogWindow(TX11App& app, const std::string& text, TMessageIcon icon, TDialogModel& model)
      : app_(app), model_(model), icon_(icon), picture_(app) {
    Layout(text);
  }
  ~TDialogWindow() {
    if (!window_) return;
    Display* display = app_.XDisplay();
    app_.Unregister(window_);
    if (gc_) ::XFreeGC(display, gc_);
    ::XDestroyWindow(display, window_);
    ::XFlush(display);
  }
  TDialogWindow(const TDialogWindow&) = delete;
  TDialogWindow& operator=(const TDialogWindow&) = delete;

  bool Open(const std::string& caption);
  int RunModal() {
    app_.RunModal(window_, [this] { return done_; });
    return done_ ? result_ : model_.EscapeResult();
  }

 private:
  void Layout(const std::string& text);
  void Paint();
  void HandleEvent(XEvent& event) override;
  void Key(XKeyEvent& event);
  int ButtonAt(int x, int y) const;
  void Finish(int result) {
    result_ = result;
    done_ = true;
  }

  TX11App& app_;
  TDialogModel& model_;
  TMessageIcon icon_;
  TX11Picture picture_;
  Window window_ = 0;
  GC gc_ = nullptr;

  std::vector<std::string> lines_;
  int width_ = 0, height_ = 0;
  int text_left_ = 0, text_top_ = 0, line_height_ = 0;
  TRect edit_;
  int button_top_ = 0;  // where the grey button strip starts
  std::vector<TRect> buttons_;

  int pressed_ = -1;
  bool done_ = false;
  int result_ = 0;
};

void TDialogWindow::Layout(const std::string& text) {
  const int screenWidth = app_.ScreenWidth();
  const int maxText = std::clamp(screenWidth - 120, 160, 440);
  line_height_ = UiTextHeight();
  lines_ = WrapText(text, maxText, [](std::string_view line) { return UiTextWidth(line); });
  int textWidth = 0;
  for (const std::string& line : lines_) textWidth = std::max(textWidth, UiTextWidth(line));
  int bodyHeight = int(lines_.size()) * line_height_;
  if (model_.HasEdit()) {
    textWidth = std::max(textWidth, 220);
    const int top = kTopSpace + bodyHeight + kGap;
    edit_ = {0, top, textWidth, top + line_height_ + 8};
    bodyHeight += kGap + int(edit_.Height());
  }
  const bool withIcon = icon_ != TMessageIcon::Plain;
  text_left_ = kMargin + (withIcon ? kMessageIconSize + kMargin : 0);
  const int upper = withIcon ? std::max(bodyHeight, kMessageIconSize) : bodyHeight;
  // Short texts sit level with the middle of the icon.
  text_top_ = kTopSpace + (upper - bodyHeight) / 2;
  edit_.Left = text_left_;
  edit_.Right += text_left_;
  edit_.Top += text_top_ - kTopSpace;
  edit_.Bottom += text_top_ - kTopSpace;

  const int buttonHeight = std::max(23, line_height_ + 8);
  std::vector<int> widths;
  int buttonsWidth = 0;
  for (const TDialogButton& button : model_.Buttons()) {
    widths.push_back(std::max(kMinButtonWidth, UiTextWidth(button.Caption.Text) + 24));
    buttonsWidth += widths.back() + (widths.size() > 1 ? kGap : 0);
  }
  width_ = std::max({text_left_ + textWidth + 2 * kMargin, buttonsWidth + 2 * kMargin, 180});
  button_top_ = kTopSpace + upper + kTopSpace;
  height_ = button_top_ + buttonHeight + 2 * 11;
  int x = width_ - kMargin - buttonsWidth;
  for (int w : widths) {
    buttons_.push_back({x, button_top_ + 11, x + w, button_top_ + 11 + buttonHeight});
    x += w + kGap;
  }
}

bool TDialogWindow::Open(const std::string& caption) {
  Display* display = app_.XDisplay();
  const TPoint place = CenterOnScreen(app_.ScreenWidth(), app_.ScreenHeight(), width_, height_);
  XSetWindowAttributes attributes{};
  attributes.background_pixel = DisplayPixelFormat(app_).PixelOf(ui_colour::kFace);
  attributes.event_mask = kEventMask;
  window_ = ::XCreateWindow(display, app_.Root(), place.X, place.Y, unsigned(width_),
                            unsigned(height_), 0, CopyFromParent, InputOutput, CopyFromParent,
                            CWBackPixel | CWEventMask, &attributes);
  if (!app_.Register(window_, this)) {
    ::XDestroyWindow(display, window_);
    window_ = 0;
    return false;
  }
  gc_ = ::XCreateGC(display, window_, 0, nullptr);
  SetWindowCaption(app_, window_, caption);
  SetOwnerProperties(app_, window_);
  SetProtocols(app_, window_);
  SetPlacement(app_, window_, place.X, place.Y, width_, height_, true);
  SetAtomProperty(app_, window_, app_.AtomOf(TX11Atom::NetWmWindowType),
                  app_.AtomOf(TX11Atom::NetWmWindowTypeDialog));
  SetAtomProperty(app_, window_, app_.AtomOf(TX11Atom::NetWmState),
                  app_.AtomOf(TX11Atom::NetWmStateModal));
  if (app_.MainWindow()) ::XSetTransientForHint(display, window_, app_.MainWindow());
  Paint();
  ::XMapRaised(display, window_);
  ::XFlush(display);
  return true;
}

void TDialogWindow::Paint() {
  TBitmap image;
  if (!image.SetSize(width_, height_, ui_colour::kWindow)) return;
  TCanvas canvas(image);
  canvas.SetBrushColor(ui_colour::kFace);
  canvas.FillRect({0, button_top_, width_, height_});
  canvas.SetBrushColor(ui_colour::kLight);
  canvas.FillRect({0, button_top_, width_, button_top_ + 1});
  DrawMessageIcon(canvas, kMargin, kTopSpace, icon_);
  TAcceleratedText line;
  for (size_t i = 0; i < lines_.size(); ++i) {
    line.Text = lines_[i];
    DrawAcceleratedText(canvas, text_left_, text_top_ + int(i) * line_height_, line,
                        ui_colour::kText);
  }
  if (model_.HasEdit()) {
    const bool focused = model_.Focus() == TDialogModel::kEditFocus;
    canvas.SetBrushColor(ui_colour::kWindow);
    canvas.FillRect(edit_);
    canvas.SetBrushColor(focused ? ui_colour::kHighlight : ui_colour::kBorder);
    canvas.FrameRect(edit_);
    line.Text.assign(CodePointCount(model_.Text()), '*');
    const int textTop = edit_.Top + (int(edit_.Height()) - line_height_) / 2;
    // Only the end of a long entry shows.
    const TRect inside{edit_.Left + 1, edit_.Top + 1, edit_.Right - 1, edit_.Bottom - 1};
    canvas.SetClipRect(inside);
    const int room = int(inside.Width()) - 8;
    const int shown = UiTextWidth(line.Text);
    const int x = edit_.Left + 4 - std::max(0, shown - room);
    DrawAcceleratedText(canvas, x, textTop, line, ui_colour::kText);
    if (focused) {
      canvas.SetBrushColor(ui_colour::kText);
      canvas.FillRect({x + shown + 1, textTop, x + shown + 2, textTop + line_height_});
    }
    canvas.ResetClipRect();
  }
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const bool focused = model_.Focus() == int(i);
    const bool emphasised = focused || (i == 0 && model_.Focus() == TDialogModel::kEditFocus);
    DrawButton(canvas, buttons_[i], model_.Buttons()[i].Caption, emphasised, focused,
               pressed_ == int(i));
  }
  picture_.Assign(image);
  if (window_) picture_.Put(window_, gc_, BoundsOf(image));
}

int TDialogWindow::ButtonAt(int x, int y) const {
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i].Contains(x, y)) return int(i);
  return -1;
}

void TDialogWindow::HandleEvent(XEvent& event) {
  switch (event.type) {
    case Expose:
      picture_.Put(window_, gc_,
                   {event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                    event.xexpose.y + event.xexpose.height});
      break;
    case MapNotify:
      // Keys must come here even without a window manager to give us the focus.
      ::XSetInputFocus(app_.XDisplay(), window_, RevertToParent, CurrentTime);
      break;
    case ButtonPress:
      if (event.xbutton.button == Button1) {
        pressed_ = ButtonAt(event.xbutton.x, event.xbutton.y);
        if (pressed_ >= 0) Paint();
      }
      break;
    case ButtonRelease:
      if (event.xbutton.button == Button1 && pressed_ >= 0) {
        const int released = ButtonAt(event.xbutton.x, event.xbutton.y);
        const int pressed = pressed_;
        pressed_ = -1;
        Paint();
        if (released == pressed) Finish(model_.Click(pressed));
      }
      break;
    case KeyPress:
      Key(event.xkey);
      break;
    case ClientMessage:
      if (IsCloseRequest(app_, event.xclient)) Finish(model_.EscapeResult());
      break;
    default:
      break;
  }
}

void TDialogWindow::Key(XKeyEvent& event) {
  KeySym key = NoSymbol;
  char ignored[8];
  ::XLookupString(&event, ignored, sizeof ignored, &key, nullptr);
  TDialogKey which = TDialogKey::Character;
  char32_t character = 0;
  switch (key) {
    case XK_Return:
    case XK_KP_Enter:
      which = TDialogKey::Enter;
      break;
    case XK_Escape:
      which = TDialogKey::Escape;
      break;
    case XK_Tab:
      which = (event.state & ShiftMask) ? TDialogKey::BackTab : TDialogKey::Tab;
      break;
    case XK_ISO_Left_Tab:
      which = TDialogKey::BackTab;
      break;
    case XK_Left:
    case XK_KP_Left:
      which = TDialogKey::Left;
      break;
    case XK_Right:
    case XK_KP_Right:
      which = TDialogKey::Right;
      break;
    case XK_space:
      which = TDialogKey::Space;
      break;
    case XK_BackSpace:
      which = TDialogKey::Backspace;
      break;
    default:
      character = KeySymCodePoint(key);
      if (character == 0) return;
      break;
  }
  int result = 0;
  if (model_.Key(which, character, result)) {
    Finish(result);
    return;
  }
  Paint();
}

}  // namespace

int TX11Dialogs::Run(const std::string& caption, const std::string& text, TMessageIcon icon,
                     TDialogModel& model) {
  if (app_.Terminated()) return model.EscapeResult();
  // Translated texts arrive in their language file's code page.
  TDialogWindow box(app_, DisplayUtf8(text), icon, model);
  if (!box.Open(DisplayUtf8(caption))) return model.EscapeResult();
  return box.RunModal();
}

void TX11Dialogs::ShowError(const std::string& caption, const std::string& text) {
  TDialogModel model({Button("OK", kOk)}, kOk, false);
  Run(caption, text, TMessageIcon::Error, model);
}

bool TX11Dialogs::AskWarning(const std::string& caption, const std::string& text) {
  TDialogModel model({Button("&Yes", kYes), Button("&No", kNo)}, kNo, false);
  return Run(caption, text, TMessageIcon::Warning, model) == kYes;
}

void TX11Dialogs::ShowInformation(const std::string& caption, const std::string& text) {
  TDialogModel model({Button("OK", kOk)}, kOk, false);
  Run(caption, text, TMessageIcon::Information, model);
}

bool TX11Dialogs::AskPassword(const std::string& caption, const std::string& prompt,
                              std::string& password) {
  TDialogModel model({Button("OK", kOk), Button("Cancel", kCancel)}, kCancel, true);
  if (Run(caption, prompt, TMessageIcon::Plain, model) != kOk) return false;
  password = model.Text();
  return true;
}

}  // namespace lumigram
