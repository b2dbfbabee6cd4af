# What `cmake --install` puts where for a desktop: the program, its menu entry, its AppStream
# metadata, its icon at every size desktops ask for, its manual page, and its licence and
# history. Package.cmake turns the same into a Debian package.
include(GNUInstallDirs)

# The AppStream identity, reversed from the maker's web address that the welcome page links to.
set(VELMORA_APP_ID example.velmora.Velmora)
set(packaging_out ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Stripping, as `make package` and `cmake --install --strip` do, keeps the compiler's notes in
# the .comment section, which Debian takes out of the programs it packages too.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:velmora>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(FILES ${CMAKE_CURRENT_LIST_DIR}/velmora.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The types of a teacher's files, a .gift file and a Moodle XML export, which the menu entry
# opens. Desktops read types from the database that update-mime-database builds out of
# share/mime/packages, so an installation straight into a prefix rebuilds it there. An
# installation into DESTDIR is a package's staging (CPack's too): the package must carry only the
# source file, and the system's package manager rebuilds the database where the package lands.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/velmora.mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME velmora.xml)
install(CODE "
  find_program(update_mime_database update-mime-database)
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\" AND update_mime_database)
    execute_process(COMMAND \"\${update_mime_database}\"
      \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\" COMMAND_ERROR_IS_FATAL ANY)
  endif()")

configure_file(${CMAKE_CURRENT_LIST_DIR}/velmora.metainfo.xml.in
  ${packaging_out}/${VELMORA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${packaging_out}/${VELMORA_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icons are drawn at build time from the smiley the program carries, so that the menu entry
# and the menu bar always show the same face, each pixel a sharp block at every size.
set(icon_sizes 16 32 48 64 128 256)
set(icon_theme ${packaging_out}/hicolor)
set(icons "")
foreach(size ${icon_sizes})
  list(APPEND icons ${icon_theme}/${size}x${size}/apps/velmora.png)
endforeach()
add_executable(desktop-icons ${CMAKE_CURRENT_LIST_DIR}/DesktopIcons.cpp)
target_link_libraries(desktop-icons PRIVATE velmora_forms Qt6::Gui)
add_custom_command(OUTPUT ${icons}
  COMMAND desktop-icons ${icon_theme} ${icon_sizes}
  DEPENDS desktop-icons
  COMMENT "Drawing the desktop icons")
add_custom_target(desktop_icons ALL DEPENDS ${icons})
install(DIRECTORY ${icon_theme} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Debian keeps manual pages compressed, and man reads them either way.
configure_file(${CMAKE_CURRENT_LIST_DIR}/velmora.6.in ${packaging_out}/velmora.6 @ONLY)
add_custom_command(OUTPUT ${packaging_out}/velmora.6.gz
  COMMAND gzip -9nkf ${packaging_out}/velmora.6
  DEPENDS ${packaging_out}/velmora.6
  COMMENT "Compressing the manual page")
add_custom_target(manual_page ALL DEPENDS ${packaging_out}/velmora.6.gz)
install(FILES ${packaging_out}/velmora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# Where Debian looks for a package's licence and history: the copyright file in its
# machine-readable form, and the changelog, compressed as Debian keeps it.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/velmora)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${packaging_out}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${packaging_out}/changelog COPYONLY)
add_custom_command(OUTPUT ${packaging_out}/changelog.gz
  COMMAND gzip -9nkf ${packaging_out}/changelog
  DEPENDS ${packaging_out}/changelog
  COMMENT "Compressing the changelog")
add_custom_target(changelog ALL DEPENDS ${packaging_out}/changelog.gz)
install(FILES ${packaging_out}/copyright ${packaging_out}/changelog.gz DESTINATION ${doc_dir})

# The desktops' own validators on an installation into a scratch folder. `make test` installs
# them; a plain build without them reports the test as skipped.
add_test(NAME installed_desktop_files
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-install ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR}
          ${packaging_out}/installed ${VELMORA_APP_ID} ${PROJECT_VERSION})
set_tests_properties(installed_desktop_files PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
