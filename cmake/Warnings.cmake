# Strict warnings for every target of this project: warnings are errors, and no fused multiply-add,
# which would change rounded results from one CPU to another.
add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror -ffp-contract=off)
target_compile_features(project_options INTERFACE cxx_std_20)
# GCC 12 at -O3 (the Release build) reports overlapping copies inside std::u32string's operator+
# that cannot happen (GCC bug 105651); the warning stays on for every other build type.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(project_options INTERFACE $<$<CONFIG:Release>:-Wno-restrict>)
endif()
