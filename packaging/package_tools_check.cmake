# Run by cpack before it packs. A Debian package's dependencies on Qt and libjpeg are worked out
# by dpkg-shlibdeps, which cpack calls only when it finds it, and needs `file` to tell the binary
# from the other files: without them it would build a package that installs but cannot start.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(ZAVKARI_FILE_PROGRAM file)
    find_program(ZAVKARI_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(NOT ZAVKARI_FILE_PROGRAM OR NOT ZAVKARI_DPKG_SHLIBDEPS)
        message(FATAL_ERROR
            "The Debian package needs `file` and `dpkg-shlibdeps` to find its library "
            "dependencies: install them with `sudo apt-get install file dpkg-dev` "
            "(scripts/install-deps.sh does so) and run cpack again.")
    endif()
endif()
