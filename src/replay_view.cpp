#include "replay_view.h"

#include "level.h"
#include "texts.h"

replay_view::replay_view(const replay& R, int LevelIndex, bool Demo)
    : watched(R), level_index(LevelIndex), label(texts::level_label(LevelIndex))
{
    watch_world = mkref(new world);
    watch_world->init(all_levels[LevelIndex], R.seed);
    start(Demo);
}

replay_view::replay_view(const replay& R, const level_data& L, bool Demo) : watched(R), level_index(-1), label(L.name)
{
    watch_world = mkref(new world);
    watch_world->init(L, R.seed);
    start(Demo);
    player->name_level(L);
}

void replay_view::start(bool Demo)
{
    player = mkref(new play);
    player->letters.load();
    player->init_level(watch_world);
    player->level_index = level_index;
    player->watch(watched, Demo);
    // The play was drawn once before its first step, and the horseflies' wings drew for it: this screen
    // is first drawn after its first step, so those draws are spent here.
    watch_world->spend_draws();
}

void replay_view::update(double)
{
    player->play_watched(); // at the replay's own steps, not the frame's
}

void replay_view::notice(SDL_Event& E)
{
    player->notice(E);
}

void replay_view::render()
{
    player->render();
}

bool replay_view::done() const
{
    return player->quit_flag || player->watched_out();
}

std::string replay_view::window_title() const
{
    return texts::fill(texts::WINDOW_IN_PLAY, {texts::GAME, label});
}

bool replay_view::offers(SDL_Keycode Key) const
{
    return Key == SDLK_p || Key == SDLK_ESCAPE || Key == SDLK_SPACE;
}

void replay_view::hear(cues& Out)
{
    Out.level = player.ptr();
}

bool replay_view::pointer_scrolls() const
{
    return true;
}

void replay_view::pause()
{
    player->set_paused(true);
}
