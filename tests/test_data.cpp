// The shipped pictures and maps, and the game facing them damaged: each case runs in a child process in
// a scratch directory whose data/ links to the shipped files, one of them replaced. The parent never
// starts SDL, so every child starts from a clean process.
#include "helpers.h"

#include "command_line.h"
#include "hsv.h"
#include "loadtga.h"
#include "sound.h"
#include "title.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <thread>

namespace {

fs::path shipped(const std::string& Name)
{
    return fs::path(QUORVEL_SOURCE_DIR) / Name;
}

// What start-up needs: every picture under data/gfx but the window's icon and the pictures without words, and
// each level's preview.
std::vector<std::string> start_up_files()
{
    std::vector<std::string> Names;
    for (const auto& E : fs::directory_iterator(shipped("data/gfx")))
    {
        // The window's icon is not one, nor the pictures without words, drawn first in another language.
        const std::string Name = E.path().filename().string();
        if (Name != "icon.tga" && Name.find("_blank") == std::string::npos) Names.push_back("data/gfx/" + Name);
    }
    for (int a = 0; a < count_levels(); a++) Names.push_back(all_levels[a].map_texture_file);
    std::sort(Names.begin(), Names.end());
    return Names;
}

std::string with_size(std::string Bytes, int W, int H)
{
    return tga(W, H, {}) + Bytes.substr(std::min<size_t>(18, Bytes.size()));
}

// The ways a picture arrives broken; the first is no file at all.
const std::pair<const char*, std::string (*)(const std::string&)> DAMAGES[] = {
    {"missing", nullptr},
    {"empty", [](const std::string&) { return std::string(); }},
    {"header cut short", [](const std::string& Real) { return Real.substr(0, 10); }},
    {"pixels cut short", [](const std::string& Real) { return Real.substr(0, Real.size() / 2); }},
    {"negative width", [](const std::string& Real) { return with_size(Real, -3, 16); }},
    {"byte count overflows", [](const std::string& Real) { return with_size(Real, 32767, 32767); }},
    {"huge size over real pixels", [](const std::string& Real) { return with_size(Real, 23170, 23170); }},
};

class Data : public ::testing::Test
{
protected:
    game_dir dir{false};

    void SetUp() override
    {
        for (const char* Sub : {"data/gfx", "data/maps"})
        {
            fs::create_directories(Sub);
            for (const auto& E : fs::directory_iterator(shipped(Sub))) fs::create_symlink(E.path(), fs::path(Sub) / E.path().filename());
        }
    }
    void spoil(const std::string& Name, int Damage)
    {
        std::string Real = read_file(Name);
        fs::remove(Name);
        if (DAMAGES[Damage].second) write_file(Name, DAMAGES[Damage].second(Real));
    }
    void restore(const std::string& Name)
    {
        fs::remove(Name);
        fs::create_symlink(shipped(Name), Name);
    }
};

// A level started the way a player starts it: every earlier level won, the go button pressed.
void start_level(title& Title, int Index)
{
    scan_all_levels();
    for (int a = 0; a < Index; a++) all_levels[a].medals = 1;
    check_open_levels();
    Title.init();
    point_at(6.666, 5.05);
    while (Title.mode == title::m_slide_in) Title.update(0.1);
    Title.update(0.01);
    SDL_Event Click = event(SDL_MOUSEBUTTONDOWN);
    Title.notice(Click);
    while (Title.mode == title::m_slide_out) Title.update(0.1);
    if (Title.mode != title::m_play || Title.go_level != Index) std::exit(3);
}

} // namespace

// The tools (the art generator, the scripts) read the level table as the game prints it: a line a level,
// twelve fields apart by tabs.
TEST(LevelTable, PrintedForTheToolsALineALevel)
{
    std::ostringstream Out;
    print_level_table(Out);
    std::vector<std::string> Lines = split_lines(Out.str());
    ASSERT_EQ((int)Lines.size(), count_levels());
    for (const std::string& Line : Lines) EXPECT_EQ(std::count(Line.begin(), Line.end(), '\t'), 11) << Line;
    EXPECT_EQ(Lines[3], "4\tThe Coast\tdata/maps/coast1.tga\tdata/maps/coast1_preview.tga\t4\t8\t12\t4\t20\t15\t20\t100");
}

TEST_F(Data, ShippedTexturesAreSquaresAndMapsSuitTheirLevels)
{
    for (const std::string& Name : start_up_files())
    {
        std::string Bytes = read_file(Name);
        int W = (unsigned char)Bytes[12] | (unsigned char)Bytes[13] << 8, H = (unsigned char)Bytes[14] | (unsigned char)Bytes[15] << 8;
        // Sides of powers of two, for mipmaps; only the lettering's atlas, never drawn whole, may be oblong.
        bool Shape = W == H || Name == "data/gfx/font1.tga";
        EXPECT_TRUE(Shape && W > 0 && H > 0 && (W & (W - 1)) == 0 && (H & (H - 1)) == 0 && Bytes.size() == 18u + 4u * W * H)
            << Name << ": " << W << "x" << H;
    }
    for (int i = 0; i < count_levels(); i++)
    {
        const level& L = all_levels[i];
        std::string Problem;
        std::ifstream In(L.map_file, std::ios::binary);
        SDL_Surface* S = read_tga(In, Problem);
        ASSERT_NE(S, nullptr) << L.map_file << ": " << Problem;
        std::vector<int> Tiles;
        int Count[3] = {0, 0, 0}, NearEdge = 0;
        for (int a = 0; a < S->w * S->h; a++)
        {
            const unsigned char* P = (const unsigned char*)S->pixels + 4 * a;
            double Hue = rgb_to_hsv(mkfcolor(P[0] / 255.0f, P[1] / 255.0f, P[2] / 255.0f, 1))[0];
            Tiles.push_back(Hue < 0.1665 || Hue > 0.833 ? 2 : Hue < 0.4995 ? 0 : 1); // rock, grass, water
            Count[Tiles.back()]++;
            for (double Edge : {0.1665, 0.4995, 0.833}) NearEdge += hue_distance(Hue, Edge) < 0.02;
        }
        SCOPED_TRACE(L.map_file);
        EXPECT_TRUE(S->w >= 14 && S->h >= 10 && S->w * S->h < 80 * 60) << "fills the picture, drawn every frame";
        EXPECT_EQ(NearEdge, 0) << "pixels whose terrain a slight change of shade would flip";
        EXPECT_TRUE(Count[0] >= L.num_flowers && Count[1] >= L.num_flies);
        int X = (int)L.hive_pos[0], Y = (int)L.hive_pos[1]; // the hive stands on a corner of four meadow tiles
        ASSERT_TRUE(X >= 1 && X < S->w && Y >= 1 && Y < S->h);
        EXPECT_EQ(Tiles[(Y - 1) * S->w + X - 1] + Tiles[(Y - 1) * S->w + X] + Tiles[Y * S->w + X - 1] + Tiles[Y * S->w + X], 0);
        SDL_FreeSurface(S);
    }
}

TEST_F(Data, DamagedPicturesAndMapsEndTheGameWithOneLineNamingThem)
{
    std::vector<std::string> Fatal;
    std::vector<std::string> Files = start_up_files();
    ASSERT_EQ(Files.size(), 22u);
    // Every start-up file gets one kind of damage, each kind on several files: one code path reads them.
    for (size_t a = 0; a < Files.size(); a++)
    {
        int Damage = a % std::size(DAMAGES);
        SCOPED_TRACE(Files[a] + ": " + DAMAGES[Damage].first);
        spoil(Files[a], Damage);
        EXPECT_EQ(in_child([] { scan_all_levels(); title().init(); }, Fatal), 1);
        ASSERT_EQ(Fatal.size(), 1u);
        EXPECT_NE(Fatal[0].find(Files[a]), std::string::npos) << Fatal[0];
        restore(Files[a]);
    }
    for (int Index = 0; Index < count_levels(); Index++)
    {
        std::string Map = all_levels[Index].map_file;
        int Damage = (Index + 3) % std::size(DAMAGES);
        SCOPED_TRACE(Map + ": " + DAMAGES[Damage].first);
        EXPECT_EQ(in_child([=] { title T; start_level(T, Index); }, Fatal), 0) << "the shipped map starts its level";
        EXPECT_TRUE(Fatal.empty());
        spoil(Map, Damage);
        EXPECT_EQ(in_child([=] { title T; start_level(T, Index); }, Fatal), 1);
        ASSERT_EQ(Fatal.size(), 1u);
        EXPECT_NE(Fatal[0].find(Map), std::string::npos) << Fatal[0];
        restore(Map);
    }
}

TEST_F(Data, KilledRightAfterAResultIsRecordedTheNextStartHasTheMedal)
{
    const std::string Before = le_words({10, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0, 9, 0, 10, 0});
    write_file("savegame.dat", Before);
    pid_t Child = start_child([] {
        ref<title> Title = mkref(new title);
        start_level(*Title.ptr(), 0);
        Title->play_world->rescued_bees = Title->play_world->total_bees; // every bee home
        for (;;) Title->update(0.01), Title->render(), SDL_Delay(1);
    });
    // The kill follows the change as closely as this loop allows.
    bool Changed = false;
    for (auto End = std::chrono::steady_clock::now() + std::chrono::seconds(60); !Changed && std::chrono::steady_clock::now() < End;)
        if (!(Changed = read_file("savegame.dat") != Before)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    kill(Child, SIGKILL);
    int Status = 0;
    waitpid(Child, &Status, 0);
    ASSERT_TRUE(Changed) << read_file("child.txt");
    EXPECT_TRUE(WIFSIGNALED(Status)) << "still running when killed";
    EXPECT_EQ(read_file("savegame.dat"), le_words({10, 1, 1, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0, 9, 0, 10, 0}));
    for (const auto& E : fs::directory_iterator(".")) EXPECT_NE(E.path().filename().string().rfind("savegame.dat.", 0), 0u);
}

TEST_F(Data, SoundsAreShortQuietAtTheirEndsAndCentred)
{
    int Files = 0;
    for (const auto& E : fs::directory_iterator(shipped("data/sfx")))
    {
        SCOPED_TRACE(E.path().filename().string());
        std::string Bytes = read_file(E.path().string());
        ASSERT_GT(Bytes.size(), 44u);
        EXPECT_EQ(Bytes.substr(0, 4) + Bytes.substr(8, 8), "RIFFWAVEfmt ");
        EXPECT_EQ(Bytes.substr(20, 4), std::string("\1\0\1\0", 4)) << "PCM, mono";
        EXPECT_EQ(Bytes.substr(34, 6), std::string("\x10\0data", 6)) << "16 bits";
        std::vector<int> S;
        for (size_t a = 44; a + 1 < Bytes.size(); a += 2) S.push_back((short)((unsigned char)Bytes[a] | (unsigned char)Bytes[a + 1] << 8));
        double Sum = 0;
        int Peak = 0;
        for (int V : S) Sum += V, Peak = std::max(Peak, std::abs(V));
        EXPECT_TRUE(S.size() > 22050 / 20 && S.size() < 22050 * 3) << S.size() << " samples";
        EXPECT_TRUE(Peak > 32767 / 10 && Peak < 32767 * 0.9) << "peak " << Peak;
        EXPECT_TRUE(std::abs(S.front()) < 100 && std::abs(S.back()) < 100) << "silent ends: " << S.front() << ", " << S.back();
        EXPECT_LT(std::abs(Sum / S.size()), 32767 * 0.005) << "offset";
        Files++;
    }
    EXPECT_EQ(Files, SND_SIZE);
    fs::create_directory_symlink(shipped("data/sfx"), "data/sfx");
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    sound Sound;
    Sound.init();
    EXPECT_EQ(Sound.loaded(), SND_SIZE) << "the game loads every one";
}
