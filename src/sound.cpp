#include "sound.h"

#include "die.h"
#include "flower.h"
#include "picture.h"
#include "play.h"
#include "rstate.h"
#include "screen.h"

#include <GL/gl.h>
#include <algorithm>
#include <string>

namespace {
const char* const FILES[SND_SIZE] = {"home", "sting", "drag", "rustle", "wilt", "end", "medal1", "medal2", "medal3",
                                     "pick", "go", "buzz", "locked", "miss"};
const int LOOP_CHANNELS = 2; // 0 the buzz, 1 the rustle; the effects share the rest
const double HOME_GAP = 0.12; // seconds between chimes when many bees come home at once
const int HOMES_KEPT = 3;     // chimes still owed at most: a crowd arriving does not ring for seconds
const int BUZZ_LOUDEST = 80; // of the mixer's 128, reached with this many bees in view
const int BUZZ_CROWD = 15;
} // namespace

sound::sound()
    : on_flag(true), heard(nullptr), seen_play(nullptr), seen_world(nullptr), seen_rescued(0), seen_killed(0), seen_misses(0),
      seen_drag(false), homes_waiting(0), home_counter(0.0)
{
    loop_volume[0] = loop_volume[1] = -1;
}

void sound::init()
{
    std::string Problem;
    if (!device.open(std::vector<std::string>(FILES, FILES + SND_SIZE), LOOP_CHANNELS, Problem) && !Problem.empty())
        trace('!', "sound: no audio device (", Problem, "); the game runs silent");
}

int sound::loaded() const
{
    return device.loaded();
}

void sound::close()
{
    device.close();
}

void sound::toggle()
{
    on_flag = !on_flag;
    for (int Slot = 0; Slot < LOOP_CHANNELS; Slot++) loop(Slot, Slot == 0 ? snd_buzz : snd_rustle, -1);
}

void sound::follow(const cues& Cues, double T)
{
    for (int Id : Cues.sounds) play(Id);
    const ::play* Level = Cues.level;
    if (Level && Level->paused_flag)
    {
        // A paused level is silent, and nothing of it changes to be heard afterwards.
        loop(0, snd_buzz, -1);
        loop(1, snd_rustle, -1);
        return;
    }
    home_counter -= T;

    const world* W = Level ? Level->link_world.ptr() : nullptr;
    std::vector<bool> Wilted;
    int InView = 0;
    if (W)
    {
        const rpos& View = Level->R.view_center;
        for (const ref<sprite>& S : W->sprites)
        {
            if (S->sprite_type == sprite::st_flower) Wilted.push_back(static_cast<const flower*>(S.ptr())->wilted_flag);
            const rpos& P = S->position;
            InView += S->sprite_type == sprite::st_bee && !S->dead && P[0] >= View[0] && P[0] <= View[0] + VIEW_W &&
                      P[1] >= View[1] && P[1] <= View[1] + PICTURE_H;
        }
    }
    if (Level != seen_play) // another play screen: its misses so far were never ours to hear
        seen_play = Level, seen_misses = Level ? Level->misses : 0;
    if (W != seen_world) // a new level: nothing of it has been heard yet
    {
        seen_world = W, seen_wilted = Wilted, seen_drag = false, homes_waiting = 0;
        if (W) seen_rescued = W->rescued_bees, seen_killed = W->killed_bees;
    }
    bool Drag = W && Level->mode == ::play::m_drag_pollen;
    if (W)
    {
        if (Level->misses > seen_misses) play(snd_miss);
        homes_waiting = std::min(HOMES_KEPT, homes_waiting + W->rescued_bees - seen_rescued);
        if (W->killed_bees > seen_killed) play(snd_sting);
        for (size_t a = 0; a < Wilted.size(); a++)
            if (Wilted[a] && !seen_wilted[a])
            {
                play(snd_wilt);
                break;
            }
        if (Drag && !seen_drag) play(snd_drag);
        seen_misses = Level->misses, seen_rescued = W->rescued_bees, seen_killed = W->killed_bees, seen_wilted = Wilted;
        seen_drag = Drag;
    }
    if (homes_waiting > 0 && home_counter <= 0)
    {
        play(snd_home);
        homes_waiting--, home_counter = HOME_GAP;
    }
    loop(0, snd_buzz, W ? BUZZ_LOUDEST * std::min(InView, BUZZ_CROWD) / BUZZ_CROWD : -1);
    loop(1, snd_rustle, Drag ? 128 : -1);
}

void sound::play(int Id)
{
    if (!on_flag) return;
    if (heard)
        heard->push_back(Id);
    else
        device.play(Id);
}

void sound::loop(int Slot, int Id, int Volume)
{
    if (!on_flag) Volume = -1;
    int Was = loop_volume[Slot];
    loop_volume[Slot] = Volume;
    if (Volume == Was) return;
    if (heard)
    {
        if (Was < 0) heard->push_back(Id);
        return;
    }
    device.loop(Slot, Id, Volume, Was < 0);
}

void sound::render()
{
    if (on_flag) return;
    // A loudspeaker, crossed out, in the bottom right corner.
    const double X = PICTURE_W - 0.55, Y = PICTURE_H - 0.45;
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    glColor4f(0.0f, 0.0f, 0.0f, 0.35f);
    draw_centered_quad(mkrpos(X, Y, 0), mkrpos(0.38, 0.3, 0), 0);
    glColor4f(0.95f, 0.95f, 0.9f, 0.9f);
    glBegin(GL_QUADS);
    glVertex3f((float)(X - 0.26), (float)(Y - 0.07), 0);
    glVertex3f((float)(X - 0.14), (float)(Y - 0.07), 0);
    glVertex3f((float)(X - 0.14), (float)(Y + 0.07), 0);
    glVertex3f((float)(X - 0.26), (float)(Y + 0.07), 0);
    glVertex3f((float)(X - 0.14), (float)(Y - 0.07), 0);
    glVertex3f((float)(X + 0.02), (float)(Y - 0.2), 0);
    glVertex3f((float)(X + 0.02), (float)(Y + 0.2), 0);
    glVertex3f((float)(X - 0.14), (float)(Y + 0.07), 0);
    glEnd();
    glColor4f(0.9f, 0.2f, 0.15f, 0.95f);
    glLineWidth(picture_pixels(2.5));
    glBegin(GL_LINES);
    glVertex3f((float)(X + 0.08), (float)(Y - 0.13), 0);
    glVertex3f((float)(X + 0.28), (float)(Y + 0.13), 0);
    glVertex3f((float)(X + 0.08), (float)(Y + 0.13), 0);
    glVertex3f((float)(X + 0.28), (float)(Y - 0.13), 0);
    glEnd();
    glLineWidth(1.0f);
    glDisable(GL_BLEND);
    glPopMatrix();
}
