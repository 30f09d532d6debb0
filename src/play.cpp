#include "play.h"

#include "bee.h"
#include "bindings.h"
#include "clamp.h"
#include "horsefly.h"
#include "level.h"
#include "picture.h"
#include "platform.h"
#include "quorvel.h"
#include "smellgrid.h"
#include "texts.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {
const double DRAIN_PER_SECOND = 0.25;
const double SCENT_PER_POLLEN = 400.0;
const double SCENT_RADIUS = 2.0;
const double SCROLL_SPEED = 7.0; // world units per second for each unit the cursor is inside an edge band

const double BANNER_SECONDS = 4.0; // the level's name and goal, fading over the last of them
const double KILL_MARK_SECONDS = 1.2, MISS_MARK_SECONDS = 0.5;
// Where the arrow to the hive may stand: inside the picture, below the bee bar and its markers.
const double ARROW_LEFT = 0.5, ARROW_TOP = 1.8, ARROW_RIGHT = PICTURE_W - 0.5, ARROW_BOTTOM = PICTURE_H - 0.5;
enum scroll_bits
{
    sk_left = 1,
    sk_right = 2,
    sk_up = 4,
    sk_down = 8
};

void ring(double X, double Y, double Radius)
{
    glBegin(GL_LINE_LOOP);
    for (int a = 0; a < 16; a++) glVertex3f((float)(X + Radius * std::cos(a * PI / 8)), (float)(Y + Radius * std::sin(a * PI / 8)), 0);
    glEnd();
}

int scroll_bit(SDL_Keycode Key)
{
    return acts(Key, 0, ac_scroll_left) ? sk_left : acts(Key, 0, ac_scroll_right) ? sk_right : acts(Key, 0, ac_scroll_up) ? sk_up
         : acts(Key, 0, ac_scroll_down) ? sk_down : 0;
}
} // namespace

bool hive_arrow(const rpos& Hive, rpos& At, double& Angle)
{
    if (Hive[0] >= 0 && Hive[0] <= PICTURE_W && Hive[1] >= 0 && Hive[1] <= PICTURE_H) return false;
    // From the picture's middle toward the hive, as far as the arrow's box allows.
    const rpos Middle = mkrpos(PICTURE_W / 2, (ARROW_TOP + ARROW_BOTTOM) / 2, 0);
    rpos Way = Hive - Middle;
    Way[2] = 0;
    double Reach = 1e9;
    if (Way[0] != 0) Reach = std::min(Reach, ((Way[0] > 0 ? ARROW_RIGHT : ARROW_LEFT) - Middle[0]) / Way[0]);
    if (Way[1] != 0) Reach = std::min(Reach, ((Way[1] > 0 ? ARROW_BOTTOM : ARROW_TOP) - Middle[1]) / Way[1]);
    At = Middle + Way * Reach;
    Angle = std::atan2(Way[1], Way[0]);
    return true;
}

play::play()
    : quit_flag(false), paused_flag(false), restart_flag(false), mode(m_none), level_index(-1), misses(0), scroll_keys(0),
      hints_flag(true), hurry_flag(false), watching(nullptr), watched_frames(0), fast_flag(false), demo_flag(false),
      pointer_down(false)
{
}

play::~play() {}

void play::init_level(ref<world> LinkWorld)
{
    mode = m_none;
    R.set_view(mkrpos(0, 0, 0));
    link_world = LinkWorld;
    quit_flag = false;
    set_paused(false);
    restart_flag = false;
    marks.clear();
    drag_trail.clear();
    bee_signs.clear();
    ghost.clear();
    hurry_flag = false;
    scroll_keys = 0;
    recording = replay();
    taken.clear();
    watching = nullptr;
}

void play::name_level(const level_data& L)
{
    level_index = -1;
    banner_name = L.name;
    banner_line = L.line;
}

void play::record(int LevelId, uint32_t Seed, uint64_t LevelHash)
{
    recording.level_id = LevelId;
    recording.seed = Seed;
    recording.level_hash = LevelHash;
}

void play::watch(const replay& R, bool Demo)
{
    watching = &R;
    watched_frames = 0;
    fast_flag = false;
    demo_flag = Demo;
    pointer_down = false;
}

bool play::watched_out() const
{
    return watching && watched_frames >= watching->frames.size();
}

void play::play_watched()
{
    if (paused_flag) return;
    for (int k = 0; k < (fast_flag ? 2 : 1) && !watched_out(); k++)
    {
        if (k > 0) link_world->spend_draws(); // the frame not shown draws all the same
        const replay_frame& F = watching->frames[watched_frames++];
        for (const replay_event& R : F.events)
        {
            SDL_Event E = replayed_event(R);
            take(E);
        }
        rloc Hand = mouseloc;
        mouseloc = F.mouse;
        step(F.step);
        mouseloc = Hand;
    }
}

namespace {
ref<world> played_through(const replay& R, ref<world> W)
{
    play P;
    P.hints_flag = false; // nothing is drawn: only the rules' own draws are spent
    P.init_level(W);
    P.watch(R, false);
    W->spend_draws(); // the frame the level starts in is drawn before its first update
    while (!P.watched_out())
    {
        P.play_watched();
        W->spend_draws();
    }
    return W;
}
} // namespace

ref<world> play_through(const replay& R, int LevelIndex)
{
    ref<world> W = mkref(new world);
    W->init(all_levels[LevelIndex], R.seed);
    return played_through(R, W);
}

ref<world> play_through(const replay& R, const level_data& L)
{
    ref<world> W = mkref(new world);
    W->init(L, R.seed);
    return played_through(R, W);
}

void play::set_paused(bool Paused)
{
    // The drag a pause ends is a play's own doing: kept as a button let go, for a replay to end it too.
    if (Paused && !paused_flag && mode == m_drag_pollen && !watching) taken.push_back({replay_event::button_up, 0});
    paused_flag = Paused;
    R.still_flag = Paused;
    if (Paused) mode = m_none;
}

void play::notice(SDL_Event& E)
{
    if (E.type == SDL_KEYDOWN)
    {
        if (acts(E, ac_pause) && !E.key.repeat) set_paused(!paused_flag);
        if (acts(E, ac_restart) && !E.key.repeat && !watching) restart_flag = true;
        if (acts(E, ac_faster) && !E.key.repeat && watching) fast_flag = !fast_flag;
        if (acts(E, ac_back) && watching) quit_flag = true;
    }
    if (watching) return; // the replay's hand plays, not the player's
    if ((E.type == SDL_KEYDOWN || E.type == SDL_KEYUP) && acts(E.key.keysym.sym, E.key.keysym.mod, ac_faster)) hurry_flag = E.type == SDL_KEYDOWN;
    if (E.type == SDL_MOUSEBUTTONDOWN && !paused_flag) ghost.press();
    // Keys count while paused: one held or let go then is held or not afterwards.
    replay_event Kept;
    bool Counts = !paused_flag || E.type == SDL_KEYDOWN || E.type == SDL_KEYUP;
    if (Counts && recorded_event(E, Kept)) taken.push_back(Kept);
    take(E);
}

void play::take(SDL_Event& E)
{
    if (E.type == SDL_KEYDOWN)
    {
        if (acts(E, ac_back)) quit_flag = true;
        scroll_keys |= scroll_bit(E.key.keysym.sym);
    }
    else if (E.type == SDL_KEYUP)
        scroll_keys &= ~scroll_bit(E.key.keysym.sym);
    else if (paused_flag) // the world is not there to point at
        return;
    else if (E.type == SDL_MOUSEBUTTONDOWN)
    {
        pointer_down = true;
        drag_trail.lift();
        // The flowers under the cursor at the last world update are the ones picked.
        if (!link_world->active_flowers.empty())
        {
            mode = m_drag_pollen;
            drag_pollen_flowers = link_world->active_flowers;
        }
        bool Caught = false;
        for (flower* F : link_world->active_flowers) Caught = Caught || !F->wilted_flag;
        if (!Caught)
        {
            misses++;
            marks.push_back({link_world->cursor, link_world->animation_counter, false});
        }
    }
    else if (E.type == SDL_MOUSEBUTTONUP)
        mode = m_none, pointer_down = false;
}

void play::update(double T)
{
    if (paused_flag) return;
    // Hurried, each step is kept as a frame of its own, never as one longer step, and the frame not shown
    // draws all the same: the replay plays it frame for frame at its own pace, exactly.
    for (int k = 0; k < (hurry_flag ? 2 : 1) && !(k > 0 && quit_flag); k++)
    {
        if (k > 0) link_world->spend_draws();
        if (!watching && recording.frames.size() < REPLAY_MOST_FRAMES)
        {
            recording.frames.push_back({T, mouseloc, picture_viewport.h, taken});
            taken.clear();
        }
        step(T);
    }
}

void play::step(double T)
{
    world& W = *link_world.ptr();

    if (W.total_bees == W.rescued_bees + W.killed_bees) quit_flag = true;

    double Laid = 0.0;
    const rpos LaidAt = W.cursor;
    if (mode == m_drag_pollen)
    {
        double Pollen = 0.0;
        for (flower* F : drag_pollen_flowers) Pollen += F->pollen;
        double Amount = std::min(DRAIN_PER_SECOND * T, Pollen);
        if (Amount == 0.0)
            mode = m_none;
        else
        {
            // Equal shares whatever each holds: a nearly empty flower wilts first.
            double Share = Amount / drag_pollen_flowers.size();
            for (flower* F : drag_pollen_flowers) F->drain(Share);
            // Still last frame's cursor: the scent trails the mouse by one frame.
            W.smells[smell_pollen]->scent(W.cursor, SCENT_RADIUS, SCENT_PER_POLLEN * Amount);
            Laid = SCENT_PER_POLLEN * Amount;
        }
    }

    clamp_view_center();

    rloc Cursor;
    Cursor[0] = R.view_center[0] + PICTURE_H * mouseloc[0];
    Cursor[1] = R.view_center[1] + PICTURE_H * mouseloc[1];
    W.set_cursor(Cursor);

    rpos D = W.cursor - R.view_center;
    // An arrow key held scrolls as the cursor pushed against that edge does.
    if (scroll_keys & sk_left) D[0] = 0.0;
    if (scroll_keys & sk_right) D[0] = VIEW_W;
    if (scroll_keys & sk_up) D[1] = 0.0;
    if (scroll_keys & sk_down) D[1] = PICTURE_H;
    rpos Center = R.view_center;
    if (D[0] > 11.0)
        Center[0] += (D[0] - 11.0) * SCROLL_SPEED * T;
    else if (D[0] < 2.0)
        Center[0] -= (2.0 - D[0]) * SCROLL_SPEED * T;
    if (D[1] > 8.0)
        Center[1] += (D[1] - 8.0) * SCROLL_SPEED * T;
    else if (D[1] < 2.0)
        Center[1] -= (2.0 - D[1]) * SCROLL_SPEED * T;
    R.set_view(Center);

    clamp_view_center();

    W.update(T);

    // A bee killed in this update is listed, flagged, until the next one sweeps it out: seen once.
    for (ref<sprite>& S : W.sprites)
        if (S->sprite_type == sprite::st_bee && S->dead) marks.push_back({S->position, W.animation_counter, true});
    marks.erase(std::remove_if(marks.begin(), marks.end(),
                               [&](const mark& M) {
                                   return W.animation_counter - M.born > (M.kill ? KILL_MARK_SECONDS : MISS_MARK_SECONDS);
                               }),
                marks.end());

    if (!hints_flag) return;
    // The trail comes out of the picked flower nearest the hand (the list is this world's only while a
    // drag lays scent).
    rpos From = LaidAt;
    double Nearest = HUGE_VAL;
    for (size_t f = 0; Laid > 0 && f < drag_pollen_flowers.size(); f++)
        if (length(drag_pollen_flowers[f]->position - LaidAt) < Nearest)
            Nearest = length(drag_pollen_flowers[f]->position - LaidAt), From = drag_pollen_flowers[f]->position;
    drag_trail.update(Laid, LaidAt, From, mode == m_drag_pollen, W.cursor);
    bee_signs.update(W, R.view_center);
    if (teaching()) ghost.update(W, R.view_center);
}

bool play::teaching() const
{
    return hints_flag && level_index == 0 && !watching && !ghost.gone_flag;
}

void play::clamp_view_center()
{
    rpos Center = R.view_center;
    // The upper bound goes first, so a map smaller than the picture pins the view at 0.
    Center[0] = clamp(Center[0], 0.0, link_world->size[0] - VIEW_W);
    Center[1] = clamp(Center[1], 0.0, link_world->size[1] - PICTURE_H);
    R.set_view(Center);
}

void play::render()
{
    link_world->render(R);
    if (hints_flag)
    {
        // Before the depth is cleared: at their heights, under the bees.
        drag_trail.render();
        bee_signs.render_under(R.view_center);
    }
    render_hud();
    if (paused_flag) render_paused_card();
}

void play::render_hud()
{
    world& W = *link_world.ptr();
    // On top of the world: horseflies and bees fly above the ground, nearer than anything at height 0.
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_BLEND);
    // Horseflies framed in orange round a black eye: their dark blue is hard to see over blue water.
    glLineWidth(picture_pixels(2.5));
    glPointSize(picture_pixels(6));
    for (ref<sprite>& S : W.sprites)
        if (S->sprite_type == sprite::st_horsefly)
        {
            const rpos& P = S->position;
            const double H = 0.3;
            glColor4f(1.0f, 0.55f, 0.1f, 0.9f);
            glBegin(GL_LINE_LOOP);
            glVertex3f((float)(P[0] - H), (float)(P[1] - H), 0);
            glVertex3f((float)(P[0] + H), (float)(P[1] - H), 0);
            glVertex3f((float)(P[0] + H), (float)(P[1] + H), 0);
            glVertex3f((float)(P[0] - H), (float)(P[1] + H), 0);
            glEnd();
            glColor4f(0.02f, 0.02f, 0.05f, 1.0f);
            glBegin(GL_POINTS);
            glVertex3f((float)P[0], (float)P[1], 0);
            glEnd();
        }
    glLineWidth(1.0f);

    // Where a bee was lost, a red cross fading; where a press caught nothing, a ring opening.
    for (const mark& M : marks)
    {
        double Age = W.animation_counter - M.born;
        if (M.kill)
        {
            float Fade = (float)(1.0 - Age / KILL_MARK_SECONDS);
            glColor4f(0.85f, 0.1f, 0.05f, 0.9f * Fade);
            glLineWidth(picture_pixels(3));
            glBegin(GL_LINES);
            glVertex3f((float)(M.at[0] - 0.18), (float)(M.at[1] - 0.18), 0);
            glVertex3f((float)(M.at[0] + 0.18), (float)(M.at[1] + 0.18), 0);
            glVertex3f((float)(M.at[0] - 0.18), (float)(M.at[1] + 0.18), 0);
            glVertex3f((float)(M.at[0] + 0.18), (float)(M.at[1] - 0.18), 0);
            glEnd();
        }
        else
        {
            double Grow = Age / MISS_MARK_SECONDS;
            glColor4f(1.0f, 1.0f, 0.9f, (float)(0.8 * (1.0 - Grow)));
            glLineWidth(picture_pixels(2));
            ring(M.at[0], M.at[1], 0.15 + 0.25 * Grow);
        }
    }
    if (hints_flag)
    {
        gauges.render(W, mode == m_drag_pollen ? drag_pollen_flowers : std::vector<flower*>());
        bee_signs.render_over(W);
        if (teaching()) ghost.render(W.animation_counter);
    }
    glLineWidth(1.0f);
    glDisable(GL_BLEND);

    glPushMatrix();
    glLoadIdentity();
    rpos At;
    double Angle;
    if (!W.sprites.empty() && hive_arrow(W.sprites[0]->position - R.view_center, At, Angle))
    {
        // A honey-coloured arrowhead with a dark edge, pointing home.
        glEnable(GL_BLEND);
        glPushMatrix();
        glTranslated(At[0], At[1], 0);
        glRotated(Angle * 180 / PI, 0, 0, 1);
        for (int Pass = 0; Pass < 2; Pass++)
        {
            double S = Pass ? 1.0 : 1.3;
            if (Pass) glColor4f(1.0f, 0.82f, 0.2f, 0.95f);
            else glColor4f(0.2f, 0.12f, 0.02f, 0.9f);
            glBegin(GL_TRIANGLES);
            glVertex3f((float)(0.3 * S), 0, 0);
            glVertex3f((float)(-0.22 * S), (float)(-0.22 * S), 0);
            glVertex3f((float)(-0.22 * S), (float)(0.22 * S), 0);
            glEnd();
        }
        glPopMatrix();
        glDisable(GL_BLEND);
    }

    if (watching)
    {
        // The replay's hand: an arrow where its pointer is, a ring round it while its button is down.
        const rloc& M = watched_frames > 0 ? watching->frames[watched_frames - 1].mouse : mouseloc;
        const double X = PICTURE_H * M[0], Y = PICTURE_H * M[1];
        glEnable(GL_BLEND);
        for (int Pass = 0; Pass < 2; Pass++)
        {
            double S = Pass ? 1.0 : 1.35;
            if (Pass) glColor4f(1, 1, 1, 0.95f);
            else glColor4f(0, 0, 0, 0.85f);
            glBegin(GL_TRIANGLES);
            glVertex3f((float)X, (float)Y, 0);
            glVertex3f((float)(X + 0.1 * S), (float)(Y + 0.42 * S), 0);
            glVertex3f((float)(X + 0.32 * S), (float)(Y + 0.3 * S), 0);
            glEnd();
        }
        if (pointer_down)
        {
            glColor4f(1.0f, 0.85f, 0.2f, 0.9f);
            glLineWidth(picture_pixels(2.5));
            ring(X, Y, 0.3);
            glLineWidth(1.0f);
        }
        glDisable(GL_BLEND);
        const fcolor Rim = mkfcolor(0.1f, 0.08f, 0.02f, 1);
        const texts::message& Mark = demo_flag ? (fast_flag ? texts::DEMO_MARK_FAST : texts::DEMO_MARK)
                                               : (fast_flag ? texts::REPLAY_MARK_FAST : texts::REPLAY_MARK);
        letters.draw_outlined(Mark, mkrpos(0.4, 1.6, 0), 0.55, font::left, mkfcolor(1, 0.85f, 0.3f, 1), Rim);
        letters.draw_outlined(touch_screen() ? texts::REPLAY_KEYS_TOUCH : texts::REPLAY_KEYS, mkrpos(0.4, 2.2, 0), 0.32, font::left, mkfcolor(1, 0.98f, 0.9f, 0.9f), Rim);
    }

    if (hints_flag && hurry_flag && !watching) render_hurry_mark();
    if (teaching()) ghost.render_words(letters);

    // The level's name and goal, and its opening line if it has one, for its first seconds.
    std::string Name = level_index >= 0 ? texts::level_label(level_index) : banner_name;
    if (!Name.empty() && W.animation_counter < BANNER_SECONDS)
    {
        float Fade = (float)std::min(1.0, BANNER_SECONDS - W.animation_counter);
        std::string Goal = W.medal_bees[0] == 1 && W.total_bees == 1 ? texts::GOAL_ONE
                                                                     : texts::count(texts::GOAL, W.medal_bees[0]);
        const fcolor Rim = mkfcolor(0.1f, 0.08f, 0.02f, Fade);
        // A long name (a player's level's, or in another language) is drawn smaller, a long line on more lines.
        const double Room = PICTURE_W - BANNER_MARGIN, NameSize = std::min(0.8, Room / std::max(letters.width(Name, 1.0), 0.01));
        letters.draw_outlined(Name, mkrpos(PICTURE_W / 2, 4.0 - NameSize / 2, 0), NameSize, font::centre, mkfcolor(1, 0.85f, 0.3f, Fade), Rim);
        letters.draw_outlined(Goal, mkrpos(PICTURE_W / 2, 4.5, 0), 0.45, font::centre, mkfcolor(1, 0.98f, 0.9f, Fade), Rim);
        const std::vector<std::string> Lines = banner_line.empty() ? std::vector<std::string>() : letters.wrap(banner_line, 0.4, Room);
        for (size_t l = 0; l < Lines.size(); l++)
            letters.draw_outlined(Lines[l], mkrpos(PICTURE_W / 2, 5.1 + 0.5 * l, 0), 0.4, font::centre, mkfcolor(1, 0.98f, 0.9f, Fade), Rim);
    }
    glPopMatrix();
}

void play::render_hurry_mark()
{
    // Fast forward's two arrowheads, in gold on a dark rim, where a replay shows its name.
    glEnable(GL_BLEND);
    for (int Pass = 0; Pass < 2; Pass++)
    {
        const double Grow = Pass ? 0.0 : 0.07;
        if (Pass) glColor4f(1.0f, 0.85f, 0.3f, 1.0f);
        else glColor4f(0.1f, 0.08f, 0.02f, 0.9f);
        glBegin(GL_TRIANGLES);
        for (double X : {0.5, 0.95})
        {
            glVertex3d(X - Grow, 1.55 - Grow * 1.6, 0);
            glVertex3d(X + 0.5 + Grow * 1.6, 1.9, 0);
            glVertex3d(X - Grow, 2.25 + Grow * 1.6, 0);
        }
        glEnd();
    }
    glDisable(GL_BLEND);
}

double paused_card_y(const rpos& Hive)
{
    // The card is 2.6 high; beside the middle it stands clear of the bee bar above and the picture's foot.
    const double Middle = PICTURE_H / 2, Above = 3.0, Below = 7.4, Clear = 1.3 + 0.7;
    bool HiveInView = Hive[0] >= 0 && Hive[0] <= PICTURE_W && Hive[1] >= 0 && Hive[1] <= PICTURE_H;
    if (!HiveInView || std::abs(Hive[1] - Middle) >= Clear) return Middle;
    return std::abs(Hive[1] - Above) > std::abs(Hive[1] - Below) ? Above : Below;
}

std::string play::paused_keys() const
{
    if (touch_screen()) return watching ? texts::PAUSED_REPLAY_TOUCH : texts::PAUSED_TOUCH;
    return watching ? texts::PAUSED_REPLAY_KEYS : texts::PAUSED_KEYS; // R starts nothing afresh in a replay
}

void play::render_paused_card()
{
    const world& W = *link_world.ptr();
    const double Y = paused_card_y(W.sprites.empty() ? mkrpos(-1, -1, 0) : W.sprites[0]->position - R.view_center);
    const std::string Keys = paused_keys();
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    glColor4f(0.0f, 0.0f, 0.0f, 0.45f); // the level dimmed behind the card
    draw_centered_quad(mkrpos(PICTURE_W / 2, PICTURE_H / 2, 0), mkrpos(PICTURE_W / 2, PICTURE_H / 2, 0), 0);
    // As wide as its lines need, whatever the language.
    double Half = std::max(letters.width(texts::PAUSED, 0.9), letters.width(Keys, 0.36)) / 2 + 0.5;
    glColor4f(0.85f, 0.75f, 0.3f, 0.95f);
    draw_centered_quad(mkrpos(PICTURE_W / 2, Y, 0), mkrpos(Half, 1.3, 0), 0);
    glColor4f(0.18f, 0.32f, 0.14f, 0.95f);
    draw_centered_quad(mkrpos(PICTURE_W / 2, Y, 0), mkrpos(Half - 0.08, 1.22, 0), 0);
    glDisable(GL_BLEND);
    letters.draw(texts::PAUSED, mkrpos(PICTURE_W / 2, Y - 0.95, 0), 0.9, font::centre, mkfcolor(1, 0.85f, 0.3f, 1));
    letters.draw(Keys, mkrpos(PICTURE_W / 2, Y + 0.25, 0), 0.36, font::centre, mkfcolor(1, 0.97f, 0.85f, 1));
    glPopMatrix();
}
