# The Debian package, made by "cpack -G DEB" in a build configured for it
# (scripts/package). dpkg-shlibdeps finds the libraries the programs link;
# the Song-style fonts, the serif face of the Latin letters and Qt's Chinese
# texts, which the application loads by name at run time, are listed by hand.
set(CPACK_PACKAGE_NAME shieldcalc)
set(CPACK_PACKAGE_VENDOR "The shieldcalc developers")
set(CPACK_PACKAGE_CONTACT ${SHIELDCALC_MAINTAINER})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-arphic-uming, fonts-noto-cjk, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis is the project's description; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "shieldcalc estimates the shielding effectiveness (SE, in dB) of metal
shields from closed-form engineering formulas: a solid sheet, a sheet
perforated by an array of holes, a double-layer sheet and a closed
rectangular enclosure, against a plane wave or the near field of a
magnetic or an electric source.

The windows are in Simplified Chinese. The command-line program
shieldcalc-cli gives the same results, as text or JSON, for scripts.")

include(CPack)
