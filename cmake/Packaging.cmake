# The Debian package of the three programs: `cmake --build build --target package` writes
# orvanel_<version>_<arch>.deb. Configure with -DCMAKE_INSTALL_PREFIX=/usr, the package's prefix, so
# that the data folder built into the programs is the one the package installs (they also find it
# beside themselves, so another prefix still works).
set(ORVANEL_PACKAGE_MAINTAINER "Orvanel <orvanel@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORVANEL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces that stand in for the programs' design fonts (surface/fonts.cpp): Liberation and DejaVu
# for the sans and mono texts, TeX Gyre Chorus (or URW's Z003) for the script titles. Qt's Spanish
# translations put Qt's own dialogs and menus in Spanish (surface/qt_spanish.cpp).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, fonts-dejavu-core, fonts-texgyre | fonts-urw-base35, qt6-translations-l10n")
# Emoji in the names of the register of subjects are drawn when a colour emoji face is installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-color-emoji")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "birth charts and vector diagnosis on a concept plane
Orvanel computes birth charts, synastries and planetary cycles and turns each
chart into vectors on a circular plane of concepts, naming the concepts they
point at. rorev is its companion viewer of the concept plane, and orvanel-calc
gives the same computations on the command line as JSON.
.
Orvanel calcula cartas natales, sinastrías y ciclos planetarios y convierte
cada carta en vectores sobre un plano circular de conceptos, nombrando los
conceptos a los que apuntan. rorev es su visor del plano de conceptos, y
orvanel-calc ofrece los mismos cálculos en la línea de órdenes, en JSON.")

include(CPack)
