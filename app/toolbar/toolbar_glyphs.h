#pragma once
// The pictures of the creator's toolbar buttons, as Text Picture strings
// (16 x 16, background colour in the top-left pixel).

namespace lumigram {

extern const char* const kGlyphNew;
extern const char* const kGlyphOpen;
extern const char* const kGlyphSaveAs;
extern const char* const kGlyphPrint;
extern const char* const kGlyphUndo;
extern const char* const kGlyphCenter;
extern const char* const kGlyphPicture;
extern const char* const kGlyphCursor;
extern const char* const kGlyphSound;
extern const char* const kGlyphFrame;
extern const char* const kGlyphMessage;
extern const char* const kGlyphStop;
extern const char* const kGlyphPlay;
extern const char* const kGlyphVolume;
extern const char* const kGlyphFrameSize;
extern const char* const kGlyphFrameColor;
extern const char* const kGlyphLink;
extern const char* const kGlyphLinkColor;
extern const char* const kGlyphText;
extern const char* const kGlyphTextColor;
extern const char* const kGlyphInformation;
extern const char* const kGlyphHelp;

}  // namespace lumigram
