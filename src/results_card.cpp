#include "results_card.h"

#include "clamp.h"
#include "level.h"
#include "picture.h"
#include "rstate.h"
#include "sound.h"
#include "text.h"
#include "texts.h"
#include "texture.h"
#include "world.h"

#include <GL/gl.h>
#include <algorithm>

namespace {
const double BUTTON_Y = 8.55;
const double COUNTS_WIDE = 10.4; // the counts' widest, within the card's light panel
const double MEDAL_GAP = 0.4; // seconds between the medals' chimes
const fcolor INK = mkfcolor(0.08f, 0.22f, 0.08f, 1.0f); // dark green lettering on the light panels
const fcolor FADED = mkfcolor(0.08f, 0.22f, 0.08f, 0.45f);
const fcolor GOLD = mkfcolor(0.95f, 0.78f, 0.2f, 1.0f);

} // namespace

void results_buttons(const font& Letters, const std::string& BackLabel, const std::string& NextLabel, button_place& Back,
                     button_place& Watch, button_place& NextLevel)
{
    const double Left = 0.9, Right = 11.95; // within the results card
    Back.radius = button_radius(Letters, BackLabel);
    Back.center = mkrpos(Left + Back.radius[0], BUTTON_Y, 0);
    NextLevel.radius = !NextLabel.empty() ? button_radius(Letters, NextLabel) : mkrpos(0, 0, 0);
    NextLevel.center = mkrpos(Right - NextLevel.radius[0], BUTTON_Y, 0);
    Watch.radius = button_radius(Letters, texts::WATCH);
    Watch.center = mkrpos((Back.center[0] + Back.radius[0] + NextLevel.center[0] - NextLevel.radius[0]) / 2, BUTTON_Y, 0);
}

results_card::results_card()
    : best_before(0), back_label(texts::TO_ROW), back_hover_flag(false), watch_hover_flag(false), next_hover_flag(false), medals_rung(0), medal_counter(0.0)
{
}

void results_card::start(const replay& Played, int BestBefore)
{
    played = Played;
    best_before = BestBefore;
    back_hover_flag = watch_hover_flag = next_hover_flag = false;
    medals_rung = 0;
    medal_counter = 2 * MEDAL_GAP; // after the level's end has sounded
}

void results_card::hover(const rloc& Cursor, const font& Letters)
{
    button_place Back, Watch, NextLevel;
    results_buttons(Letters, back_label, next_label, Back, Watch, NextLevel);
    back_hover_flag = inside_box(Cursor, Back.center, Back.radius);
    next_hover_flag = !next_label.empty() && inside_box(Cursor, NextLevel.center, NextLevel.radius);
    watch_hover_flag = !played.frames.empty() && inside_box(Cursor, Watch.center, Watch.radius);
}

void results_card::chime(double T, int Score, std::vector<int>& Sounds)
{
    medal_counter -= T;
    if (medal_counter <= 0 && medals_rung < Score)
    {
        Sounds.push_back(snd_medal1 + medals_rung++);
        medal_counter = MEDAL_GAP;
    }
}

results_card::choices results_card::choice(const SDL_Event& E) const
{
    SDL_Keycode Key = E.type == SDL_KEYDOWN ? E.key.keysym.sym : SDLK_UNKNOWN;
    bool Click = E.type == SDL_MOUSEBUTTONDOWN;
    if (Click && back_hover_flag) return c_back;
    if ((Key == SDLK_w || (Click && watch_hover_flag)) && !played.frames.empty()) return c_watch;
    if (Key == SDLK_RETURN || Key == SDLK_KP_ENTER || Key == SDLK_n || (Click && next_hover_flag)) return c_next;
    return c_none;
}

void results_card::render(const font& Letters, texture* const Medals[3], const world& W, int Score, int Stored, double Slide) const
{
    auto at = [&](const rpos& Center, const rpos& Radius) { return slide_position(Center, Radius, Slide); };
    const double Row1 = 5.85, Row2 = 6.75, Row3 = 7.5;
    // The counts side by side, a dot between: bees home, lost, still out when the level was left, the time.
    std::vector<std::string> Counts = {texts::count(texts::HOME_OF, W.total_bees, {std::to_string(W.rescued_bees)}),
                                       texts::count(texts::LOST, W.killed_bees)};
    const int Out = W.total_bees - W.rescued_bees - W.killed_bees;
    if (Out > 0) Counts.push_back(texts::count(texts::STILL_OUT, Out));
    Counts.push_back(texts::fill(texts::TIME, {texts::clock_time(W.animation_counter)}));
    draw_side_by_side(Letters, Counts, at(mkrpos(PICTURE_MIDDLE, Row1, 0), mkrpos(4, 0.3, 0)), 0.5, COUNTS_WIDE, INK);

    // What each medal the level can award needed, the ones earned in full colour, centred as a row.
    std::string Needs[3];
    double Widths[3], Total = 0, Text = 0.34, Icon = 0.55, Gap = 0.6;
    const int Possible = medals_for(W.total_bees, W.medal_bees); // every bee home
    for (int m = 0; m < Possible; m++)
    {
        // The last medal of a level that cannot award all three says so.
        const texts::counted& Pattern = m < Possible - 1 || Possible == 3 ? texts::MEDAL_NEEDS : Possible == 1 ? texts::MEDAL_ONLY : texts::MEDAL_BEST;
        Needs[m] = texts::count(Pattern, W.medal_bees[m], {texts::MEDAL_NAMES[m].c_str()});
        Widths[m] = Icon + Letters.width(Needs[m], Text);
        Total += Widths[m] + (m ? Gap : 0);
    }
    // A language with longer words draws the row a little smaller rather than past the panel.
    if (Total > COUNTS_WIDE)
    {
        const double S = COUNTS_WIDE / Total;
        Text *= S, Icon *= S, Gap *= S, Total = COUNTS_WIDE;
        for (int m = 0; m < Possible; m++) Widths[m] *= S;
    }
    double X = PICTURE_MIDDLE - Total / 2;
    for (int m = 0; m < Possible; X += Widths[m] + Gap, m++)
    {
        bool Earned = Score > m;
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, Medals[m]->id);
        glColor4f(1, 1, 1, Earned ? 1.0f : 0.35f);
        const rpos Radius = mkrpos(Icon * 0.4, Icon * 0.4, 0);
        draw_centered_quad(at(mkrpos(X + Icon * 0.4, Row2 + Text / 2, 0), Radius), Radius, 0);
        glDisable(GL_TEXTURE_2D);
        Letters.draw(Needs[m], at(mkrpos(X + Icon, Row2, 0), mkrpos(1, 0.2, 0)), Text, font::left, Earned ? INK : FADED);
    }

    rpos Verdict = at(mkrpos(PICTURE_MIDDLE, Row3, 0), mkrpos(3, 0.3, 0));
    if (Score > best_before)
        Letters.draw_outlined(texts::BETTER, Verdict, 0.5, font::centre, GOLD, mkfcolor(0.3f, 0.2f, 0.05f, 1));
    else
        Letters.draw(texts::BEST_SO_FAR[clamp(Stored, 0, 3)], Verdict, 0.4, font::centre, INK);

    button_place Back, Watch, NextLevel;
    results_buttons(Letters, back_label, next_label, Back, Watch, NextLevel);
    draw_button(Letters, Back, back_label, back_hover_flag, Slide);
    if (!played.frames.empty()) draw_button(Letters, Watch, texts::WATCH, watch_hover_flag, Slide);
    if (!next_label.empty()) draw_button(Letters, NextLevel, next_label, next_hover_flag, Slide);
}
