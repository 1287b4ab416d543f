// The archives are packed at build time and pulled in whole by the
// assembler, which is far quicker than compiling them as byte arrays.

#include "app/embedded_archives.h"

#define LUMIGRAM_EMBED(name, file)                                                               \
  asm(".section .rodata\n.balign 16\n.global " #name "_begin\n" #name "_begin:\n.incbin \"" file \
      "\"\n.global " #name "_end\n" #name "_end:\n.byte 0\n.previous\n")

LUMIGRAM_EMBED(lumigram_core_box, LUMIGRAM_CORE_BOX);
LUMIGRAM_EMBED(lumigram_help_box, LUMIGRAM_HELP_BOX);
LUMIGRAM_EMBED(lumigram_support_box, LUMIGRAM_SUPPORT_BOX);

extern "C" {
extern const char lumigram_core_box_begin[], lumigram_core_box_end[];
extern const char lumigram_help_box_begin[], lumigram_help_box_end[];
extern const char lumigram_support_box_begin[], lumigram_support_box_end[];
}

namespace lumigram {

namespace {

std::string_view Span(const char* begin, const char* end) {
  return std::string_view(begin, size_t(end - begin));
}

}  // namespace

TProgramArchives EmbeddedArchives() {
  return {Span(lumigram_core_box_begin, lumigram_core_box_end),
          Span(lumigram_help_box_begin, lumigram_help_box_end),
          Span(lumigram_support_box_begin, lumigram_support_box_end)};
}

}  // namespace lumigram
