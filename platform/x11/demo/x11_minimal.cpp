// The smallest program that uses the whole card platform: it opens a card
// window with a picture, runs the loop, and offers the menu and the boxes.
// Built to measure what the layer adds to the viewer; not installed.

#include <cstdio>

#include "platform/x11/x11_card_platform.h"

int main(int argc, char** argv) {
  lumigram::TX11App app;
  std::string error;
  if (!app.Open("", error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  lumigram::TX11CardPlatform platform(app, nullptr);
  auto window = platform.CreateCardWindow(lumigram::TCardWindowKind::Standalone);
  lumigram::TBitmap picture;
  picture.SetSize(64, 64, lumigram::RGB(0, 128, 255));
  window->Present(picture);
  window->Show();
  if (argc > 1) {
    std::string password;
    if (platform.CreatePopup()->Track({{1, "E&xit"}}, 0, 0) < 0 &&
        platform.Dialogs().AskPassword("x", "y", password))
      platform.Dialogs().ShowError(argv[0], password);
    platform.Desktop().Print(picture, "x", error);
  }
  app.Run();
  return 0;
}
