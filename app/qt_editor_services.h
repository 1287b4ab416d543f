#pragma once
// The editor's desktop on Qt: its dialogs and questions modal over the main
// window, the system clipboard, and the editor's text and information
// windows. Boxes, the desktop's opener and printing are the card platform's.
//
// The services own those windows: destroy them while the application object
// still exists.

#include <QPointer>
#include <QWidget>
#include <memory>

#include "editor/editor_services.h"

namespace lumigram {

class TInfoWindow;
class TTextWindow;

class TQtEditorServices final : public TEditorServices {
 public:
  TQtEditorServices();
  ~TQtEditorServices() override;

  // The window that dialogs and boxes belong to (the main window).
  void SetParent(QWidget* parent);
  QWidget* Parent() const { return parent_; }

  TFileDialogAnswer RunFileDialog(const TFileDialogRequest& request) override;
  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override;
  bool ChooseColour(TColor& colour) override;
  bool ChooseFont(TFont& font) override;
  bool EditPreferences(TCardPreferences& prefs) override;

  TWarningAnswer AskWarningYesNoCancel(const std::string& caption,
                                       const std::string& text) override;
  bool AskWarningYesNo(const std::string& caption, const std::string& text) override;

  bool ClipboardHasBitmap() override;
  bool GetClipboardBitmap(TBitmap& bitmap) override;
  bool SetClipboardBitmap(const TBitmap& bitmap) override;

  std::vector<std::string> VolumeControlProgram() override;

  TEditorTextWindow& MessageWindow() override;
  TEditorTextWindow& StyleCodeWindow() override;
  void ShowInfoWindow(const TInfoReport& report) override;

  TTextWindow& MessageTextWindow();
  TTextWindow& StyleCodeTextWindow();
  TInfoWindow& InfoWindow();

 private:
  QPointer<QWidget> parent_;
  // Built on first use, so that the services exist before the application
  // object's windows may.
  std::unique_ptr<TTextWindow> message_;
  std::unique_ptr<TTextWindow> style_code_;
  std::unique_ptr<TInfoWindow> info_;
};

// The longest text the one-line prompt takes.
inline constexpr int kInputQueryMaxLength = 255;

}  // namespace lumigram
