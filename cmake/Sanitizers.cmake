# ORVANEL_SANITIZE=ON builds everything with AddressSanitizer and UndefinedBehaviorSanitizer;
# any report ends the test that triggered it.
option(ORVANEL_SANITIZE "Build with ASan and UBSan" OFF)
if(ORVANEL_SANITIZE)
    target_compile_options(project_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()
