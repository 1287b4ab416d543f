// Frame styles beyond the built-in ones. Each keeps to the base colour, so
// one style suits any colour the user picks.

#include "frames/frame_file.h"
#include "tools/content/samples.h"

namespace lumigram::content {

std::span<const TStyleSample> StyleSamples() {
  static constexpr TStyleSample kSamples[] = {
      {"doublemat.frs",
       "// Double mat: a dark line between two mats\r\n8,s45,s45\r\n30,s130,s130\r\n6,s45,s45\r\n"
       "r,s150,s150",
       "Double Mat"},
      {"pillow.frs", "// Pillow: rises from the edges to a soft ridge\r\n50,s55,s140\r\nr,s140,s55",
       "Pillow"},
      {"ridges.frs",
       "// Ridges: three raised "
       "bands\r\n12,s50,d\r\n12,d,s50\r\n12,s50,d\r\n12,d,s50\r\n12,s50,d\r\n"
       "12,d,s50\r\nr,s160,s160",
       "Ridges"},
      {"gilded.frs",
       "// Gilded: bright rounded edge, flat face, shadowed lip\r\n15,s70,s150\r\n15,s150,s90\r\n"
       "55,d,d\r\nr,s50,s80",
       "Gilded"},
      {"inkline.frs",
       "// Ink line: a black rule round a pale mat\r\n4,0,0\r\n70,s190,s170\r\nr,s60,d",
       "Ink Line"},
  };
  return kSamples;
}

std::vector<TNamedFile> MakeFrameStyles() {
  std::vector<TNamedFile> files;
  for (const TStyleSample& sample : StyleSamples()) {
    TFrame frame;
    TFrameInfo settings = frame.Settings();
    settings.Code = sample.Code;
    settings.Extra = sample.Description;
    frame.Assign(settings);
    std::string bytes;
    if (!frame.ToBytes(kFrameStyleFileMagic, bytes)) return {};
    files.push_back({sample.Name, bytes});
  }
  return files;
}

}  // namespace lumigram::content
