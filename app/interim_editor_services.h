#pragma once
// A plain Qt implementation of the editor's services: standard dialogs and
// message boxes, a bare text window and a read-only information window. It
// lets the creator run until the full Qt services (picture previews, the
// information window's mark-up, the laid-out preferences dialog) take its
// place; it is deliberately small.

#include <QPointer>
#include <QWidget>
#include <memory>

#include "editor/editor_services.h"
#include "platform/qt/qt_desktop.h"

namespace lumigram {

class TInterimTextWindow;

class TInterimEditorServices final : public TEditorServices {
 public:
  explicit TInterimEditorServices(QWidget* parent);
  ~TInterimEditorServices() override;

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

  bool CanPrint() override { return true; }
  bool Print(const TBitmap& image, const std::string& title, std::string& error) override;

  TEditorTextWindow& MessageWindow() override;
  TEditorTextWindow& StyleCodeWindow() override;
  void ShowInfoWindow(const TInfoReport& report) override;

 private:
  QPointer<QWidget> parent_;
  TQtCardDesktop desktop_;
  std::unique_ptr<TInterimTextWindow> message_window_;
  std::unique_ptr<TInterimTextWindow> style_window_;
  bool info_showing_ = false;
};

// "Pictures|*.bmp;*.jpg|All|*.*" as Qt's "Pictures (*.bmp *.jpg);;All (*.*)".
QString QtFilterOf(const std::string& filter);

}  // namespace lumigram
