#include "title.h"

#include "bindings.h"
#include "button.h"
#include "clamp.h"
#include "editor.h"
#include "help_card.h"
#include "level.h"
#include "own_levels.h"
#include "second_set.h"
#include "picture.h"
#include "picture_text.h"
#include "platform.h"
#include "quorvel.h"
#include "replay.h"
#include "sound.h"
#include "texts.h"
#include "texture.h"
#include "replay_view.h"

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

// The help button's place, beside the rules, and the player's levels' beside it.
const button_place HELP = {mkrpos(12.42, 5.95, 0), mkrpos(0.32, 0.32, 0)};

button_place levels_button(const font& Letters)
{
    button_place B;
    B.radius = button_radius(Letters, texts::OWN_LEVELS_BUTTON);
    B.center = mkrpos(HELP.center[0] - HELP.radius[0] - 0.25 - B.radius[0], HELP.center[1], 0);
    return B;
}
// The editor's, under the title picture.
button_place editor_button(const font& Letters)
{
    return {mkrpos(3.666, HELP.center[1], 0), button_radius(Letters, texts::EDITOR_BUTTON)};
}
// The second set's, in the top corner above the rules.
button_place set_button(const font& Letters)
{
    button_place B;
    B.radius = button_radius(Letters, texts::SECOND_SET_BUTTON);
    B.center = mkrpos(HELP.center[0] + HELP.radius[0] - B.radius[0], 0.7, 0);
    return B;
}
const fcolor INK = mkfcolor(0.08f, 0.22f, 0.08f, 1.0f); // dark green lettering on the light panels
} // namespace

bool mouse_cursor_box(const rpos& Center, const rpos& Size)
{
    return inside_box(cursor(), Center, Size);
}

title::title()
    : quit_flag(false), hover_level(-1), cur_level(0), cur_scroll(0.0), slide_in_alpha(0.0), slide_out_quit(false),
      go_hover_flag(false), go_level(0), score_medals(0), animation_counter(0.0), mode(m_slide_in),
      title_texture(nullptr), rules_texture(nullptr), go_texture(nullptr), closed_texture(nullptr), help_hover_flag(false),
      levels_hover_flag(false), editor_hover_flag(false), set_hover_flag(false),
      go_next(false)
{
    for (int a = 0; a < 4; a++) winning_textures[a] = nullptr;
    for (int a = 0; a < 3; a++) medal_textures[a] = nullptr;
}

title::~title()
{
    while (!shown.empty()) shown.pop_back(); // the top screen first
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

void title::show(screen* S)
{
    shown.emplace_back();
    shown.back().init(S);
}

screen* title::top() const
{
    return shown.empty() ? nullptr : shown.back().ptr();
}

bool title::covered() const
{
    for (const ref<screen>& S : shown)
        if (S->whole_picture()) return true;
    return false;
}

void title::tend_screens()
{
    for (;;)
    {
        if (top() && top()->done())
            shown.pop_back();
        else if (screen* Opened = top() ? top()->opened() : nullptr)
            show(Opened);
        else
            break;
    }
}

void title::keep_screens()
{
    for (ref<screen>& S : shown) S->keep();
}

void title::update(double T)
{
    animation_counter += T;
    refused.update(T);
    tend_screens();
    if (covered())
    {
        top()->update(T);
        tend_screens();
        return;
    }
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
        find_hover();
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
        results.chime(T, score_medals, asked);
        if (slide(T, +1)) mode = m_scores;
        break;
    }

    case m_scores:
        find_hover();
        results.chime(T, score_medals, asked);
        break;

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
            results.start(play_mode->recording, all_levels[go_level].medals);
            asked.push_back(snd_end);
        }
        break;
    }
    if (top())
    {
        top()->update(T);
        tend_screens();
    }
}

void title::find_hover()
{
    if (mode == m_title)
    {
        hover_level = -1;
        rloc C = cursor();
        if (C[1] > 6.5 && C[1] < 8.5) hover_level = (int)((C[0] - PICTURE_MIDDLE + cur_scroll + 1.5) / TILE_STEP);

        go_hover_flag = mouse_cursor_box(go_center(), mkrpos(0.6, 0.6, 0.0));
        help_hover_flag = mouse_cursor_box(HELP.center, HELP.radius);
        const button_place Levels = levels_button(letters);
        levels_hover_flag = mouse_cursor_box(Levels.center, Levels.radius);
        const button_place Editor = editor_button(letters);
        editor_hover_flag = mouse_cursor_box(Editor.center, Editor.radius);
        const button_place Set = set_button(letters);
        set_hover_flag = mouse_cursor_box(Set.center, Set.radius);
        if (top()) hover_level = -1, go_hover_flag = help_hover_flag = levels_hover_flag = editor_hover_flag = set_hover_flag = false; // a card covers the row
    }
    else if (mode == m_scores)
    {
        go_hover_flag = mouse_cursor_box(go_center(), mkrpos(0.6, 0.6, 0.0));
        results.next_label = next_level() >= 0 ? texts::fill(texts::NEXT, {texts::level_label(next_level())}) : "";
        results.hover(cursor(), letters);
    }
}

void title::notice(SDL_Event& E)
{
    if (top())
    {
        top()->notice(E);
        tend_screens();
        return;
    }
    // A press acts on what lies under the pointer as it is pressed, which may have moved since the last
    // update looked.
    if (E.type == SDL_MOUSEBUTTONDOWN) find_hover();
    switch (mode)
    {
    case m_play:
        play_mode->notice(E);
        break;

    case m_title:
    {
        if (acts(E, ac_back))
        {
            if (can_quit()) mode = m_slide_out, slide_out_quit = true;
        }
        else if (acts(E, ac_pick_left) || acts(E, ac_pick_right))
            pick(clamp(cur_level + (acts(E, ac_pick_left) ? -1 : 1), 0, num_levels - 1));
        else if (acts(E, ac_start))
            press_go();
        else if (acts(E, ac_help))
            show_help();
        else if (acts(E, ac_watch) || acts(E, ac_demo))
            watch_kept(acts(E, ac_demo));
        else if (acts(E, ac_paste))
        {
            if (clipboard_readable()) open_levels()->take(pasted_text(), false);
        }
        else if (acts(E, ac_own_levels))
            open_levels();
        else if (acts(E, ac_editor))
            open_editor();
        else if (acts(E, ac_second_set))
            open_second_set();
        else if (E.type == SDL_MOUSEBUTTONDOWN)
        {
            // Closed levels can be selected too; only the go button checks the lock.
            if (hover_level >= 0 && hover_level < num_levels)
                pick(hover_level);
            else if (go_hover_flag)
                press_go();
            else if (help_hover_flag)
                show_help();
            else if (levels_hover_flag)
                open_levels();
            else if (editor_hover_flag)
                open_editor();
            else if (set_hover_flag)
                open_second_set();
        }
        break;
    }

    case m_scores:
    {
        SDL_Keycode Key = E.type == SDL_KEYDOWN ? E.key.keysym.sym : SDLK_UNKNOWN;
        if (Key == SDLK_ESCAPE || (E.type == SDL_MOUSEBUTTONDOWN && go_hover_flag))
        {
            mode = m_scores_out;
            break;
        }
        switch (results.choice(E))
        {
        case results_card::c_back:
            mode = m_scores_out;
            break;
        case results_card::c_watch:
            watch(results.played, false);
            break;
        case results_card::c_next:
            mode = m_scores_out;
            go_next = next_level() >= 0; // else back to the row
            break;
        case results_card::c_none:
            break;
        }
        break;
    }

    default:
        break;
    }
}

void title::show_help()
{
    help_card* Help = new help_card;
    Help->init();
    show(Help);
}

editor* title::open_editor()
{
    editor* Editor = new editor;
    show(Editor);
    return Editor;
}

second_set* title::open_second_set()
{
    second_set* Set = new second_set(all_levels[num_levels - 1].medals);
    show(Set);
    return Set;
}

own_levels* title::open_levels()
{
    own_levels* Levels = new own_levels;
    show(Levels);
    return Levels;
}

int title::take_level(const std::string& Text, bool Play)
{
    own_levels* Levels = dynamic_cast<own_levels*>(top());
    if (!Levels && (top() || (mode != m_slide_in && mode != m_title))) return -1; // not while a level is played
    return (Levels ? Levels : open_levels())->take(Text, Play) ? 1 : 0;
}

void title::pick(int Level)
{
    if (Level != cur_level) asked.push_back(snd_pick);
    cur_level = Level;
    refused.hush();
}

void title::press_go()
{
    if (cur_level < num_levels && all_levels[cur_level].is_open)
    {
        mode = m_slide_out;
        go_level = cur_level;
        asked.push_back(snd_go);
    }
    else
        decline(texts::fill(texts::OPENS_AFTER, {std::to_string(cur_level)}));
}

void title::decline(const std::string& Why)
{
    refused.say(Why);
    asked.push_back(snd_locked);
}

int title::next_level() const
{
    int Next = go_level + 1;
    return Next < num_levels && all_levels[Next].is_open ? Next : -1;
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
    keep_replay(R);
}

void title::watch(const replay& R, bool Demo)
{
    std::string Problem;
    int Index = replay_level(R, Problem);
    if (Index < 0) return decline(Problem);
    show(new replay_view(R, Index, Demo));
}

void title::watch_kept(bool Demo)
{
    if (cur_level >= num_levels || (Demo && !all_levels[cur_level].is_open))
        return decline(texts::fill(texts::OPENS_AFTER, {std::to_string(cur_level)}));
    int Id = all_levels[cur_level].level_id;
    std::string Path = Demo ? "data/demos/level" + std::to_string(Id) + ".qbr" : replay_path(Id, "best");
    replay R;
    std::string Problem;
    if (!load_replay(Path, R, Problem)) return decline(Demo ? texts::fill(texts::NO_DEMO, {Problem}) : texts::NO_REPLAY);
    watch(R, Demo);
}

std::string title::window_title() const
{
    // A card over a screen leaves the window named for the screen under it.
    for (size_t a = shown.size(); a-- > 0;)
        if (!shown[a]->window_title().empty()) return shown[a]->window_title();
    if (mode != m_play) return texts::GAME;
    return texts::fill(texts::WINDOW_IN_PLAY, {texts::GAME, texts::level_label(go_level)});
}

bool title::offers(SDL_Keycode Key) const
{
    if (top()) return top()->offers(Key);
    switch (mode)
    {
    case m_title:
        for (actions A : {ac_watch, ac_demo, ac_own_levels, ac_editor, ac_second_set})
            if (acts(Key, 0, A)) return true;
        return acts(Key, 0, ac_back) && can_quit();
    case m_play:
        return acts(Key, 0, ac_pause) || acts(Key, 0, ac_restart) || acts(Key, 0, ac_back);
    case m_scores:
        return Key == SDLK_ESCAPE || Key == SDLK_RETURN || (Key == SDLK_w && !results.played.frames.empty());
    default:
        return false; // on the way between them
    }
}

void title::hear(cues& Out)
{
    if (top())
        top()->hear(Out);
    else if (mode == m_play)
        Out.level = play_mode.ptr();
    Out.sounds.insert(Out.sounds.end(), asked.begin(), asked.end());
    asked.clear();
}

bool title::pointer_scrolls() const
{
    return top() ? top()->pointer_scrolls() : mode == m_play;
}

void title::pause_level()
{
    // Every screen shown, not the top one alone: the editor under its help card keeps its work too.
    for (ref<screen>& S : shown) S->pause();
    if (!top() && mode == m_play)
        play_mode->set_paused(true);
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
    if (covered())
    {
        // From the last screen that fills the picture up: the cards over it.
        size_t From = shown.size() - 1;
        while (!shown[From]->whole_picture()) From--;
        for (size_t a = From; a < shown.size(); a++) shown[a]->render();
        return;
    }
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
        glBindTexture(GL_TEXTURE_2D, (words_drawn() ? picture_without_words(score_medals) : winning_textures[score_medals])->id);
        glColor4f(1, 1, 1, 1);
        draw_quad(mkrpos(PICTURE_MIDDLE, 2.5, 0), mkrpos(2.5, 2.5, 0), 0);
        glDisable(GL_TEXTURE_2D);
        if (words_drawn()) draw_result_words(letters, score_medals, slid(mkrpos(PICTURE_MIDDLE, 2.5, 0), mkrpos(2.5, 2.5, 0)), 2.5);
        if (play_world.ptr()) // none before the first level
            results.render(letters, medal_textures, *play_world.ptr(), score_medals, all_levels[go_level].medals, slide_in_alpha);
    }
    else
    {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, title_texture->id);
        glColor4f(1, 1, 1, 1);
        draw_quad(mkrpos(3.666, 2.5, 0), mkrpos(2.5, 2.5, 0), 0);
        glBindTexture(GL_TEXTURE_2D, (words_drawn() ? picture_without_words(4) : rules_texture)->id);
        glColor4f(1, 1, 1, 1);
        draw_quad(mkrpos(10.666, 3.5, 0), mkrpos(2.125, 2.125, 0), 0);
        glDisable(GL_TEXTURE_2D);
        if (words_drawn()) draw_rules_words(letters, slid(mkrpos(10.666, 3.5, 0), mkrpos(2.125, 2.125, 0)), 2.125);

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
        draw_button(letters, HELP, texts::HELP_BUTTON, help_hover_flag, slide_in_alpha);
        draw_button(letters, levels_button(letters), texts::OWN_LEVELS_BUTTON, levels_hover_flag, slide_in_alpha);
        draw_button(letters, editor_button(letters), texts::EDITOR_BUTTON, editor_hover_flag, slide_in_alpha);
        draw_button(letters, set_button(letters), texts::SECOND_SET_BUTTON, set_hover_flag, slide_in_alpha);
    }

    glDisable(GL_BLEND);
    glPopMatrix();
    for (ref<screen>& S : shown) S->render(); // cards over the row
}

rpos title::slid(const rpos& Center, const rpos& Radius) const
{
    return slide_position(Center, Radius, slide_in_alpha);
}

void title::render_row_label()
{
    if (cur_level >= num_levels) return; // past the last tile when every level is won
    std::string Label = texts::level_label(cur_level);
    if (!all_levels[cur_level].is_open) Label = texts::fill(texts::LOCKED, {Label});
    letters.draw(Label, slid(mkrpos(PICTURE_MIDDLE, 8.75, 0), mkrpos(2, 0.25, 0)), 0.45, font::centre, INK);
    refused.render(letters); // why the go button shook, for a while after
}

void title::draw_background()
{
    draw_panels(slide_in_alpha);
    if (go_hover_flag)
    {
        glColor4f(1.0f, 0.13f, 0.82f, 0.75f);
        draw_quad(go_center(), mkrpos(0.66, 0.66, 0), 0);
    }
    glColor4f(0.6f, 1.0f, 0.6f, 0.5f);
    draw_quad(go_center(), mkrpos(0.6, 0.6, 0), 0);

    // Rocks between +9 and -7 degrees, switching every tenth of a second; shakes its head at a closed level.
    double Angle = ((int)(10.0 * animation_counter) % 2 == 0) ? 9.0 : -7.0;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, go_texture->id);
    glColor4f(1, 1, 1, 1);
    draw_quad(mkrpos(PICTURE_MIDDLE + refused.shake(), 5.0, 0), mkrpos(0.6, 0.6, 0), Angle);
    glDisable(GL_TEXTURE_2D);
}

void title::draw_quad(const rpos& Center, const rpos& Radius, double Angle)
{
    draw_centered_quad(slid(Center, Radius), Radius, Angle);
}
