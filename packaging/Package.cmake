# `make package`: a Debian package of what `cmake --install` puts in place, under /usr, that
# `apt-get install ./velmora_*.deb` installs with everything it needs to run.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR Tovrin)
set(CPACK_PACKAGE_CONTACT "${VELMORA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian wants the long description in lines of fewer than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[Velmora tests a child's English grammar in five short tests of ten
questions each. Every question is a sentence with a gap and two words to
choose from, answered with one click. After each answer Velmora shows
whether it was right, the sentence as it should read and the new score,
with two pairs of tones; a full mark earns a smiley face on the menu bar.
Teachers can write tests of their own in Moodle's GIFT format, which
Velmora plays from a .gift file on the same screens.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_WEB_ADDRESS})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links against (Qt 6 Widgets and the C++ runtime) are read off the
# binary by dpkg-shlibdeps, with the versions it needs. What it loads or finds at run time is
# named here: SDL for the sound, Qt's window-system plugins and the fonts that stand in for the
# screens' faces.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libsdl2-2.0-0 (>= 2.0.16), qt6-qpa-plugins, fonts-nanum, fonts-comic-neue, fonts-urw-base35, fonts-dejavu-core, fonts-liberation")
# A desktop knows a teacher's .gift file from the type Velmora installs once shared-mime-info,
# whose trigger builds the database, is there; libespeak-ng reads the texts aloud, and is loaded
# only when they are. Velmora itself runs without either.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, libespeak-ng1")
# Velmora runs on X11 wherever a session offers it; only a Wayland session without X11 needs
# Qt's Wayland plugin, which brings Qt Quick along.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS qt6-wayland)
include(CPack)
