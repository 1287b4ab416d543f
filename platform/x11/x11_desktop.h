#pragma once
// Programs, documents and printing for the viewer. Printing hands the image
// to the print spooler's "lp" as a BMP file in our private temporary folder;
// the file stays there for the spooler to read and goes with the folder's
// next sweep.

#include "card/card_platform.h"
#include "platform/x11/x11_app.h"

namespace lumigram {

class TX11Desktop final : public TCardDesktop {
 public:
  explicit TX11Desktop(TX11App& app) : app_(app) {}

  bool OpenDocument(const std::string& target) override;
  bool StartProgram(const std::vector<std::string>& argv) override;
  void ProcessPendingEvents() override { app_.ProcessPendingEvents(); }
  // An "lp" on PATH.
  bool CanPrint() const override;
  // "Unknown format" for an empty image, "File not found" without lp, the
  // file's write errors, "Task failed" when lp did not start.
  bool Print(const TBitmap& image, const std::string& title, std::string& error) override;

 private:
  TX11App& app_;
};

}  // namespace lumigram
