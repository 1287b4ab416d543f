#pragma once
// What the editor answers about its elements outside the commands, kept
// beside the commands of those elements.

#include <functional>
#include <string>

#include "util/colour.h"

namespace lumigram {

class TLumigram;

// The file a clipboard type travels in.
using TClipboardFileOf = std::function<std::string(const std::string& type)>;

// Which typed sound file was written with the "SND" clipboard file; empty
// when there is none (sound_commands.cpp).
std::string SoundClipboardType(const TClipboardFileOf& clipboardFile);

// A colour that stands out against the bottom of the card's picture
// (link_commands.cpp).
TColor AutoLinkColor(const TLumigram& card);

}  // namespace lumigram
