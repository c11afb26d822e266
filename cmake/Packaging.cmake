# Debian package: cpack -G DEB in the build folder. The libraries it needs come from the
# binary itself (dpkg-shlibdeps); the Ming face is a data package the binary cannot name.
set(CPACK_PACKAGE_NAME subnetcalc)
set(CPACK_PACKAGE_VENDOR "Sorvan")
set(CPACK_PACKAGE_CONTACT "Sorvan <subnetcalc@sorvan.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "IPv4 subnet calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Type an IPv4 address and the window lists, for each block size 1 to 256 of its last part, the aligned block that holds it: first and last address, subnet mask and broadcast address.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming")
include(CPack)
