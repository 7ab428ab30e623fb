# Finds FreeType, zlib, stb_image and GoogleTest.
# Cross builds take FreeType from the cache that scripts/setup fills, zlib from
# the mingw-w64 sysroot and GoogleTest from Debian's sources; a native Windows
# build finds all of them through find_package and STB_INCLUDE_DIR.
set(QUILLET_CACHE "${CMAKE_SOURCE_DIR}/build/cache" CACHE PATH "Folder of dependencies built by scripts/setup")

if(CMAKE_CROSSCOMPILING AND EXISTS "${QUILLET_CACHE}/freetype")
  list(PREPEND CMAKE_FIND_ROOT_PATH "${QUILLET_CACHE}/freetype")
  list(PREPEND CMAKE_PREFIX_PATH "${QUILLET_CACHE}/freetype")
endif()
find_package(Freetype REQUIRED)
if(CMAKE_CROSSCOMPILING)
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)

find_path(STB_INCLUDE_DIR stb_image.h PATH_SUFFIXES stb
  HINTS /usr/include NO_CMAKE_FIND_ROOT_PATH)
if(NOT STB_INCLUDE_DIR)
  message(FATAL_ERROR "stb_image.h not found: set STB_INCLUDE_DIR")
endif()

if(QUILLET_BUILD_TESTS OR NOT DEFINED QUILLET_BUILD_TESTS)
  find_package(GTest QUIET)
  if(NOT GTest_FOUND)
    set(QUILLET_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${QUILLET_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(NOT TARGET GTest::gtest_main)
      add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
  endif()
endif()
