#pragma once
// What the editor tests share: a private home for the whole run (library,
// clipboard files, settings), an editor on the card platform double and the
// scripted services, a clock the test moves by hand, and a stand-in viewer.

#include <cstdint>
#include <memory>
#include <string>

#include "card/lumigram.h"
#include "editor/lumigram_creator.h"
#include "tests/support/card_platform_double.h"
#include "tests/support/editor_services_double.h"

namespace lumigram::testing {

// A code between real ones that no row of the command table answers.
inline constexpr int kNoSuchCommand = 48;

inline constexpr TColor kRed = RGB(255, 0, 0);

// The folder every XDG variable and HOME point into for this test program.
const std::string& TestHome();

// Bytes of the size of a viewer program (any content will do: the editor
// only copies them).
std::string FakeViewerImage();

// An optimised image of a picture filled with one colour.
std::string PictureBytes(int width, int height, TColor colour);

struct TEditorOnDouble {
  TEditorOnDouble();
  ~TEditorOnDouble();

  TCardPlatformDouble Platform;
  TEditorServicesDouble Services;
  int64_t Now = 1000;
  std::unique_ptr<TLumigramCreator> Editor;
  int Changes = 0;

  TLumigramCreator& operator*() { return *Editor; }
  TLumigramCreator* operator->() { return Editor.get(); }
  TLumigramInfo& Info() { return Editor->Card().Info(); }
  TRecordingCardWindow& Window() { return *Platform.LastWindow; }
};

}  // namespace lumigram::testing
