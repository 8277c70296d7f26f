# `cpack -G DEB` in a build folder (`make deb`): a Debian package of the installation above,
# with /usr as prefix. The libraries the programs link come from dpkg-shlibdeps; what they load
# at run time (GStreamer plugins, the MIDI sound font, image plugins, the fonts that stand in
# for the Windows ones) is listed here. The MIME, desktop and icon caches are refreshed by the
# triggers of shared-mime-info, desktop-file-utils and the icon theme.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentrovale)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "authoring system and player for interactive multimedia presentations")
set(CPACK_PACKAGE_DESCRIPTION
    "Zentrovale edits projects of pages of pictures, texts, sounds, videos and click zones\n\
(the authoring program Zentrovale) and plays them (the player ztvplay).")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zentrovale developers <zentrovale@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# The desktop entries hold the installed path (/usr/...), not the staging folder's.
set(CPACK_SET_DESTDIR ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, \
gstreamer1.0-libav, gstreamer1.0-alsa, gstreamer1.0-pulseaudio, timgm6mb-soundfont, \
qt6-image-formats-plugins, qt6-translations-l10n, fontconfig, fonts-liberation, \
fonts-crosextra-carlito, fonts-crosextra-caladea, fonts-dejavu-core, fonts-comic-neue, \
shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-ugly, xdg-utils, desktop-file-utils")
include(CPack)
