#include "storage/box_path.h"

namespace lumigram {

namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsSafePiece(std::string_view piece) {
  return !piece.empty() && piece != "." && piece != ".." &&
         piece.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

}  // namespace

bool BoxPathToRelative(std::string_view boxPath, std::string& relative) {
  relative.clear();
  if (boxPath.substr(0, 2) == "\\\\") return false;
  bool first = true;
  size_t from = 0;
  while (from <= boxPath.size()) {
    size_t end = boxPath.find('\\', from);
    if (end == std::string_view::npos) end = boxPath.size();
    const std::string_view piece = boxPath.substr(from, end - from);
    from = end + 1;
    if (piece.empty()) continue;
    if (first && piece.size() >= 2 && IsLetter(piece[0]) && piece[1] == ':') return false;
    first = false;
    if (!IsSafePiece(piece)) return false;
    relative.append(piece);
    relative += '/';
  }
  return true;
}

bool IsSafeBoxName(std::string_view name) {
  return IsSafePiece(name) && name.find('\\') == std::string_view::npos;
}

std::string ToBoxPath(std::string_view folder) {
  std::string path(folder);
  for (char& c : path)
    if (c == '/') c = '\\';
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

}  // namespace lumigram
