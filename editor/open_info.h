#pragma once
// The settings of one file dialog, kept between uses so that each dialog
// starts where the user left it.

#include <string>

namespace lumigram {

// Option bits as the dialogs understand them.
inline constexpr int kHideReadOnly = 4;
inline constexpr int kPathMustExist = 256;
inline constexpr int kFileMustExist = 512;
inline constexpr int kOpenDialogOptions = kHideReadOnly | kFileMustExist;  // 516
inline constexpr int kSaveDialogOptions = kHideReadOnly | kPathMustExist;  // 260

struct TOpenInfo {
  // Appended when the user types a name without an extension; may be empty.
  std::string DefaultExt;
  int Options = kOpenDialogOptions;
  // "name|patterns|name|patterns", patterns separated by ";".
  std::string Filter;
  // 1-based; the dialog reports the one the user chose.
  int FilterIndex = 1;
  // The last file chosen, or the folder to start in (ending in "/").
  std::string FileName;
};

enum class TFileDialogKind {
  Open,
  Save,
  // With a preview of the file under the cursor; a front end without one
  // shows the plain dialog instead.
  OpenPicture,
  SavePicture,
};

inline bool IsSaveDialog(TFileDialogKind kind) {
  return kind == TFileDialogKind::Save || kind == TFileDialogKind::SavePicture;
}

}  // namespace lumigram
