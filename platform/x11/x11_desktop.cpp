#include "platform/x11/x11_desktop.h"

#include "imaging/bmp/bmp_file.h"
#include "util/error_texts.h"
#include "util/launch.h"
#include "util/temp_file_name.h"

namespace lumigram {

bool TX11Desktop::OpenDocument(const std::string& target) {
  return lumigram::OpenDocument(target);
}

bool TX11Desktop::StartProgram(const std::vector<std::string>& argv) {
  return lumigram::StartProgram(argv);
}

bool TX11Desktop::CanPrint() const {
  return !FindProgramOnPath("lp").empty();
}

bool TX11Desktop::Print(const TBitmap& image, const std::string& title, std::string& error) {
  error = err::kUnexpectedError;
  if (image.Empty()) {
    error = err::kUnknownFormat;
    return false;
  }
  const std::string spooler = FindProgramOnPath("lp");
  if (spooler.empty()) {
    error = err::kFileNotFound;
    return false;
  }
  const std::string file = MakeTempFileName("bmp");
  if (file.empty()) {
    error = err::kFileInUse;
    return false;
  }
  if (!SaveBmpFile(file, image, error)) return false;
  if (!lumigram::StartProgram({spooler, "-t", title, file})) {
    error = err::kTaskFailed;
    return false;
  }
  return true;
}

}  // namespace lumigram
