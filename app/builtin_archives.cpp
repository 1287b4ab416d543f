#include "app/builtin_archives.h"

#include <array>

#include "imaging/bmp/bmp_file.h"
#include "imaging/jpeg/jpeg_reader.h"
#include "storage/box_path.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram {

namespace {

struct TExtensionRow {
  const char* Extension;
  const char* Folder;
};

constexpr std::array<TExtensionRow, 18> kSupportFolders = {{
    {"JPG", "Pictures"},
    {"BMP", "Pictures"},
    {"WMF", "Pictures"},
    {"EMF", "Pictures"},
    {"TEP", "Pictures"},
    {"OMI", "Pictures"},
    {"ICO", "Cursors"},
    {"ANI", "Cursors"},
    {"CUR", "Cursors"},
    {"MID", "Sounds"},
    {"RMI", "Sounds"},
    {"WAV", "Sounds"},
    {"MP3", "Sounds"},
    {"WMA", "Sounds"},
    {"FRM", "Frames"},
    {"FRS", "Frames"},
    {"MSG", "Messages"},
    {"TXT", "Documents"},
}};

// Decodes the splash picture; false with the decoder's text.
bool DecodeSplash(const std::string& bytes, bool jpeg, TBitmap& bitmap, std::string& error) {
  int bits = 0;
  TBitmap decoded;
  const bool ok =
      jpeg ? ReadJpeg(bytes, decoded, bits, error) : ReadBmpFile(bytes, decoded, bits, error);
  if (!ok) return false;
  bitmap = std::move(decoded);
  return true;
}

}  // namespace

bool LoadBoxFromCarrier(std::string_view carrier, TZipBox& box, std::string& error) {
  error = err::kOutOfMemory;
  TMemoryStream stream{std::string(carrier)};
  if (box.LoadFromStream(stream, false)) return true;
  error = box.LastError();
  return false;
}

bool LoadCoreArchive(std::string_view carrier, TCoreArchiveContent& content, std::string& error) {
  error = err::kOutOfMemory;
  TZipBox box;
  std::string ignored;
  if (!LoadBoxFromCarrier(carrier, box, ignored) || box.Count() == 0) return true;
  for (int i = 0; i < box.Count(); ++i) {
    const TBoxItem* item = box.Items(i);
    const std::string name = UpperAscii(item->pName);
    const bool jpeg = name == "A.JPG", bmp = name == "A.BMP", viewer = name == "A.EXE";
    if (!jpeg && !bmp && !viewer) continue;
    TMemoryStream data;
    if (!box.GetData(item, data)) {
      error = box.LastError();
      return false;
    }
    if (viewer) {
      content.ViewerImage = data.TakeData();
      content.HasViewer = true;
    } else {
      if (!DecodeSplash(data.Data(), jpeg, content.Splash, error)) return false;
      content.HasSplash = true;
    }
  }
  return true;
}

std::string SupportSubfolder(std::string_view fileName) {
  const size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return {};
  const std::string extension = UpperAscii(std::string(fileName.substr(dot + 1)));
  for (const TExtensionRow& row : kSupportFolders)
    if (extension == row.Extension) return row.Folder;
  return {};
}

bool ExtractSupportFiles(std::string_view carrier, const std::string& makerFolder,
                         std::string& error) {
  error = err::kOutOfMemory;
  if (makerFolder.empty() || !ForceFolder(makerFolder)) {
    error = err::kOutOfDiskSpace;
    return false;
  }
  TZipBox box;
  if (!LoadBoxFromCarrier(carrier, box, error)) return false;
  bool result = true;
  for (int i = 0; i < box.Count(); ++i) {
    const TBoxItem* item = box.Items(i);
    // Only plain names: an item must never land outside the library.
    if (!IsSafeBoxName(item->pName)) {
      error = err::kAccessDenied;
      result = false;
      continue;
    }
    const std::string name = LowerAscii(item->pName);
    const std::string sub = SupportSubfolder(name);
    const std::string folder = sub.empty() ? makerFolder : makerFolder + sub + "/";
    if (!ForceFolder(folder)) {
      error = err::kOutOfDiskSpace;
      result = false;
      continue;
    }
    if (!box.ExtractToFile(item, folder + name, false)) {
      error = box.LastError();
      result = false;
    }
  }
  return result;
}

}  // namespace lumigram
