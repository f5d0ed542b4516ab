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
    share/burstkin/blender/burstkin-blender.zip)
if(GUI)
  list(APPEND expected bin/burstkin bin/burstkin-preview
       share/applications/burstkin.desktop share/applications/burstkin-preview.desktop
       share/icons/hicolor/scalable/apps/burstkin.svg share/mime/packages/burstkin.xml)
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
