# The game as a web page, configured by tools/web/build.sh with emscripten: the desktop game's sources
# and data, SDL2 and SDL2_mixer built for the browser (QUORVEL_SDL_PREFIX, QUORVEL_MIXER_PREFIX), and the
# drawing layer src/web_gl.h force-included into every file. The page itself is tools/web/index.html.
set(QUORVEL_SDL_PREFIX "" CACHE PATH "SDL2 built for the browser (tools/web/sdl.sh)")
set(QUORVEL_MIXER_PREFIX "" CACHE PATH "SDL2_mixer built for the browser (tools/web/mixer.sh)")
set(QUORVEL_WEB_DATA "${CMAKE_SOURCE_DIR}/data" CACHE PATH "The data the page carries, its sounds made smaller (tools/web/build.sh)")
if(NOT EXISTS "${QUORVEL_SDL_PREFIX}/lib/libSDL2.a" OR NOT EXISTS "${QUORVEL_MIXER_PREFIX}/lib/libSDL2_mixer.a")
  message(FATAL_ERROR "QUORVEL_SDL_PREFIX or QUORVEL_MIXER_PREFIX holds no library: run tools/web/build.sh")
endif()

add_executable(quorvel ${QUORVEL_SOURCES} src/main.cpp src/web.cpp src/audio_mixer.cpp)
set_target_properties(quorvel PROPERTIES SUFFIX ".js")
target_include_directories(quorvel PRIVATE ${CMAKE_SOURCE_DIR}/src ${QUORVEL_SDL_PREFIX}/include
  ${QUORVEL_SDL_PREFIX}/include/SDL2 ${QUORVEL_MIXER_PREFIX}/include)
target_compile_options(quorvel PRIVATE -Oz -flto -include ${CMAKE_SOURCE_DIR}/src/web_gl.h)
target_link_libraries(quorvel PRIVATE ${QUORVEL_MIXER_PREFIX}/lib/libSDL2_mixer.a ${QUORVEL_SDL_PREFIX}/lib/libSDL2.a)
# SDL's audio asks the runtime for two of its functions, which emscripten's own SDL port would add; they
# are named in a response file, as a make rule would take their names' dollar signs for its own. The
# pictures are not in the data: the page brings them as WebP (tools/web/pack_pictures.py). Each option that
# takes a value goes whole, or CMake would take a second --preload-file for a repeat and drop it.
target_link_options(quorvel PRIVATE
  -Oz -flto -sLEGACY_GL_EMULATION -sALLOW_MEMORY_GROWTH -lidbfs.js -sEXPORTED_RUNTIME_METHODS=ccall,FS
  @${CMAKE_SOURCE_DIR}/tools/web/sdl_runtime.rsp
  "SHELL:--preload-file ${QUORVEL_WEB_DATA}@data" "SHELL:--exclude-file */data/gfx/*"
  "SHELL:--preload-file ${CMAKE_BINARY_DIR}/locale@locale" --pre-js ${CMAKE_SOURCE_DIR}/tools/web/pre.js)
add_dependencies(quorvel catalogues)
set_property(TARGET quorvel APPEND PROPERTY LINK_DEPENDS ${QUORVEL_CATALOGUES}
  ${CMAKE_SOURCE_DIR}/tools/web/pre.js ${CMAKE_SOURCE_DIR}/tools/web/sdl_runtime.rsp ${CMAKE_SOURCE_DIR}/src/web_gl.h)
