// Cached OpenGL textures with hit masks. texture_load reads and uploads a picture once per run; the
// records it hands out stay valid until the program ends and are never freed by callers.
#pragma once

#include <string>
#include <vector>

class texture
{
public:
    int id;
    std::vector<bool> mask; // one bit per pixel: alpha != 0, row-major, row 0 = first stored row
    int w;
    int h;

    bool check_mask(int X, int Y);
};

// Needs a current GL context. Never returns null: a picture that cannot be read ends the program.
texture* texture_load(const std::string& Name, bool NoInterp);
// A picture the game makes itself, W by H pixels of red, green, blue and alpha, to be drawn pixel for pixel:
// uploaded unsmoothed, once, under Name (which names no file); later calls with that name return the same
// record. Needs a GL context.
texture* texture_make(const std::string& Name, int W, int H, const std::vector<unsigned char>& Rgba);
