// Small helpers shared by the tests: scratch directories that clean up after themselves, TGA files
// built byte by byte, and capturing what the trace log prints.
#pragma once

#include "quorvel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// A fresh directory under the system's temporary directory, removed with everything in it at the end.
class scratch_dir
{
public:
    std::filesystem::path path;

    scratch_dir()
    {
        std::string Pattern = (std::filesystem::temp_directory_path() / "quorvel-test-XXXXXX").string();
        std::vector<char> Buffer(Pattern.begin(), Pattern.end());
        Buffer.push_back('\0');
        if (!mkdtemp(Buffer.data())) ADD_FAILURE() << "mkdtemp failed for " << Pattern;
        path = Buffer.data();
    }
    ~scratch_dir()
    {
        std::error_code Ignored;
        std::filesystem::remove_all(path, Ignored);
    }
    scratch_dir(const scratch_dir&) = delete;
    scratch_dir& operator=(const scratch_dir&) = delete;

    std::string file(const std::string& Name) const { return (path / Name).string(); }

    std::vector<std::string> names() const
    {
        std::vector<std::string> Names;
        for (const auto& Entry : std::filesystem::directory_iterator(path)) Names.push_back(Entry.path().filename().string());
        return Names;
    }
};

// A scratch working directory with the game's data/ linked in, entered while it lives, so the game's
// screens can load their pictures without touching the repository or a real savegame.dat.
class game_dir : public scratch_dir
{
public:
    std::filesystem::path old_dir;

    game_dir() : old_dir(std::filesystem::current_path())
    {
        std::filesystem::create_directory_symlink(std::filesystem::path(QUORVEL_SOURCE_DIR) / "data", path / "data");
        std::filesystem::current_path(path);
    }
    ~game_dir() { std::filesystem::current_path(old_dir); }
};

// The game's window and GL state under the offscreen video driver: a real context without a display.
inline ::testing::AssertionResult open_offscreen_screen()
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return ::testing::AssertionFailure() << SDL_GetError();
    if (screen_open(800, 600, false, false) != 0) return ::testing::AssertionFailure() << "screen_open failed";
    return ::testing::AssertionSuccess();
}

// An 18-byte TGA header: uncompressed true-colour, 32 bits per pixel, unless the caller says otherwise.
inline std::string tga_header(int Width, int Height, unsigned char Descriptor = 8, unsigned char ImageType = 2,
                              unsigned char Depth = 32)
{
    std::string H(18, '\0');
    H[2] = (char)ImageType;
    H[12] = (char)(Width & 0xff);
    H[13] = (char)((Width >> 8) & 0xff);
    H[14] = (char)(Height & 0xff);
    H[15] = (char)((Height >> 8) & 0xff);
    H[16] = (char)Depth;
    H[17] = (char)Descriptor;
    return H;
}

// Pixels given as blue, green, red, alpha quadruples in stored order.
inline std::string tga_file(int Width, int Height, const std::vector<unsigned char>& Bgra, unsigned char Descriptor = 8)
{
    return tga_header(Width, Height, Descriptor) + std::string(Bgra.begin(), Bgra.end());
}

inline void write_file(const std::string& Name, const std::string& Bytes)
{
    std::ofstream Out(Name, std::ios::out | std::ios::binary | std::ios::trunc);
    Out.write(Bytes.data(), (std::streamsize)Bytes.size());
    ASSERT_TRUE(Out.good()) << "could not write " << Name;
}

inline std::string read_file(const std::string& Name)
{
    std::ifstream In(Name, std::ios::in | std::ios::binary);
    std::ostringstream Text;
    Text << In.rdbuf();
    return Text.str();
}

inline std::vector<std::string> split_lines(const std::string& Text)
{
    std::vector<std::string> Lines;
    std::istringstream In(Text);
    std::string Line;
    while (std::getline(In, Line)) Lines.push_back(Line);
    return Lines;
}
