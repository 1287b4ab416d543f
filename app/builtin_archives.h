#pragma once
// Reading the archives the program carries: the core archive (splash picture
// and the card viewer every saved card starts with) and the support archive
// (sample files for the user's library).

#include <string>
#include <string_view>

#include "imaging/bitmap/bitmap.h"
#include "storage/zip_box.h"

namespace lumigram {

// Loads a box from a carrier image (a BMP file image with the records in
// its pixels) or from bare records. False with the box's error text.
bool LoadBoxFromCarrier(std::string_view carrier, TZipBox& box, std::string& error);

struct TCoreArchiveContent {
  bool HasSplash = false;
  TBitmap Splash;
  bool HasViewer = false;
  std::string ViewerImage;
};

// Takes "A.JPG" (or "A.BMP") as the splash picture and "A.EXE" as the viewer
// program; other items are skipped. An archive that cannot be read at all
// succeeds with nothing found: the program then runs without splash and
// cannot save cards. An item that cannot be unpacked or decoded fails with
// its error text.
bool LoadCoreArchive(std::string_view carrier, TCoreArchiveContent& content, std::string& error);

// The library subfolder a support file goes to by its extension ("Pictures",
// "Cursors", ...); empty for the maker folder itself.
std::string SupportSubfolder(std::string_view fileName);

// Unpacks every item into makerFolder (ending in "/") + its subfolder, the
// name in lower case. A file that is already there is kept as it is, edited
// by the user or not. A failing item leaves the others extracted; the error
// is the last failure's text.
bool ExtractSupportFiles(std::string_view carrier, const std::string& makerFolder,
                         std::string& error);

}  // namespace lumigram
