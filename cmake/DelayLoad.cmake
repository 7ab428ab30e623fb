# System libraries that only some features use (GDI+ for GIFs and anti-aliased
# text, the common controls for tooltips and the date picker, the shell and
# COM for folders, shortcuts and drops) are linked for delay-loading: the first
# call loads them, so a program start that does not use them does not pay for
# loading them.
#
# skinui_delay_loaded(NAME) makes the link target skinui_delayed_NAME, to link
# instead of NAME.
function(skinui_delay_loaded name)
  set(target skinui_delayed_${name})
  if(TARGET ${target})
    return()
  endif()
  add_library(${target} INTERFACE)
  if(MSVC)
    target_link_libraries(${target} INTERFACE ${name} delayimp)
    target_link_options(${target} INTERFACE /DELAYLOAD:${name}.dll)
    return()
  endif()
  # MinGW: a delay-import library made by dlltool from the functions that the
  # import library names.
  find_library(SKINUI_IMPORT_${name} NAMES lib${name}.a ${name})
  if(NOT SKINUI_IMPORT_${name} OR NOT CMAKE_NM OR NOT CMAKE_DLLTOOL)
    target_link_libraries(${target} INTERFACE ${name})
    return()
  endif()
  execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${SKINUI_IMPORT_${name}}
                  OUTPUT_VARIABLE symbols RESULT_VARIABLE failed ERROR_QUIET)
  string(REGEX MATCHALL "[0-9a-fA-F]+ T [A-Za-z_][A-Za-z0-9_@]*" functions "${symbols}")
  set(definition "LIBRARY ${name}.dll\nEXPORTS\n")
  foreach(function ${functions})
    string(REGEX REPLACE "^[0-9a-fA-F]+ T " "" function "${function}")
    string(APPEND definition "  ${function}\n")
  endforeach()
  set(folder ${CMAKE_BINARY_DIR}/delayload)
  set(library ${folder}/lib${name}_delayed.a)
  file(MAKE_DIRECTORY ${folder})
  # Made again only when the functions change: a new library relinks every program.
  set(known "")
  if(EXISTS ${folder}/${name}.def)
    file(READ ${folder}/${name}.def known)
  endif()
  set(dlltoolFailed 0)
  if(NOT known STREQUAL definition OR NOT EXISTS ${library})
    file(WRITE ${folder}/${name}.def "${definition}")
    # dlltool leaves its object files in the folder it runs in.
    execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${folder}/${name}.def --dllname ${name}.dll
                            --output-delaylib ${library}
                    WORKING_DIRECTORY ${folder}
                    RESULT_VARIABLE dlltoolFailed OUTPUT_QUIET ERROR_QUIET)
  endif()
  if(failed OR dlltoolFailed OR NOT functions)
    target_link_libraries(${target} INTERFACE ${name})
    return()
  endif()
  target_link_libraries(${target} INTERFACE ${library} delayimp)
endfunction()
