# Installs the build into a fresh prefix and checks what a desktop needs:
# the programs, the manual, the man page, the icon, the file type and valid
# desktop entries, and the Blender add-on.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<tmp> -DGUI=ON|OFF -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(expected bin/burstkin-cli share/man/man1/burstkin-cli.1 share/doc/burstkin/help/burstkin.html
    share/burstkin/blender/burstkin-blender.zip
    share/burstkin/presets/shatter.json)
if(GUI)
  list(APPEND expected bin/burstkin bin/burstkin-preview
       share/applications/burstkin.desktop share/applications/burstkin-preview.desktop
       share/icons/hicolor/scalable/apps/burstkin.svg share/mime/packages/burstkin.xml
       share/man/man1/burstkin.1 share/man/man1/burstkin-preview.1)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(READ "${PREFIX}/share/man/man1/burstkin-cli.1" page)
if(NOT page MATCHES "\\.SH EXPLODE")
  message(FATAL_ERROR "the man page lacks the explode command")
endif()
# Every page reads in an 80-column terminal as it stands (lines kept by .nf
# are not wrapped by man).
file(GLOB pages "${PREFIX}/share/man/man1/*.1")
foreach(page_file IN LISTS pages)
  file(STRINGS "${page_file}" lines)
  foreach(line IN LISTS lines)
    # Measured as shown: an escape sequence is one character or none.
    string(REPLACE "\\-" "-" line "${line}")
    string(REPLACE "\\e" "\\" line "${line}")
    string(REPLACE "\\&" "" line "${line}")
    string(LENGTH "${line}" length)
    if(length GREATER 80)
      message(FATAL_ERROR "${page_file}: a line of ${length} columns: ${line}")
    endif()
  endforeach()
endforeach()
if(GUI)
  file(READ "${PREFIX}/share/applications/burstkin.desktop" entry)
  foreach(type model/gltf-binary model/gltf+json model/obj)
    string(FIND "${entry}" "${type};" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "burstkin.desktop does not open ${type}")
    endif()
  endforeach()
endif()

# The installed program finds its presets beside its bin folder.
execute_process(COMMAND "${PREFIX}/bin/burstkin-cli" presets OUTPUT_VARIABLE listed RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT listed MATCHES "shatter")
  message(FATAL_ERROR "the installed burstkin-cli does not list its presets:\n${listed}")
endif()

if(GUI)
  find_program(VALIDATE desktop-file-validate)
  if(NOT VALIDATE)
    file(REMOVE_RECURSE "${PREFIX}")
    message("SKIP: desktop-file-validate is not installed")
    return()
  endif()
  file(GLOB entries "${PREFIX}/share/applications/*.desktop")
  execute_process(COMMAND "${VALIDATE}" ${entries} RESULT_VARIABLE status
                  OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT status EQUAL 0 OR NOT report STREQUAL "")
    message(FATAL_ERROR "desktop entries refused:\n${report}")
  endif()
endif()
file(REMOVE_RECURSE "${PREFIX}")
