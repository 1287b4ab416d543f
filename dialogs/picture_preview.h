#pragma once
// The preview pane of the picture file dialogs: any picture the program
// reads, and frame and frame style files drawn as a corner of their frame,
// shrunk to fit the pane, with the picture's size below.

#include <QImage>
#include <QWidget>
#include <string>

class QLabel;

namespace lumigram {

class TPicturePreview : public QWidget {
 public:
  static constexpr int kSide = 160;
  // Larger files are not decoded just to be glanced at.
  static constexpr int64_t kMaxPreviewBytes = 64 * 1024 * 1024;

  explicit TPicturePreview(QWidget* parent = nullptr);

  // Shows the file; false (and "No preview") when it cannot be read.
  bool ShowFile(const std::string& path);
  void ShowNothing();

  // The image the pane shows, null when none.
  const QImage& Thumbnail() const { return thumbnail_; }
  // Width x height of the picture as read, or empty.
  QString SizeText() const;

 private:
  QLabel* image_;
  QLabel* caption_;
  QImage thumbnail_;
};

// The file as a bitmap for previewing: pictures through the format registry
// (icons over white), frame files through the frame viewer. False with the
// reader's error text.
bool DecodePreview(const std::string& path, QImage& image, std::string& error);

}  // namespace lumigram
