#pragma once
// The editor's desktop on Qt: its dialogs and boxes modal over the main
// window, the system clipboard, the desktop's opener, printing through Qt's
// print dialog, and the editor's text and information windows.
//
// The services own those windows: destroy them while the application object
// still exists.

#include <QPointer>
#include <QWidget>
#include <memory>

#include "editor/editor_services.h"
#include "platform/qt/qt_desktop.h"

namespace lumigram {

class TInfoWindow;
class TTextWindow;

class TQtEditorServices final : public TEditorServices {
 public:
  // Runs a file dialog; the default shows the dialog windows, tests may
  // answer in their place.
  using TFileDialogRunner =
      std::function<TFileDialogAnswer(const TFileDialogRequest& request, QWidget* parent)>;

  TQtEditorServices();
  ~TQtEditorServices() override;

  // The window that dialogs and boxes belong to (the main window).
  void SetParent(QWidget* parent);
  QWidget* Parent() const { return parent_; }
  // Lets tests choose where printing goes (see TQtCardDesktop).
  void SetPrintSetup(TQtCardDesktop::TPrintSetup setup) { desktop_.SetPrintSetup(std::move(setup)); }

  TFileDialogAnswer RunFileDialog(const TFileDialogRequest& request) override;
  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override;
  bool ChooseColour(TColor& colour) override;
  bool ChooseFont(TFont& font) override;
  bool EditPreferences(TCardPreferences& prefs) override;

  TWarningAnswer AskWarningYesNoCancel(const std::string& caption,
                                       const std::string& text) override;
  bool AskWarningYesNo(const std::string& caption, const std::string& text) override;
  void ShowError(const std::string& caption, const std::string& text) override;
  void ShowInformation(const std::string& caption, const std::string& text) override;

  bool ClipboardHasBitmap() override;
  bool GetClipboardBitmap(TBitmap& bitmap) override;
  bool SetClipboardBitmap(const TBitmap& bitmap) override;

  bool OpenDocument(const std::string& target) override;
  bool StartProgram(const std::vector<std::string>& argv) override;
  std::vector<std::string> VolumeControlProgram() override;

  bool CanPrint() override;
  bool Print(const TBitmap& image, const std::string& title, std::string& error) override;

  TEditorTextWindow& MessageWindow() override;
  TEditorTextWindow& StyleCodeWindow() override;
  void ShowInfoWindow(const TInfoReport& report) override;

  TTextWindow& MessageTextWindow();
  TTextWindow& StyleCodeTextWindow();
  TInfoWindow& InfoWindow();

 private:
  QPointer<QWidget> parent_;
  TQtCardDesktop desktop_;
  // Built on first use, so that the services exist before the application
  // object's windows may.
  std::unique_ptr<TTextWindow> message_;
  std::unique_ptr<TTextWindow> style_code_;
  std::unique_ptr<TInfoWindow> info_;
};

// The longest text the one-line prompt takes.
inline constexpr int kInputQueryMaxLength = 255;

}  // namespace lumigram
