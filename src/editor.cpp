#include "editor.h"

#include "die.h"
#include "editor_help.h"
#include "editor_start.h"
#include "level_code.h"
#include "level_file.h"
#include "level_run.h"
#include "picture.h"
#include "platform.h"
#include "player_levels.h"
#include "quorvel.h"
#include "safe_file.h"
#include "sound.h"
#include "texts.h"
#include "texture.h"
#include "tile_shades.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace {
const fcolor INK = mkfcolor(0.08f, 0.22f, 0.08f, 1.0f);
const fcolor FADED = mkfcolor(0.08f, 0.22f, 0.08f, 0.6f);
const fcolor WRONG = mkfcolor(0.62f, 0.05f, 0.03f, 1.0f);
const fcolor LIGHT = mkfcolor(1, 0.97f, 0.85f, 1);
const fcolor GOLD = mkfcolor(0.95f, 0.78f, 0.2f, 1.0f);
const fcolor RIM = mkfcolor(0.1f, 0.08f, 0.02f, 1);
const double NOTE_SECONDS = 4.0;
const double KEEP_AFTER = 3.0;              // a change is kept once the hand has rested this long
const double HOLD_DELAY = 0.4, HOLD_REPEAT = 0.07; // a – or + held down
const double EDGE_BAND = 0.45;              // the map scrolls with the pointer this near an edge of its part
const double EDGE_REST = 0.25;              // for this long: a pointer on its way to the panel scrolls nothing
const double SCROLL_SPEED = 12.0;           // world units a second, at the edge or with an arrow key
const double WHEEL_STEP = 1.5;
const double PANEL_INNER_LEFT = EDITOR_PANEL_LEFT + 0.15, PANEL_INNER_RIGHT = PICTURE_W - 0.13;
// The panel's rows: the counts, then the medals.
const double FIELD_Y[level_edit::f_name] = {1.55, 2.15, 2.75, 4.2, 4.8, 5.4};
const double FACTS_Y = 0.93, STATUS_Y = 6.9;
// Where each place's problems are said in the panel, and how many lines they may take there.
const double COUNT_PROBLEMS_Y = 3.05, MEDAL_PROBLEMS_Y = 5.7;
const int COUNT_PROBLEM_LINES = 3, MEDAL_PROBLEM_LINES = 4;
const int BRUSHES[3] = {1, 3, 5};
enum scroll_bits
{
    sk_left = 1,
    sk_right = 2,
    sk_up = 4,
    sk_down = 8
};

int scroll_bit(SDL_Keycode Key)
{
    return Key == SDLK_LEFT ? sk_left : Key == SDLK_RIGHT ? sk_right : Key == SDLK_UP ? sk_up : Key == SDLK_DOWN ? sk_down : 0;
}

rloc cursor()
{
    return mkrloc(PICTURE_H * mouseloc[0], PICTURE_H * mouseloc[1]);
}

fcolor colour_of(uint32_t RGB, float Alpha)
{
    return mkfcolor((RGB >> 16) / 255.0f, ((RGB >> 8) & 255) / 255.0f, (RGB & 255) / 255.0f, Alpha);
}

void ring(double X, double Y, double Radius)
{
    glBegin(GL_LINE_LOOP);
    for (int a = 0; a < 32; a++) glVertex3f((float)(X + Radius * std::cos(a * PI / 16)), (float)(Y + Radius * std::sin(a * PI / 16)), 0);
    glEnd();
}

void square(double X0, double Y0, double X1, double Y1)
{
    glBegin(GL_LINE_LOOP);
    glVertex3f((float)X0, (float)Y0, 0);
    glVertex3f((float)X1, (float)Y0, 0);
    glVertex3f((float)X1, (float)Y1, 0);
    glVertex3f((float)X0, (float)Y1, 0);
    glEnd();
}

bool is_field_button(int B)
{
    return B >= editor::b_less && B < editor::B_SIZE;
}

level_edit::fields field_of_button(int B)
{
    return (level_edit::fields)((B - editor::b_less) % level_edit::f_name);
}

const char* field_label(int Field)
{
    const texts::message Labels[level_edit::F_SIZE] = {texts::FLOWERS_LABEL, texts::HORSEFLIES_LABEL, texts::BEES_LABEL, texts::MEDAL_NAMES[0],
                                                   texts::MEDAL_NAMES[1], texts::MEDAL_NAMES[2], texts::NAME};
    return Labels[Field].c_str();
}
// A field's text chosen whole, which the first letter typed replaces: shown on the selection's colour.
void select_behind(const font& Letters, const std::string& Text, const rpos& Middle, double Size)
{
    const double Half = Letters.width(Text, Size) / 2 + 0.04;
    glColor4f(0.55f, 0.75f, 1.0f, 1.0f);
    draw_centered_quad(Middle, mkrpos(Half, Size * 0.6, 0), 0);
}
} // namespace

bool on_button(const rloc& At, const button_place& B)
{
    return inside_box(At, B.center, B.radius);
}

editor::editor()
    : tool(t_paint), kind(world::tt_grass), brush(3), view(), tools_hidden(false), judged_key(0), verdict_shown(false), typing(-1), typed_whole(false), note_bad(false),
      note_counter(0.0), medal_textures{nullptr, nullptr, nullptr}, drawn_revision(-1),
      playable_now(false), hive_on_grass_now(true), grass_now(0), key_now(0), kept_revision(0), unkept_counter(0.0),
      done_flag(false), to_open(nullptr), stroking(false), grabbing(false), hovered(b_none), held(b_none), held_counter(0.0),
      edge_counter(0.0), scroll_keys(0), bar_size(0.32), panel_size(0.32)
{
    letters.load();
    load_medal_textures(medal_textures);
    lay_out();
    if (load_work(edit))
        say(texts::WORK_BACK, false);
    else
        ask_start();
    kept_revision = edit.revision;
    look_at_hive();
}

editor::~editor()
{
    delete to_open; // opened, but never shown
}

void editor::say(const std::string& What, bool Bad)
{
    note = What;
    note_bad = Bad;
    note_counter = NOTE_SECONDS;
    if (Bad) asked.push_back(snd_locked);
}

const char* editor::label(buttons B) const
{
    switch (B)
    {
    case b_grass:
        return texts::GRASS.c_str();
    case b_water:
        return texts::WATER.c_str();
    case b_rock:
        return texts::ROCK.c_str();
    case b_fill:
        return texts::FILL.c_str();
    case b_hive:
        return texts::HIVE.c_str();
    case b_undo:
        return texts::UNDO.c_str();
    case b_redo:
        return texts::REDO.c_str();
    case b_help:
        return texts::HELP_BUTTON.c_str();
    case b_back:
        return texts::BACK.c_str();
    case b_new:
        return texts::NEW.c_str();
    case b_test:
        return texts::TEST.c_str();
    case b_verdict:
        return texts::VERDICT.c_str();
    case b_save:
        return texts::SAVE.c_str();
    case b_code:
        return texts::COPY_CODE.c_str();
    default:
        return "";
    }
}

void editor::lay_out()
{
    // The bar: its buttons spread over the picture's width, their labels as large as lets them fit.
    const buttons Bar[] = {b_grass, b_water, b_rock, b_brush1, b_brush3, b_brush5, b_fill, b_hive, b_undo, b_redo, b_help, b_back};
    const double BarY = (EDITOR_BAR_TOP + PICTURE_H) / 2, Left = 0.12, Right = PICTURE_W - 0.12;
    double Widths = 0;
    for (bar_size = 0.32;; bar_size -= 0.01)
    {
        Widths = 0;
        for (buttons B : Bar)
        {
            const double Half = B >= b_brush1 && B <= b_brush5 ? 0.3 : letters.width(label(B), bar_size) / 2 + 0.22;
            places[B].radius = mkrpos(Half, 0.33, 0);
            Widths += 2 * Half;
        }
        if (Widths + 0.08 * (std::size(Bar) - 1) <= Right - Left || bar_size < 0.2) break;
    }
    double X = Left;
    const double Gap = (Right - Left - Widths) / (std::size(Bar) - 1);
    for (buttons B : Bar)
    {
        places[B].center = mkrpos(X + places[B].radius[0], BarY, 0);
        X += 2 * places[B].radius[0] + Gap;
    }

    // The panel: the name and New; a row a count or medal, – value +; Test and Verdict, Save and the code.
    for (panel_size = 0.32;; panel_size -= 0.01)
    {
        const double New = letters.width(texts::NEW, panel_size) / 2 + 0.22;
        const double Row1 = letters.width(texts::TEST, panel_size) + letters.width(texts::VERDICT, panel_size) + 4 * 0.22 + 0.12;
        const double Row2 = letters.width(texts::SAVE, panel_size) + letters.width(texts::COPY_CODE, panel_size) + 4 * 0.22 + 0.12;
        if ((std::max(Row1, Row2) <= PANEL_INNER_RIGHT - PANEL_INNER_LEFT && New < 0.7) || panel_size < 0.2)
        {
            places[b_new] = {mkrpos(PANEL_INNER_RIGHT - New, 0.5, 0), mkrpos(New, 0.3, 0)};
            break;
        }
    }
    const double NameRight = places[b_new].center[0] - places[b_new].radius[0] - 0.1;
    places[b_name] = {mkrpos((PANEL_INNER_LEFT + NameRight) / 2, 0.5, 0), mkrpos((NameRight - PANEL_INNER_LEFT) / 2, 0.3, 0)};
    for (int f = 0; f < level_edit::f_name; f++)
    {
        places[b_less + f] = {mkrpos(11.62, FIELD_Y[f], 0), mkrpos(0.25, 0.25, 0)};
        places[b_value + f] = {mkrpos(12.3, FIELD_Y[f], 0), mkrpos(0.4, 0.25, 0)};
        places[b_more + f] = {mkrpos(PANEL_INNER_RIGHT - 0.25, FIELD_Y[f], 0), mkrpos(0.25, 0.25, 0)};
    }
    // Two buttons a row, the first from the left edge, the second to the right one.
    auto pair = [&](buttons A, buttons B, double Y) {
        const double HA = letters.width(label(A), panel_size) / 2 + 0.22, HB = letters.width(label(B), panel_size) / 2 + 0.22;
        const double Spare = (PANEL_INNER_RIGHT - PANEL_INNER_LEFT - 2 * HA - 2 * HB - 0.12) / 2; // shared out
        places[A] = {mkrpos(PANEL_INNER_LEFT + HA + Spare / 2, Y, 0), mkrpos(HA + Spare / 2, 0.33, 0)};
        places[B] = {mkrpos(PANEL_INNER_RIGHT - HB - Spare / 2, Y, 0), mkrpos(HB + Spare / 2, 0.33, 0)};
    };
    pair(b_test, b_verdict, 7.58);
    pair(b_save, b_code, 8.4);
}

editor::buttons editor::find_hover(const rloc& At) const
{
    if (tools_hidden) return b_none;
    for (int B = b_none + 1; B < B_SIZE; B++)
        if (on_button(At, places[B])) return (buttons)B;
    return b_none;
}

rpos editor::map_area() const
{
    return tools_hidden ? mkrpos(PICTURE_W, PICTURE_H, 0) : mkrpos(EDITOR_PANEL_LEFT, EDITOR_BAR_TOP, 0);
}

rloc editor::map_point(const rloc& At) const
{
    return mkrloc(view[0] + At[0], view[1] + At[1]);
}

void editor::hive_corner(const rloc& At, int& X, int& Y) const
{
    const rloc P = map_point(At);
    X = std::max(0, std::min((int)std::floor(P[0] + 0.5), edit.level.w));
    Y = std::max(0, std::min((int)std::floor(P[1] + 0.5), edit.level.h));
}

void editor::clamp_view()
{
    // As the play screen's: the upper bound first, so that a map smaller than its part is pinned at 0.
    const rpos Area = map_area();
    const double AreaW = tools_hidden ? VIEW_W : Area[0];
    view[0] = std::max(0.0, std::min(view[0], edit.level.w - AreaW));
    view[1] = std::max(0.0, std::min(view[1], edit.level.h - Area[1]));
}

void editor::sync_view()
{
    if (drawn_revision == edit.revision) return;
    drawn_revision = edit.revision;
    // What the drawing asks of the level every frame, worked out once a change.
    problems_now = edit.problems();
    playable_now = edit.playable();
    grass_now = edit.grass_tiles();
    hive_on_grass_now = edit.hive_on_grass();
    key_now = level_key(edit.level);
    view_world.lay_map(edit.level);
    rngen Seeded; // the hive's corners are jittered from a seed: the same one every time it is drawn here
    Seeded.seed(1);
    view_hive.init(edit.level.hive_pos, Seeded);
    clamp_view();
}

void editor::begin_with(const level_data& L, const std::string& SavedFile)
{
    // A level given before the start card came up: the card is not wanted.
    delete to_open;
    to_open = nullptr;
    end_typing(false);
    if (stroking) edit.end_stroke(), stroking = false;
    edit.start(L, SavedFile);
    look_at_hive();
}

void editor::look_at_hive()
{
    const rpos Area = map_area();
    view = mkrpos(edit.level.hive_pos[0] - Area[0] / 2, edit.level.hive_pos[1] - Area[1] / 2, 0);
    drawn_revision = -1;
    sync_view(); // clamped to the new map
}

void editor::ask_start()
{
    end_typing(true);
    delete to_open; // asked for once already, before it was shown
    to_open = new editor_start([this](const level_data& L) { begin_with(L); });
}

void editor::undo()
{
    if (stroking) edit.end_stroke(), stroking = false;
    if (!edit.undo()) asked.push_back(snd_locked);
}

void editor::redo()
{
    if (stroking) edit.end_stroke(), stroking = false;
    if (!edit.redo()) asked.push_back(snd_locked);
}

void editor::test()
{
    if (!edit.playable()) return say(texts::PLAY_BLOCKED, true);
    if (stroking) edit.end_stroke(), stroking = false;
    if (edit.revision != kept_revision) keep_work();
    asked.push_back(snd_go);
    to_open = new level_run(edit.level, nullptr, texts::TO_EDITOR);
}

void editor::judge()
{
    if (judging && !judging->finished())
    {
        judging.reset(); // a second press stops it
        return;
    }
    if (judging && judged_key == level_key(edit.level))
    {
        verdict_shown = !verdict_shown;
        return;
    }
    if (!edit.playable()) return say(texts::PLAY_BLOCKED, true);
    judging.reset(new verdict(edit.level, VERDICT_SEEDS));
    judged_key = level_key(edit.level);
    verdict_shown = true;
}

void editor::save()
{
    if (!edit.problems().empty()) return say(texts::MEND_FIRST, true);
    player_levels Shelf;
    Shelf.scan();
    const size_t Before = Shelf.levels.size();
    std::string Problem;
    const int Index = Shelf.keep(edit.level, edit.saved_file, Problem);
    if (Index < 0) return say(texts::fill(texts::NOT_KEPT, {Problem}), true);
    const std::string& File = Shelf.levels[Index].file;
    if (edit.saved_file.empty() && Shelf.levels.size() == Before)
        return say(texts::fill(texts::ALREADY_SAVED, {File}), false); // the same level, kept before as another file
    edit.mark_saved(File);
    say(texts::fill(texts::SAVED_AMONG, {File}), false);
    asked.push_back(snd_pick);
    keep_work();
}

void editor::copy_code()
{
    if (!edit.problems().empty()) return say(texts::MEND_FIRST, true);
    const std::string Address = page_address();
    copy_text(Address.empty() ? level_code(edit.level) : level_link(Address, edit.level));
    say(texts::fill(texts::COPIED, {edit.level.name}), false);
}

void editor::keep_work()
{
    std::string Text = write_level_file(edit.level);
    std::string Saved = "# The level editor's work, kept until it is opened again.\n";
    if (!edit.saved_file.empty()) Saved += "# saved as: " + edit.saved_file + " " + key_text(edit.saved_key) + "\n";
    Text.insert(Text.find('\n') + 1, Saved);
    std::string Problem;
    if (!replace_file(kept_path(EDITOR_WORK_FILE), Text, Problem))
    {
        trace('!', "editor: can't keep the work: ", Problem);
        say(texts::fill(texts::NOT_KEPT, {Problem}), true);
        return;
    }
    kept_revision = edit.revision;
    unkept_counter = 0.0;
}

bool editor::load_work(level_edit& Edit)
{
    const std::string Path = kept_path(EDITOR_WORK_FILE);
    std::ifstream In;
    std::string Problem;
    switch (open_plain_file(Path, In, Problem))
    {
    case or_missing:
        return false;
    case or_refused:
        trace('!', "editor: can't read ", Path, ": ", Problem, "; a new level instead");
        return false;
    case or_open:
        break;
    }
    std::string Bytes(256 << 10, '\0');
    In.read(&Bytes[0], (std::streamsize)Bytes.size());
    Bytes.resize((size_t)In.gcount());
    level_data L;
    if (!read_level_draft(Bytes, L, Problem))
    {
        // Kept aside rather than written over: it may be the player's only copy of a day's work.
        const std::string Aside = kept_path("editor_work-unreadable.qbl");
        trace('!', "editor: can't read ", Path, ": ", Problem, "; moved to ", Aside, ", a new level instead");
        In.close();
        std::rename(Path.c_str(), Aside.c_str());
        return false;
    }
    Edit.level = L;
    const std::string Mark = "\n# saved as: ";
    const size_t At = Bytes.find(Mark);
    if (At != std::string::npos)
    {
        const size_t End = Bytes.find('\n', At + 1);
        const std::string Line = Bytes.substr(At + Mark.size(), End - At - Mark.size());
        const size_t Blank = Line.rfind(' ');
        if (Blank != std::string::npos && Blank > 0 && Line.size() - Blank == 17)
        {
            Edit.saved_file = Line.substr(0, Blank);
            Edit.saved_key = std::strtoull(Line.c_str() + Blank + 1, nullptr, 16);
        }
    }
    Edit.revision++;
    return true;
}

void editor::start_typing(int Field)
{
    end_typing(true);
    std::string Text = Field == level_edit::f_name ? edit.level.name : std::to_string(edit.field((level_edit::fields)Field));
    if (ask_text(field_label(Field), Text))
    {
        // Asked by the page: the answer is taken at once.
        typing = Field, typed = Text;
        end_typing(true);
        return;
    }
    typing = Field, typed = Text;
    typed_whole = true;
}

void editor::end_typing(bool Keep)
{
    if (typing < 0) return;
    const int Field = typing;
    typing = -1;
    if (!Keep) return;
    if (Field == level_edit::f_name)
        edit.set_name(typed);
    else if (!typed.empty() && typed.size() <= 6 && typed.find_first_not_of("0123456789") == std::string::npos)
        edit.set_field((level_edit::fields)Field, std::stoi(typed));
}

void editor::press(buttons B)
{
    if (B != b_name && !(B >= b_value && B < B_SIZE)) end_typing(true);
    switch (B)
    {
    case b_grass:
    case b_water:
    case b_rock:
        kind = B == b_grass ? world::tt_grass : B == b_water ? world::tt_water : world::tt_rock;
        if (tool == t_hive) tool = t_paint;
        asked.push_back(snd_pick);
        break;
    case b_brush1:
    case b_brush3:
    case b_brush5:
        brush = BRUSHES[B - b_brush1];
        tool = t_paint;
        asked.push_back(snd_pick);
        break;
    case b_fill:
        tool = t_fill;
        asked.push_back(snd_pick);
        break;
    case b_hive:
        tool = t_hive;
        asked.push_back(snd_pick);
        break;
    case b_undo:
        undo();
        break;
    case b_redo:
        redo();
        break;
    case b_help:
        to_open = new editor_help;
        break;
    case b_back:
        if (edit.revision != kept_revision) keep_work();
        done_flag = true;
        break;
    case b_name:
        start_typing(level_edit::f_name);
        break;
    case b_new:
        ask_start();
        break;
    case b_test:
        test();
        break;
    case b_verdict:
        judge();
        break;
    case b_save:
        save();
        break;
    case b_code:
        copy_code();
        break;
    default:
        if (B >= b_value && B < B_SIZE)
            start_typing(B - b_value);
        else if (B >= b_less && B < b_value)
        {
            const level_edit::fields F = field_of_button(B);
            if (!edit.set_field(F, edit.field(F) + (B < b_more ? -1 : 1))) asked.push_back(snd_locked);
        }
        break;
    }
}

void editor::use_tool(bool First)
{
    const rloc At = cursor();
    const rpos Area = map_area();
    if (At[0] >= Area[0] || At[1] >= Area[1]) return; // a drag carried over the panel or the bar paints nothing there
    switch (tool)
    {
    case t_paint:
        edit.paint(map_point(At), kind, brush);
        break;
    case t_fill:
        if (First)
        {
            const rloc P = map_point(At);
            if (!edit.fill((int)std::floor(P[0]), (int)std::floor(P[1]), kind) && edit.refusal.empty()) asked.push_back(snd_locked);
        }
        break;
    case t_hive:
    {
        int X, Y;
        hive_corner(At, X, Y);
        edit.place_hive(X, Y);
        break;
    }
    }
    if (!edit.refusal.empty() && note != edit.refusal) say(edit.refusal, true);
}

void editor::scroll(double T)
{
    const rloc C = cursor();
    const rpos Area = map_area();
    double DX = 0, DY = 0;
    if (scroll_keys & sk_left) DX -= 1;
    if (scroll_keys & sk_right) DX += 1;
    if (scroll_keys & sk_up) DY -= 1;
    if (scroll_keys & sk_down) DY += 1;
    // A pointer resting against an edge of the map's part, as in play, but not one passing through the
    // band on its way to the panel or the bar.
    double EX = 0, EY = 0;
    if (C[0] < Area[0] && C[1] < Area[1] && hovered == b_none)
    {
        if (C[0] < EDGE_BAND) EX = -(EDGE_BAND - C[0]) / EDGE_BAND;
        if (C[0] > Area[0] - EDGE_BAND) EX = (C[0] - Area[0] + EDGE_BAND) / EDGE_BAND;
        if (C[1] < EDGE_BAND) EY = -(EDGE_BAND - C[1]) / EDGE_BAND;
        if (C[1] > Area[1] - EDGE_BAND) EY = (C[1] - Area[1] + EDGE_BAND) / EDGE_BAND;
    }
    edge_counter = EX != 0 || EY != 0 ? edge_counter + T : 0.0;
    if (edge_counter > EDGE_REST) DX += EX, DY += EY;
    view[0] += DX * SCROLL_SPEED * T;
    view[1] += DY * SCROLL_SPEED * T;
    if (grabbing) view = grab_view + mkrpos(grab_at[0] - C[0], grab_at[1] - C[1], 0);
    clamp_view();
}

void editor::update(double T)
{
    note_counter = std::max(0.0, note_counter - T);
    hovered = find_hover(cursor());
    if (held != b_none)
    {
        held_counter += T;
        if (held_counter >= HOLD_DELAY)
        {
            press(held);
            held_counter = HOLD_DELAY - HOLD_REPEAT;
        }
    }
    scroll(T);
    if (stroking) use_tool(false);
    sync_view();

    if (judging && !judging->finished())
    {
        if (judged_key != key_now)
        {
            judging.reset();
            say(texts::VERDICT_STOPPED, false);
        }
        else if (judging->play_slice(VERDICT_SLICE))
            asked.push_back(snd_end);
    }

    if (edit.revision != kept_revision)
    {
        unkept_counter += T;
        if (unkept_counter > KEEP_AFTER && !stroking) keep_work();
    }
}

void editor::notice(SDL_Event& E)
{
    if (E.type == SDL_MOUSEBUTTONDOWN)
    {
        const rloc C = cursor();
        hovered = find_hover(C); // where the press is, not where the last frame saw the pointer
        if (typing >= 0 && hovered != (typing == level_edit::f_name ? b_name : (buttons)(b_value + typing))) end_typing(true);
        if (E.button.button == SDL_BUTTON_RIGHT || E.button.button == SDL_BUTTON_MIDDLE)
        {
            grabbing = true, grab_at = C, grab_view = view;
            return;
        }
        if (hovered != b_none)
        {
            press(hovered);
            if (hovered >= b_less && hovered < b_value) held = hovered, held_counter = 0.0;
            return;
        }
        const rpos Area = map_area();
        if (C[0] < Area[0] && C[1] < Area[1])
        {
            stroking = true;
            edit.begin_stroke();
            use_tool(true);
        }
        return;
    }
    if (E.type == SDL_MOUSEBUTTONUP)
    {
        if (stroking) edit.end_stroke();
        stroking = grabbing = false;
        held = b_none;
        return;
    }
    if (E.type == SDL_MOUSEWHEEL)
    {
        if (is_field_button(hovered))
        {
            const level_edit::fields F = field_of_button(hovered);
            edit.set_field(F, edit.field(F) + E.wheel.y);
        }
        else
        {
            view[0] += WHEEL_STEP * E.wheel.x;
            view[1] -= WHEEL_STEP * E.wheel.y;
            clamp_view();
        }
        return;
    }
    if (E.type == SDL_TEXTINPUT && typing >= 0)
    {
        const std::string More = E.text.text;
        if (typed_whole) typed.clear(); // what was there is replaced, as a field chosen whole is
        typed_whole = false;
        if (typing != level_edit::f_name)
        {
            for (char D : More)
                if (D >= '0' && D <= '9' && typed.size() < 4) typed += D;
        }
        else
            typed += More;
        return;
    }
    if (E.type == SDL_KEYUP)
    {
        scroll_keys &= ~scroll_bit(E.key.keysym.sym);
        return;
    }
    if (E.type != SDL_KEYDOWN) return;
    const SDL_Keycode Key = E.key.keysym.sym;
    const bool Ctrl = (E.key.keysym.mod & KMOD_CTRL) != 0, Shift = (E.key.keysym.mod & KMOD_SHIFT) != 0;
    if (typing >= 0)
    {
        if (Key == SDLK_BACKSPACE && typed_whole)
            typed.clear(), typed_whole = false;
        else if (Key == SDLK_BACKSPACE)
        {
            while (!typed.empty() && ((unsigned char)typed.back() & 0xC0) == 0x80) typed.pop_back();
            if (!typed.empty()) typed.pop_back();
        }
        else if (Key == SDLK_RETURN || Key == SDLK_KP_ENTER || Key == SDLK_TAB)
            end_typing(true);
        else if (Key == SDLK_ESCAPE)
            end_typing(false);
        return;
    }
    if (Ctrl)
    {
        if (Key == SDLK_z && Shift)
            redo();
        else if (Key == SDLK_z)
            undo();
        else if (Key == SDLK_y)
            redo();
        else if (Key == SDLK_s)
            save();
        else if (Key == SDLK_c)
            copy_code();
        return;
    }
    if (E.key.repeat && !scroll_bit(Key)) return;
    switch (Key)
    {
    case SDLK_g:
        press(b_grass);
        break;
    case SDLK_w:
        press(b_water);
        break;
    case SDLK_r:
        press(b_rock);
        break;
    case SDLK_1:
    case SDLK_2:
    case SDLK_3:
        press((buttons)(b_brush1 + (Key - SDLK_1)));
        break;
    case SDLK_f:
        press(b_fill);
        break;
    case SDLK_h:
        press(b_hive);
        break;
    case SDLK_t:
        test();
        break;
    case SDLK_v:
        judge();
        break;
    case SDLK_n:
        ask_start();
        break;
    case SDLK_F1:
        press(b_help);
        break;
    case SDLK_TAB:
        tools_hidden = !tools_hidden;
        clamp_view();
        break;
    case SDLK_ESCAPE:
        press(b_back);
        break;
    default:
        scroll_keys |= scroll_bit(Key);
        break;
    }
}

void editor::render()
{
    glPushMatrix();
    render_map();
    glLoadIdentity();
    glEnable(GL_BLEND);
    render_problems();
    if (!tools_hidden)
    {
        render_panel();
        render_bar();
    }
    render_verdict();
    // What the last action said, or what the button under the pointer does, above the bar.
    std::string Line = note_counter > 0 ? note : "";
    if (Line.empty() && hovered != b_none && !touch_screen())
    {
        const int Hint = hovered <= b_code ? hovered - 1 : hovered < b_more ? b_code : hovered < b_value ? b_code + 1 : b_code + 2;
        Line = texts::fill(texts::TOOL_HINTS[Hint], {std::to_string(VERDICT_SEEDS)});
    }
    if (!Line.empty())
    {
        fcolor C = note_counter > 0 && note_bad ? mkfcolor(1.0f, 0.45f, 0.35f, 1) : LIGHT;
        if (note_counter > 0) C[3] = (float)std::min(1.0, note_counter);
        letters.draw_outlined(letters.fitted(Line, 0.3, map_area()[0] - 0.3), mkrpos(map_area()[0] / 2, map_area()[1] - 0.5, 0), 0.3,
                              font::centre, C, RIM);
    }
    glDisable(GL_BLEND);
    glPopMatrix();
}

void editor::render_map()
{
    rstate R;
    R.set_view(view);
    view_world.render_terrain();
    view_hive.render(R);
    glEnable(GL_BLEND);
    // Where the map ends, against the black beyond it.
    glLineWidth(picture_pixels(1.5));
    glColor4f(0.9f, 0.85f, 0.6f, 0.5f);
    square(0, 0, edit.level.w, edit.level.h);
    if (!hive_on_grass_now)
    {
        glLineWidth(picture_pixels(3));
        glColor4f(0.9f, 0.1f, 0.05f, 0.9f);
        ring(edit.level.hive_pos[0], edit.level.hive_pos[1], 0.75);
    }
    // What a press would do where the pointer is; a finger shows it only while it is down.
    const rloc C = cursor();
    const rpos Area = map_area();
    if (C[0] < Area[0] && C[1] < Area[1] && hovered == b_none && (stroking || !touch_screen()))
    {
        const rloc P = map_point(C);
        const double TX = std::floor(P[0]), TY = std::floor(P[1]);
        glLineWidth(picture_pixels(2));
        glColor4f(1.0f, 0.98f, 0.85f, 0.9f);
        if (tool == t_hive)
        {
            int X, Y;
            hive_corner(C, X, Y);
            glColor4f(1.0f, 0.9f, 0.2f, 0.9f);
            ring(X, Y, 0.45);
        }
        else if (tool == t_fill || brush == 1)
        {
            const fcolor K = colour_of(kind_colour(kind), 0.5f);
            glColor4fv(K);
            draw_centered_quad(mkrpos(TX + 0.5, TY + 0.5, 0), mkrpos(0.5, 0.5, 0), 0);
            glColor4f(1.0f, 0.98f, 0.85f, 0.9f);
            square(TX, TY, TX + 1, TY + 1);
        }
        else
            ring(TX + 0.5, TY + 0.5, brush / 2.0);
    }
    glLineWidth(1.0f);
    glDisable(GL_BLEND);
}

void editor::render_problems()
{
    // Each problem where it is: the hive's by the hive, or at the edge of the map's part toward it; the
    // map's at its top. The panel says those of the counts, the medals and the name.
    const rpos Area = map_area();
    for (const level_edit::problem& P : problems_now)
    {
        if (P.where == level_edit::p_hive)
        {
            const double Width = letters.width(P.words, 0.3);
            double X = edit.level.hive_pos[0] - view[0], Y = edit.level.hive_pos[1] - view[1] + 0.85;
            X = std::max(Width / 2 + 0.1, std::min(X, Area[0] - Width / 2 - 0.1));
            Y = std::max(0.1, std::min(Y, Area[1] - 1.0));
            letters.draw_outlined(P.words, mkrpos(X, Y, 0), 0.3, font::centre, mkfcolor(1.0f, 0.45f, 0.35f, 1), RIM);
        }
        else if (P.where == level_edit::p_map)
            letters.draw_outlined(P.words, mkrpos(Area[0] / 2, 0.2, 0), 0.3, font::centre, mkfcolor(1.0f, 0.45f, 0.35f, 1), RIM);
    }
}

namespace {
// A button of the editor: the plain buttons' look, with a fill of its own (a kind's colour), a brighter
// frame while its tool is chosen, and faded while it does nothing.
void draw_tool(const font& Letters, const button_place& B, const std::string& Label, double Size, bool Hover, bool Chosen,
               bool Dim, const fcolor* Fill)
{
    if (Hover)
    {
        glColor4f(1.0f, 0.13f, 0.82f, 0.75f);
        draw_centered_quad(B.center, B.radius + mkrpos(0.06, 0.06, 0), 0);
    }
    if (Chosen)
        glColor4f(1.0f, 0.95f, 0.6f, 1.0f);
    else
        glColor4f(0.85f, 0.7f, 0.25f, Dim ? 0.5f : 1.0f);
    draw_centered_quad(B.center, B.radius, 0);
    const double Edge = Chosen ? 0.09 : 0.05;
    if (Fill)
        glColor4fv(*Fill);
    else
        glColor4f(0.2f, 0.42f, 0.16f, Dim ? 0.5f : 1.0f);
    draw_centered_quad(B.center, B.radius - mkrpos(Edge, Edge, 0), 0);
    if (Label.empty()) return;
    const fcolor Ink = Fill ? INK : mkfcolor(1, 0.97f, 0.85f, Dim ? 0.45f : 1.0f);
    Letters.draw(Label, B.center - mkrpos(0, Size / 2, 0), Size, font::centre, Ink);
}
} // namespace

void editor::render_bar()
{
    glColor4f(0.16f, 0.45f, 0.15f, 1.0f);
    draw_centered_quad(mkrpos(PICTURE_W / 2, (EDITOR_BAR_TOP + PICTURE_H) / 2, 0), mkrpos(PICTURE_W / 2, (PICTURE_H - EDITOR_BAR_TOP) / 2, 0), 0);
    const world::tile_types Kinds[3] = {world::tt_grass, world::tt_water, world::tt_rock};
    for (int k = 0; k < 3; k++)
    {
        const buttons B = (buttons)(b_grass + k);
        const fcolor Fill = colour_of(kind_colour(Kinds[k]), 1.0f);
        draw_tool(letters, places[B], label(B), bar_size, hovered == B, kind == Kinds[k] && tool != t_hive, false, &Fill);
    }
    for (int s = 0; s < 3; s++)
    {
        const buttons B = (buttons)(b_brush1 + s);
        draw_tool(letters, places[B], "", bar_size, hovered == B, tool == t_paint && brush == BRUSHES[s], false, nullptr);
        // A round dot as large as the brush, to scale among the three.
        const double Radius = 0.05 + 0.07 * s;
        glColor4f(1, 0.97f, 0.85f, 1);
        glBegin(GL_TRIANGLE_FAN);
        for (int a = 0; a < 24; a++)
            glVertex3f((float)(places[B].center[0] + Radius * std::cos(a * PI / 12)), (float)(places[B].center[1] + Radius * std::sin(a * PI / 12)), 0);
        glEnd();
    }
    for (buttons B : {b_fill, b_hive, b_undo, b_redo, b_help, b_back})
    {
        const bool Chosen = (B == b_fill && tool == t_fill) || (B == b_hive && tool == t_hive);
        const bool Dim = (B == b_undo && !edit.can_undo()) || (B == b_redo && !edit.can_redo());
        draw_tool(letters, places[B], label(B), bar_size, hovered == B, Chosen, Dim, nullptr);
    }
}

void editor::draw_field(int Field, double Y)
{
    const bool Medal = Field >= level_edit::f_medal1;
    double X = PANEL_INNER_LEFT;
    if (Medal)
    {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, medal_textures[Field - level_edit::f_medal1]->id);
        glColor4f(1, 1, 1, 1);
        draw_centered_quad(mkrpos(X + 0.17, Y, 0), mkrpos(0.17, 0.17, 0), 0);
        glDisable(GL_TEXTURE_2D);
        X += 0.42;
    }
    // A long word (a medal's name in some languages) is drawn smaller before it is cut.
    const std::string Label = field_label(Field);
    const double Room = places[b_less + Field].center[0] - 0.3 - X;
    const double Size = std::min(panel_size, std::max(EDITOR_LEAST_FIELD, Room / std::max(letters.width(Label, 1.0), 0.01)));
    letters.draw(letters.fitted(Label, Size, Room), mkrpos(X, Y - Size / 2, 0), Size, font::left, INK);
    for (buttons B : {(buttons)(b_less + Field), (buttons)(b_more + Field)})
        draw_tool(letters, places[B], B < b_more ? "–" : "+", 0.4, hovered == B, false, false, nullptr);
    const button_place& V = places[b_value + Field];
    const bool Typed = typing == Field;
    if (hovered == b_value + Field || Typed)
    {
        glColor4f(1.0f, 0.13f, 0.82f, Typed ? 0.9f : 0.6f);
        draw_centered_quad(V.center, V.radius + mkrpos(0.05, 0.05, 0), 0);
    }
    glColor4f(0.95f, 0.98f, 0.88f, 1);
    draw_centered_quad(V.center, V.radius, 0);
    const std::string Shown = Typed ? typed + (typed_whole ? "" : "|") : std::to_string(edit.field((level_edit::fields)Field));
    if (Typed && typed_whole) select_behind(letters, Shown, V.center, 0.32);
    letters.draw(Shown, V.center - mkrpos(0, 0.16, 0), 0.32, font::centre, INK);
}

void editor::render_panel()
{
    glColor4f(0.55f, 0.85f, 0.45f, 1.0f);
    draw_centered_quad(mkrpos((EDITOR_PANEL_LEFT + PICTURE_W) / 2, EDITOR_BAR_TOP / 2, 0),
                       mkrpos((PICTURE_W - EDITOR_PANEL_LEFT) / 2, EDITOR_BAR_TOP / 2, 0), 0);
    glColor4f(0.85f, 0.7f, 0.25f, 1.0f);
    draw_centered_quad(mkrpos(EDITOR_PANEL_LEFT + 0.025, EDITOR_BAR_TOP / 2, 0), mkrpos(0.025, EDITOR_BAR_TOP / 2, 0), 0);

    const std::vector<level_edit::problem>& Problems = problems_now;
    auto problems_at = [&](level_edit::places Where) {
        std::vector<std::string> Lines;
        for (const level_edit::problem& P : Problems)
            if (P.where == Where)
                for (const std::string& L : letters.wrap(P.words, 0.23, PANEL_INNER_RIGHT - PANEL_INNER_LEFT)) Lines.push_back(L);
        return Lines;
    };

    // The name, typed into where it is shown.
    const button_place& N = places[b_name];
    const bool Named = typing == level_edit::f_name;
    const bool NameWrong = !problems_at(level_edit::p_name).empty();
    if (hovered == b_name || Named || NameWrong)
    {
        if (NameWrong && !Named)
            glColor4f(0.8f, 0.1f, 0.05f, 0.9f);
        else
            glColor4f(1.0f, 0.13f, 0.82f, Named ? 0.9f : 0.6f);
        draw_centered_quad(N.center, N.radius + mkrpos(0.05, 0.05, 0), 0);
    }
    glColor4f(0.95f, 0.98f, 0.88f, 1);
    draw_centered_quad(N.center, N.radius, 0);
    const double NameWidth = 2 * N.radius[0] - 0.2;
    if (Named && typed_whole)
    {
        const std::string Shown = letters.fitted(typed, 0.32, NameWidth);
        select_behind(letters, Shown, N.center, 0.32);
        letters.draw(Shown, N.center - mkrpos(0, 0.16, 0), 0.32, font::centre, INK);
    }
    else if (Named)
    {
        // The end of what is typed, where the caret is.
        std::string Shown = typed + "|";
        while (letters.width(Shown, 0.32) > NameWidth && !Shown.empty())
        {
            size_t Cut = 1;
            while (Cut < Shown.size() && ((unsigned char)Shown[Cut] & 0xC0) == 0x80) Cut++;
            Shown.erase(0, Cut);
        }
        letters.draw(Shown, N.center - mkrpos(NameWidth / 2, 0.16, 0), 0.32, font::left, INK);
    }
    else
        letters.draw(letters.fitted(edit.level.name, 0.32, NameWidth), N.center - mkrpos(0, 0.16, 0), 0.32, font::centre, INK);
    draw_tool(letters, places[b_new], texts::NEW, panel_size, hovered == b_new, false, false, nullptr);

    const std::vector<std::string> NameProblems = problems_at(level_edit::p_name);
    if (!NameProblems.empty())
        letters.draw(NameProblems[0], mkrpos(PANEL_INNER_LEFT, FACTS_Y, 0), 0.25, font::left, WRONG);
    else
    {
        const std::string Facts = texts::count(texts::MAP_FACTS, grass_now, {std::to_string(edit.level.w), std::to_string(edit.level.h)});
        const double Size = std::min(0.25, (PANEL_INNER_RIGHT - PANEL_INNER_LEFT) / std::max(letters.width(Facts, 1.0), 0.01));
        letters.draw(Facts, mkrpos(PANEL_INNER_LEFT, FACTS_Y + (0.25 - Size) / 2, 0), Size, font::left, FADED);
    }

    for (int f = 0; f < level_edit::f_name; f++) draw_field(f, FIELD_Y[f]);
    const double ProblemY[2] = {COUNT_PROBLEMS_Y, MEDAL_PROBLEMS_Y};
    const size_t ProblemLines[2] = {COUNT_PROBLEM_LINES, MEDAL_PROBLEM_LINES};
    const level_edit::places Where[2] = {level_edit::p_counts, level_edit::p_medals};
    for (int p = 0; p < 2; p++)
    {
        // More problems than their place holds are said smaller, never left out.
        const std::vector<std::string> Lines = problems_at(Where[p]);
        const double Fit = std::min(1.0, (double)ProblemLines[p] / std::max<size_t>(Lines.size(), 1));
        for (size_t l = 0; l < Lines.size(); l++)
            letters.draw(Lines[l], mkrpos(PANEL_INNER_LEFT, ProblemY[p] + 0.27 * Fit * l, 0), 0.23 * Fit, font::left, WRONG);
    }

    const std::string Status = edit.saved() ? texts::fill(texts::SAVED, {edit.saved_file}) : texts::NOT_SAVED_YET;
    letters.draw(letters.fitted(Status, 0.23, PANEL_INNER_RIGHT - PANEL_INNER_LEFT), mkrpos(PANEL_INNER_LEFT, STATUS_Y, 0), 0.23,
                 font::left, FADED);

    const bool Playable = playable_now, Sound = Problems.empty();
    const bool Judging = judging && !judging->finished();
    draw_tool(letters, places[b_test], texts::TEST, panel_size, hovered == b_test, false, !Playable, nullptr);
    draw_tool(letters, places[b_verdict], texts::VERDICT, panel_size, hovered == b_verdict, Judging, !Playable, nullptr);
    draw_tool(letters, places[b_save], texts::SAVE, panel_size, hovered == b_save, false, !Sound || edit.saved(), nullptr);
    draw_tool(letters, places[b_code], texts::COPY_CODE, panel_size, hovered == b_code, false, !Sound, nullptr);
}

void editor::render_verdict()
{
    if (!judging) return;
    const bool Running = !judging->finished();
    if (!Running && (!verdict_shown || judged_key != key_now)) return;
    const verdict& V = *judging;
    std::vector<std::string> Lines;
    std::vector<int> Medals; // the medal icon beside each line, -1 for none
    if (!Running)
    {
        for (int m = 1; m <= V.medals_awarded(); m++)
        {
            Lines.push_back(texts::count(texts::VERDICT_MEDAL, V.seeds, {texts::MEDAL_NAMES[m - 1].c_str(), std::to_string(V.seeds_with(m))}));
            Medals.push_back(m - 1);
        }
        Lines.push_back(V.kills_all() == 0 ? texts::VERDICT_NONE_LOST
                                           : texts::fill(texts::VERDICT_LOST, {std::to_string(V.kills_median()), std::to_string(V.kills_all())}));
        Medals.push_back(-1);
        if (V.time_median() < HUGE_VAL && V.ended() == V.seeds)
            Lines.push_back(texts::fill(texts::VERDICT_TIME, {texts::clock_time(V.time_median()), texts::clock_time(V.time_longest())}));
        else
            Lines.push_back(texts::count(texts::VERDICT_TIME_OUT, V.seeds, {std::to_string(V.seeds - V.ended())}));
        Medals.push_back(-1);
    }
    const double Size = 0.29, Line = 0.38, Right = map_area()[0] - 0.15;
    // As wide as its longest line needs, whatever the language, within the map.
    double Width = 5.2;
    for (size_t l = 0; l < Lines.size(); l++) Width = std::max(Width, letters.width(Lines[l], Size) + (Medals[l] >= 0 ? 0.4 : 0) + 0.55);
    if (V.unproven()) Width = std::max(Width, letters.width(texts::VERDICT_UNPROVEN, Size) + 0.55);
    Width = std::min(Width, Right - 0.15);
    const double Height = 0.75 + (Running ? 0.85 : Line * Lines.size() + (V.unproven() ? Line : 0)) + 0.1;
    const rpos Middle = mkrpos(Right - Width / 2, 0.15 + Height / 2, 0);
    glColor4f(0.85f, 0.7f, 0.25f, 0.95f);
    draw_centered_quad(Middle, mkrpos(Width / 2, Height / 2, 0), 0);
    glColor4f(0.14f, 0.3f, 0.12f, 0.95f);
    draw_centered_quad(Middle, mkrpos(Width / 2 - 0.05, Height / 2 - 0.05, 0), 0);
    const double Left = Right - Width + 0.2;
    letters.draw(texts::VERDICT_TITLE, mkrpos(Left, 0.3, 0), 0.34, font::left, GOLD);
    double Y = 0.85;
    if (Running)
    {
        letters.draw(texts::fill(texts::VERDICT_PLAYING, {std::to_string(V.playing()), std::to_string(V.seeds)}), mkrpos(Left, Y, 0), Size,
                     font::left, LIGHT);
        const double BarW = Width - 0.4;
        glColor4f(0.05f, 0.12f, 0.05f, 1);
        draw_centered_quad(mkrpos(Left + BarW / 2, Y + 0.6, 0), mkrpos(BarW / 2, 0.1, 0), 0);
        glColor4f(0.95f, 0.78f, 0.2f, 1);
        const double Done = BarW * V.progress();
        draw_centered_quad(mkrpos(Left + Done / 2, Y + 0.6, 0), mkrpos(Done / 2, 0.1, 0), 0);
        return;
    }
    for (size_t l = 0; l < Lines.size(); l++, Y += Line)
    {
        double X = Left;
        if (Medals[l] >= 0)
        {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, medal_textures[Medals[l]]->id);
            glColor4f(1, 1, 1, 1);
            draw_centered_quad(mkrpos(X + 0.15, Y + 0.17, 0), mkrpos(0.15, 0.15, 0), 0);
            glDisable(GL_TEXTURE_2D);
            X += 0.4;
        }
        letters.draw(letters.fitted(Lines[l], Size, Right - 0.15 - X), mkrpos(X, Y, 0), Size, font::left, LIGHT);
    }
    if (V.unproven()) letters.draw(letters.fitted(texts::VERDICT_UNPROVEN, Size, Width - 0.35), mkrpos(Left, Y, 0), Size, font::left, mkfcolor(1.0f, 0.5f, 0.4f, 1));
}

bool editor::done() const
{
    return done_flag;
}

screen* editor::opened()
{
    screen* S = to_open;
    to_open = nullptr;
    return S;
}

std::string editor::window_title() const
{
    return texts::fill(texts::WINDOW_IN_PLAY, {texts::GAME, texts::fill(texts::EDITING, {edit.level.name})});
}

bool editor::offers(SDL_Keycode Key) const
{
    return Key == SDLK_ESCAPE;
}

void editor::hear(cues& Out)
{
    Out.sounds.insert(Out.sounds.end(), asked.begin(), asked.end());
    asked.clear();
}

bool editor::pointer_scrolls() const
{
    return true; // a pointer gone from the window must not rest in an edge's band
}

void editor::pause()
{
    if (stroking) edit.end_stroke(), stroking = false;
    grabbing = false, held = b_none, scroll_keys = 0;
    if (edit.revision != kept_revision) keep_work();
}

void editor::keep()
{
    if (edit.revision != kept_revision) keep_work();
}
