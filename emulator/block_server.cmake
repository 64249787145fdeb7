# The shared-block server, included by emulator/CMakeLists.txt: target hvx_block_server, the
# portable server in both trees, with the Win32 kernel objects or the host stand-in.
set(HVX_BLOCK_SERVER_DIR ${CMAKE_CURRENT_LIST_DIR})
if(HVX_WIN32)
  set(hvx_block_server_adapter ${HVX_BLOCK_SERVER_DIR}/block_host_ipc_win32.cpp)
else()
  set(hvx_block_server_adapter ${HVX_BLOCK_SERVER_DIR}/block_host_ipc_native.cpp)
endif()
add_library(hvx_block_server STATIC ${HVX_BLOCK_SERVER_DIR}/block_server.cpp
            ${hvx_block_server_adapter})
target_include_directories(hvx_block_server PUBLIC ${HVX_BLOCK_SERVER_DIR}
                           ${PROJECT_SOURCE_DIR}/library/transport)
