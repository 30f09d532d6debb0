#include "title.h"

#include "clamp.h"
#include "level.h"
#include "picture.h"
#include "quorvel.h"
#include "texture.h"

#include <GL/gl.h>
#include <cassert>

namespace {
const double SLIDE_SPEED = 2.0; // slide_in_alpha per second: half a second a slide
const double TILE_STEP = 3.0;
const double ROW_Y = 7.5;

rloc cursor()
{
    return mkrloc(PICTURE_H * mouseloc[0], PICTURE_H * mouseloc[1]);
}

rpos go_center()
{
    return mkrpos(PICTURE_MIDDLE, 5.05, 0.0);
}
} // namespace

bool mouse_cursor_box(const rpos& Center, const rpos& Size)
{
    rloc C = cursor();
    return Center[0] - Size[0] < C[0] && C[0] < Center[0] + Size[0] && Center[1] - Size[1] < C[1] &&
           C[1] < Center[1] + Size[1];
}

title::title()
    : quit_flag(false), hover_level(-1), cur_level(0), cur_scroll(0.0), slide_in_alpha(0.0), slide_out_quit(false),
      go_hover_flag(false), go_level(0), score_medals(0), animation_counter(0.0), mode(m_slide_in),
      title_texture(nullptr), rules_texture(nullptr), go_texture(nullptr), closed_texture(nullptr)
{
    for (int a = 0; a < 4; a++) winning_textures[a] = nullptr;
    for (int a = 0; a < 3; a++) medal_textures[a] = nullptr;
}

title::~title()
{
    play_world.clear();
    play_mode.clear();
}

void title::init()
{
    quit_flag = false;
    hover_level = -1;
    cur_level = last_open_level;
    cur_scroll = 0.0;
    slide_in_alpha = 0.0;
    mode = m_slide_in;
    slide_out_quit = false;
    go_hover_flag = false;
    go_level = 0;
    score_medals = 0;
    animation_counter = 0.0;
    R.set_view(mkrpos(0, 0, 0));
    play_mode = mkref(new play);

    title_texture = texture_load("data/gfx/title2.tga", false);
    rules_texture = texture_load("data/gfx/rules1.tga", false);
    go_texture = texture_load("data/gfx/go1.tga", false);
    closed_texture = texture_load("data/gfx/closed1.tga", true);
    winning_textures[0] = texture_load("data/gfx/lose1.tga", false);
    winning_textures[1] = texture_load("data/gfx/won_daisy1.tga", false);
    winning_textures[2] = texture_load("data/gfx/won_violet1.tga", false);
    winning_textures[3] = texture_load("data/gfx/won_tulip1.tga", false);
    load_medal_textures(medal_textures);
    letters.load();
}

void title::update(double T)
{
    animation_counter += T;
    switch (mode)
    {
    case m_slide_in:
        if (slide(T, +1)) mode = m_title;
        break;

    case m_title:
    {
        // Once per frame whatever the frame time: the glide is slower on a slow machine, never jumpier.
        double Wanted = TILE_STEP * cur_level;
        cur_scroll = 0.1 * Wanted + 0.9 * cur_scroll;

        hover_level = -1;
        rloc C = cursor();
        if (C[1] > 6.5 && C[1] < 8.5) hover_level = (int)((C[0] - PICTURE_MIDDLE + cur_scroll + 1.5) / TILE_STEP);

        go_hover_flag = mouse_cursor_box(go_center(), mkrpos(0.6, 0.6, 0.0));
        break;
    }

    case m_slide_out:
        if (slide(T, -1))
        {
            if (slide_out_quit)
                quit_flag = true;
            else
            {
                mode = m_play;
                start_level();
            }
        }
        break;

    case m_scores_in:
    {
        score_medals = medals_for(play_world->rescued_bees, play_world->medal_bees);
        level& Played = all_levels[go_level];
        if (score_medals > Played.medals)
        {
            Played.medals = score_medals;
            // Stored at once, so a crash or a kill later in the run cannot lose it.
            save_all_levels();
        }
        if (slide(T, +1)) mode = m_scores;
        break;
    }

    case m_scores:
        go_hover_flag = mouse_cursor_box(go_center(), mkrpos(0.6, 0.6, 0.0));
        break;

    case m_scores_out:
        if (slide(T, -1)) mode = m_slide_in;
        break;

    case m_play:
        if (play_mode->restart_flag) start_level(); // afresh, nothing scored
        play_mode->update(T);
        if (play_mode->quit_flag)
        {
            mode = m_scores_in;
            slide_in_alpha = 0.0;
        }
        break;
    }
}

void title::notice(SDL_Event& E)
{
    switch (mode)
    {
    case m_play:
        play_mode->notice(E);
        break;

    case m_title:
        if (E.type == SDL_KEYDOWN && E.key.keysym.sym == SDLK_ESCAPE)
        {
            mode = m_slide_out;
            slide_out_quit = true;
        }
        else if (E.type == SDL_MOUSEBUTTONDOWN)
        {
            // Closed levels can be selected too; only the go button checks the lock.
            if (hover_level >= 0 && hover_level < num_levels)
                cur_level = hover_level;
            else if (go_hover_flag && all_levels[cur_level].is_open)
            {
                mode = m_slide_out;
                go_level = cur_level;
            }
        }
        break;

    case m_scores:
        if ((E.type == SDL_KEYDOWN && E.key.keysym.sym == SDLK_ESCAPE) ||
            (E.type == SDL_MOUSEBUTTONDOWN && go_hover_flag))
            mode = m_scores_out;
        break;

    default:
        break;
    }
}

void title::start_level()
{
    play_world = mkref(new world);
    play_world->init(all_levels[go_level]);
    play_mode->init_level(play_world);
}

void title::pause_level()
{
    if (mode == m_play) play_mode->set_paused(true);
}

bool title::slide(double T, int Way)
{
    slide_in_alpha += Way * SLIDE_SPEED * T;
    if (Way > 0 && slide_in_alpha > 1.0)
        slide_in_alpha = 1.0;
    else if (Way < 0 && slide_in_alpha < 0.0)
        slide_in_alpha = 0.0;
    else
        return false;
    return true;
}

void title::render()
{
    if (mode == m_play)
    {
        play_mode->render();
        return;
    }

    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    draw_background();

    if (mode == m_scores_in || mode == m_scores || mode == m_scores_out)
    {
        glEnable(GL_TEXTURE_2D);
        assert(score_medals < 4);
        glBindTexture(GL_TEXTURE_2D, winning_textures[score_medals]->id);
        glColor4f(1, 1, 1, 1);
        draw_quad(mkrpos(PICTURE_MIDDLE, 2.5, 0), mkrpos(2.5, 2.5, 0), 0);
        glDisable(GL_TEXTURE_2D);
    }
    else
    {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, title_texture->id);
        glColor4f(1, 1, 1, 1);
        draw_quad(mkrpos(3.666, 2.5, 0), mkrpos(2.5, 2.5, 0), 0);
        glBindTexture(GL_TEXTURE_2D, rules_texture->id);
        glColor4f(1, 1, 1, 1);
        draw_quad(mkrpos(10.666, 3.5, 0), mkrpos(2.125, 2.125, 0), 0);
        glDisable(GL_TEXTURE_2D);

        const rpos TileCenter = mkrpos(PICTURE_MIDDLE, ROW_Y, 0);
        for (int i = 0; i < num_levels; i++)
        {
            glPushMatrix();
            glTranslated(TILE_STEP * i - cur_scroll, 0, 0);
            // The only rule run while drawing: a medal won in play must open the next tile before it is drawn.
            check_open_levels();
            level& L = all_levels[i];
            double S = L.is_open ? 1.0 : 0.5;
            bool Selected = (i == cur_level);

            if (hover_level == i)
            {
                glColor4f(1.0f, 0.13f, 0.82f, 0.75f);
                double Halo = S * (Selected ? 1.375 : 1.1);
                draw_quad(TileCenter, mkrpos(Halo, Halo, 0), 0);
            }

            if (Selected)
                glColor4f(1, 1, 1, 1);
            else
                glColor4f(1, 1, 1, 0.5f);
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, L.is_open ? L.map_texture->id : closed_texture->id);
            double Size = S * (Selected ? 1.25 : 1.0);
            draw_quad(TileCenter, mkrpos(Size, Size, 0), 0);

            glColor4f(1, 1, 1, 1);
            int N = clamp(L.medals, 0, 3);
            for (int j = 0; j < N; j++)
            {
                glBindTexture(GL_TEXTURE_2D, medal_textures[j]->id);
                draw_quad(mkrpos(PICTURE_MIDDLE - (N / 2) * 0.2 + j * 0.2, 8.5, 0), mkrpos(0.2, 0.2, 0), 0);
            }
            glDisable(GL_TEXTURE_2D);
            glPopMatrix();
        }
    }

    glDisable(GL_BLEND);
    glPopMatrix();
}

void title::draw_background()
{
    glColor4f(0.2f, 0.6f, 0.2f, 0.8f);
    draw_quad(mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(PICTURE_MIDDLE, 5.0, 0), 0);
    glColor4f(0.3f, 0.8f, 0.3f, 0.8f);
    draw_quad(mkrpos(6.166, 4.5, 0), mkrpos(6.166, 4.5, 0), 0);
    glColor4f(0.4f, 1.0f, 0.4f, 0.8f);
    draw_quad(mkrpos(6.416, 5.25, 0), mkrpos(5.666, 4.0, 0), 0);
    if (go_hover_flag)
    {
        glColor4f(1.0f, 0.13f, 0.82f, 0.75f);
        draw_quad(go_center(), mkrpos(0.66, 0.66, 0), 0);
    }
    glColor4f(0.6f, 1.0f, 0.6f, 0.5f);
    draw_quad(go_center(), mkrpos(0.6, 0.6, 0), 0);

    // Rocks between +9 and -7 degrees, switching every tenth of a second.
    double Angle = ((int)(10.0 * animation_counter) % 2 == 0) ? 9.0 : -7.0;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, go_texture->id);
    glColor4f(1, 1, 1, 1);
    draw_quad(mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(0.6, 0.6, 0), Angle);
    glDisable(GL_TEXTURE_2D);
}

void title::draw_quad(const rpos& Center, const rpos& Radius, double Angle)
{
    // Each quad waits just beyond the nearer horizontal and the nearer vertical edge of the picture.
    rpos Off;
    Off[0] = Center[0] >= PICTURE_MIDDLE ? Radius[0] + VIEW_W : -Radius[0];
    Off[1] = Center[1] >= PICTURE_H / 2 ? Radius[1] + PICTURE_H : -Radius[1];
    Off[2] = 0.0;
    double A = slide_in_alpha * slide_in_alpha;
    draw_centered_quad(Center * A + Off * (1.0 - A), Radius, Angle);
}
