#pragma once
// The open and save dialogs, run from the editor's request: Qt's own dialog
// (never the desktop's, so that the picture kinds can carry a preview pane
// and tests can drive it), the filters and the chosen filter kept, a name
// typed without an extension completed.

#include <QFileDialog>

#include "editor/editor_services.h"

namespace lumigram {

class TPicturePreview;

class TFileDialog : public QFileDialog {
 public:
  TFileDialog(const TFileDialogRequest& request, QWidget* parent = nullptr);

  // What the user chose; Accepted only after the dialog was accepted.
  TFileDialogAnswer Answer() const;
  // The preview pane of the picture kinds; null for the plain ones.
  TPicturePreview* Preview() const { return preview_; }

  // Completes the typed name for the entry chosen now, however it was chosen.
  void accept() override;

 private:
  void FilterChosen(const QString& nameFilter);

  TFileDialogRequest request_;
  TPicturePreview* preview_ = nullptr;
};

// Runs the dialog for the request and answers what the user chose.
TFileDialogAnswer RunFileDialogWindow(const TFileDialogRequest& request, QWidget* parent);

// Paths as Qt holds them and as the file system spells them.
QString PathToQt(const std::string& path);
std::string PathFromQt(const QString& path);

}  // namespace lumigram
