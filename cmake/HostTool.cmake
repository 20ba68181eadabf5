# drawvane_import_host_tool(<target> <path variable>): in a cross build, the
# tools that run at build time cannot be built for the target; the build
# names ones built for the build machine, and they are imported under the
# same target names. Returns true in <target>_IMPORTED.
function(drawvane_import_host_tool target variable)
  set(${target}_IMPORTED FALSE PARENT_SCOPE)
  if(NOT CMAKE_CROSSCOMPILING)
    return()
  endif()
  if(NOT ${variable})
    message(FATAL_ERROR "A cross build needs ${variable}: a ${target} built for the build machine")
  endif()
  add_executable(${target} IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${${variable}})
  set(${target}_IMPORTED TRUE PARENT_SCOPE)
endfunction()
