# Test fonts with family names of their own, made next to the test programs
# from an installed font: tests that mount fonts must not meet a font that the
# system already knows. Tests skip what needs them when they are missing.
set(QUILLET_TEST_FONT_SOURCE /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
  CACHE FILEPATH "Installed font that the test fonts are made from")
find_program(QUILLET_FONT_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(NOT QUILLET_FONT_PYTHON)
  find_program(QUILLET_FONT_PYTHON NAMES python3 python)
endif()

set(test_font_dir ${CMAKE_BINARY_DIR}/tests/fonts)
set(test_font_script ${PROJECT_SOURCE_DIR}/scripts/make-test-font.py)
set(test_fonts)

# quillet_test_font(file "family" [extra options of make-test-font.py...])
function(quillet_test_font file family)
  set(out ${test_font_dir}/${file})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${test_font_dir}
    COMMAND ${QUILLET_FONT_PYTHON} ${test_font_script} --source ${QUILLET_TEST_FONT_SOURCE}
            --out ${out} --family ${family} ${ARGN}
    DEPENDS ${test_font_script} VERBATIM)
  set(test_fonts ${test_fonts} ${out} PARENT_SCOPE)
endfunction()

if(QUILLET_FONT_PYTHON AND EXISTS ${QUILLET_TEST_FONT_SOURCE})
  quillet_test_font(QuilletAlpha.ttf "Quillet Test Alpha")
  quillet_test_font(QuilletBeta.ttf "Quillet Test Beta")
  quillet_test_font(QuilletMacNames.ttf "Quillet Test Mac" --names mac)
  quillet_test_font(QuilletWindowsNames.ttf "Quillet Test Windows" --names windows)
  quillet_test_font(QuilletTypographic.ttf "Quillet Test Legacy" --typographic-family "Quillet Test Typographic")
  quillet_test_font(QuilletWindowsTypographic.ttf "Quillet Test Win Legacy" --names windows
    --typographic-family "Quillet Test Win Typographic")
  quillet_test_font(QuilletManyChars.ttf "Quillet Test Many" --chars 0x20-0x7e,0xa0-0x17f,0x391-0x3c9,0x400-0x45f)
  quillet_test_font(QuilletTwoHundred.ttf "Quillet Test Two Hundred" --chars 0x20-0x7e,0xa0-0x108)
  quillet_test_font(QuilletBeyondBmp.ttf "Quillet Test Beyond" --chars 0x20-0x7e,0xa0-0x17f,0x391-0x3c9,0x400-0x45f
    --map-beyond-bmp 0xF0000)
  set(pair_out ${test_font_dir}/QuilletPair.ttc)
  add_custom_command(OUTPUT ${pair_out}
    COMMAND ${QUILLET_FONT_PYTHON} ${test_font_script} --source ${QUILLET_TEST_FONT_SOURCE} --out ${pair_out}
            --collection-of ${test_font_dir}/QuilletAlpha.ttf ${test_font_dir}/QuilletBeta.ttf
    DEPENDS ${test_font_script} ${test_font_dir}/QuilletAlpha.ttf ${test_font_dir}/QuilletBeta.ttf VERBATIM)
  list(APPEND test_fonts ${pair_out})
endif()
add_custom_target(test_fonts DEPENDS ${test_fonts})
