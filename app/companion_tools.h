#pragma once
// The maker's companion programs the File menu's Tools submenu starts. Each
// is looked for by its fixed file name in the library's "Tools" folder; an
// item is enabled only while its program is there.

#include <array>
#include <string>

namespace lumigram {

struct TCompanionTool {
  const char* Name;     // the menu item's name
  const char* Caption;  // translated when the menu is built
  const char* Program;  // file name in the tools folder
};

inline constexpr std::array<TCompanionTool, 7> kCompanionTools = {{
    {"t1", "Card &Printer...", "lumigram-print"},
    {"t2", "&Frame Style Designer...", "lumigram-frame-designer"},
    {"t3", "&Message Designer...", "lumigram-message-designer"},
    {"t4", "Picture &Converter...", "lumigram-picture-converter"},
    {"t5", "C&ursor Maker...", "lumigram-cursor-maker"},
    {"t6", "&Sound Recorder...", "lumigram-sound-recorder"},
    {"t7", "&Language...", "lumigram-language"},
}};

inline constexpr const char* kToolsFolder = "Tools";

// The tool's program file; empty when the library folder is not available.
std::string CompanionToolFile(const TCompanionTool& tool);
// The program file exists and may be run.
bool CompanionToolPresent(const TCompanionTool& tool);

// The tools installed beside the program go into the tools folder, so the
// menu finds them: each is copied when the copy there is missing or is not
// the same build (another size or time). Tools that are not beside the
// program (the creator started from its library copy) are left alone.
void CopyCompanionToolsToLibrary(const std::string& programFile);

}  // namespace lumigram
