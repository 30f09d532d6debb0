#include "level_run.h"

#include "button.h"
#include "level.h"
#include "level_file.h"
#include "picture.h"
#include "picture_text.h"
#include "player_levels.h"
#include "quorvel.h"
#include "replay_view.h"
#include "rstate.h"
#include "sound.h"
#include "texts.h"
#include "texture.h"

#include <GL/gl.h>

level_run::level_run(const level_data& L, medal_keeper* Shelf, const texts::message& BackLabel)
    : level(L), key(level_key(L)), shelf(Shelf), results_flag(false), score_medals(0), best_before(0), done_flag(false),
      to_open(nullptr)
{
    letters.load();
    const char* const Pictures[4] = {"data/gfx/lose1.tga", "data/gfx/won_daisy1.tga", "data/gfx/won_violet1.tga", "data/gfx/won_tulip1.tga"};
    for (int m = 0; m < 4; m++) winning_textures[m] = texture_load(Pictures[m], false);
    load_medal_textures(medal_textures);
    player = mkref(new play);
    player->letters.load();
    results.back_label = BackLabel;
    results.next_label = texts::PLAY_AGAIN;
    start();
}

void level_run::start()
{
    const uint32_t Seed = level_seed();
    run_world = mkref(new world);
    run_world->init(level, Seed);
    player->init_level(run_world);
    player->name_level(level);
    player->record(0, Seed, key);
    results_flag = false;
}

void level_run::finish()
{
    replay& R = player->recording;
    const world& W = *run_world.ptr();
    R.rescued_bees = W.rescued_bees, R.killed_bees = W.killed_bees, R.time = W.animation_counter;
    R.end = W.rescued_bees + W.killed_bees == W.total_bees ? replay::e_over : replay::e_left;
    R.end_digest = world_digest(W);
    if (shelf) keep_level_replay(R, level); // a level tried in the editor keeps nothing
}

void level_run::update(double T)
{
    if (!results_flag)
    {
        if (player->restart_flag)
        {
            finish(); // afresh, nothing scored
            start();
            return;
        }
        player->update(T);
        if (!player->quit_flag) return;
        finish();
        results_flag = true;
        score_medals = medals_for(run_world->rescued_bees, run_world->medal_bees);
        best_before = shelf ? shelf->medals_of(key) : 0;
        if (shelf) shelf->record(key, score_medals);
        results.start(player->recording, best_before);
        asked.push_back(snd_end);
        return;
    }
    results.hover(mkrloc(PICTURE_H * mouseloc[0], PICTURE_H * mouseloc[1]), letters);
    results.chime(T, score_medals, asked);
}

void level_run::notice(SDL_Event& E)
{
    if (!results_flag)
    {
        player->notice(E);
        return;
    }
    if (E.type == SDL_MOUSEBUTTONDOWN) results.hover(mkrloc(PICTURE_H * mouseloc[0], PICTURE_H * mouseloc[1]), letters);
    if (E.type == SDL_KEYDOWN && E.key.keysym.sym == SDLK_ESCAPE)
    {
        done_flag = true;
        return;
    }
    switch (results.choice(E))
    {
    case results_card::c_back:
        done_flag = true;
        break;
    case results_card::c_watch:
        to_open = new replay_view(results.played, level);
        break;
    case results_card::c_next:
        start();
        break;
    case results_card::c_none:
        break;
    }
}

void level_run::render()
{
    if (!results_flag)
    {
        player->render();
        return;
    }
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    draw_panels(1.0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, (words_drawn() ? picture_without_words(score_medals) : winning_textures[score_medals])->id);
    glColor4f(1, 1, 1, 1);
    draw_centered_quad(mkrpos(PICTURE_MIDDLE, 2.5, 0), mkrpos(2.5, 2.5, 0), 0);
    glDisable(GL_TEXTURE_2D);
    if (words_drawn()) draw_result_words(letters, score_medals, mkrpos(PICTURE_MIDDLE, 2.5, 0), 2.5);
    results.render(letters, medal_textures, *run_world.ptr(), score_medals, std::max(best_before, score_medals), 1.0);
    glDisable(GL_BLEND);
    glPopMatrix();
}

bool level_run::done() const
{
    return done_flag;
}

screen* level_run::opened()
{
    screen* S = to_open;
    to_open = nullptr;
    return S;
}

std::string level_run::window_title() const
{
    return texts::fill(texts::WINDOW_IN_PLAY, {texts::GAME, level.name});
}

bool level_run::offers(SDL_Keycode Key) const
{
    if (results_flag) return Key == SDLK_ESCAPE || Key == SDLK_RETURN || (Key == SDLK_w && !results.played.frames.empty());
    return Key == SDLK_p || Key == SDLK_r || Key == SDLK_ESCAPE;
}

void level_run::hear(cues& Out)
{
    if (!results_flag) Out.level = player.ptr();
    Out.sounds.insert(Out.sounds.end(), asked.begin(), asked.end());
    asked.clear();
}

bool level_run::pointer_scrolls() const
{
    return !results_flag;
}

void level_run::pause()
{
    if (!results_flag) player->set_paused(true);
}
