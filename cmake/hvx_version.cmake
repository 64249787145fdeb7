# The release version is the project's version, written once in the top CMakeLists.txt. From it
# the build writes the version header (resource numbers and texts, the main window's title), the
# tool's manifest and version.txt, which scripts/package reads for the installer's version.
set(HVX_VERSION_DIR ${CMAKE_BINARY_DIR}/generated/version)
# The main window formats its title as " Ver. %d.%d%d" from the first three numbers.
set(HVX_TITLE_VERSION " Ver. ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}${PROJECT_VERSION_PATCH}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/version/hvx_version.h.in ${HVX_VERSION_DIR}/hvx_version.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/../tool/resources/HVX40MEK.manifest.in
  ${HVX_VERSION_DIR}/HVX40MEK.manifest @ONLY)
file(WRITE ${CMAKE_BINARY_DIR}/version.txt "${PROJECT_VERSION}\n")

add_library(hvx_version INTERFACE)
target_include_directories(hvx_version INTERFACE ${HVX_VERSION_DIR} ${CMAKE_CURRENT_LIST_DIR}/version)
