#pragma once
// Programs, documents and printing for a card on Qt. Printing goes through
// Qt's print dialog, which also offers printing into a PDF file, so there is
// always somewhere to print to.

#include <QPointer>
#include <QWidget>
#include <functional>

#include "card/card_platform.h"

class QPrinter;

namespace lumigram {

class TQtCardDesktop final : public TCardDesktop {
 public:
  // Lets the user set the printer up; false when cancelled. The default
  // runs Qt's print dialog; tests choose a PDF file instead.
  using TPrintSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;

  TQtCardDesktop();

  void SetParent(QWidget* parent) { parent_ = parent; }
  void SetPrintSetup(TPrintSetup setup) { print_setup_ = std::move(setup); }

  bool OpenDocument(const std::string& target) override;
  bool StartProgram(const std::vector<std::string>& argv) override;
  void ProcessPendingEvents() override;
  bool CanPrint() const override { return true; }
  // "Unknown format" for an empty image, "Out of memory" when it cannot be
  // converted, "Task failed" when the printer refuses to start or finish. A
  // cancelled dialog prints nothing and succeeds.
  bool Print(const TBitmap& image, const std::string& title, std::string& error) override;

 private:
  QPointer<QWidget> parent_;
  TPrintSetup print_setup_;
};

// Where an image of the given size goes on a page: at the size it has on a
// screen of 96 dots per inch, shrunk to fit the page when larger, centred
// across the page and at its top.
QRect PrintPlacement(QSize image, QRect page, int printerDpi);

}  // namespace lumigram
