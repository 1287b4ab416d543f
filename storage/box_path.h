#pragma once
// Item folders inside a box are written with "\" ("\" for the root, "sup\",
// "root\help\blc\"). Boxes can come from strangers, so turning an item into a
// file below a target folder refuses anything that would land outside it.

#include <string>
#include <string_view>

namespace lumigram {

// The item folder as a relative path with "/" ("" for the root, "sup/",
// "root/help/blc/"). Empty pieces are skipped. False for ".", "..", a "/" or
// a 0 byte inside a piece, and for a drive ("C:") or network ("\\") start.
bool BoxPathToRelative(std::string_view boxPath, std::string& relative);

// A name that is one plain file name: not empty, not "." or "..", without
// "/", "\" or 0 bytes.
bool IsSafeBoxName(std::string_view name);

// A folder given as "sup", "sup/" or "root/help\blc" in box form: "\"
// separators and a closing "\"; empty gives the root "\".
std::string ToBoxPath(std::string_view folder);

}  // namespace lumigram
