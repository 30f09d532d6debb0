// The trace log: standard output always, the trace file only once one is attached.
// Runs in the order written when the executable runs whole: the unattached case comes first.
#include "die.h"
#include "helpers.h"

#include <gtest/gtest.h>


namespace {

// Runs Body with the working directory in Dir, returning what it printed.
template <class F>
std::string in_scratch(const scratch_dir& Dir, F Body)
{
    std::filesystem::path Old = std::filesystem::current_path();
    std::filesystem::current_path(Dir.path);
    testing::internal::CaptureStdout();
    Body();
    std::string Out = testing::internal::GetCapturedStdout();
    std::filesystem::current_path(Old);
    return Out;
}

// Back to the state of a fresh program, for whichever test runs next in this process.
void detach_trace_file()
{
    TRACE_FILE.close();
    TRACE_FILE.clear();
}

} // namespace

TEST(Trace, WithoutAFileLinesReachStandardOutputOnly)
{
    ASSERT_FALSE(TRACE_FILE.is_open());
    scratch_dir Dir;
    std::string Out = in_scratch(Dir, [] {
        trace('-', "WELCOME TO QUORVEL BEES!!!");
        trace('!', "value ", 42, "x", -7, ", name ", std::string("data/gfx/a.tga"));
        trace('*', "fatal");
    });
    EXPECT_EQ(Out, "- WELCOME TO QUORVEL BEES!!!\n! value 42x-7, name data/gfx/a.tga\n* fatal\n");
    EXPECT_TRUE(Dir.names().empty());
    // The unattached stream has failed quietly, which is all it does.
    EXPECT_FALSE(TRACE_FILE.good());
}

TEST(Trace, AttachedFileGetsTheSameLinesAndIsTruncatedFirst)
{
    scratch_dir Dir;
    std::string Log = Dir.file("trace.txt");
    write_file(Log, "an older run's lines\nmore of them\n");

    std::string Out = in_scratch(Dir, [&] {
        trace('-', "before attaching");
        die_init(Log);
        trace('-', "screen open: want BPP is ", 32);
        trace('*', "load tga fatal: can't open file ", "data/gfx/none.tga");
    });
    EXPECT_EQ(Out, "- before attaching\n- screen open: want BPP is 32\n* load tga fatal: can't open file data/gfx/none.tga\n");
    // Each line reaches the file as soon as it is written, not only when the program ends.
    EXPECT_EQ(read_file(Log), "- screen open: want BPP is 32\n* load tga fatal: can't open file data/gfx/none.tga\n");
    detach_trace_file();
}

TEST(Trace, AttachingRecoversAStreamThatFailedEarlier)
{
    scratch_dir Dir;
    trace('-', "into the void"); // fails the unattached stream
    die_init(Dir.file("missing-dir/trace.txt"));
    EXPECT_TRUE(TRACE_FILE.fail());
    std::string Log = Dir.file("trace.txt");
    die_init(Log);
    EXPECT_TRUE(TRACE_FILE.good());
    testing::internal::CaptureStdout();
    trace('-', "works again");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(read_file(Log), "- works again\n");
    detach_trace_file();
}

TEST(Trace, PathInAMissingDirectoryChangesNothingElse)
{
    scratch_dir Dir;
    std::string Out = in_scratch(Dir, [&] {
        die_init(Dir.file("no/such/dir/trace.txt"));
        trace('-', "main: initializing SDL");
        trace('!', "still here");
    });
    EXPECT_EQ(Out, "- main: initializing SDL\n! still here\n");
    EXPECT_TRUE(Dir.names().empty()) << "die_init must not create directories or files";
    EXPECT_FALSE(TRACE_FILE.is_open());
    detach_trace_file();
}
