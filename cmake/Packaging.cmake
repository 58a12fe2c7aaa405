# The installed layout's shared parts and the Debian package.
#
# The programs find the sample master data at <bin>/../share/zeku/dat, so the
# destinations are fixed relative to the prefix: bin/ and share/.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/dat/ DESTINATION share/zeku/dat)

# The MIT licence (LICENSE), in the machine-readable form Debian keeps beside
# every package's documentation.
install(FILES ${PROJECT_SOURCE_DIR}/cmake/copyright DESTINATION share/doc/zeku)

# `cpack -G DEB` in the build folder. Its dependencies come from the binaries
# (dpkg-shlibdeps); the Japanese windows need a CJK font, recommended only.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zeku)
set(CPACK_PACKAGE_VENDOR "The ZEKU developers")
set(CPACK_PACKAGE_CONTACT "The ZEKU developers <zeku@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "armour set search for an action game")
set(CPACK_PACKAGE_DESCRIPTION
    "ZEKU searches every combination of armour pieces and jewels that activates\n"
    "the skills you ask for. Desktop program (Japanese windows), command-line tools\n"
    "zeku-search and zeku-data, and sample master data.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
include(CPack)
