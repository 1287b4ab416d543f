#pragma once
// The Frame menu's built-in styles and preset sizes, and the texts around them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumigram {

struct TFrameStyle {
  const char* Caption;   // "&" marks the accelerator letter
  const char* Shortcut;  // as the menu shows it
  const char* Code;      // lines joined by CR LF
};

inline constexpr std::array<TFrameStyle, 10> kFrameStyles = {{
    {"Tra&ditional", "Ctrl+F1", "80,s60,d\r\nr,d,s60"},
    {"T&raditional II", "Ctrl+F2", "70,s60,d\r\nr,d,s60"},
    {"Old &World", "Ctrl+F3", "50,s60,d\r\nr,d,s60"},
    {"Moder&n", "Ctrl+F4", "100,s60,d"},
    {"P&ost-Modern", "Ctrl+F5", "25,s60,d\r\nr,d,s60"},
    {"Cont&emporary", "Ctrl+F6", "100,d,s60"},
    {"&Colored Insert", "Ctrl+F7", "40,s60,d\r\n15,d,s60\r\n38,s60,s60\r\nr,s120,s120"},
    {"&Post-Modern Insert", "Ctrl+F8", "10,s62,d\r\n55,d,s62\r\n28,s55,s55\r\nr,s120,s120"},
    {"Class&ic", "Ctrl+F9", "10,s60,d\r\n20,d,s60\r\n30,s80,s80\r\n5,d,s60\r\n5,d,s60\r\nr,d,s60"},
    {"&Gallery", "Ctrl+F10", "10,s60,d\r\n10,d,s60\r\n67,s80,s80\r\nr,d,s120"},
}};

// Indexes into kFrameStyles of the styles other code starts from.
inline constexpr int kModernStyle = 3;
inline constexpr int kColoredInsertStyle = 6;
inline constexpr int kClassicStyle = 8;

// The built-in style whose code equals the code exactly (case counts), or -1.
int FindFrameStyle(std::string_view code);

struct TFrameSizePreset {
  const char* Caption;
  int32_t Size;
};

inline constexpr std::array<TFrameSizePreset, 7> kFrameSizePresets = {{
    {"&Border", 1},
    {"&Fine", 12},
    {"&Small", 25},
    {"&Medium", 38},
    {"&Large", 52},
    {"&Extra Large", 75},
    {"S&uper", 100},
}};

// The preset of exactly this size, or -1.
int FindFrameSizePreset(int32_t size);

// The submenus' own items.
inline constexpr const char* kStyleMenuCaption = "St&yle";
inline constexpr const char* kMoreStylesCaption = "&More...";
inline constexpr const char* kMoreStylesShortcut = "Ctrl+F11";
inline constexpr const char* kCustomStyleCaption = "Custo&m";
inline constexpr const char* kSizeMenuCaption = "S&ize";
inline constexpr const char* kDefineSizeCaption = "&Define...";
inline constexpr const char* kDefineSizeShortcut = "Ctrl+D";
inline constexpr const char* kSizePromptCaption = "Size";
inline constexpr const char* kSizePrompt = "Type a size for frame";
inline constexpr const char* kSizeRangeOpening = " (0-";

// The size submenu's caption (already translated) with the current size:
// "S&ize [52]".
std::string SizeMenuCaption(std::string_view caption, int32_t size);
// The size prompt from its two translated pieces: "Type a size for frame (0-255)".
std::string SizePromptText(std::string_view prompt, std::string_view rangeOpening);

}  // namespace lumigram
