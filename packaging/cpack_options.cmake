# Per package kind: the archive is one relocatable folder; the Debian package puts it under /opt.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_PACKAGING_INSTALL_PREFIX /opt/orlisk-volcalc)
endif()
