# The game as a web page, configured by tools/web/build.sh with emscripten: the desktop game's sources
# and data, SDL2 built for the browser (QUORVEL_SDL_PREFIX), and the drawing layer src/web_gl.h
# force-included into every file. The page itself is tools/web/index.html.
set(QUORVEL_SDL_PREFIX "" CACHE PATH "SDL2 built for the browser (tools/web/sdl.sh)")
if(NOT EXISTS "${QUORVEL_SDL_PREFIX}/lib/libSDL2.a")
  message(FATAL_ERROR "QUORVEL_SDL_PREFIX holds no libSDL2.a: run tools/web/build.sh")
endif()

# The page's side of the platform, and no mixer yet: the page is silent.
add_executable(quorvel ${QUORVEL_SOURCES} src/main.cpp src/web.cpp src/audio_none.cpp)
set_target_properties(quorvel PROPERTIES SUFFIX ".js")
target_include_directories(quorvel PRIVATE ${CMAKE_SOURCE_DIR}/src ${QUORVEL_SDL_PREFIX}/include)
target_compile_options(quorvel PRIVATE -include ${CMAKE_SOURCE_DIR}/src/web_gl.h)
target_link_libraries(quorvel PRIVATE ${QUORVEL_SDL_PREFIX}/lib/libSDL2.a)
target_link_options(quorvel PRIVATE
  -sLEGACY_GL_EMULATION -sALLOW_MEMORY_GROWTH -lidbfs.js
  --preload-file ${CMAKE_SOURCE_DIR}/data@data --exclude-file *.wav # the page has no mixer
  --pre-js ${CMAKE_SOURCE_DIR}/tools/web/pre.js)
set_property(TARGET quorvel APPEND PROPERTY LINK_DEPENDS
  ${CMAKE_SOURCE_DIR}/tools/web/pre.js ${CMAKE_SOURCE_DIR}/src/web_gl.h)
