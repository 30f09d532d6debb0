#include "second_set.h"

#include "bindings.h"
#include "die.h"
#include "level.h"
#include "level_run.h"
#include "picture.h"
#include "platform.h"
#include "player_levels.h"
#include "quorvel.h"
#include "replay.h"
#include "replay_view.h"
#include "rstate.h"
#include "sound.h"
#include "texts.h"
#include "texture.h"
#include "world.h"

#include <GL/gl.h>
#include <algorithm>

namespace {
const fcolor INK = mkfcolor(0.08f, 0.22f, 0.08f, 1.0f);
const fcolor FADED = mkfcolor(0.08f, 0.22f, 0.08f, 0.55f);
const fcolor WRONG = mkfcolor(0.55f, 0.08f, 0.05f, 1.0f);
const double NOTE_SECONDS = 4.0;
const double BUTTONS_Y = 9.3;

enum buttons
{
    b_none,
    b_back,
    b_play,
    b_how,
    B_SIZE
};
static_assert(B_SIZE == second_set_layout::BUTTONS, "the layout's count of buttons");

std::string button_label(int B)
{
    const texts::message* const Labels[B_SIZE] = {nullptr, &texts::BACK, &texts::PLAY, &texts::SHOW_HOW};
    return Labels[B] ? *Labels[B] : std::string();
}

rloc cursor()
{
    return mkrloc(PICTURE_H * mouseloc[0], PICTURE_H * mouseloc[1]);
}
} // namespace

const double second_set_layout::TILE_HALF = 0.8, second_set_layout::TILE_NAME_WIDE = 1.95, second_set_layout::LINE_WIDE = 11.1;

rpos second_set_layout::tile(int Index)
{
    return mkrpos(PICTURE_MIDDLE + 2.15 * (Index % COLUMNS - 2), 2.15 + 2.85 * (Index / COLUMNS), 0);
}

void second_set_layout::buttons(const font& Letters, button_place Places[BUTTONS])
{
    for (int b = b_back; b < B_SIZE; b++) Places[b].radius = button_radius(Letters, button_label(b));
    Places[b_back].center = mkrpos(0.9 + Places[b_back].radius[0], BUTTONS_Y, 0);
    Places[b_how].center = mkrpos(12.1 - Places[b_how].radius[0], BUTTONS_Y, 0);
    Places[b_play].center = mkrpos(PICTURE_MIDDLE, BUTTONS_Y, 0);
}

std::string set_demo_name(const std::string& LevelFile)
{
    return LevelFile.substr(0, LevelFile.size() - 4) + ".qbr";
}

std::string set_demo_path(const std::string& LevelFile)
{
    return "data/demos/set2/" + set_demo_name(LevelFile);
}

second_set::second_set(int Gate, const std::string& Folder)
    : gate(Gate), selected(0), hovered(-1), note_counter(0.0), medal_textures{nullptr, nullptr, nullptr}, closed_texture(nullptr),
      done_flag(false), to_open(nullptr), pressed_button(b_none)
{
    letters.load();
    load_medal_textures(medal_textures);
    closed_texture = texture_load("data/gfx/closed1.tga", true);
    set.load(Folder);
    // The first open level without a medal, where the player goes on.
    selected = std::max(0, std::min(set.open_count(gate), (int)set.levels.size()) - 1);
}

level_data second_set::shown(int Index) const
{
    level_data L = set.levels[Index].data;
    L.name = texts::fill(texts::LEVEL, {std::to_string(count_levels() + Index + 1), texts::message{set.levels[Index].data.name.c_str()}});
    if (!L.line.empty()) L.line = texts::message{set.levels[Index].data.line.c_str()};
    return L;
}

bool second_set::is_open(int Index) const
{
    return Index >= 0 && Index < set.open_count(gate);
}

void second_set::refuse(const std::string& Why)
{
    note = Why;
    note_counter = NOTE_SECONDS;
    asked.push_back(snd_locked);
}

void second_set::select(int Index)
{
    if (set.levels.empty()) return;
    Index = std::max(0, std::min(Index, (int)set.levels.size() - 1));
    if (Index != selected) asked.push_back(snd_pick);
    selected = Index;
}

void second_set::play_selected()
{
    if (!is_open(selected)) return refuse(texts::SECOND_SET_CLOSED);
    asked.push_back(snd_go);
    to_open = new level_run(shown(selected), &set, texts::TO_SECOND_SET);
}

void second_set::show_how()
{
    if (set.levels.empty()) return;
    if (!is_open(selected)) return refuse(texts::SECOND_SET_CLOSED);
    replay Demo;
    std::string Problem;
    const std::string Path = set_demo_path(set.levels[selected].file);
    if (!read_replay_file(Path, Demo, Problem) || !replay_of(Demo, set.levels[selected].data))
    {
        if (Problem.empty()) Problem = "it was made on another level";
        trace('!', "second set: can't show ", Path, ": ", Problem);
        return refuse(texts::fill(texts::NO_DEMO, {Problem}));
    }
    asked.push_back(snd_go);
    to_open = new replay_view(Demo, shown(selected), true);
}

void second_set::find_hover()
{
    hovered = -1, pressed_button = b_none;
    const rloc C = cursor();
    const double H = second_set_layout::TILE_HALF + 0.2;
    for (int i = 0; i < (int)set.levels.size(); i++)
        if (inside_box(C, second_set_layout::tile(i), mkrpos(H, H + 0.3, 0))) hovered = i;
    button_place Places[B_SIZE];
    second_set_layout::buttons(letters, Places);
    for (int b = b_back; b < B_SIZE; b++)
        if (inside_box(C, Places[b].center, Places[b].radius)) pressed_button = b;
}

void second_set::update(double T)
{
    note_counter = std::max(0.0, note_counter - T);
    find_hover();
}

void second_set::notice(SDL_Event& E)
{
    if (E.type == SDL_MOUSEBUTTONDOWN)
    {
        find_hover(); // where the press is, not where the last frame saw the pointer
        if (hovered >= 0 && hovered == selected)
            play_selected();
        else if (hovered >= 0)
            select(hovered);
        else if (pressed_button == b_back)
            done_flag = true;
        else if (pressed_button == b_play)
            play_selected();
        else if (pressed_button == b_how)
            show_how();
        return;
    }
    if (E.type != SDL_KEYDOWN) return;
    const SDL_Keycode Key = E.key.keysym.sym;
    if (acts(E, ac_back))
        done_flag = true;
    else if (acts(E, ac_start))
        play_selected();
    else if (acts(E, ac_demo))
        show_how();
    else if (Key == SDLK_LEFT || Key == SDLK_RIGHT)
        select(selected + (Key == SDLK_LEFT ? -1 : 1));
    else if (Key == SDLK_UP || Key == SDLK_DOWN)
        select(selected + (Key == SDLK_UP ? -1 : 1) * second_set_layout::COLUMNS);
}

void second_set::render()
{
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    draw_panels(1.0);
    letters.draw(texts::SECOND_SET, mkrpos(PICTURE_MIDDLE, 0.35, 0), 0.6, font::centre, INK);
    const double H = second_set_layout::TILE_HALF;
    for (int i = 0; i < (int)set.levels.size(); i++)
    {
        const set_level& S = set.levels[i];
        const rpos At = second_set_layout::tile(i);
        const bool Open = is_open(i);
        draw_level_tile(level_preview(S.data), At, H, Open ? 1.0f : 0.6f, i == hovered, i == selected, medal_textures, S.medals, H + 0.9);
        if (!Open)
        {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, closed_texture->id);
            draw_centered_quad(At, mkrpos(0.45, 0.45, 0), 0);
            glDisable(GL_TEXTURE_2D);
        }
        // The number and name on two lines at most, as the tiles stand close.
        const std::string Name = std::to_string(count_levels() + i + 1) + " · " + std::string(texts::message{S.data.name.c_str()});
        std::vector<std::string> Lines = letters.wrap(Name, 0.26, second_set_layout::TILE_NAME_WIDE);
        if (Lines.size() > 2) Lines.resize(2), Lines[1] = letters.fitted(Lines[1] + "…", 0.26, second_set_layout::TILE_NAME_WIDE);
        for (size_t l = 0; l < Lines.size(); l++)
            letters.draw(Lines[l], At + mkrpos(0, H + 0.08 + 0.3 * l, 0), 0.26, font::centre, i == selected ? INK : FADED);
    }
    if (!set.levels.empty())
    {
        // What the chosen level asks, or what opens it.
        const level_data L = shown(selected);
        letters.draw(letters.fitted(L.name, 0.42, second_set_layout::LINE_WIDE), mkrpos(PICTURE_MIDDLE, 7.2, 0), 0.42, font::centre, INK);
        const std::string Below = is_open(selected) ? L.line : std::string(texts::SECOND_SET_CLOSED);
        letters.draw(letters.fitted(Below, 0.3, second_set_layout::LINE_WIDE), mkrpos(PICTURE_MIDDLE, 7.8, 0), 0.3, font::centre, INK);
    }
    if (note_counter > 0)
    {
        fcolor C = WRONG;
        C[3] = (float)std::min(1.0, note_counter);
        letters.draw(letters.fitted(note, 0.28, second_set_layout::LINE_WIDE), mkrpos(PICTURE_MIDDLE, 8.4, 0), 0.28, font::centre, C);
    }
    else if (!touch_screen())
        letters.draw(texts::SECOND_SET_KEYS, mkrpos(PICTURE_MIDDLE, 8.45, 0), 0.26, font::centre, FADED);
    button_place Places[B_SIZE];
    second_set_layout::buttons(letters, Places);
    for (int b = b_back; b < B_SIZE; b++) draw_button(letters, Places[b], button_label(b), pressed_button == b, 1.0);
    glDisable(GL_BLEND);
    glPopMatrix();
}

bool second_set::done() const
{
    return done_flag;
}

screen* second_set::opened()
{
    screen* S = to_open;
    to_open = nullptr;
    return S;
}

bool second_set::offers(SDL_Keycode Key) const
{
    return acts(Key, 0, ac_back) || ((acts(Key, 0, ac_start) || acts(Key, 0, ac_demo)) && is_open(selected));
}

void second_set::hear(cues& Out)
{
    Out.sounds.insert(Out.sounds.end(), asked.begin(), asked.end());
    asked.clear();
}
