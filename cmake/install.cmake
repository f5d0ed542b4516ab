# What `cmake --install` puts where, so a desktop finds the programs, their
# manual and icon, and opens *.cob files in them.
include(GNUInstallDirs)

install(TARGETS burstkin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${BURSTKIN_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/help/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/burstkin/help)

if(TARGET burstkin AND TARGET burstkin-preview)
  install(TARGETS burstkin burstkin-preview RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/data/burstkin.desktop
                ${PROJECT_SOURCE_DIR}/data/burstkin-preview.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/man/burstkin.1 ${PROJECT_SOURCE_DIR}/data/man/burstkin-preview.1
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_SOURCE_DIR}/data/burstkin.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/data/burstkin-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME burstkin.xml)
endif()

# The shipped presets: installed beside the programs' share folder, and
# copied into the build tree's share/burstkin/presets so programs run from
# build/src/<part>/ find them before any install.
file(GLOB BURSTKIN_PRESETS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/presets/*.json)
foreach(preset IN LISTS BURSTKIN_PRESETS)
  get_filename_component(name ${preset} NAME)
  configure_file(${preset} ${PROJECT_BINARY_DIR}/share/burstkin/presets/${name} COPYONLY)
endforeach()
install(FILES ${BURSTKIN_PRESETS} DESTINATION ${CMAKE_INSTALL_DATADIR}/burstkin/presets)
