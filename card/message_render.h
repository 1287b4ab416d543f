#pragma once
// Drawing a card's message: its lines one below the other in the message
// font, aligned within the picture and cut off at its edges, without
// wrapping. The viewer shows the message from a bitmap saved with the card,
// whose background colour (the text colour inverted) is its colour key.

#include "card/lumigram_info.h"
#include "imaging/bitmap/bitmap.h"
#include "imaging/bitmap/canvas.h"

namespace lumigram {

// The inverse of the text colour: it can never be the text colour itself.
TColor MessageBackground(TColor textColour);

// Draws the lines of a width x height picture whose top-left corner is at
// (offset, offset) on the canvas, clipped to the picture. False when
// nothing could be laid out (no lines, no usable font).
bool DrawMessageLines(TCanvas& canvas, const TLumigramInfo& info, int width, int height,
                      int offset);

// The message bitmap: max(width, 1) x max(height, 1), filled with the
// background colour, the lines drawn at offset 0, the top-left pixel the
// background colour. False when the bitmap cannot be sized.
bool RenderMessageBitmap(const TLumigramInfo& info, int width, int height, TBitmap& bitmap);

}  // namespace lumigram
