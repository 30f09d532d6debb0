// The one layer of test helpers: scratch game directories, the TGA writer, events, save-file bytes, a
// hand-built world, and draw counting against a twin generator.
#pragma once

#include "bee.h"
#include "digest.h"
#include "level.h"
#include "quorvel.h"
#include "rngen.h"
#include "smellgrid.h"
#include "world.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

inline void write_file(const std::string& Name, const std::string& Bytes)
{
    std::ofstream(Name, std::ios::binary).write(Bytes.data(), (std::streamsize)Bytes.size());
}

inline std::string read_file(const std::string& Name)
{
    std::ostringstream Text;
    Text << std::ifstream(Name, std::ios::binary).rdbuf();
    return Text.str();
}

inline std::vector<std::string> split_lines(const std::string& Text)
{
    std::vector<std::string> Lines;
    std::istringstream In(Text);
    for (std::string Line; std::getline(In, Line);) Lines.push_back(Line);
    return Lines;
}

// What Body writes to standard output, the trace log's console half.
template <class F>
std::string printed_by(F Body)
{
    testing::internal::CaptureStdout();
    Body();
    return testing::internal::GetCapturedStdout();
}

// A TGA file: the 18-byte header, then the pixels as given (blue, green, red, alpha each).
inline std::string tga(int W, int H, const std::vector<unsigned char>& Bgra, int Descriptor = 0x28, int Type = 2)
{
    const char Header[18] = {0, 0, (char)Type, 0, 0, 0, 0, 0, 0, 0, 0, 0, (char)W, (char)(W >> 8), (char)H, (char)(H >> 8), 32, (char)Descriptor};
    return std::string(Header, 18) + std::string(Bgra.begin(), Bgra.end());
}

inline std::string plain_tga(int W, int H, unsigned char R, unsigned char G, unsigned char B)
{
    std::vector<unsigned char> P;
    for (int a = 0; a < W * H; a++) P.insert(P.end(), {B, G, R, 255});
    return tga(W, H, P);
}

// Little-endian 32-bit words, as in the save file.
inline std::string le_words(std::initializer_list<long long> Values)
{
    std::string S;
    for (long long V : Values)
        for (int b = 0; b < 4; b++) S.push_back((char)(V >> (8 * b)));
    return S;
}

// A fresh directory, entered while it lives and removed at the end. With LinkData the repository's
// data/ is linked in, so the screens find their pictures; no real savegame.dat is ever touched.
struct game_dir
{
    fs::path path, old_dir = fs::current_path();
    pid_t owner = getpid();

    explicit game_dir(bool LinkData = true)
    {
        std::string Pattern = (fs::temp_directory_path() / "quorvel-test-XXXXXX").string();
        path = mkdtemp(Pattern.data());
        fs::current_path(path);
        if (LinkData) fs::create_directory_symlink(fs::path(QUORVEL_SOURCE_DIR) / "data", "data");
    }
    ~game_dir()
    {
        if (getpid() != owner) return; // a forked child keeps its parent's directory
        fs::current_path(old_dir);
        fs::remove_all(path);
    }
};

// Starts Body in a child process that writes its output to child.txt and exits 0 when Body returns.
template <class F>
pid_t start_child(F Body)
{
    pid_t Child = fork();
    if (Child == 0)
    {
        alarm(120); // a hang becomes a failure
        int Out = open("child.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(Out, 1), dup2(Out, 2);
        Body();
        std::exit(0);
    }
    return Child;
}

// Runs Body in a child process, its output in child.txt; returns the exit status and keeps the fatal lines.
template <class F>
int in_child(F Body, std::vector<std::string>& Fatal)
{
    pid_t Child = start_child(Body);
    int Status = -1;
    waitpid(Child, &Status, 0);
    Fatal.clear();
    for (const std::string& L : split_lines(read_file("child.txt")))
        if (L.rfind("* ", 0) == 0 || L.find("Sanitizer") != std::string::npos) Fatal.push_back(L);
    return WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + WTERMSIG(Status);
}

// The ten levels as a first start finds them: counted, no medals, nothing open.
inline void fresh_level_table()
{
    num_levels = 10;
    last_open_level = 0;
    for (level& L : all_levels) L.medals = 0, L.is_open = false;
}

inline SDL_Event event(Uint32 Type, SDL_Keycode Key = 0)
{
    SDL_Event E;
    SDL_zero(E);
    E.type = Type;
    E.key.keysym.sym = Key;
    return E;
}

// The mouse over point (X, Y) of the 13.333 by 10 picture.
inline void point_at(double X, double Y)
{
    mouseloc = mkrloc(X / 10.0, Y / 10.0);
}

inline rngen seeded(unsigned long Seed)
{
    rngen R;
    R.seed(Seed);
    return R;
}

// True when After is exactly Before advanced by N draws.
inline bool advanced_by(rngen Before, const rngen& After, int N)
{
    for (int a = 0; a < N; a++) Before.get();
    return Before.mti == After.mti && std::memcmp(Before.mt, After.mt, sizeof Before.mt) == 0;
}

// A world of grass with empty smell grids and no sprites, made current: sprites are added by hand.
struct hand_world
{
    ref<world> W = mkref(new world);

    explicit hand_world(double Width = 20.0, double Height = 10.0)
    {
        W->size = mkrpos(Width, Height, 0.0);
        W->map_tiles.assign((size_t)(Width * Height), world::tt_grass);
        rngen R = seeded(7);
        for (ref<smellgrid>& S : W->smells)
        {
            S = mkref(new smellgrid);
            S->init(W->size, mkfcolor(1, 1, 1, 1), false, R);
        }
        cur_world = W.ptr();
    }
    // A flower, hive or horsefly set up from its own seed.
    template <class T>
    T* place(const rpos& P, unsigned long Seed = 1)
    {
        T* S = new T;
        W->add_new_sprite(S);
        rngen R = seeded(Seed);
        S->init(P, R);
        return S;
    }
    bee* add_bee(const rpos& P, const rpos& V = rpos())
    {
        bee* B = new bee;
        W->add_new_sprite(B);
        rngen R = seeded(1);
        B->init(P, V, R);
        W->total_bees++;
        return B;
    }
    smellgrid& pollen() { return *W->smells[smell_pollen].ptr(); }
};

// The game's digest, to compare frames and world states with values recorded from the game.
struct fnv1a : digest
{
    using digest::add;
    void add(double V) { add(&V, sizeof V); }
    void add(const rpos& V) { add(V.components, sizeof V.components); }
};

inline double total(const smellgrid& G)
{
    double Sum = 0.0;
    for (double V : G.grid_data) Sum += V;
    return Sum;
}
