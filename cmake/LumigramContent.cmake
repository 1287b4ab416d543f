# Where the generated content lands (made by content/CMakeLists.txt, target
# lumigram_content). Included at the top, so every folder can name the
# files whatever the order the folders are read in.
set(LUMIGRAM_CONTENT_DIR ${PROJECT_BINARY_DIR}/content)

set(LUMIGRAM_SPLASH_PICTURE ${LUMIGRAM_CONTENT_DIR}/splash/A.JPG)

set(LUMIGRAM_SUPPORT_NAMES
  heart.ico star.ico sun.ico flower.ico balloon.ico gift.ico bell.ico snowflake.ico moon.ico
  clover.ico
  wand.ani heartbeat.ani spinstar.ani
  odetojoy.mid twinkle.mid jinglebells.mid auldlangsyne.mid
  birthday.msg congratulations.msg christmas.msg thankyou.msg getwell.msg love.msg newyear.msg
  doublemat.frs pillow.frs ridges.frs gilded.frs inkline.frs
  meadow.jpg winternight.jpg)
list(TRANSFORM LUMIGRAM_SUPPORT_NAMES PREPEND ${LUMIGRAM_CONTENT_DIR}/support/
  OUTPUT_VARIABLE LUMIGRAM_SUPPORT_FILES)

set(LUMIGRAM_HELP_PICTURE_NAMES
  banner.jpg style_colours.jpg
  style_traditional.jpg style_traditionalii.jpg style_oldworld.jpg style_modern.jpg
  style_postmodern.jpg style_contemporary.jpg style_coloredinsert.jpg style_postmoderninsert.jpg
  style_classic.jpg style_gallery.jpg
  style_doublemat.jpg style_pillow.jpg style_ridges.jpg style_gilded.jpg style_inkline.jpg)
list(TRANSFORM LUMIGRAM_HELP_PICTURE_NAMES PREPEND ${LUMIGRAM_CONTENT_DIR}/help/
  OUTPUT_VARIABLE LUMIGRAM_HELP_PICTURES)
set(LUMIGRAM_HELP_FILES
  ${LUMIGRAM_CONTENT_DIR}/help/index.html ${LUMIGRAM_CONTENT_DIR}/help/index_print.html
  ${LUMIGRAM_HELP_PICTURES})

# Each language gives a folder with language.llf and language.ll2.
set(LUMIGRAM_LANGUAGES german french spanish)
set(LUMIGRAM_LANGUAGE_FILES)
foreach(language IN LISTS LUMIGRAM_LANGUAGES)
  list(APPEND LUMIGRAM_LANGUAGE_FILES
    ${LUMIGRAM_CONTENT_DIR}/languages/${language}/language.llf
    ${LUMIGRAM_CONTENT_DIR}/languages/${language}/language.ll2)
endforeach()

# The desktop icon: scalable, and in pixels at each size.
set(LUMIGRAM_ICON_SIZES 48 128 256)
set(LUMIGRAM_ICON_SVG ${LUMIGRAM_CONTENT_DIR}/icons/lumigram-creator.svg)
list(TRANSFORM LUMIGRAM_ICON_SIZES PREPEND ${LUMIGRAM_CONTENT_DIR}/icons/ OUTPUT_VARIABLE icon_stems)
list(TRANSFORM icon_stems APPEND .png OUTPUT_VARIABLE LUMIGRAM_ICON_PNGS)
unset(icon_stems)
