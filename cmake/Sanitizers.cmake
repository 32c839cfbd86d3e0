# ORVANEL_SANITIZE=ON builds everything with AddressSanitizer and UndefinedBehaviorSanitizer;
# any report ends the test that triggered it.
option(ORVANEL_SANITIZE "Build with ASan and UBSan" OFF)
if(ORVANEL_SANITIZE)
    target_compile_options(project_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

# ORVANEL_FUZZ=ON (with clang) adds coverage for libFuzzer to the same sanitizers and builds fuzz/.
option(ORVANEL_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(ORVANEL_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "ORVANEL_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
    endif()
    target_compile_options(project_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()
