#include "text.h"

#include "clamp.h"
#include "font_glyphs.h"
#include "picture.h"
#include "texture.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <cassert>
#include <cmath>

using font_glyphs::GLYPHS;

namespace {
// Fixed-function GL cannot smooth an edge by the field's slope on screen, so each edge is cut PASSES
// times at levels EDGE_PX screen pixels apart in all, each cut adding an equal share of the colour:
// as sharp at 18 pixels a line as at 108, where one soft ramp baked into the atlas would be a
// blur at one end or jagged at the other.
const int PASSES = 4;
const double EDGE_PX = 1.0;
// The rim round outlined text, in line heights; the field's spread may allow less on small text.
const double RIM = 0.06;
// How much nearer each cut lies than the one before: a few steps of a 16-bit depth buffer.
const double LAYER = 1e-3;

constexpr bool ascending()
{
    for (size_t a = 1; a < std::size(GLYPHS); a++)
        if (GLYPHS[a - 1].code >= GLYPHS[a].code) return false;
    return true;
}
static_assert(ascending(), "the glyphs are looked up by binary search");

// Null for a code point the atlas lacks. Every letter is looked up several times a frame: a binary
// search of the few hundred glyphs takes nine steps at most.
const font_glyphs::glyph* find_glyph(int Code)
{
    const font_glyphs::glyph* G = std::lower_bound(std::begin(GLYPHS), std::end(GLYPHS), Code,
                                                   [](const font_glyphs::glyph& G, int C) { return G.code < C; });
    return G != std::end(GLYPHS) && G->code == Code ? G : nullptr;
}

double pixels_per_unit()
{
    return picture_viewport.h / PICTURE_H;
}

double snapped(double Units)
{
    return std::round(Units * pixels_per_unit()) / pixels_per_unit();
}
} // namespace

font::font() : atlas(nullptr), replacement(find_glyph(font_glyphs::REPLACEMENT))
{
    assert(replacement);
}

void font::load()
{
    atlas = texture_load("data/gfx/font1.tga", false);
}

std::vector<int> utf8_code_points(const std::string& Utf8)
{
    static const int LEAST[4] = {0, 0x80, 0x800, 0x10000}; // shorter forms are malformed
    std::vector<int> Codes;
    size_t a = 0;
    while (a < Utf8.size())
    {
        unsigned char Lead = (unsigned char)Utf8[a++];
        int Follow = Lead < 0x80 ? 0 : Lead < 0xC2 ? -1 : Lead < 0xE0 ? 1 : Lead < 0xF0 ? 2 : Lead < 0xF5 ? 3 : -1;
        int Code = Follow <= 0 ? Lead : Lead & (0x3F >> Follow);
        int Got = 0;
        // A sequence cut short is one malformed code, and the byte that cut it starts the next.
        for (; Got < Follow && a < Utf8.size() && ((unsigned char)Utf8[a] & 0xC0) == 0x80; Got++)
            Code = Code << 6 | ((unsigned char)Utf8[a++] & 0x3F);
        bool Whole = Follow >= 0 && Got == Follow && Code >= LEAST[Follow] && Code <= 0x10FFFF &&
                     !(Code >= 0xD800 && Code < 0xE000);
        Codes.push_back(Whole ? Code : -1);
    }
    return Codes;
}

std::vector<int> font::codes(const std::string& Utf8)
{
    std::vector<int> Codes = utf8_code_points(Utf8);
    for (int& Code : Codes)
        if (Code < 0 || !find_glyph(Code)) Code = font_glyphs::REPLACEMENT;
    return Codes;
}

const font_glyphs::glyph& font::glyph(int Code) const
{
    const font_glyphs::glyph* G = find_glyph(Code);
    return G ? *G : *replacement;
}

double font::width(const std::string& Utf8, double Size) const
{
    double Sum = 0.0;
    for (int Code : codes(Utf8)) Sum += glyph(Code).advance;
    return Sum * Size / font_glyphs::LINE_HEIGHT;
}

std::string font::fitted(const std::string& Utf8, double Size, double MaxWidth) const
{
    if (width(Utf8, Size) <= MaxWidth) return Utf8;
    for (size_t n = Utf8.size(); n > 0; n--)
        if (((unsigned char)Utf8[n] & 0xC0) != 0x80 && width(Utf8.substr(0, n) + "…", Size) <= MaxWidth) return Utf8.substr(0, n) + "…";
    return "…";
}

std::vector<std::string> font::wrap(const std::string& Utf8, double Size, double MaxWidth) const
{
    std::vector<std::string> Lines;
    const double Space = width(" ", Size);
    size_t Start = 0;
    for (;;)
    {
        size_t End = Utf8.find('\n', Start);
        std::string Paragraph = Utf8.substr(Start, End == std::string::npos ? std::string::npos : End - Start);
        std::string Line;
        double LineWidth = 0.0;
        for (size_t Word = Paragraph.find_first_not_of(' '); Word != std::string::npos;)
        {
            size_t WordEnd = std::min(Paragraph.find(' ', Word), Paragraph.size());
            std::string W = Paragraph.substr(Word, WordEnd - Word);
            double Wide = width(W, Size);
            if (Line.empty())
                Line = W, LineWidth = Wide;
            else if (LineWidth + Space + Wide <= MaxWidth)
                Line += " " + W, LineWidth += Space + Wide;
            else
            {
                Lines.push_back(Line);
                Line = W, LineWidth = Wide;
            }
            Word = Paragraph.find_first_not_of(' ', WordEnd);
        }
        Lines.push_back(Line);
        if (End == std::string::npos) return Lines;
        Start = End + 1;
    }
}

void font::draw(const std::string& Utf8, const rpos& At, double Size, align Align, const fcolor& Colour) const
{
    render(Utf8, At, Size, Align, Colour, nullptr);
}

void font::draw_outlined(const std::string& Utf8, const rpos& At, double Size, align Align, const fcolor& Colour,
                         const fcolor& Rim) const
{
    render(Utf8, At, Size, Align, Colour, &Rim);
}

void font::render(const std::string& Utf8, const rpos& At, double Size, align Align, const fcolor& Colour,
                  const fcolor* Rim) const
{
    assert(atlas && "font::load first");
    if (!atlas || Size <= 0.0) return;
    // Looked up once here, not in each of the cuts.
    std::vector<const font_glyphs::glyph*> Glyphs;
    for (int Code : codes(Utf8)) Glyphs.push_back(&glyph(Code));
    double Wide = width(Utf8, Size);
    // The pen starts on a whole pixel and the baseline lies on one, so straight stems and the letters'
    // feet fall on pixel edges.
    rpos Pen = At;
    Pen[0] = snapped(At[0] - (Align == centre ? Wide / 2 : Align == right ? Wide : 0.0));
    Pen[1] = snapped(At[1] + font_glyphs::ASCENT * Size / font_glyphs::LINE_HEIGHT);

    GLboolean WasBlending = glIsEnabled(GL_BLEND), WasTexturing = glIsEnabled(GL_TEXTURE_2D),
              WasTesting = glIsEnabled(GL_ALPHA_TEST), Mask[4];
    GLint AlphaFunc = GL_GREATER, BlendSrc = GL_SRC_ALPHA, BlendDst = GL_ONE_MINUS_SRC_ALPHA, DepthFunc = GL_LEQUAL;
    GLfloat AlphaRef = 0.0f;
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &AlphaFunc);
    glGetFloatv(GL_ALPHA_TEST_REF, &AlphaRef);
    glGetIntegerv(GL_BLEND_SRC_RGB, &BlendSrc);
    glGetIntegerv(GL_BLEND_DST_RGB, &BlendDst);
    glGetIntegerv(GL_DEPTH_FUNC, &DepthFunc);
    glGetBooleanv(GL_COLOR_WRITEMASK, Mask);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_ALPHA_TEST);
    glBindTexture(GL_TEXTURE_2D, atlas->id);
    // Each cut's share comes from the blend colour: the fragment's alpha is the field, for the cut.
    glBlendFunc(GL_CONSTANT_ALPHA, GL_ONE_MINUS_CONSTANT_ALPHA);
    // Each cut lies a layer nearer than the one before, and none blends twice where two letters' quads
    // overlap: a rim doubled where neighbours' rims meet would show as a seam.
    glDepthFunc(GL_LESS);

    int Layer = 0;
    float Outermost = Rim ? cut(Glyphs, Pen, Size, *Rim, RIM * Size * pixels_per_unit(), Layer) : 1.0f;
    Outermost = std::min(Outermost, cut(Glyphs, Pen, Size, Colour, 0.0, Layer));
    // Back to the picture's plane where the letters lie, so what is drawn later covers them as it
    // covers anything else.
    glDepthFunc(GL_ALWAYS);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glAlphaFunc(GL_GREATER, Outermost);
    quads(Glyphs, Pen, Size, Pen[2]);

    glColorMask(Mask[0], Mask[1], Mask[2], Mask[3]);
    glDepthFunc((GLenum)DepthFunc);
    glBlendColor(0.0f, 0.0f, 0.0f, 0.0f);
    glBlendFunc((GLenum)BlendSrc, (GLenum)BlendDst);
    glAlphaFunc((GLenum)AlphaFunc, AlphaRef);
    if (!WasTesting) glDisable(GL_ALPHA_TEST);
    if (!WasTexturing) glDisable(GL_TEXTURE_2D);
    if (!WasBlending) glDisable(GL_BLEND);
}

float font::cut(const std::vector<const font_glyphs::glyph*>& Glyphs, const rpos& Pen, double Size,
                const fcolor& Colour, double Grow, int& Layer) const
{
    const double FieldPerPixel = font_glyphs::LINE_HEIGHT / (2.0 * font_glyphs::SPREAD * Size * pixels_per_unit());
    // The outermost cut stays inside the field's spread, where alpha still says how far the outline is.
    const double Lowest = 2.0 / 255.0;
    Grow = std::min(Grow, (0.5 - Lowest) / FieldPerPixel - EDGE_PX / 2);
    const float A = Colour[3];
    float First = 1.0f;
    glColor4f(Colour[0], Colour[1], Colour[2], 1.0f);
    for (int Pass = 0; Pass < PASSES; Pass++)
    {
        // Screen pixels inward from the outline (outward when negative) where this pass cuts.
        double Inward = EDGE_PX * ((Pass + 0.5) / PASSES - 0.5) - Grow;
        float Level = (float)clamp(0.5 + Inward * FieldPerPixel, Lowest, 1.0);
        if (Pass == 0) First = Level;
        glAlphaFunc(GL_GREATER, Level);
        // After p passes p / PASSES of the colour covers what lay beneath, whatever it was.
        glBlendColor(0.0f, 0.0f, 0.0f, A / PASSES / (1.0f - Pass * A / PASSES));
        quads(Glyphs, Pen, Size, Pen[2] + ++Layer * LAYER);
    }
    return First;
}

void font::quads(const std::vector<const font_glyphs::glyph*>& Glyphs, const rpos& Pen, double Size, double Z) const
{
    const double Scale = Size / font_glyphs::LINE_HEIGHT; // picture units per atlas pixel
    const float TexW = 1.0f / font_glyphs::ATLAS_W, TexH = 1.0f / font_glyphs::ATLAS_H;
    glBegin(GL_QUADS);
    double X = Pen[0];
    for (const font_glyphs::glyph* G : Glyphs)
    {
        const font_glyphs::glyph& Glyph = *G;
        if (Glyph.w > 0)
        {
            float X0 = (float)(X + Glyph.left * Scale), Y0 = (float)(Pen[1] + Glyph.top * Scale);
            float X1 = (float)(X0 + Glyph.w * Scale), Y1 = (float)(Y0 + Glyph.h * Scale);
            float S0 = Glyph.x * TexW, T0 = Glyph.y * TexH, S1 = (Glyph.x + Glyph.w) * TexW, T1 = (Glyph.y + Glyph.h) * TexH;
            glTexCoord2f(S0, T0);
            glVertex3f(X0, Y0, (float)Z);
            glTexCoord2f(S1, T0);
            glVertex3f(X1, Y0, (float)Z);
            glTexCoord2f(S1, T1);
            glVertex3f(X1, Y1, (float)Z);
            glTexCoord2f(S0, T1);
            glVertex3f(X0, Y1, (float)Z);
        }
        X += Glyph.advance * Scale;
    }
    glEnd();
}
