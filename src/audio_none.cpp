// No sound: for a build without a mixer, which plays the game silent.
#include "audio.h"

bool audio_device::open(const std::vector<std::string>&, int, std::string&)
{
    return false;
}

void audio_device::close()
{
    open_flag = false;
}

int audio_device::loaded() const
{
    return 0;
}

void audio_device::play(int) {}

void audio_device::loop(int, int, int, bool) {}
