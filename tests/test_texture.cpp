// The texture cache under a real GL context (SDL's offscreen driver): one upload per name, what is
// uploaded, and the hit masks.
#include "helpers.h"
#include "texture.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL2/SDL.h>

namespace {

class Texture : public ::testing::Test
{
protected:
    static SDL_Window* window;
    static SDL_GLContext context;
    static scratch_dir* dir;

    static void SetUpTestSuite()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window = SDL_CreateWindow("texture test", 0, 0, 64, 64, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        context = SDL_GL_CreateContext(window);
        ASSERT_NE(context, nullptr) << SDL_GetError();
        dir = new scratch_dir;
    }
    static void TearDownTestSuite()
    {
        delete dir;
        SDL_GL_DeleteContext(context);
        SDL_DestroyWindow(window);
        SDL_Quit();
    }
    void SetUp() override
    {
        if (!context) GTEST_SKIP() << "no GL context";
    }

    // Each test writes its own files, so names never collide in the process-wide cache.
    static std::string picture(const std::string& Name, int W, int H, const std::vector<unsigned char>& Bgra)
    {
        std::string Path = dir->file(Name);
        write_file(Path, tga_file(W, H, Bgra));
        return Path;
    }

    static texture* load(const std::string& Name, bool NoInterp, std::string& Out)
    {
        testing::internal::CaptureStdout();
        texture* T = texture_load(Name, NoInterp);
        Out = testing::internal::GetCapturedStdout();
        return T;
    }

    static GLint bound_texture()
    {
        GLint Bound = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &Bound);
        return Bound;
    }

    static GLint tex_param(GLenum Name)
    {
        GLint Value = -1;
        glGetTexParameteriv(GL_TEXTURE_2D, Name, &Value);
        return Value;
    }
};

SDL_Window* Texture::window = nullptr;
SDL_GLContext Texture::context = nullptr;
scratch_dir* Texture::dir = nullptr;

std::vector<unsigned char> quad_pixels(int Count)
{
    std::vector<unsigned char> P;
    for (int a = 0; a < Count; a++)
    {
        P.push_back((unsigned char)(10 * a + 1)); // blue
        P.push_back((unsigned char)(10 * a + 2)); // green
        P.push_back((unsigned char)(10 * a + 3)); // red
        P.push_back((unsigned char)(255 - a));    // alpha
    }
    return P;
}

} // namespace

TEST_F(Texture, OneUploadAndOneTraceLinePerName)
{
    std::string Name = picture("once.tga", 2, 2, quad_pixels(4));
    std::string Out;
    texture* First = load(Name, false, Out);
    ASSERT_NE(First, nullptr);
    EXPECT_EQ(Out, "- texture load: loading tga " + Name + "\n");
    EXPECT_TRUE(glIsTexture((GLuint)First->id));
    EXPECT_EQ(bound_texture(), First->id); // left bound after the upload

    glBindTexture(GL_TEXTURE_2D, 0);
    texture* Second = load(Name, true, Out);
    EXPECT_EQ(Second, First);
    EXPECT_EQ(Out, "");
    EXPECT_EQ(bound_texture(), 0) << "a cached name must not bind or upload again";

    // The second request's NoInterp did not reach the texture.
    glBindTexture(GL_TEXTURE_2D, (GLuint)First->id);
    EXPECT_EQ(tex_param(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

TEST_F(Texture, DifferentSpellingsOfOnePathAreTwoEntries)
{
    std::string Name = picture("twice.tga", 1, 1, quad_pixels(1));
    std::string Other = dir->path.string() + "/./twice.tga";
    std::string Out1, Out2;
    texture* A = load(Name, false, Out1);
    texture* B = load(Other, false, Out2);
    EXPECT_NE(A, B);
    EXPECT_NE(A->id, B->id);
    EXPECT_EQ(Out2, "- texture load: loading tga " + Other + "\n");
}

TEST_F(Texture, UploadsTheStoredPixelsAsRgba)
{
    std::vector<unsigned char> Bgra = quad_pixels(6);
    std::string Out;
    texture* T = load(picture("pixels.tga", 3, 2, Bgra), true, Out);
    EXPECT_EQ(T->w, 3);
    EXPECT_EQ(T->h, 2);

    glBindTexture(GL_TEXTURE_2D, (GLuint)T->id);
    std::vector<unsigned char> Texels(3 * 2 * 4, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, Texels.data());
    GLint Format = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &Format);
    EXPECT_EQ(Format, GL_RGBA);
    // First stored row is texture row 0; each texel is the file's pixel turned into red, green, blue, alpha.
    for (int a = 0; a < 6; a++)
    {
        EXPECT_EQ(Texels[a * 4 + 0], Bgra[a * 4 + 2]) << "pixel " << a;
        EXPECT_EQ(Texels[a * 4 + 1], Bgra[a * 4 + 1]) << "pixel " << a;
        EXPECT_EQ(Texels[a * 4 + 2], Bgra[a * 4 + 0]) << "pixel " << a;
        EXPECT_EQ(Texels[a * 4 + 3], Bgra[a * 4 + 3]) << "pixel " << a;
    }
    GLint Alignment = 0, EnvMode = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &Alignment);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &EnvMode);
    EXPECT_EQ(Alignment, 1);
    EXPECT_EQ(EnvMode, GL_MODULATE);
}

TEST_F(Texture, SamplingFollowsNoInterpAndMipmapsAreAlwaysBuilt)
{
    std::string Out;
    texture* Sharp = load(picture("sharp.tga", 4, 4, quad_pixels(16)), true, Out);
    texture* Smooth = load(picture("smooth.tga", 4, 4, quad_pixels(16)), false, Out);
    struct expected
    {
        texture* tex;
        GLint mag, min;
    };
    for (expected E : {expected{Sharp, GL_NEAREST, GL_NEAREST}, expected{Smooth, GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR}})
    {
        glBindTexture(GL_TEXTURE_2D, (GLuint)E.tex->id);
        EXPECT_EQ(tex_param(GL_TEXTURE_MAG_FILTER), E.mag);
        EXPECT_EQ(tex_param(GL_TEXTURE_MIN_FILTER), E.min);
        EXPECT_EQ(tex_param(GL_TEXTURE_WRAP_S), GL_REPEAT);
        EXPECT_EQ(tex_param(GL_TEXTURE_WRAP_T), GL_REPEAT);
        EXPECT_EQ(tex_param(GL_GENERATE_MIPMAP), GL_TRUE);
        GLint Level1 = 0, Level2 = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &Level1);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 2, GL_TEXTURE_WIDTH, &Level2);
        EXPECT_EQ(Level1, 2);
        EXPECT_EQ(Level2, 1);
    }
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(Texture, MaskOfTheThreeByTwoPicture)
{
    // Only the last stored pixel is transparent; one pixel has alpha 1, which still counts as visible.
    std::vector<unsigned char> Bgra = quad_pixels(6);
    Bgra[1 * 4 + 3] = 1;
    Bgra[5 * 4 + 3] = 0;
    std::string Out;
    texture* T = load(picture("mask.tga", 3, 2, Bgra), false, Out);
    ASSERT_EQ(T->mask.size(), 6u);
    for (int X = 0; X < 3; X++) EXPECT_TRUE(T->check_mask(X, 0)) << X;
    EXPECT_TRUE(T->check_mask(0, 1));
    EXPECT_TRUE(T->check_mask(1, 1));
    EXPECT_FALSE(T->check_mask(2, 1));
    EXPECT_FALSE(T->check_mask(-1, 0));
    EXPECT_FALSE(T->check_mask(3, 0));
    EXPECT_FALSE(T->check_mask(0, 2));
    EXPECT_FALSE(T->check_mask(0, -1));
    EXPECT_FALSE(T->check_mask(1, 1 << 30));
}

TEST_F(Texture, EmptyPictureGivesAnEmptyMask)
{
    std::string Out;
    texture* T = load(picture("empty.tga", 0, 3, {}), false, Out);
    EXPECT_EQ(T->w, 0);
    EXPECT_EQ(T->h, 3);
    EXPECT_TRUE(T->mask.empty());
    EXPECT_FALSE(T->check_mask(0, 0));
}

// No GL context here: the program stops before anything would be uploaded, and a forked child with no
// GL threads around is safe to let die.
TEST(TextureFailure, UnreadablePictureStopsTheProgram)
{
    scratch_dir Dir;
    auto Failed = [](int Status) { return WIFEXITED(Status) && WEXITSTATUS(Status) != 0; };
    EXPECT_EXIT(texture_load(Dir.file("absent.tga"), false), Failed, "");
    std::string Truncated = Dir.file("short.tga");
    write_file(Truncated, tga_file(4, 4, quad_pixels(3)));
    EXPECT_EXIT(texture_load(Truncated, false), Failed, "");
}
