// Small helpers shared by the tests: scratch directories that clean up after themselves, TGA files
// built byte by byte, and capturing what the trace log prints.
#pragma once

#include "level.h"
#include "quorvel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

// A fresh directory under the system's temporary directory, removed with everything in it at the end.
class scratch_dir
{
public:
    std::filesystem::path path;
    pid_t owner = getpid();

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
        if (getpid() != owner) return; // a forked child leaving by exit keeps its parent's directory
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

// A scratch directory entered while it lives; the old working directory comes back at the end.
class work_dir : public scratch_dir
{
public:
    std::filesystem::path old_dir;

    work_dir() : old_dir(std::filesystem::current_path()) { std::filesystem::current_path(path); }
    ~work_dir() { std::filesystem::current_path(old_dir); }
};

// A work_dir with the game's data/ linked in, so the game's screens can load their pictures without
// touching the repository or a real savegame.dat.
class game_dir : public work_dir
{
public:
    game_dir() { std::filesystem::create_directory_symlink(std::filesystem::path(QUORVEL_SOURCE_DIR) / "data", path / "data"); }
};

// The ten levels as a first start finds them: no medals, nothing open.
inline void fresh_level_table()
{
    num_levels = 10;
    last_open_level = 0;
    for (int a = 0; a < 11; a++)
    {
        all_levels[a].medals = 0;
        all_levels[a].is_open = false;
    }
}

// The game's window and GL state under the offscreen video driver: a real context without a display.
inline ::testing::AssertionResult open_offscreen_screen()
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return ::testing::AssertionFailure() << SDL_GetError();
    if (screen_open(800, 600, false, false) != 0) return ::testing::AssertionFailure() << "screen_open failed";
    return ::testing::AssertionSuccess();
}

inline SDL_Event key_event(SDL_Keycode Key)
{
    SDL_Event E;
    SDL_zero(E);
    E.type = SDL_KEYDOWN;
    E.key.keysym.sym = Key;
    return E;
}

// A left-button event; button down unless the caller says otherwise.
inline SDL_Event button_event(Uint32 Type = SDL_MOUSEBUTTONDOWN)
{
    SDL_Event E;
    SDL_zero(E);
    E.type = Type;
    E.button.button = SDL_BUTTON_LEFT;
    return E;
}

// Little-endian 32-bit fields, as in the save file, written by hand so tests do not share the game's writer.
inline std::string le_words(std::initializer_list<long long> Values)
{
    std::string S;
    for (long long V : Values)
        for (int b = 0; b < 4; b++) S.push_back((char)(((unsigned long long)V >> (8 * b)) & 0xff));
    return S;
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
