# The service tool's resources, for the tool itself and for the test programs that create its
# dialogs. Defined at the top level so that the tool's folders may call it in any order.
set(HVX_TOOL_RESOURCES_DIR ${CMAKE_CURRENT_LIST_DIR}/../tool/resources)

# hvx_add_tool_resources(<target> [WITHOUT_LIBRARY])
# Adds the resource script. Unless WITHOUT_LIBRARY is given, the device service library built by
# target HVX40ServiceAPI is embedded as resource type "DLL", id 130, and <target> is rebuilt
# whenever the library changes.
function(hvx_add_tool_resources target)
  cmake_parse_arguments(R "WITHOUT_LIBRARY" "" "" ${ARGN})
  get_filename_component(dir ${HVX_TOOL_RESOURCES_DIR} ABSOLUTE)
  set(script ${dir}/HVX40MEK.rc)
  set_property(SOURCE ${script} APPEND PROPERTY OBJECT_DEPENDS
    ${dir}/resource.h ${dir}/HVX40MEK.ico ${HVX_VERSION_DIR}/HVX40MEK.manifest
    ${HVX_VERSION_DIR}/hvx_version.h ${dir}/cutdata_x.bin ${dir}/cutdata_y.bin)
  target_sources(${target} PRIVATE ${script})
  # The version header, the version block and the generated manifest.
  target_link_libraries(${target} PRIVATE hvx_version)
  if(R_WITHOUT_LIBRARY)
    return()
  endif()
  if(NOT TARGET HVX40ServiceAPI)
    message(FATAL_ERROR "hvx_add_tool_resources(${target}): the library target HVX40ServiceAPI is not defined")
  endif()
  # The library's path is known only when the build is generated, so the script that embeds it
  # is written then; a rebuilt library makes the script compile again.
  set(library_script ${CMAKE_BINARY_DIR}/generated/${target}_library.rc)
  file(GENERATE OUTPUT ${library_script}
    CONTENT "130 DLL \"$<TARGET_FILE:HVX40ServiceAPI>\"\n")
  set_property(SOURCE ${library_script} APPEND PROPERTY OBJECT_DEPENDS
    $<TARGET_FILE:HVX40ServiceAPI>)
  target_sources(${target} PRIVATE ${library_script})
  add_dependencies(${target} HVX40ServiceAPI)
endfunction()
