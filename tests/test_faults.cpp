// The game facing broken files and hard stops: every picture and map it loads missing, cut short or with a
// forged header, and a kill right after a result was recorded. Each case runs in a child process in a
// scratch working directory whose data/ holds links to the shipped files, one of them replaced. The parent
// never loads a texture or starts SDL, so every child starts from a clean process.
#include "helpers.h"

#include "level.h"
#include "quorvel.h"
#include "texture.h"
#include "title.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const CHILD_OUT = "child_out.txt";
const char* const CHILD_ERR = "child_err.txt";

fs::path shipped(const std::string& Name)
{
    return fs::path(QUORVEL_SOURCE_DIR) / Name;
}

std::vector<std::string> sorted(std::vector<std::string> Names)
{
    std::sort(Names.begin(), Names.end());
    return Names;
}

// What start-up reads: every picture under data/gfx and every level preview.
std::vector<std::string> start_up_files()
{
    std::vector<std::string> Names;
    for (const auto& E : fs::directory_iterator(shipped("data/gfx"))) Names.push_back("data/gfx/" + E.path().filename().string());
    for (const level* L = all_levels; L->map_texture_file; L++) Names.push_back(L->map_texture_file);
    return sorted(Names);
}

std::vector<std::string> map_files()
{
    std::vector<std::string> Names;
    for (const level* L = all_levels; L->map_texture_file; L++) Names.push_back(L->map_file);
    return Names;
}

// The ways a shipped picture can arrive broken, made from its real bytes.
struct damage
{
    const char* what;
    bool fatal_for_pictures; // a picture of zero size is an empty texture; a map of zero size is refused
    std::string (*make)(const std::string& Real);
};

std::string with_size(std::string Bytes, int W, int H)
{
    Bytes[12] = (char)(W & 0xff);
    Bytes[13] = (char)((W >> 8) & 0xff);
    Bytes[14] = (char)(H & 0xff);
    Bytes[15] = (char)((H >> 8) & 0xff);
    return Bytes;
}

// The first way is no file at all.
const damage DAMAGES[] = {
    {"missing", true, nullptr},
    {"empty file", true, [](const std::string&) { return std::string(); }},
    {"header cut short", true, [](const std::string& Real) { return Real.substr(0, 10); }},
    {"pixels cut short", true, [](const std::string& Real) { return Real.substr(0, 18 + (Real.size() - 18) / 2); }},
    {"negative width", true, [](const std::string& Real) { return with_size(Real, -3, 16); }},
    {"negative height", true, [](const std::string& Real) { return with_size(Real, 16, -32768); }},
    // 32767 x 32767 x 4 bytes does not fit 32 bits.
    {"byte count overflows", true, [](const std::string& Real) { return with_size(Real, 32767, 32767); }},
    // Just under 2 GiB: a legal size, so only the missing pixels can stop it.
    {"huge size over real pixels", true, [](const std::string& Real) { return with_size(Real, 23170, 23170); }},
    {"zero size", false, [](const std::string& Real) { return with_size(Real.substr(0, 18), 0, 0); }},
};

// A scratch working directory with data/gfx and data/maps of links to the shipped files.
class GameData : public ::testing::Test
{
protected:
    work_dir dir;

    void SetUp() override
    {
        for (const char* Sub : {"data/gfx", "data/maps"})
        {
            fs::create_directories(Sub);
            for (const auto& E : fs::directory_iterator(shipped(Sub))) fs::create_symlink(E.path(), fs::path(Sub) / E.path().filename());
        }
    }

    void replace(const std::string& Name, const std::string& Bytes)
    {
        fs::remove(Name);
        write_file(Name, Bytes);
    }

    void spoil(const std::string& Name, const damage& D, const std::string& Real)
    {
        if (D.make) replace(Name, D.make(Real));
        else fs::remove(Name);
    }

    void restore(const std::string& Name)
    {
        fs::remove(Name);
        fs::create_symlink(shipped(Name), Name);
    }

    static void clear_child_output()
    {
        std::remove(CHILD_OUT);
        std::remove(CHILD_ERR);
    }

    // The child's standard output and standard error, lines from the trace log and sanitizer reports.
    static std::vector<std::string> child_lines() { return split_lines(read_file(CHILD_OUT)); }
    static std::string child_errors() { return read_file(CHILD_ERR); }
};

// First thing in every child: a hang becomes a signal, and the outputs go where the parent reads them.
void child_begins()
{
    alarm(120);
    int Out = open(CHILD_OUT, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int Err = open(CHILD_ERR, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (Out < 0 || Err < 0) std::abort();
    dup2(Out, 1);
    dup2(Err, 2);
    close(Out);
    close(Err);
}

// What main does before its frame loop, minus the window: previews, save file, title pictures.
void start_up()
{
    scan_all_levels();
    title Title;
    Title.init();
}

void start_up_in_child()
{
    child_begins();
    start_up();
    std::exit(0);
}

// Starts a level the way a player does: every earlier level won, the go button pressed on it.
void play_level(title& Title, int Index)
{
    for (int a = 0; a < Index; a++) all_levels[a].medals = 1;
    check_open_levels();
    Title.init();
    mouseloc = mkrloc(0.6666, 0.505); // the go button
    while (Title.mode == title::m_slide_in) Title.update(0.1);
    Title.update(0.01);
    SDL_Event Click = button_event();
    Title.notice(Click);
    if (Title.mode != title::m_slide_out || Title.go_level != Index) std::exit(3);
    while (Title.mode == title::m_slide_out) Title.update(0.1);
}

void start_level_in_child(int Index)
{
    child_begins();
    scan_all_levels();
    title Title;
    play_level(Title, Index);
    std::exit(Title.mode == title::m_play ? 0 : 4);
}

std::vector<std::string> fatal_lines(const std::vector<std::string>& Lines)
{
    std::vector<std::string> Fatal;
    for (const std::string& L : Lines)
        if (L.rfind("* ", 0) == 0) Fatal.push_back(L);
    return Fatal;
}

// Exactly one fatal line, the last thing said, naming the file; and no sanitizer report.
void expect_one_fatal_line_naming(const std::vector<std::string>& Lines, const std::string& Errors,
                                  const std::string& Name)
{
    EXPECT_EQ(Errors, "");
    std::vector<std::string> Fatal = fatal_lines(Lines);
    EXPECT_EQ(Fatal.size(), 1u) << ::testing::PrintToString(Lines);
    if (Fatal.size() != 1) return;
    EXPECT_NE(Fatal[0].find(Name), std::string::npos) << Fatal[0];
    EXPECT_EQ(Lines.back(), Fatal[0]);
}

} // namespace

TEST_F(GameData, StartUpLoadsExactlyTheGfxPicturesAndThePreviews)
{
    // The fault cases below take this list as what start-up reads; a new picture must join it.
    clear_child_output();
    EXPECT_EXIT(start_up_in_child(), ::testing::ExitedWithCode(0), "");
    std::vector<std::string> Loaded;
    const std::string Prefix = "- texture load: loading tga ";
    for (const std::string& L : child_lines())
        if (L.rfind(Prefix, 0) == 0) Loaded.push_back(L.substr(Prefix.size()));
    EXPECT_EQ(sorted(Loaded), start_up_files());
    EXPECT_EQ(start_up_files().size(), 21u);
    EXPECT_EQ(child_errors(), "");
}

TEST_F(GameData, EachStartUpFileMissingOrDamagedEndsTheGameWithOneLineNamingIt)
{
    for (const std::string& Name : start_up_files())
    {
        const std::string Real = read_file(Name);
        for (const damage& D : DAMAGES)
        {
            if (!D.fatal_for_pictures) continue;
            SCOPED_TRACE(Name + ": " + D.what);
            spoil(Name, D, Real);
            clear_child_output();
            EXPECT_EXIT(start_up_in_child(), ::testing::ExitedWithCode(1), "");
            expect_one_fatal_line_naming(child_lines(), child_errors(), Name);
        }
        restore(Name);
    }
}

namespace {

// Every start-up picture of zero size, then the title drawn in a real (offscreen) GL context.
void empty_pictures_in_child()
{
    child_begins();
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || screen_open(800, 600, false, false) != 0) std::exit(5);
    scan_all_levels();
    title Title;
    Title.init();
    for (int Frame = 0; Frame < 60; Frame++)
    {
        Title.update(0.02);
        Title.render();
        SDL_GL_SwapWindow(screen_window);
    }
    std::vector<texture*> Textures = {Title.title_texture, Title.rules_texture, Title.go_texture, Title.closed_texture};
    Textures.insert(Textures.end(), Title.winning_textures, Title.winning_textures + 4);
    Textures.insert(Textures.end(), Title.medal_textures, Title.medal_textures + 3);
    for (int a = 0; a < num_levels; a++) Textures.push_back(all_levels[a].map_texture);
    for (texture* T : Textures)
        if (T->w != 0 || T->h != 0 || !T->mask.empty() || T->check_mask(0, 0)) std::exit(6);
    SDL_Quit();
    std::exit(0);
}

} // namespace

TEST_F(GameData, StartUpPicturesOfZeroSizeAreEmptyTextures)
{
    for (const std::string& Name : start_up_files()) replace(Name, with_size(read_file(shipped(Name)).substr(0, 18), 0, 0));
    clear_child_output();
    EXPECT_EXIT(empty_pictures_in_child(), ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(fatal_lines(child_lines()).empty());
    EXPECT_EQ(child_errors(), "");
}

TEST_F(GameData, EachMapMissingOrDamagedEndsTheGameWhenItsLevelStarts)
{
    std::vector<std::string> Maps = map_files();
    ASSERT_EQ(Maps.size(), 10u);
    for (int Index = 0; Index < (int)Maps.size(); Index++)
    {
        const std::string& Name = Maps[Index];
        const std::string Real = read_file(Name);
        for (const damage& D : DAMAGES)
        {
            SCOPED_TRACE(Name + ": " + D.what);
            spoil(Name, D, Real);
            clear_child_output();
            EXPECT_EXIT(start_level_in_child(Index), ::testing::ExitedWithCode(1), "");
            expect_one_fatal_line_naming(child_lines(), child_errors(), Name);
        }
        restore(Name);
    }
    // The same drive with the shipped maps starts every level: the failures above are the files'.
    for (int Index = 0; Index < (int)Maps.size(); Index++)
    {
        SCOPED_TRACE(Maps[Index]);
        clear_child_output();
        EXPECT_EXIT(start_level_in_child(Index), ::testing::ExitedWithCode(0), "");
        EXPECT_TRUE(fatal_lines(child_lines()).empty());
        EXPECT_EQ(child_errors(), "");
    }
}

namespace {

// The real frame loop's work on a real title screen: the first level is played to its end, its result
// recorded, and then frames go on until the parent kills this process.
[[noreturn]] void win_first_level_then_run()
{
    child_begins();
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || screen_open(800, 600, false, false) != 0) std::exit(5);
    scan_all_levels();
    ref<title> Title = mkref(new title);
    play_level(*Title.ptr(), 0);
    if (Title->mode != title::m_play) std::exit(4);
    bool Ended = false;
    for (;;)
    {
        // Every bee home: the play screen sees the level over at its next update.
        if (!Ended && Title->mode == title::m_play)
        {
            Title->play_world->rescued_bees = Title->play_world->total_bees;
            Ended = true;
        }
        Title->update(0.01);
        Title->render();
        SDL_GL_SwapWindow(screen_window);
        SDL_Delay(1);
    }
}

} // namespace

TEST_F(GameData, KilledRightAfterAResultIsRecordedTheNextStartHasTheMedal)
{
    const std::string Before = le_words({10, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0, 9, 0, 10, 0});
    write_file("savegame.dat", Before);
    clear_child_output();

    pid_t Child = fork();
    ASSERT_GE(Child, 0);
    if (Child == 0) win_first_level_then_run();

    // Poll for the change; the kill follows it as closely as this loop allows.
    bool Changed = false;
    bool Gone = false;
    int Status = 0;
    auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    while (!Changed && !Gone && std::chrono::steady_clock::now() < Deadline)
    {
        Changed = read_file("savegame.dat") != Before;
        if (!Changed) Gone = waitpid(Child, &Status, WNOHANG) == Child;
        if (!Changed && !Gone) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!Gone)
    {
        kill(Child, SIGKILL);
        ASSERT_EQ(waitpid(Child, &Status, 0), Child);
    }
    ASSERT_TRUE(Changed) << "the result was never stored\n" << read_file(CHILD_OUT) << read_file(CHILD_ERR);
    // Still running when killed: the file below was written at the record, not on a way out.
    ASSERT_TRUE(WIFSIGNALED(Status) && WTERMSIG(Status) == SIGKILL) << "status " << Status;

    EXPECT_EQ(read_file("savegame.dat"), le_words({10, 1, 1, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0, 9, 0, 10, 0}));
    EXPECT_FALSE(fs::exists("savegame.dat.tmp"));
    EXPECT_EQ(child_errors(), "");

    // A fresh start reads it: the medal is there and the second level is open and selected.
    fresh_level_table();
    load_all_levels();
    EXPECT_EQ(all_levels[0].medals, 1);
    EXPECT_TRUE(all_levels[1].is_open);
    EXPECT_FALSE(all_levels[2].is_open);
    EXPECT_EQ(last_open_level, 1);
}
