# Two more native trees come from the same project, both built with clang:
#   HVX_SANITIZE  (build/sanitize) every target under AddressSanitizer and UndefinedBehaviorSanitizer,
#                 any report fatal; the fuzz targets replay their corpus through a plain main.
#   HVX_FUZZ      (build/fuzz) the same sanitizers plus libFuzzer's coverage on every compile; the
#                 fuzz targets link libFuzzer's engine and main.
option(HVX_SANITIZE "Build every native target with AddressSanitizer and UBSan" OFF)
option(HVX_FUZZ "Build the fuzz targets with libFuzzer (sanitizers included)" OFF)

if(HVX_SANITIZE OR HVX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "the sanitizer and fuzzing trees need clang (CMAKE_CXX_COMPILER=clang++)")
  endif()
  set(HVX_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer)
  add_compile_options(${HVX_SANITIZER_FLAGS})
  add_link_options(${HVX_SANITIZER_FLAGS})
endif()
if(HVX_FUZZ)
  # Optimised a little, as the engine runs each target millions of times; asserts stay.
  add_compile_options(-fsanitize=fuzzer-no-link -O1)
endif()
