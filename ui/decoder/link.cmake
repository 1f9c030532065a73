# The JPEG decoder calls the libjpeg API of libjpeg-turbo directly.
pkg_check_modules(LIBJPEG REQUIRED IMPORTED_TARGET libjpeg)
target_link_libraries(zanvo_ui PRIVATE PkgConfig::LIBJPEG)
