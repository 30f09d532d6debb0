// Reader for the one TGA layout the game ships: uncompressed, 32 bits per pixel, no ID field, no colour
// map, stored rows kept in file order (first stored row becomes row 0). Produces a 32-bit SDL surface
// whose bytes lie in memory as red, green, blue, alpha; the caller frees it with SDL_FreeSurface.
#pragma once

#include <SDL2/SDL.h>
#include <istream>
#include <string>

// Parses an image; on failure returns null and says why in Problem (no trace line).
// Never reads more than the header and the pixel bytes the header announces.
SDL_Surface* read_tga(std::istream& Source, std::string& Problem);

// Returns null, after a fatal trace line, when the stream holds no usable image.
SDL_Surface* load_tga(std::istream& Source);
// Returns null, after one fatal trace line that names the file, when it cannot be opened or read.
SDL_Surface* load_tga(const std::string& Filename);
