# What `cmake --install` puts where: the program, and on freedesktop systems
# its menu entry, its icon in the hicolor theme (the SVG and PNGs rendered
# from it at build time) and its AppStream metainfo.

include(GNUInstallDirs)

# The reverse-DNS name of the desktop entry and the AppStream component.
set(DRAWVANE_APP_ID "org.drawvane.Drawvane")
set(DRAWVANE_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/icons/drawvane.svg)
set(DRAWVANE_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS drawvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The installed program finds Qt where the system keeps its libraries, not
# beside itself.
set_target_properties(drawvane PROPERTIES INSTALL_RPATH "")

if(UNIX AND NOT APPLE)
  set(DRAWVANE_ICON_SIZES 48 256)
  set(icon_dir ${PROJECT_BINARY_DIR}/icons)

  # The PNGs come from the SVG through our own renderer (tools/iconrender),
  # so the build needs no image program.
  set(icon_pngs "")
  foreach(size IN LISTS DRAWVANE_ICON_SIZES)
    set(png ${icon_dir}/${size}x${size}/drawvane.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}/${size}x${size}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
              $<TARGET_FILE:drawvane_iconrender> ${DRAWVANE_ICON_SVG} ${size} ${png}
      DEPENDS drawvane_iconrender ${DRAWVANE_ICON_SVG}
      COMMENT "Rendering the ${size} px program icon"
      VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(drawvane_icons ALL DEPENDS ${icon_pngs})

  install(FILES ${DRAWVANE_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${DRAWVANE_DESKTOP_DIR}/${DRAWVANE_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  # The release date of this version, for the metainfo's release entry.
  set(DRAWVANE_RELEASE_DATE "2026-12-08")
  configure_file(${DRAWVANE_DESKTOP_DIR}/${DRAWVANE_APP_ID}.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/${DRAWVANE_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${DRAWVANE_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The manual page, the copyright file and the changelog, as Debian keeps
  # them: compressed with gzip -9n, which leaves no time stamp in them.
  set(debian_dir ${PROJECT_SOURCE_DIR}/resources/debian)
  set(gzipped "")
  foreach(file drawvane.1 changelog)
    add_custom_command(
      OUTPUT ${PROJECT_BINARY_DIR}/doc/${file}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc
      COMMAND sh -c "gzip -9n -c '${debian_dir}/${file}' > '${PROJECT_BINARY_DIR}/doc/${file}.gz'"
      DEPENDS ${debian_dir}/${file}
      VERBATIM)
    list(APPEND gzipped ${PROJECT_BINARY_DIR}/doc/${file}.gz)
  endforeach()
  add_custom_target(drawvane_docs ALL DEPENDS ${gzipped})
  install(FILES ${PROJECT_BINARY_DIR}/doc/drawvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${debian_dir}/copyright ${PROJECT_BINARY_DIR}/doc/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/drawvane)
endif()

# The menu entry and the metainfo as the desktop's own tools read them
# (Debian packages desktop-file-utils and appstream); part of make test.
# The package built from them is checked by tools/check-package.
if(UNIX AND NOT APPLE AND DRAWVANE_BUILD_TESTS)
  add_test(NAME desktop_entry_validates
           COMMAND desktop-file-validate ${DRAWVANE_DESKTOP_DIR}/${DRAWVANE_APP_ID}.desktop)
  # It exits 0 on hints and warnings, non-zero on errors.
  add_test(NAME metainfo_validates
           COMMAND appstreamcli validate --no-net ${PROJECT_BINARY_DIR}/${DRAWVANE_APP_ID}.metainfo.xml)
endif()
