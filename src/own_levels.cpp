#include "own_levels.h"

#include "button.h"
#include "editor.h"
#include "die.h"
#include "level_code.h"
#include "level_file.h"
#include "level_run.h"
#include "picture.h"
#include "platform.h"
#include "quorvel.h"
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
const double BUTTONS_Y = 9.3, TOP_BUTTONS_Y = 0.65;

enum buttons
{
    b_none,
    b_back,
    b_play,
    b_copy,
    b_paste,
    b_edit,
    b_new,
    B_SIZE
};
static_assert(B_SIZE == own_levels_layout::BUTTONS, "the layout's count of buttons");

std::string button_label(int B)
{
    const texts::message* const Labels[B_SIZE] = {nullptr, &texts::BACK, &texts::PLAY, &texts::COPY_CODE, &texts::PASTE_CODE,
                                                  &texts::EDIT_COPY, &texts::NEW_LEVEL};
    return Labels[B] ? *Labels[B] : std::string();
}

rloc cursor()
{
    return mkrloc(PICTURE_H * mouseloc[0], PICTURE_H * mouseloc[1]);
}

// A small triangle saying there are more tiles up (Way -1) or down (+1).
void draw_more(double X, double Y, int Way)
{
    glColor4f(0.08f, 0.22f, 0.08f, 0.8f);
    glBegin(GL_TRIANGLES);
    glVertex3f((float)(X - 0.25), (float)(Y - 0.15 * Way), 0);
    glVertex3f((float)(X + 0.25), (float)(Y - 0.15 * Way), 0);
    glVertex3f((float)X, (float)(Y + 0.2 * Way), 0);
    glEnd();
}
} // namespace

const double own_levels_layout::TILE_HALF = 0.95;

// The buttons along the bottom, left to right, spread over the panel; the editor's in the top corners.
void own_levels_layout::buttons(const font& Letters, button_place Places[BUTTONS])
{
    double Widths = 0;
    for (int b = b_back; b < B_SIZE; b++) Places[b].radius = button_radius(Letters, button_label(b));
    for (int b = b_back; b <= b_paste; b++) Widths += 2 * Places[b].radius[0];
    const double Left = 0.9, Right = 12.1, Gap = (Right - Left - Widths) / (b_paste - b_back);
    double X = Left;
    for (int b = b_back; b <= b_paste; b++)
    {
        Places[b].center = mkrpos(X + Places[b].radius[0], BUTTONS_Y, 0);
        X += 2 * Places[b].radius[0] + Gap;
    }
    Places[b_new].center = mkrpos(Left + Places[b_new].radius[0], TOP_BUTTONS_Y, 0);
    Places[b_edit].center = mkrpos(Right - Places[b_edit].radius[0], TOP_BUTTONS_Y, 0);
}

rpos own_levels_layout::tile(int Column, int Row)
{
    return mkrpos(2.45 + 2.8 * Column, 2.75 + 3.05 * Row, 0);
}

own_levels::own_levels()
    : selected(-1), first_row(0), hovered(-1), note_bad(false), note_counter(0.0), medal_textures{nullptr, nullptr, nullptr}, done_flag(false),
      to_open(nullptr), pressed_button(b_none), away(false)
{
    letters.load();
    load_medal_textures(medal_textures);
    shelf.scan();
    if (!shelf.levels.empty()) selected = 0;
}

void own_levels::say(const std::string& What, bool Bad)
{
    note = What;
    note_bad = Bad;
    note_counter = NOTE_SECONDS;
    if (Bad) asked.push_back(snd_locked);
}

void own_levels::select(int Index)
{
    if (shelf.levels.empty()) return;
    Index = std::max(0, std::min(Index, (int)shelf.levels.size() - 1));
    if (Index != selected) asked.push_back(snd_pick);
    selected = Index;
    const int Row = selected / own_levels_layout::COLUMNS;
    if (Row < first_row) first_row = Row;
    if (Row >= first_row + own_levels_layout::ROWS) first_row = Row - own_levels_layout::ROWS + 1;
}

bool own_levels::take(const std::string& Text, bool Play)
{
    level_data L;
    std::string CodeProblem, FileProblem;
    bool Read = read_level_code(Text, L, CodeProblem) || read_level_file(Text, L, FileProblem);
    if (!Read)
    {
        // A text that looks like a file is refused as one; anything else as a code.
        say(texts::fill(texts::NOT_A_LEVEL, {Text.rfind("quorvel-bees level", 0) == 0 ? FileProblem : CodeProblem}), true);
        return false;
    }
    std::string Problem;
    const bool Known = shelf.find(level_key(L)) >= 0;
    int Index = shelf.add(L, Problem);
    if (Index < 0)
    {
        say(texts::fill(texts::NOT_KEPT, {Problem}), true);
        return false;
    }
    select(Index);
    say(texts::fill(Known ? texts::ALREADY_THERE : texts::ADDED, {L.name}), false);
    if (Play) play_selected();
    return true;
}

bool own_levels::take_file(const std::string& Path)
{
    level_data L;
    std::string Problem;
    if (!load_level_file(Path, L, Problem))
    {
        trace('!', "levels: can't read ", Path, ": ", Problem);
        say(texts::fill(texts::NOT_A_LEVEL, {Problem}), true);
        return false;
    }
    return take(write_level_file(L), true);
}

void own_levels::play_selected()
{
    if (selected < 0) return;
    asked.push_back(snd_go);
    level_run* Run = new level_run(shelf.levels[selected].data, &shelf, texts::TO_OWN_LEVELS);
    to_open = Run;
}

void own_levels::edit_selected()
{
    if (selected < 0) return;
    editor* Editor = new editor;
    Editor->begin_with(shelf.levels[selected].data);
    asked.push_back(snd_go);
    to_open = Editor;
}

void own_levels::new_level()
{
    editor* Editor = new editor;
    Editor->ask_start();
    asked.push_back(snd_go);
    to_open = Editor;
}

void own_levels::copy_selected()
{
    if (selected < 0) return;
    const level_data& L = shelf.levels[selected].data;
    // The page copies a link that opens the level; the desktop, the code, which the page takes as well.
    const std::string Address = page_address();
    copy_text(Address.empty() ? level_code(L) : level_link(Address, L));
    say(texts::fill(texts::COPIED, {L.name}), false);
}

void own_levels::find_hover()
{
    hovered = -1, pressed_button = b_none;
    const rloc C = cursor();
    for (int Row = 0; Row < own_levels_layout::ROWS; Row++)
        for (int Col = 0; Col < own_levels_layout::COLUMNS; Col++)
        {
            int Index = (first_row + Row) * own_levels_layout::COLUMNS + Col;
            const double H = own_levels_layout::TILE_HALF + 0.2;
            if (Index < (int)shelf.levels.size() && inside_box(C, own_levels_layout::tile(Col, Row), mkrpos(H, H + 0.3, 0)))
                hovered = Index;
        }
    button_place Places[B_SIZE];
    own_levels_layout::buttons(letters, Places);
    for (int b = b_back; b < B_SIZE; b++)
        if (inside_box(C, Places[b].center, Places[b].radius)) pressed_button = b;
}

void own_levels::update(double T)
{
    if (away)
    {
        // Back from a level or the editor, which may have added a level or won medals.
        away = false;
        const uint64_t Chosen = selected >= 0 ? shelf.levels[selected].key : 0;
        shelf.scan();
        selected = shelf.levels.empty() ? -1 : std::max(0, shelf.find(Chosen));
    }
    note_counter = std::max(0.0, note_counter - T);
    find_hover();
}

void own_levels::notice(SDL_Event& E)
{
    if (E.type == SDL_MOUSEWHEEL)
    {
        const int Rows = ((int)shelf.levels.size() + own_levels_layout::COLUMNS - 1) / own_levels_layout::COLUMNS;
        first_row = std::max(0, std::min(first_row - E.wheel.y, Rows - own_levels_layout::ROWS));
        return;
    }
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
        else if (pressed_button == b_copy)
            copy_selected();
        else if (pressed_button == b_paste)
            take(pasted_text(), false);
        else if (pressed_button == b_edit)
            edit_selected();
        else if (pressed_button == b_new)
            new_level();
        return;
    }
    if (E.type != SDL_KEYDOWN) return;
    const SDL_Keycode Key = E.key.keysym.sym;
    const bool Ctrl = (E.key.keysym.mod & KMOD_CTRL) != 0;
    const int Cols = own_levels_layout::COLUMNS;
    if (Key == SDLK_ESCAPE)
        done_flag = true;
    else if (Key == SDLK_RETURN || Key == SDLK_KP_ENTER)
        play_selected();
    else if (Ctrl && Key == SDLK_c)
        copy_selected();
    else if (Ctrl && Key == SDLK_v && clipboard_readable())
        take(pasted_text(), false);
    else if (Key == SDLK_LEFT || Key == SDLK_RIGHT)
        select(selected + (Key == SDLK_LEFT ? -1 : 1));
    else if (Key == SDLK_UP || Key == SDLK_DOWN)
        select(selected + (Key == SDLK_UP ? -Cols : Cols));
}

void own_levels::render()
{
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    draw_panels(1.0);
    letters.draw(texts::OWN_LEVELS, mkrpos(PICTURE_MIDDLE, 0.35, 0), 0.6, font::centre, INK);

    if (shelf.levels.empty())
    {
        std::vector<std::string> Lines = letters.wrap(texts::NO_OWN_LEVELS, 0.4, 9.5);
        for (size_t l = 0; l < Lines.size(); l++) letters.draw(Lines[l], mkrpos(PICTURE_MIDDLE, 3.6 + 0.55 * l, 0), 0.4, font::centre, INK);
    }
    for (int Row = 0; Row < own_levels_layout::ROWS; Row++)
        for (int Col = 0; Col < own_levels_layout::COLUMNS; Col++)
        {
            const int Index = (first_row + Row) * own_levels_layout::COLUMNS + Col;
            if (Index >= (int)shelf.levels.size()) continue;
            const player_level& P = shelf.levels[Index];
            const rpos At = own_levels_layout::tile(Col, Row);
            const double H = own_levels_layout::TILE_HALF;
            draw_level_tile(level_preview(P.data), At, H, 1.0f, Index == hovered, Index == selected, medal_textures, shelf.medals_of(P.key), H + 0.65);
            letters.draw(letters.fitted(P.data.name, 0.32, 2.6), At + mkrpos(0, H + 0.1, 0), 0.32, font::centre,
                         Index == selected ? INK : FADED);
        }
    const int Rows = ((int)shelf.levels.size() + own_levels_layout::COLUMNS - 1) / own_levels_layout::COLUMNS;
    if (first_row > 0) draw_more(12.5, 1.9, -1);
    if (first_row + own_levels_layout::ROWS < Rows) draw_more(12.5, 7.3, +1);

    if (selected >= 0)
    {
        const level_data& L = shelf.levels[selected].data;
        draw_side_by_side(letters,
                          {texts::fill(texts::MAP_SIZE, {std::to_string(L.w), std::to_string(L.h)}), texts::count(texts::FLOWERS, L.num_flowers),
                           texts::count(texts::HORSEFLIES, L.num_flies), texts::count(texts::BEES, L.num_bees)},
                          mkrpos(PICTURE_MIDDLE, 7.7, 0), 0.3, 11.0, INK);
    }
    if (!touch_screen()) letters.draw(texts::OWN_LEVELS_KEYS, mkrpos(PICTURE_MIDDLE, 8.5, 0), 0.26, font::centre, FADED);
    if (note_counter > 0)
    {
        fcolor C = note_bad ? WRONG : INK;
        C[3] = (float)std::min(1.0, note_counter);
        letters.draw(note, mkrpos(PICTURE_MIDDLE, 8.1, 0), 0.3, font::centre, C);
    }
    button_place Places[B_SIZE];
    own_levels_layout::buttons(letters, Places);
    for (int b = b_back; b < B_SIZE; b++) draw_button(letters, Places[b], button_label(b), pressed_button == b, 1.0);
    glDisable(GL_BLEND);
    glPopMatrix();
}

bool own_levels::done() const
{
    return done_flag;
}

screen* own_levels::opened()
{
    screen* S = to_open;
    to_open = nullptr;
    away = away || S;
    return S;
}

bool own_levels::offers(SDL_Keycode Key) const
{
    return Key == SDLK_ESCAPE || (Key == SDLK_RETURN && selected >= 0);
}

void own_levels::hear(cues& Out)
{
    Out.sounds.insert(Out.sounds.end(), asked.begin(), asked.end());
    asked.clear();
}
