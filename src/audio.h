// The device the game's sounds play on, one file for each choice that the build picks: SDL_mixer
// (audio_mixer.cpp) or none at all (audio_none.cpp), where every call does nothing.
#pragma once

#include <string>
#include <vector>

class audio_device
{
public:
    audio_device() : open_flag(false) {}
    ~audio_device() { close(); }
    audio_device(const audio_device&) = delete; // owns the loaded sounds
    audio_device& operator=(const audio_device&) = delete;

    // Opens the device with Loops channels kept for looping sounds, and loads data/sfx/NAME.wav for each
    // name. False where there is no device; Problem then says why, or is empty where the build has none.
    bool open(const std::vector<std::string>& Names, int Loops, std::string& Problem);
    // Closed before SDL is; safe to call twice.
    void close();
    int loaded() const; // sounds ready to play
    void play(int Id);
    // Starts (Start), changes the volume of, or with a negative Volume stops the loop on its Channel.
    void loop(int Channel, int Id, int Volume, bool Start);

private:
    bool open_flag;
    std::vector<void*> chunks; // the device's own records of the loaded sounds
};
