# The hardening Debian builds its packages with (dpkg-buildflags): fortified C library calls,
# a stack protector, stack clash protection, control-flow protection (where the processor has
# it), position-independent programs and full RELRO with immediate binding. Left out of the
# sanitizer and fuzz builds, whose run-time libraries replace the same calls.
include(CheckCXXCompilerFlag)
option(KV_HARDENING "Build with the hardening flags of Debian packages" ON)
if(KV_HARDENING AND NOT (KV_SANITIZE OR KV_FUZZ))
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat
                        -Werror=format-security)
    foreach(flag -fstack-clash-protection -fcf-protection)
        string(MAKE_C_IDENTIFIER "KV_HAS${flag}" known)
        check_cxx_compiler_flag(${flag} ${known})
        if(${known})
            add_compile_options(${flag})
        endif()
    endforeach()
    add_link_options(-pie -Wl,-z,relro -Wl,-z,now)
endif()
