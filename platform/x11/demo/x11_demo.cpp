// A card-like window to look at the window layer by eye: a picture, a popup
// menu on the right button, message boxes from the menu, dragging with the
// left button. Not installed.

#include <cstdio>
#include <string>

#include "imaging/bitmap/canvas.h"
#include "imaging/text/text.h"
#include "platform/x11/x11_card_platform.h"
#include "util/screen_layout.h"

namespace lumigram {
namespace {

TBitmap DemoPicture() {
  TBitmap picture;
  picture.SetSize(320, 200);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      picture.SetPixel(x, y, RGB(40 + x / 2, 60 + y / 2, 160 - x / 4));
  TCanvas canvas(picture);
  canvas.SetBrushColor(RGB(255, 220, 60));
  canvas.SetPenColor(RGB(120, 60, 0));
  canvas.RoundRect({20, 20, 120, 90}, 24, 24);
  TFont font;
  font.Name = "Sans";
  font.SetSize(16);
  font.Bold = true;
  font.Color = kWhite;
  TTextOptions utf8;
  utf8.Encoding = TTextEncoding::Utf8;
  TextOut(canvas, 30, 120, font, "Lumigram demo", utf8);
  font.SetSize(9);
  font.Bold = false;
  TextOut(canvas, 30, 160, font, "Right-click for the menu, drag to move", utf8);
  return picture;
}

class TDemo final : public TCardWindowEvents {
 public:
  explicit TDemo(TX11CardPlatform& platform) : platform_(platform) {}

  bool Start() {
    window_ = platform_.CreateCardWindow(TCardWindowKind::Standalone);
    popup_ = platform_.CreatePopup();
    if (!window_) return false;
    picture_ = DemoPicture();
    window_->SetEvents(this);
    window_->SetCaption("Lumigram demo");
    const TPoint screen = window_->ScreenSize();
    const TPoint place = CenterOnScreen(screen.X, screen.Y, picture_.Width(), picture_.Height());
    window_->SetBounds(place.X, place.Y, picture_.Width(), picture_.Height());
    window_->Present(picture_);
    window_->Show();
    return true;
  }

  void WindowPaint() override { window_->Present(picture_); }
  void WindowMouseDown(TMouseButton button, int x, int y) override {
    if (button == TMouseButton::Left) press_ = {x, y};
  }
  void WindowMouseMove(int x, int y) override {
    if (press_.X < 0) return;
    const TRect bounds = window_->Bounds();
    window_->SetBounds(bounds.Left + x - press_.X, bounds.Top + y - press_.Y, int(bounds.Width()),
                       int(bounds.Height()));
  }
  void WindowMouseUp(TMouseButton button, int, int) override {
    press_ = {-1, -1};
    if (button == TMouseButton::Right) Menu();
  }
  void WindowClose() override { platform_.Quit(); }
  bool WindowQueryEndSession() override { return true; }
  void WindowEndSession() override {}

 private:
  void Menu() {
    const TPoint at = window_->MousePosition();
    const int id = popup_->Track({{10, "&Play", true, false},
                                  {11, "&Stop", false, false},
                                  {12, "-", true, false},
                                  {13, "&Edit", true, false},
                                  {14, "P&rint", platform_.Desktop().CanPrint(), false},
                                  {15, "&About...", true, false},
                                  {16, "Send To &Desktop", false, true},
                                  {17, "&Password...", true, false},
                                  {18, "-", true, false},
                                  {19, "E&xit", true, false}},
                                 at.X, at.Y);
    TCardDialogs& dialogs = platform_.Dialogs();
    std::string password;
    switch (id) {
      case 10:
        dialogs.ShowError("Error", "The sound could not be played: Unsupported format");
        break;
      case 13:
        if (dialogs.AskWarning("Warning", "demo.exe already exists.\r\nDo you want to replace it?"))
          dialogs.ShowInformation("demo", "Replaced.");
        break;
      case 15:
        dialogs.ShowInformation("x11_demo",
                                "CREATOR\r\n--------------------\r\nA window, a popup menu and "
                                "message boxes drawn with Xlib and nothing else.");
        break;
      case 17:
        if (dialogs.AskPassword("Password",
                                "This card is protected. Enter its password:", password))
          dialogs.ShowInformation("demo",
                                  "You typed " + std::to_string(password.size()) + " bytes.");
        break;
      case 19:
        platform_.Quit();
        break;
      default:
        break;
    }
  }

  TX11CardPlatform& platform_;
  std::unique_ptr<TCardWindow> window_;
  std::unique_ptr<TCardPopup> popup_;
  TBitmap picture_;
  TPoint press_{-1, -1};
};

}  // namespace
}  // namespace lumigram

int main() {
  lumigram::TX11App app;
  std::string error;
  if (!app.Open("", error)) {
    std::fprintf(stderr, "x11_demo: %s\n", error.c_str());
    return 1;
  }
  lumigram::TX11CardPlatform platform(app, nullptr);
  lumigram::TDemo demo(platform);
  if (!demo.Start()) return 1;
  app.Run();
  return 0;
}
