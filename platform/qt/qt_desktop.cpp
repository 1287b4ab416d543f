#include "platform/qt/qt_desktop.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/qt/qt_image.h"
#include "util/error_texts.h"
#include "util/launch.h"

namespace lumigram {

namespace {

constexpr int kScreenDpi = 96;

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

TQtCardDesktop::TQtCardDesktop() : print_setup_(RunPrintDialog) {}

bool TQtCardDesktop::OpenDocument(const std::string& target) {
  return lumigram::OpenDocument(target);
}

bool TQtCardDesktop::StartProgram(const std::vector<std::string>& argv) {
  return lumigram::StartProgram(argv);
}

void TQtCardDesktop::ProcessPendingEvents() {
  QCoreApplication::processEvents();
}

QRect PrintPlacement(QSize image, QRect page, int printerDpi) {
  if (image.isEmpty() || page.isEmpty()) return {};
  QSize size = image * (double(std::max(printerDpi, 1)) / kScreenDpi);
  if (size.width() > page.width() || size.height() > page.height())
    size = size.scaled(page.size(), Qt::KeepAspectRatio);
  size = size.expandedTo({1, 1});
  return {page.left() + (page.width() - size.width()) / 2, page.top(), size.width(), size.height()};
}

bool TQtCardDesktop::Print(const TBitmap& image, const std::string& title, std::string& error) {
  error = err::kUnexpectedError;
  if (image.Empty()) {
    error = err::kUnknownFormat;
    return false;
  }
  const QImage picture = ToQImage(image);
  if (picture.isNull()) {
    error = err::kOutOfMemory;
    return false;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(title));
  if (!print_setup_ || !print_setup_(printer, parent_)) return true;
  QPainter painter;
  if (!painter.begin(&printer)) {
    error = err::kTaskFailed;
    return false;
  }
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  // The painter's origin is the paint rectangle's corner already.
  const QRect target =
      PrintPlacement(picture.size(), {0, 0, page.width(), page.height()}, printer.resolution());
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(target, picture);
  if (!painter.end()) {
    error = err::kTaskFailed;
    return false;
  }
  return true;
}

}  // namespace lumigram
