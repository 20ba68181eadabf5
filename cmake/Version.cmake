# The program's version record. The file version is the project version
# (1.1.1.27); the product version is the part a player sees, major.minor.
# Both reach the code through a generated header, the Windows executable
# through a version resource, and the Debian package through CPack.

set(DRAWVANE_FILE_VERSION "${PROJECT_VERSION}")
set(DRAWVANE_PRODUCT_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
set(DRAWVANE_PRODUCT_NAME "Drawvane")
set(DRAWVANE_EXE_NAME "drawvane")

set(DRAWVANE_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
configure_file(${CMAKE_CURRENT_LIST_DIR}/DrawvaneVersion.h.in
               ${DRAWVANE_GENERATED_DIR}/DrawvaneVersion.h @ONLY)

add_library(drawvane_version INTERFACE)
target_include_directories(drawvane_version INTERFACE ${DRAWVANE_GENERATED_DIR})

if(WIN32 AND TARGET drawvane)
  # The program icon, rendered from its SVG by the build machine's renderer.
  set(DRAWVANE_ICO ${DRAWVANE_GENERATED_DIR}/drawvane.ico)
  add_custom_command(
    OUTPUT ${DRAWVANE_ICO}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:drawvane_iconrender> --ico ${PROJECT_SOURCE_DIR}/resources/icons/drawvane.svg ${DRAWVANE_ICO}
    DEPENDS drawvane_iconrender ${PROJECT_SOURCE_DIR}/resources/icons/drawvane.svg
    COMMENT "Rendering the Windows program icon"
    VERBATIM)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/drawvane.rc.in
                 ${DRAWVANE_GENERATED_DIR}/drawvane.rc @ONLY)
  add_custom_target(drawvane_ico DEPENDS ${DRAWVANE_ICO})
  add_dependencies(drawvane drawvane_ico)
  set_source_files_properties(${DRAWVANE_GENERATED_DIR}/drawvane.rc PROPERTIES OBJECT_DEPENDS ${DRAWVANE_ICO})
  target_sources(drawvane PRIVATE ${DRAWVANE_GENERATED_DIR}/drawvane.rc)
endif()
