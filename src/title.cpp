#include "title.h"

#include "clamp.h"
#include "level.h"
#include "picture.h"
#include "platform.h"
#include "quorvel.h"
#include "replay.h"
#include "texts.h"
#include "texture.h"

#include <GL/gl.h>
#include <algorithm>
#include <cassert>
#include <cmath>
#include <ctime>

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

// The additions' places and looks.
const double SHAKE_SECONDS = 0.45;
const rpos HELP_CENTER = mkrpos(12.42, 5.95, 0), HELP_RADIUS = mkrpos(0.32, 0.32, 0);
const double BUTTON_TEXT = 0.36, BUTTON_Y = 8.55;
const fcolor INK = mkfcolor(0.08f, 0.22f, 0.08f, 1.0f); // dark green lettering on the light panels
const fcolor FADED = mkfcolor(0.08f, 0.22f, 0.08f, 0.45f);
const fcolor GOLD = mkfcolor(0.95f, 0.78f, 0.2f, 1.0f);

std::string next_label(int Index)
{
    return texts::fill(texts::NEXT, {texts::level_label(Index)});
}

// Half-extent of a button round a label.
rpos button_radius(const font& Letters, const std::string& Label)
{
    return mkrpos(Letters.width(Label, BUTTON_TEXT) / 2 + 0.3, 0.36, 0);
}

} // namespace

void results_buttons(const font& Letters, int Next, button_place& Back, button_place& Watch, button_place& NextLevel)
{
    const double Left = 0.9, Right = 11.95; // within the results card
    Back.radius = button_radius(Letters, texts::TO_ROW);
    Back.center = mkrpos(Left + Back.radius[0], BUTTON_Y, 0);
    NextLevel.radius = Next >= 0 ? button_radius(Letters, next_label(Next)) : mkrpos(0, 0, 0);
    NextLevel.center = mkrpos(Right - NextLevel.radius[0], BUTTON_Y, 0);
    Watch.radius = button_radius(Letters, texts::WATCH);
    Watch.center = mkrpos((Back.center[0] + Back.radius[0] + NextLevel.center[0] - NextLevel.radius[0]) / 2, BUTTON_Y, 0);
}

bool mouse_cursor_box(const rpos& Center, const rpos& Size)
{
    rloc C = cursor();
    return Center[0] - Size[0] < C[0] && C[0] < Center[0] + Size[0] && Center[1] - Size[1] < C[1] &&
           C[1] < Center[1] + Size[1];
}

title::title()
    : quit_flag(false), hover_level(-1), cur_level(0), cur_scroll(0.0), slide_in_alpha(0.0), slide_out_quit(false),
      go_hover_flag(false), go_level(0), score_medals(0), animation_counter(0.0), mode(m_slide_in),
      title_texture(nullptr), rules_texture(nullptr), go_texture(nullptr), closed_texture(nullptr), best_before(0),
      shake_counter(0.0), refused_counter(0.0), refusals(0), help_flag(false), help_hover_flag(false), next_hover_flag(false),
      back_hover_flag(false), go_next(false), watch_hover_flag(false), watch_return(m_title)
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
    play_mode->letters.load();
}

void title::update(double T)
{
    animation_counter += T;
    shake_counter = std::max(0.0, shake_counter - T);
    refused_counter = std::max(0.0, refused_counter - T);
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
        help_hover_flag = mouse_cursor_box(HELP_CENTER, HELP_RADIUS);
        if (help_flag) hover_level = -1, go_hover_flag = help_hover_flag = false; // the card covers the row
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
            check_open_levels(); // the results offer the level a first medal opens
        }
        if (slide(T, +1)) mode = m_scores;
        break;
    }

    case m_scores:
    {
        go_hover_flag = mouse_cursor_box(go_center(), mkrpos(0.6, 0.6, 0.0));
        button_place Back, Watch, Next;
        results_buttons(letters, next_level(), Back, Watch, Next);
        back_hover_flag = mouse_cursor_box(Back.center, Back.radius);
        next_hover_flag = next_level() >= 0 && mouse_cursor_box(Next.center, Next.radius);
        watch_hover_flag = !last_play.frames.empty() && mouse_cursor_box(Watch.center, Watch.radius);
        break;
    }

    case m_scores_out:
        if (slide(T, -1))
        {
            mode = m_slide_in;
            if (go_next)
            {
                go_level = cur_level = next_level();
                go_next = false;
                mode = m_play;
                start_level();
            }
        }
        break;

    case m_play:
        if (play_mode->watching)
        {
            play_mode->play_watched();
            if (play_mode->quit_flag || play_mode->watched_out()) end_watching();
            break;
        }
        if (play_mode->restart_flag)
        {
            // Afresh, nothing scored; as any level, the new world is drawn before its first update.
            keep_play();
            start_level();
            break;
        }
        play_mode->update(T);
        if (play_mode->quit_flag)
        {
            keep_play();
            mode = m_scores_in;
            slide_in_alpha = 0.0;
            best_before = all_levels[go_level].medals;
            next_hover_flag = back_hover_flag = watch_hover_flag = false;
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
    {
        SDL_Keycode Key = E.type == SDL_KEYDOWN ? E.key.keysym.sym : SDLK_UNKNOWN;
        if (help_flag)
        {
            // Any key or click puts the card away, and does nothing else.
            if (E.type == SDL_KEYDOWN || E.type == SDL_MOUSEBUTTONDOWN) help_flag = false;
        }
        else if (Key == SDLK_ESCAPE)
        {
            if (can_quit()) mode = m_slide_out, slide_out_quit = true;
        }
        else if (Key == SDLK_LEFT || Key == SDLK_RIGHT)
            cur_level = clamp(cur_level + (Key == SDLK_LEFT ? -1 : 1), 0, num_levels - 1), refused_counter = 0;
        else if (Key == SDLK_RETURN || Key == SDLK_KP_ENTER)
            press_go();
        else if (Key == SDLK_F1)
            help_flag = true;
        else if (Key == SDLK_w || Key == SDLK_h)
            watch_kept(Key == SDLK_h);
        else if (E.type == SDL_MOUSEBUTTONDOWN)
        {
            // Closed levels can be selected too; only the go button checks the lock.
            if (hover_level >= 0 && hover_level < num_levels)
                cur_level = hover_level, refused_counter = 0;
            else if (go_hover_flag)
                press_go();
            else if (help_hover_flag)
                help_flag = true;
        }
        break;
    }

    case m_scores:
    {
        SDL_Keycode Key = E.type == SDL_KEYDOWN ? E.key.keysym.sym : SDLK_UNKNOWN;
        bool Click = E.type == SDL_MOUSEBUTTONDOWN;
        if (Key == SDLK_ESCAPE || (Click && (go_hover_flag || back_hover_flag)))
            mode = m_scores_out;
        else if ((Key == SDLK_w || (Click && watch_hover_flag)) && !last_play.frames.empty())
            watch(last_play, false);
        else if (Key == SDLK_RETURN || Key == SDLK_KP_ENTER || Key == SDLK_n || (Click && next_hover_flag))
        {
            mode = m_scores_out;
            go_next = next_level() >= 0; // else back to the row
        }
        break;
    }

    default:
        break;
    }
}

void title::press_go()
{
    if (cur_level < num_levels && all_levels[cur_level].is_open)
    {
        mode = m_slide_out;
        go_level = cur_level;
    }
    else
        refuse(texts::fill(texts::OPENS_AFTER, {std::to_string(cur_level)}));
}

int title::next_level() const
{
    int Next = go_level + 1;
    return Next < num_levels && all_levels[Next].is_open ? Next : -1;
}

std::string title::window_title() const
{
    if (mode != m_play) return texts::GAME;
    return texts::fill(texts::WINDOW_IN_PLAY, {texts::GAME, texts::level_label(go_level)});
}

void title::start_level()
{
    const level& L = all_levels[go_level];
    uint32_t Seed = level_seed();
    play_world = mkref(new world);
    play_world->init(all_levels[go_level], Seed);
    play_mode->init_level(play_world);
    play_mode->level_index = go_level;
    uint64_t Hash = 0;
    std::string Problem;
    level_hash(L, Hash, Problem); // the world just read the same map
    play_mode->record(L.level_id, Seed, Hash);
}

void title::keep_play()
{
    replay& R = play_mode->recording;
    const world& W = *play_world.ptr();
    R.rescued_bees = W.rescued_bees, R.killed_bees = W.killed_bees, R.time = W.animation_counter;
    R.end = W.rescued_bees + W.killed_bees == W.total_bees ? replay::e_over : replay::e_left;
    R.end_digest = world_digest(W);
    last_play = R;
    keep_replay(R);
}

void title::refuse(const std::string& Why)
{
    shake_counter = SHAKE_SECONDS;
    refused_counter = 3.0;
    refusals++;
    refusal = Why;
}

void title::watch(const replay& R, bool Demo)
{
    std::string Problem;
    int Index = replay_level(R, Problem);
    if (Index < 0) return refuse(Problem);
    watched = R;
    watch_return = mode;
    watch_world = mkref(new world);
    watch_world->init(all_levels[Index], R.seed);
    play_mode->init_level(watch_world);
    play_mode->level_index = Index;
    play_mode->watch(watched, Demo);
    mode = m_play;
}

void title::watch_kept(bool Demo)
{
    if (cur_level >= num_levels || (Demo && !all_levels[cur_level].is_open))
        return refuse(texts::fill(texts::OPENS_AFTER, {std::to_string(cur_level)}));
    int Id = all_levels[cur_level].level_id;
    std::string Path = Demo ? "data/demos/level" + std::to_string(Id) + ".qbr" : replay_path(Id, "best");
    replay R;
    std::string Problem;
    if (!load_replay(Path, R, Problem)) return refuse(Demo ? texts::fill(texts::NO_DEMO, {Problem}) : texts::NO_REPLAY);
    watch(R, Demo);
}

void title::end_watching()
{
    mode = watch_return;
    slide_in_alpha = 1.0;
    play_mode->watching = nullptr;
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
        render_row_label();
        draw_button(HELP_CENTER, HELP_RADIUS, texts::HELP_BUTTON, help_hover_flag);
    }
    if (mode == m_scores_in || mode == m_scores || mode == m_scores_out) render_results_card();
    if (help_flag && mode == m_title) render_help_card();

    glDisable(GL_BLEND);
    glPopMatrix();
}

rpos title::slid(const rpos& Center, const rpos& Radius) const
{
    // Each quad waits just beyond the nearer horizontal and the nearer vertical edge of the picture.
    rpos Off;
    Off[0] = Center[0] >= PICTURE_MIDDLE ? Radius[0] + VIEW_W : -Radius[0];
    Off[1] = Center[1] >= PICTURE_H / 2 ? Radius[1] + PICTURE_H : -Radius[1];
    Off[2] = 0.0;
    double A = slide_in_alpha * slide_in_alpha;
    return Center * A + Off * (1.0 - A);
}

void title::draw_button(const rpos& Center, const rpos& Radius, const std::string& Label, bool Hover)
{
    if (Hover)
    {
        glColor4f(1.0f, 0.13f, 0.82f, 0.75f);
        draw_quad(Center, Radius + mkrpos(0.06, 0.06, 0), 0);
    }
    glColor4f(0.85f, 0.7f, 0.25f, 1.0f);
    draw_quad(Center, Radius, 0);
    glColor4f(0.2f, 0.42f, 0.16f, 1.0f);
    draw_quad(Center, Radius - mkrpos(0.05, 0.05, 0), 0);
    rpos At = slid(Center, Radius);
    letters.draw(Label, At - mkrpos(0, BUTTON_TEXT / 2, 0), BUTTON_TEXT, font::centre, mkfcolor(1, 0.97f, 0.85f, 1));
}

void title::render_row_label()
{
    if (cur_level >= num_levels) return; // past the last tile when every level is won
    std::string Label = texts::level_label(cur_level);
    if (!all_levels[cur_level].is_open) Label = texts::fill(texts::LOCKED, {Label});
    letters.draw(Label, slid(mkrpos(PICTURE_MIDDLE, 8.75, 0), mkrpos(2, 0.25, 0)), 0.45, font::centre, INK);
    // Why the go button shook, for a while after.
    if (refused_counter > 0)
    {
        float Fade = (float)std::min(1.0, refused_counter);
        letters.draw_outlined(refusal, mkrpos(PICTURE_MIDDLE, 5.75, 0), 0.4, font::centre, mkfcolor(1, 0.97f, 0.85f, Fade),
                              mkfcolor(0.35f, 0.05f, 0.05f, Fade));
    }
}

void title::render_results_card()
{
    if (!play_world.ptr()) return; // no level played yet
    const world& W = *play_world.ptr();
    const double Row1 = 5.85, Row2 = 6.75, Row3 = 7.5;
    rpos Mid = slid(mkrpos(PICTURE_MIDDLE, Row1, 0), mkrpos(4, 0.3, 0));
    std::string Counts = texts::fill(texts::HOME_OF, {std::to_string(W.rescued_bees), std::to_string(W.total_bees)}) +
                         "  ·  " + texts::fill(texts::LOST, {std::to_string(W.killed_bees)}) + "  ·  " +
                         texts::fill(texts::TIME, {texts::clock_time(W.animation_counter)});
    letters.draw(Counts, Mid, 0.5, font::centre, INK);

    // What each medal the level can award needed, the ones earned in full colour, centred as a row.
    std::string Needs[3];
    double Widths[3], Total = 0;
    const double Text = 0.34, Icon = 0.55, Gap = 0.6;
    const int Possible = medals_for(W.total_bees, W.medal_bees); // every bee home
    for (int m = 0; m < Possible; m++)
    {
        Needs[m] = texts::fill(texts::MEDAL_NEEDS, {texts::MEDAL_NAMES[m], std::to_string(W.medal_bees[m])});
        if (m == Possible - 1 && Possible < 3) Needs[m] += texts::NO_MORE;
        Widths[m] = Icon + letters.width(Needs[m], Text);
        Total += Widths[m] + (m ? Gap : 0);
    }
    double X = PICTURE_MIDDLE - Total / 2;
    for (int m = 0; m < Possible; X += Widths[m] + Gap, m++)
    {
        bool Earned = score_medals > m;
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, medal_textures[m]->id);
        glColor4f(1, 1, 1, Earned ? 1.0f : 0.35f);
        draw_quad(mkrpos(X + 0.22, Row2 + Text / 2, 0), mkrpos(0.22, 0.22, 0), 0);
        glDisable(GL_TEXTURE_2D);
        letters.draw(Needs[m], slid(mkrpos(X + Icon, Row2, 0), mkrpos(1, 0.2, 0)), Text, font::left, Earned ? INK : FADED);
    }

    rpos Verdict = slid(mkrpos(PICTURE_MIDDLE, Row3, 0), mkrpos(3, 0.3, 0));
    if (score_medals > best_before)
        letters.draw_outlined(texts::BETTER, Verdict, 0.5, font::centre, GOLD, mkfcolor(0.3f, 0.2f, 0.05f, 1));
    else
        letters.draw(texts::BEST_SO_FAR[clamp(all_levels[go_level].medals, 0, 3)], Verdict, 0.4, font::centre, INK);

    int Next = next_level();
    button_place BackAt, WatchAt, NextAt;
    results_buttons(letters, Next, BackAt, WatchAt, NextAt);
    draw_button(BackAt.center, BackAt.radius, texts::TO_ROW, back_hover_flag);
    if (!last_play.frames.empty()) draw_button(WatchAt.center, WatchAt.radius, texts::WATCH, watch_hover_flag);
    if (Next >= 0) draw_button(NextAt.center, NextAt.radius, next_label(Next), next_hover_flag);
}

void title::render_help_card()
{
    glColor4f(0.85f, 0.7f, 0.25f, 0.97f);
    draw_quad(mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(5.75, 4.55, 0), 0);
    glColor4f(0.14f, 0.3f, 0.12f, 0.97f);
    draw_quad(mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(5.67, 4.47, 0), 0);
    const fcolor Light = mkfcolor(1, 0.97f, 0.85f, 1);
    letters.draw(texts::HELP_TITLE, mkrpos(PICTURE_MIDDLE, 0.75, 0), 0.7, font::centre, GOLD);

    // The bee bar as a level shows it, small: two home, two out, one lost, and the first medal's marker.
    const float Shades[5][3] = {{1, 1, 0.5f}, {1, 1, 0.5f}, {0.8f, 0.8f, 0.2f}, {0.8f, 0.8f, 0.2f}, {0.2f, 0.2f, 0.1f}};
    glPointSize(picture_pixels(16));
    glBegin(GL_POINTS);
    for (int i = 0; i < 5; i++)
    {
        glColor4f(Shades[i][0], Shades[i][1], Shades[i][2], 0.9f);
        glVertex3f((float)(1.6 + 0.5 * i), 2.0f, 0.0f);
    }
    glEnd();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, medal_textures[0]->id);
    glColor4f(1, 1, 1, 1);
    draw_centered_quad(mkrpos(1.6 + 0.5 * 3, 2.5, 0), mkrpos(0.2, 0.2, 0), 0);
    glDisable(GL_TEXTURE_2D);
    std::vector<std::string> Bar = letters.wrap(texts::HELP_BAR, 0.36, 7.7);
    for (size_t l = 0; l < Bar.size(); l++) letters.draw(Bar[l], mkrpos(4.3, 1.6 + 0.4 * l, 0), 0.36, font::left, Light);

    double Y = 3.45;
    for (int k = 0; texts::HELP_KEYS[k][0]; k++, Y += 0.47)
    {
        letters.draw(texts::HELP_KEYS[k][0], mkrpos(4.45, Y, 0), 0.34, font::right, GOLD);
        letters.draw(texts::HELP_KEYS[k][1], mkrpos(4.7, Y, 0), 0.34, font::left, Light);
    }
    letters.draw(texts::HELP_CLOSE, mkrpos(PICTURE_MIDDLE, 8.85, 0), 0.32, font::centre, mkfcolor(1, 0.97f, 0.85f, 0.6f));
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

    // Rocks between +9 and -7 degrees, switching every tenth of a second; shakes its head at a closed level.
    double Angle = ((int)(10.0 * animation_counter) % 2 == 0) ? 9.0 : -7.0;
    double Shake = 0.14 * std::sin(shake_counter * 55.0) * shake_counter / SHAKE_SECONDS;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, go_texture->id);
    glColor4f(1, 1, 1, 1);
    draw_quad(mkrpos(PICTURE_MIDDLE + Shake, 5.0, 0), mkrpos(0.6, 0.6, 0), Angle);
    glDisable(GL_TEXTURE_2D);
}

void title::draw_quad(const rpos& Center, const rpos& Radius, double Angle)
{
    draw_centered_quad(slid(Center, Radius), Radius, Angle);
}
