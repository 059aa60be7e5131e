# The browser build links the libraries that web/libraries/build.sh compiled
# from release sources into one prefix (scripts/web.sh passes it).
set(FORNALINA_WEB_PREFIX "" CACHE PATH "Prefix of the browser build's libraries (web/libraries/build.sh)")
if(NOT IS_DIRECTORY "${FORNALINA_WEB_PREFIX}/lib")
    message(FATAL_ERROR "FORNALINA_WEB_PREFIX must name the prefix that web/libraries/build.sh made")
endif()

target_include_directories(fornalina_libraries INTERFACE "${FORNALINA_WEB_PREFIX}/include")
# In link order: each library before those it uses.
foreach(library allegro_monolith-static vorbisfile vorbis ogg freetype png16 z SDL2)
    find_library(FORNALINA_WEB_${library} NAMES ${library} PATHS "${FORNALINA_WEB_PREFIX}/lib"
        NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    target_link_libraries(fornalina_libraries INTERFACE "${FORNALINA_WEB_${library}}")
endforeach()
