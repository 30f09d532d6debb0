// The TGA reader: byte order, row order, empty images, and files that lie about their size.
#include "helpers.h"
#include "loadtga.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace {

struct surface_deleter
{
    void operator()(SDL_Surface* S) const { SDL_FreeSurface(S); }
};
typedef std::unique_ptr<SDL_Surface, surface_deleter> surface_ptr;

std::vector<unsigned char> pixel_bytes(const SDL_Surface* S)
{
    const unsigned char* P = (const unsigned char*)S->pixels;
    return std::vector<unsigned char>(P, P + (size_t)S->w * S->h * 4);
}

surface_ptr read_bytes(const std::string& Bytes, std::string& Problem)
{
    std::istringstream In(Bytes, std::ios::in | std::ios::binary);
    return surface_ptr(read_tga(In, Problem));
}

// A stream that cannot seek, so the reader cannot learn the file's length in advance and must notice a
// short read as it happens.
class unseekable_buf : public std::streambuf
{
public:
    explicit unseekable_buf(const std::string& Bytes) : data(Bytes)
    {
        char* Begin = &data[0];
        setg(Begin, Begin, Begin + data.size());
    }

private:
    std::string data;
};

// Loads a file by name, returning the surface and setting Out to what was printed.
surface_ptr load_file(const std::string& Name, std::string& Out)
{
    testing::internal::CaptureStdout();
    surface_ptr S(load_tga(Name));
    Out = testing::internal::GetCapturedStdout();
    return S;
}

void expect_one_fatal_line_naming(const std::string& Out, const std::string& Name)
{
    std::vector<std::string> Lines = split_lines(Out);
    ASSERT_EQ(Lines.size(), 1u) << Out;
    EXPECT_EQ(Lines[0].rfind("* load tga fatal: ", 0), 0u) << Lines[0];
    EXPECT_NE(Lines[0].find(Name), std::string::npos) << Lines[0];
    EXPECT_EQ(Out.back(), '\n');
}

} // namespace

TEST(TgaLayout, BlueGreenRedAlphaBecomesRedGreenBlueAlphaInMemory)
{
    std::string Problem;
    surface_ptr S = read_bytes(tga_file(2, 1, {10, 20, 30, 40, 50, 60, 70, 80}), Problem);
    ASSERT_TRUE(S) << Problem;
    EXPECT_EQ(S->w, 2);
    EXPECT_EQ(S->h, 1);
    EXPECT_EQ(S->pitch, 8);
    EXPECT_EQ(S->format->BitsPerPixel, 32);
    EXPECT_EQ(S->format->Rmask, 0x000000FFu);
    EXPECT_EQ(S->format->Gmask, 0x0000FF00u);
    EXPECT_EQ(S->format->Bmask, 0x00FF0000u);
    EXPECT_EQ(S->format->Amask, 0xFF000000u);
    EXPECT_EQ(pixel_bytes(S.get()), (std::vector<unsigned char>{30, 20, 10, 40, 70, 60, 50, 80}));
}

TEST(TgaLayout, StoredRowOrderIsKeptWhateverTheOrigin)
{
    // Row 0 stored red, row 1 stored blue; the descriptor's top-left bit must not flip them.
    std::vector<unsigned char> Rows = {0, 0, 255, 255, 0, 0, 255, 255, 255, 0, 0, 255, 255, 0, 0, 255};
    for (unsigned char Descriptor : {0x00, 0x08, 0x20, 0x28})
    {
        std::string Problem;
        surface_ptr S = read_bytes(tga_file(2, 2, Rows, Descriptor), Problem);
        ASSERT_TRUE(S) << Problem;
        EXPECT_EQ(pixel_bytes(S.get()),
                  (std::vector<unsigned char>{255, 0, 0, 255, 255, 0, 0, 255, 0, 0, 255, 255, 0, 0, 255, 255}))
            << "descriptor " << (int)Descriptor;
    }
}

TEST(TgaLayout, OtherHeaderFieldsAreNotLookedAt)
{
    // A header claiming run-length, 24-bit data is still read as plain 32-bit pixels.
    std::string Bytes = tga_header(1, 1, 0, 10, 24) + std::string("\x01\x02\x03\x04", 4);
    std::string Problem;
    surface_ptr S = read_bytes(Bytes, Problem);
    ASSERT_TRUE(S) << Problem;
    EXPECT_EQ(pixel_bytes(S.get()), (std::vector<unsigned char>{3, 2, 1, 4}));
}

TEST(TgaLayout, ReadsNothingPastThePixels)
{
    std::string Footer = "TRUEVISION-XFILE.";
    std::istringstream In(tga_file(1, 2, {1, 2, 3, 4, 5, 6, 7, 8}) + Footer, std::ios::in | std::ios::binary);
    std::string Problem;
    surface_ptr S(read_tga(In, Problem));
    ASSERT_TRUE(S) << Problem;
    EXPECT_EQ((long long)In.tellg(), 18 + 8);
    std::string Rest;
    In >> Rest;
    EXPECT_EQ(Rest, Footer);
}

TEST(TgaLayout, ZeroSizesGiveEmptySurfacesAndReadNoPixels)
{
    for (auto Size : std::vector<std::pair<int, int>>{{0, 0}, {0, 5}, {7, 0}})
    {
        std::istringstream In(tga_header(Size.first, Size.second) + "rest", std::ios::in | std::ios::binary);
        std::string Problem;
        surface_ptr S(read_tga(In, Problem));
        ASSERT_TRUE(S) << Problem;
        EXPECT_EQ(S->w, Size.first);
        EXPECT_EQ(S->h, Size.second);
        EXPECT_EQ((long long)In.tellg(), 18);
    }
}

TEST(TgaLayout, LargestSizesAreSigned16Bit)
{
    // 32767 wide is fine; 32768 is read as negative and refused.
    std::string Problem;
    surface_ptr Wide = read_bytes(tga_file(32767, 1, std::vector<unsigned char>(32767 * 4, 9)), Problem);
    ASSERT_TRUE(Wide) << Problem;
    EXPECT_EQ(Wide->w, 32767);
    EXPECT_EQ(((unsigned char*)Wide->pixels)[32767 * 4 - 1], 9);

    surface_ptr Negative = read_bytes(tga_file(32768, 1, std::vector<unsigned char>(32768 * 4, 9)), Problem);
    EXPECT_FALSE(Negative);
}

TEST(TgaRefusal, MissingFileGivesExactlyOneFatalLine)
{
    scratch_dir Dir;
    std::string Name = Dir.file("no_such_picture.tga");
    std::string Out;
    surface_ptr S = load_file(Name, Out);
    EXPECT_FALSE(S);
    EXPECT_EQ(Out, "* load tga fatal: can't open file " + Name + "\n");
}

TEST(TgaRefusal, HostileHeadersAreRefusedWithOneLineNamingTheFile)
{
    struct hostile
    {
        const char* what;
        std::string bytes;
    };
    std::vector<hostile> Cases = {
        {"negative width", tga_header(-1, 4) + std::string(64, 'x')},
        {"negative height", tga_header(4, -3) + std::string(64, 'x')},
        {"both at -32768", tga_header(-32768, -32768)},
        // 32767 x 32767 x 4 bytes does not fit 32 bits; wrapped, it would look small.
        {"byte count overflows", tga_header(32767, 32767) + std::string(64, 'x')},
        {"pixel count just past 2^29", tga_header(32767, 16385) + std::string(64, 'x')},
        {"truncated pixels", tga_file(2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
        {"huge size, few bytes", tga_header(16384, 8191) + std::string(100, 'x')},
        {"truncated header", tga_header(2, 2).substr(0, 10)},
        {"empty file", ""},
    };
    scratch_dir Dir;
    for (size_t a = 0; a < Cases.size(); a++)
    {
        std::string Name = Dir.file("hostile" + std::to_string(a) + ".tga");
        write_file(Name, Cases[a].bytes);
        std::string Out;
        surface_ptr S = load_file(Name, Out);
        EXPECT_FALSE(S) << Cases[a].what;
        SCOPED_TRACE(Cases[a].what);
        expect_one_fatal_line_naming(Out, Name);
    }
}

TEST(TgaRefusal, ShortReadNoticedOnAStreamThatCannotSeek)
{
    unseekable_buf Buffer(tga_file(2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    std::istream In(&Buffer);
    std::string Problem;
    surface_ptr S(read_tga(In, Problem));
    EXPECT_FALSE(S);
    EXPECT_FALSE(Problem.empty());

    unseekable_buf Whole(tga_file(1, 1, {1, 2, 3, 4}));
    std::istream InWhole(&Whole);
    surface_ptr Good(read_tga(InWhole, Problem));
    ASSERT_TRUE(Good);
    EXPECT_EQ(pixel_bytes(Good.get()), (std::vector<unsigned char>{3, 2, 1, 4}));
}

TEST(TgaRefusal, StreamFormSaysWhyOnOneLine)
{
    std::istringstream In(tga_header(-5, 5), std::ios::in | std::ios::binary);
    testing::internal::CaptureStdout();
    surface_ptr S(load_tga(In));
    std::string Out = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(S);
    std::vector<std::string> Lines = split_lines(Out);
    ASSERT_EQ(Lines.size(), 1u) << Out;
    EXPECT_EQ(Lines[0].rfind("* load tga fatal: ", 0), 0u);
}

TEST(TgaLoad, ReadsAFileByName)
{
    scratch_dir Dir;
    std::string Name = Dir.file("two.tga");
    write_file(Name, tga_file(2, 1, {10, 20, 30, 40, 50, 60, 70, 80}));
    std::string Out;
    surface_ptr S = load_file(Name, Out);
    ASSERT_TRUE(S);
    EXPECT_EQ(Out, "");
    EXPECT_EQ(pixel_bytes(S.get()), (std::vector<unsigned char>{30, 20, 10, 40, 70, 60, 50, 80}));
}
