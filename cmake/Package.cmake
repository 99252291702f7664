# Debian package of the installed programs: scripts/package builds it into build-package/.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME radioprog)
set(CPACK_PACKAGE_VENDOR "The RadioProg developers")
set(CPACK_PACKAGE_CONTACT "The RadioProg developers <radioprog@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for a 16-channel two-way radio")
# The summary is the package's first description line; this text follows it.
set(CPACK_PACKAGE_DESCRIPTION "Reads the memory of a 16-channel two-way radio over its \
programming cable, edits the channels (frequencies, CTCSS/DCS tones, scan and busy-lock flags) \
and the radio's options, saves .dat files, prints or exports a PDF report and writes the memory \
back. English and Chinese interface. Includes radioprog-cli and the simulated radio \
radioprog-sim.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Chinese interface and report need a CJK font; shlibdeps cannot see fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-wqy-microhei, fonts-liberation2 | fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR OFF)
include(CPack)
