// What the player hears. The sounds follow what the screens ask for, once per frame after the title
// screen's update: sounds for what they did (a tick, a knock, a medal), and the level in play, whose
// world's counters, flowers' wilting and drag are heard. Nothing in the rules calls it and it draws no
// random numbers, so a replayed level stays draw for draw the same. Without an audio device, or with M
// pressed, the game is silent and otherwise unchanged.
#pragma once

#include "audio.h"

#include <vector>

class play;
class world;
struct cues;

enum sound_ids
{
    snd_home,
    snd_sting,
    snd_drag,
    snd_rustle, // loop
    snd_wilt,
    snd_end,
    snd_medal1,
    snd_medal2,
    snd_medal3,
    snd_pick,
    snd_go,
    snd_buzz, // loop
    snd_locked,
    snd_miss,
    SND_SIZE
};

class sound
{
public:
    bool on_flag;
    std::vector<int>* heard; // set: requests are noted here instead of played

    sound();

    // Opens the audio device and loads data/sfx; where there is none, one warning says the game runs
    // silent. The device is closed before SDL is.
    void init();
    void close();
    void follow(const cues& Cues, double T);
    void toggle();
    // While sound is off, a small mark in the picture's corner says so.
    void render();
    int loaded() const; // sounds ready to play: every one once the device is open

private:
    audio_device device;
    const ::play* seen_play;
    const world* seen_world;
    int seen_rescued, seen_killed, seen_misses;
    bool seen_drag;
    std::vector<bool> seen_wilted;
    int homes_waiting;
    double home_counter;
    int loop_volume[2]; // buzz, rustle: -1 while stopped

    void play(int Id);
    void loop(int Slot, int Id, int Volume);
};
