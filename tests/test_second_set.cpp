// The second set: its levels open one by one after the table's last, its medals are kept beside the save
// without touching it, a damaged file of either kind costs nothing, and its screen plays, refuses and
// shows how as the player asks.
#include "helpers.h"

#include "level_file.h"
#include "level_run.h"
#include "level_set.h"
#include "replay.h"
#include "replay_view.h"
#include "second_set.h"
#include "sound.h"

namespace {

// Three small levels in a set folder of the test's own, told apart by their bees.
struct SecondSet : ::testing::Test
{
    game_dir dir;
    std::vector<level_data> made;

    SecondSet()
    {
        fs::create_directories("set");
        for (int n = 0; n < 3; n++)
        {
            level_data L;
            L.name = "Set level " + std::to_string(n + 1), L.line = "One of three.", L.w = 10, L.h = 8;
            for (int t = 0; t < L.w * L.h; t++) L.rgb.insert(L.rgb.end(), {60, 160, 50});
            L.hive_pos = mkrpos(5, 4, 0), L.num_flowers = 2, L.num_bees = 3 + n;
            L.medal_bees[0] = 1, L.medal_bees[1] = 2, L.medal_bees[2] = 3;
            write_file("set/" + std::to_string(11 + n) + "-level.qbl", write_level_file(L));
            made.push_back(L);
        }
    }
    level_set loaded()
    {
        level_set S;
        S.load("set");
        return S;
    }
};

} // namespace

// None open until the table's last level has a medal; then the first, and each medal opens the next.
// Medals are kept by file across a new start, in a file of their own; only better ones are written.
TEST_F(SecondSet, OpensLevelByLevelAndKeepsItsMedals)
{
    level_set S = loaded();
    ASSERT_EQ(S.levels.size(), 3u);
    EXPECT_EQ(S.levels[2].data.num_bees, 5) << "in the order of the files' names";
    EXPECT_EQ(S.open_count(0), 0);
    EXPECT_EQ(S.open_count(1), 1);
    S.record(S.levels[0].key, 2);
    EXPECT_EQ(S.open_count(0), 0) << "the gate holds whatever the set's own medals";
    EXPECT_EQ(S.open_count(3), 2);
    S.record(S.levels[0].key, 1); // worse: kept as it was
    S.record(S.levels[1].key, 3);
    S.record(12345, 3); // no level of the set
    EXPECT_FALSE(fs::exists("savegame.dat"));

    level_set Again = loaded();
    EXPECT_EQ(Again.medals_of(Again.levels[0].key), 2);
    EXPECT_EQ(Again.medals_of(Again.levels[1].key), 3);
    EXPECT_EQ(Again.medals_of(Again.levels[2].key), 0);
    EXPECT_EQ(Again.open_count(1), 3);
    EXPECT_EQ(read_file("second_set.txt"), "quorvel-bees second set 1\n11-level.qbl 2\n12-level.qbl 3\n");

    // A file renamed keeps nothing; a file of the set gone keeps its medals in the file for its return.
    fs::rename("set/11-level.qbl", "set/10-level.qbl");
    level_set Renamed = loaded();
    EXPECT_EQ(Renamed.medals_of(Renamed.levels[0].key), 0);
    Renamed.record(Renamed.levels[0].key, 1);
    EXPECT_NE(read_file("second_set.txt").find("11-level.qbl 2"), std::string::npos);
    EXPECT_NE(read_file("second_set.txt").find("10-level.qbl 1"), std::string::npos);
}

// A damaged level file is passed over with one line; a foreign medals file is read as nothing and never
// written over, and a damaged line in one is passed over alone.
TEST_F(SecondSet, DamagedFilesCostNothing)
{
    write_file("set/11-level.qbl", "quorvel-bees level 1\nname: cut short\n");
    std::string Said = printed_by([&] {
        level_set S = loaded();
        EXPECT_EQ(S.levels.size(), 2u);
    });
    EXPECT_NE(Said.find("can't read set/11-level.qbl"), std::string::npos) << Said;

    write_file("second_set.txt", "my notes\n12-level.qbl 3\n");
    level_set S;
    Said = printed_by([&] { S = loaded(); });
    EXPECT_NE(Said.find("will not be saved over"), std::string::npos) << Said;
    EXPECT_EQ(S.medals_of(S.levels[0].key), 0);
    S.record(S.levels[0].key, 3);
    EXPECT_EQ(read_file("second_set.txt"), "my notes\n12-level.qbl 3\n");

    write_file("second_set.txt", "quorvel-bees second set 1\n12-level.qbl many\n13-level.qbl 9\n12-level.qbl 2 3\n13-level.qbl 1\n");
    Said = printed_by([&] { S = loaded(); });
    EXPECT_EQ(S.medals_of(S.levels[1].key), 1);
    EXPECT_EQ(S.medals_of(S.levels[0].key), 0);
    EXPECT_NE(Said.find("line 2 "), std::string::npos);
    EXPECT_NE(Said.find("line 4 "), std::string::npos);

    fs::remove("second_set.txt");
    fs::create_directory("second_set.txt"); // not a plain file: refused, not read through
    Said = printed_by([&] { S = loaded(); });
    EXPECT_NE(Said.find("can't read second_set.txt"), std::string::npos) << Said;
    S.record(S.levels[0].key, 2);
    EXPECT_TRUE(fs::is_directory("second_set.txt"));
}

// The screen: a closed level refused with a sound, an open one played with its number and translated
// name, its medals kept by the set; Watch how refused without a demonstration and shown with one.
TEST_F(SecondSet, TheScreenPlaysOpenLevelsAndShowsHow)
{
    second_set Closed(0, "set");
    SDL_Event Enter = event(SDL_KEYDOWN, SDLK_RETURN), H = event(SDL_KEYDOWN, SDLK_h), Right = event(SDL_KEYDOWN, SDLK_RIGHT),
              Left = event(SDL_KEYDOWN, SDLK_LEFT);
    Closed.notice(Enter);
    EXPECT_EQ(Closed.opened(), nullptr);
    cues Heard;
    Closed.hear(Heard);
    EXPECT_EQ(Heard.sounds, std::vector<int>{snd_locked});
    EXPECT_FALSE(Closed.offers(SDLK_RETURN));

    second_set Set(1, "set");
    EXPECT_EQ(Set.selected, 0);
    Set.notice(Right);
    Set.notice(Enter);
    EXPECT_EQ(Set.opened(), nullptr) << "the second is closed until the first has a medal";
    Set.notice(Left);
    Set.notice(Enter);
    screen* Opened = Set.opened();
    level_run* Run = dynamic_cast<level_run*>(Opened);
    ASSERT_NE(Run, nullptr);
    EXPECT_EQ(Run->level.name, std::to_string(count_levels() + 1) + " · Set level 1");
    EXPECT_EQ(Run->key, Set.set.levels[0].key) << "the same level, whatever it is called";
    Run->shelf->record(Run->key, 1);
    EXPECT_EQ(Set.is_open(1), true);
    delete Opened;

    Set.notice(H);
    EXPECT_EQ(Set.opened(), nullptr) << "no demonstration to show";
    replay Demo;
    Demo.level_id = 0, Demo.level_hash = Set.set.levels[0].key, Demo.seed = 3;
    Demo.frames.resize(10);
    fs::remove("data");
    fs::create_directories("data/demos/set2");
    fs::create_directory_symlink(fs::path(QUORVEL_SOURCE_DIR) / "data" / "gfx", "data/gfx");
    write_file(set_demo_path("11-level.qbl"), write_replay(Demo));
    Set.notice(H);
    Opened = Set.opened();
    EXPECT_NE(dynamic_cast<replay_view*>(Opened), nullptr);
    delete Opened;
    // Another level's demonstration is not shown as this one's.
    write_file(set_demo_path("12-level.qbl"), write_replay(Demo));
    Set.notice(Right);
    Set.notice(H);
    EXPECT_EQ(Set.opened(), nullptr);
}
