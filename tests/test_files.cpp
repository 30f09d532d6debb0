// The two file formats the game reads: TGA pictures and the save file, against good and hostile bytes,
// and what a save leaves on disk.
#include "helpers.h"
#include "loadtga.h"
#include "replay.h"
#include "settings.h"

#include <memory>
#include <sys/stat.h>

namespace {

struct surface_deleter
{
    void operator()(SDL_Surface* S) const { SDL_FreeSurface(S); }
};
typedef std::unique_ptr<SDL_Surface, surface_deleter> surface_ptr;

std::vector<unsigned char> pixels_of(const surface_ptr& S)
{
    const unsigned char* P = (const unsigned char*)S->pixels;
    return std::vector<unsigned char>(P, P + (size_t)S->w * S->h * 4);
}

surface_ptr read_bytes(const std::string& Bytes)
{
    std::istringstream In(Bytes, std::ios::in | std::ios::binary);
    std::string Problem;
    return surface_ptr(read_tga(In, Problem));
}

// A stream that cannot seek, so a short file shows only as a short read.
struct unseekable_buf : std::streambuf
{
    std::string data;
    explicit unseekable_buf(const std::string& Bytes) : data(Bytes) { setg(&data[0], &data[0], &data[0] + data.size()); }
};

} // namespace

TEST(Tga, StoredBgraBecomesRgbaWithRowsInStoredOrder)
{
    surface_ptr S = read_bytes(tga(2, 1, {10, 20, 30, 40, 50, 60, 70, 80}));
    ASSERT_TRUE(S);
    EXPECT_EQ(S->pitch, 8);
    EXPECT_EQ(pixels_of(S), (std::vector<unsigned char>{30, 20, 10, 40, 70, 60, 50, 80}));

    // Whatever the descriptor or image type says, rows stay in file order and pixels are 32-bit.
    const std::vector<unsigned char> Rows = {0, 0, 255, 255, 0, 0, 255, 255, 255, 0, 0, 255, 255, 0, 0, 255};
    for (int Descriptor : {0x00, 0x20, 0x28})
    {
        surface_ptr T = read_bytes(tga(2, 2, Rows, Descriptor, Descriptor == 0 ? 10 : 2));
        ASSERT_TRUE(T);
        EXPECT_EQ(pixels_of(T), (std::vector<unsigned char>{255, 0, 0, 255, 255, 0, 0, 255, 0, 0, 255, 255, 0, 0, 255, 255}));
    }

    // Empty pictures read no pixel bytes; nothing after the pixels is read either.
    for (int W : {0, 3})
    {
        std::istringstream In(tga(W, W ? 0 : 5, {}) + "rest", std::ios::in | std::ios::binary);
        std::string Problem;
        surface_ptr E(read_tga(In, Problem));
        ASSERT_TRUE(E) << Problem;
        EXPECT_EQ(E->w, W);
        EXPECT_EQ(In.tellg(), 18);
    }
}

TEST(Tga, HostileFilesGiveOneFatalLineNamingThem)
{
    game_dir Dir(false);
    const std::string Pixels(64, 'x');
    const std::pair<const char*, std::string> Cases[] = {
        {"negative width", tga(-1, 4, {}) + Pixels},
        {"negative height", tga(4, -32768, {}) + Pixels},
        {"byte count past 2^31", tga(32767, 16385, {}) + Pixels},
        {"huge size, few bytes", tga(16384, 8191, {}) + Pixels},
        {"pixels cut short", tga(2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
        {"header cut short", tga(2, 2, {}).substr(0, 10)},
        {"empty", ""},
    };
    alarm(20); // a picture that is a pipe used to wait for ever
    for (const char* Special : {"pipe.tga", "dir.tga"})
    {
        ASSERT_EQ(Special[0] == 'p' ? mkfifo(Special, 0644) : mkdir(Special, 0755), 0);
        EXPECT_EQ(printed_by([&] { EXPECT_EQ(load_tga(std::string(Special)), nullptr); }),
                  std::string("* load tga fatal: can't open file ") + Special + "\n");
    }
    alarm(0);
    for (const auto& C : Cases)
    {
        SCOPED_TRACE(C.first);
        write_file("bad.tga", C.second);
        SDL_Surface* S = nullptr;
        std::vector<std::string> Lines = split_lines(printed_by([&] { S = load_tga(std::string("bad.tga")); }));
        EXPECT_EQ(S, nullptr);
        ASSERT_EQ(Lines.size(), 1u);
        EXPECT_EQ(Lines[0].rfind("* load tga fatal: ", 0), 0u) << Lines[0];
        EXPECT_NE(Lines[0].find("bad.tga"), std::string::npos) << Lines[0];
    }
    EXPECT_EQ(printed_by([] { load_tga(std::string("none.tga")); }), "* load tga fatal: can't open file none.tga\n");

    // Where the length cannot be known in advance, the short read itself is noticed.
    unseekable_buf Short(tga(2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})), Whole(tga(1, 1, {1, 2, 3, 4}));
    std::istream InShort(&Short), InWhole(&Whole);
    std::string Problem;
    EXPECT_EQ(read_tga(InShort, Problem), nullptr);
    surface_ptr Good(read_tga(InWhole, Problem));
    ASSERT_TRUE(Good);
    EXPECT_EQ(pixels_of(Good), (std::vector<unsigned char>{3, 2, 1, 4}));
}

TEST(SaveFile, WhatEachFileLeavesInTheTable)
{
    struct
    {
        const char* what;
        std::string bytes;
        std::vector<int> before, medals; // levels 1 to 10
        int last_open;
    } Cases[] = {
        {"in order", le_words({2, 1, 3, 2, 1}), {}, {3, 1}, 2},
        {"out of order", le_words({2, 2, 1, 1, 3}), {}, {3, 1}, 2},
        {"later duplicate wins, unknown id ignored", le_words({4, 1, 3, 99, 2, 1, 1, 2, 0}), {}, {1}, 1},
        {"levels without a record keep their medals", le_words({1, 1, 1}), {0, 0, 0, 0, 2}, {1, 0, 0, 0, 2}, 1},
        {"medals clamped to 0..3", le_words({3, 1, 4, 2, 1000000, 3, -1}), {}, {3, 3, 0}, 2},
        {"a record cut in half is not read", le_words({3, 2, 2, 1, 1, 2}) + std::string("\x01\x00", 2), {}, {1, 2}, 2},
        {"negative count reads nothing", le_words({-1, 1, 3}), {}, {}, 0},
        {"count past the bytes", le_words({2147483647LL, 1, 3, 2, 1}), {}, {3, 1}, 2},
        {"bytes past the count", le_words({1, 1, 3, 2, 1}), {}, {3}, 1},
        {"empty", "", {1}, {1}, 1},
    };
    for (auto& C : Cases)
    {
        SCOPED_TRACE(C.what);
        fresh_level_table();
        for (size_t a = 0; a < C.before.size(); a++) all_levels[a].medals = C.before[a];
        std::istringstream In(C.bytes, std::ios::in | std::ios::binary);
        load_levels_from(In);
        C.medals.resize(11, 0);
        for (int a = 0; a < 11; a++)
        {
            EXPECT_EQ(all_levels[a].medals, C.medals[a]) << "level index " << a;
            EXPECT_EQ(all_levels[a].is_open, a <= C.last_open) << "level index " << a;
        }
        EXPECT_EQ(last_open_level, C.last_open);
    }
}

TEST(SaveFile, UnlockingOpensUpToTheFirstLevelWithoutMedals)
{
    fresh_level_table();
    all_levels[5].is_open = true; // open flags are never withdrawn
    all_levels[0].medals = 1, all_levels[2].medals = 3; // the second level's gap stops the walk
    check_open_levels();
    EXPECT_EQ(last_open_level, 1);
    for (int a = 0; a < 11; a++) EXPECT_EQ(all_levels[a].is_open, a <= 1 || a == 5) << a;

    for (int a = 0; a < 10; a++) all_levels[a].medals = 1 + a % 3;
    check_open_levels();
    EXPECT_EQ(last_open_level, 10); // one past the last level
    EXPECT_FALSE(all_levels[10].is_open);
}

TEST(SaveFile, WritesTheCountAndEveryLevelThroughAFreshFileOfItsOwn)
{
    game_dir Dir(false);
    fresh_level_table();
    all_levels[1].medals = 3;
    const std::string Saved = le_words({10, 1, 0, 2, 3, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0, 9, 0, 10, 0});
    // A stale entry where an old game put its temporary file: a link to somebody else's file, a directory.
    for (bool Link : {true, false})
    {
        fs::remove_all("savegame.dat.tmp");
        Link ? fs::create_symlink("victim.txt", "savegame.dat.tmp") : (void)fs::create_directory("savegame.dat.tmp");
        EXPECT_EQ(printed_by(save_all_levels), "");
        EXPECT_EQ(read_file("savegame.dat"), Saved);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status("savegame.dat")));
        EXPECT_FALSE(fs::exists("victim.txt")) << "written through a link";
        EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2) << "nothing else left";
    }

    EXPECT_TRUE(save_levels_file("savegame.dat")) << "a save that went through says so";
    // A directory where the file belongs cannot be replaced: a warning naming it, the temporary file gone.
    fs::remove("savegame.dat");
    fs::create_directory("savegame.dat");
    std::string Said = printed_by([] { EXPECT_FALSE(save_levels_file("savegame.dat")); });
    EXPECT_EQ(Said.rfind("! save all levels: can't write savegame.dat: Is a directory", 0), 0u) << Said;
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2) << "nothing else left";

    // A named pipe for a save file is not read (it would wait for ever) and never written over.
    fs::remove("savegame.dat");
    ASSERT_EQ(mkfifo("savegame.dat", 0644), 0);
    alarm(20);
    Said = printed_by([] { load_all_levels(); save_all_levels(); });
    alarm(0);
    EXPECT_EQ(split_lines(Said).size(), 1u) << Said;
    EXPECT_TRUE(fs::is_fifo("savegame.dat"));
}

TEST(Settings, AFewLinesKeptAndAnyFileTheGameCannotReadGivesTheDefaults)
{
    const struct
    {
        const char* what;
        std::string text;
        bool read, fullscreen, sound;
    } Cases[] = {
        {"as the game writes them", format_settings({true, false, "", "de"}), true, true, false},
        {"empty", "", true, false, true},
        {"comments, blanks, CRLF and a key from elsewhere", "# mine\r\n  sound=off \r\nvolume = 11\nfullscreen = 1 # big\n", true, true, false},
        {"a value the game does not know", "sound = loud\n", false, false, true},
        {"a line without a key", "= yes\n", false, false, true},
        {"not key = value", "fullscreen\n", false, false, true},
        {"binary", std::string("\x7f" "ELF\0\1", 6), false, false, true},
        {"too long", std::string(5000, '#'), false, false, true},
        {"a page that is no web address", "page = my computer\n", false, false, true},
        {"a language that is no language's code", "language = ../../etc\n", false, false, true},
    };
    game_dir Dir(false);
    for (const auto& C : Cases)
    {
        SCOPED_TRACE(C.what);
        settings S;
        std::string Problem;
        EXPECT_EQ(parse_settings(C.text, S, Problem), C.read) << Problem;
        EXPECT_EQ(Problem.empty(), C.read);
        write_file("settings.txt", C.text);
        std::string Said = printed_by([&] { S = load_settings(); });
        EXPECT_TRUE(S.fullscreen == C.fullscreen && S.sound == C.sound);
        EXPECT_EQ(split_lines(Said).size(), C.read ? 0u : 1u) << Said;
        EXPECT_EQ(Said.rfind("! settings: can't read settings.txt: ", 0), C.read ? std::string::npos : 0u) << Said;
    }
    settings Back;
    std::string Problem;
    EXPECT_TRUE(!parse_settings("# mine\nsound = loud\n", Back, Problem) && Problem.rfind("line 2 is not", 0) == 0) << Problem;
    save_settings({true, false, "https://bees.example/play/", "pt_BR"});
    Back = load_settings();
    EXPECT_TRUE(Back.fullscreen && !Back.sound && Back.page == "https://bees.example/play/" && Back.language == "pt_BR");
    EXPECT_EQ(format_settings({}).find("page"), std::string::npos) << "no page, no line for it";
}

namespace {
replay sample_replay()
{
    replay R;
    R.level_id = 3, R.seed = 4000000000u, R.level_hash = 0x0123456789abcdefull;
    R.rescued_bees = 9, R.killed_bees = 2, R.time = 12.345, R.end = replay::e_over;
    const double Steps[] = {0.01, 0.01, 0.01, 0.013, 0.1, 0.0};
    for (int f = 0; f < 400; f++)
    {
        replay_frame F{Steps[f % 6 < 3 ? 0 : f % 6], mkrloc(f < 200 ? (100 + f / 7) / 600.0 : 0.123456789, 0.5), f < 200 ? 600 : 0, {}};
        if (f == 1) F.events.push_back({replay_event::button_down, 1});
        if (f == 250) F.events.push_back({replay_event::key_up, SDLK_DOWN});
        R.frames.push_back(F);
    }
    return R;
}
} // namespace

TEST(ReplayFile, KeepsOnlyWhatPlaysAndGivesItBackAsPressed)
{
    // The arrows scroll, Escape ends the level, the button drags: each comes back as it went in.
    struct Case
    {
        Uint32 type;
        SDL_Keycode key;
        bool kept;
    };
    const Case Cases[] = {
        {SDL_KEYDOWN, SDLK_LEFT, true}, {SDL_KEYUP, SDLK_LEFT, true},   {SDL_KEYDOWN, SDLK_DOWN, true},
        {SDL_KEYUP, SDLK_UP, true},     {SDL_KEYDOWN, SDLK_RIGHT, true}, {SDL_KEYDOWN, SDLK_ESCAPE, true},
        {SDL_KEYUP, SDLK_ESCAPE, false}, {SDL_KEYDOWN, SDLK_SPACE, false}, {SDL_KEYDOWN, SDLK_p, false},
        {SDL_MOUSEMOTION, 0, false},
    };
    for (const Case& C : Cases)
    {
        replay_event Kept{};
        ASSERT_EQ(recorded_event(event(C.type, C.key), Kept), C.kept) << C.type << " " << C.key;
        if (!C.kept) continue;
        SDL_Event Back = replayed_event(Kept);
        EXPECT_TRUE(Back.type == C.type && Back.key.keysym.sym == C.key) << C.type << " " << C.key;
    }
    for (Uint32 Type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP})
    {
        SDL_Event E = event(Type);
        E.button.button = SDL_BUTTON_LEFT;
        replay_event Kept{};
        ASSERT_TRUE(recorded_event(E, Kept));
        SDL_Event Back = replayed_event(Kept);
        EXPECT_TRUE(Back.type == Type && Back.button.button == SDL_BUTTON_LEFT &&
                    Back.button.state == (Type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED));
    }
}

TEST(ReplayFile, ReadsBackWhatWasWrittenAndNothingHalfMade)
{
    const replay R = sample_replay();
    const std::string Bytes = write_replay(R);
    replay Back;
    std::string Problem;
    ASSERT_TRUE(read_replay(Bytes, Back, Problem)) << Problem;
    EXPECT_TRUE(Back.level_id == 3 && Back.seed == R.seed && Back.level_hash == R.level_hash && Back.end == replay::e_over);
    EXPECT_TRUE(Back.rescued_bees == 9 && Back.killed_bees == 2 && Back.time == 12.345);
    ASSERT_EQ(Back.frames.size(), R.frames.size());
    for (size_t f = 0; f < R.frames.size(); f++)
    {
        const replay_frame &A = R.frames[f], &B = Back.frames[f];
        ASSERT_TRUE(A.step == B.step && A.mouse == B.mouse && A.events.size() == B.events.size()) << "frame " << f;
        for (size_t e = 0; e < A.events.size(); e++) EXPECT_TRUE(A.events[e].kind == B.events[e].kind && A.events[e].code == B.events[e].code);
    }

    for (size_t Cut = 0; Cut < Bytes.size(); Cut++) // cut short anywhere: refused, and Back untouched
        ASSERT_FALSE(read_replay(Bytes.substr(0, Cut), Back, Problem)) << Cut;
    EXPECT_EQ(Back.frames.size(), R.frames.size());
    const std::pair<size_t, char> Spoilt[] = {{0, 'X'}, {4, 2}, {22, 0x7f}, {42, 9}};
    for (const auto& S : Spoilt) // magic, version, a frame count past any play, the end
    {
        std::string Bad = Bytes;
        Bad[S.first] = S.second;
        EXPECT_FALSE(read_replay(Bad, Back, Problem)) << S.first;
    }
    EXPECT_FALSE(read_replay(Bytes + '\0', Back, Problem)) << "a byte after the last frame";
}
