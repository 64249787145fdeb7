# Authenticode signing of the Windows binaries, when a certificate is given (scripts/package sets
# these from HVX_SIGN_CERT and HVX_SIGN_KEY). Empty: the build is not signed.
set(HVX_SIGN_CERT "" CACHE FILEPATH "Authenticode certificate (PEM) that signs the Windows binaries")
set(HVX_SIGN_KEY "" CACHE FILEPATH "The private key (PEM) of HVX_SIGN_CERT")

# Signs <target>'s file as soon as it is linked, so that whatever embeds or copies it gets the
# signed file.
function(hvx_sign_after_build target)
  if(NOT HVX_WIN32 OR HVX_SIGN_CERT STREQUAL "")
    return()
  endif()
  # A renewed certificate under the same name relinks and so signs again.
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${HVX_SIGN_CERT} ${HVX_SIGN_KEY})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${PROJECT_SOURCE_DIR}/installer/sign-file ${HVX_SIGN_CERT} ${HVX_SIGN_KEY}
      $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()
