# The Windows build links the static libraries that windows/libraries/build.sh
# compiled from release sources into one prefix (scripts/windows.sh passes it),
# and nothing but Windows' own DLLs besides.
set(FORNALINA_WINDOWS_PREFIX "" CACHE PATH "Prefix of the Windows build's libraries (windows/libraries/build.sh)")
if(NOT IS_DIRECTORY "${FORNALINA_WINDOWS_PREFIX}/lib/pkgconfig")
    message(FATAL_ERROR "FORNALINA_WINDOWS_PREFIX must name the prefix that windows/libraries/build.sh made")
endif()

# Only the prefix's pkg-config files: the build machine's never mix in.
set(ENV{PKG_CONFIG_LIBDIR} "${FORNALINA_WINDOWS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
find_package(PkgConfig REQUIRED)
pkg_check_modules(ALLEGRO REQUIRED allegro_monolith-static-5)
# The static monolith's own list of what it needs, Windows' libraries included.
target_include_directories(fornalina_libraries INTERFACE ${ALLEGRO_STATIC_INCLUDE_DIRS})
target_link_directories(fornalina_libraries INTERFACE ${ALLEGRO_STATIC_LIBRARY_DIRS})
target_link_libraries(fornalina_libraries INTERFACE ${ALLEGRO_STATIC_LIBRARIES})
target_compile_definitions(fornalina_libraries INTERFACE ALLEGRO_STATICLINK UNICODE _UNICODE)
# The compiler's own runtime, threads included, inside the .exe too.
target_link_options(fornalina_libraries INTERFACE -static -static-libgcc -static-libstdc++)
