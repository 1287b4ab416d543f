#pragma once
// A card's web or mail address: completing what a user typed, the caption
// of the link hot spot, the check before a link from a card is opened, and
// the link's clipboard object (a streamed "TLinkIO" component).

#include <string>
#include <string_view>

#include "util/colour.h"

namespace lumigram {

// Removes every leading "http://", "https://" and "mailto:" (any letter
// case), as often as one follows another; cutQuery also cuts before the
// first "?".
std::string StripScheme(std::string_view address, bool cutQuery);

// The caption of the link hot spot: no scheme, no query.
std::string LinkCaption(std::string_view address);

// The address stored for what a user typed: "mailto:" in front of a text
// with exactly one "@" and no "/" or "\", a web scheme in front of anything
// else. A typed "https://" stays secure; every other web address gets
// "http://".
std::string CompleteLink(std::string_view typed);

// Whether a link taken from a card may be handed to the desktop: after
// trimming surrounding blanks it must start with "http://", "https://" or
// "mailto:" (any letter case) and hold no control characters. Anything else
// (a local path, another scheme) could start a program. target receives
// the trimmed link.
bool IsSafeLink(std::string_view link, std::string& target);

struct TLinkObject {
  std::string Link;
  TColor LinkColor = kBlack;
};

// "TPF0", class "TLinkIO", no name, "Link" (only when not empty) and
// "LinkColor" (in the smallest integer tag that holds it).
std::string WriteLinkObject(const TLinkObject& link);
// False when the bytes hold no TLinkIO or one with properties it does not
// have; link is then unchanged.
bool ReadLinkObject(std::string_view bytes, TLinkObject& link);

}  // namespace lumigram
