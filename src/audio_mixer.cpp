// Sound through SDL_mixer.
#include "audio.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

namespace {
const int EFFECT_CHANNELS = 8; // effects that may sound at once, beside the loops

// Without a sound card the audio libraries write pages of errors of their own to the terminal; the
// caller's one line says what matters, so they go nowhere while the device is sought.
struct quiet_stderr
{
    int saved = ::dup(2);
    quiet_stderr()
    {
        int Null = ::open("/dev/null", O_WRONLY);
        if (saved >= 0 && Null >= 0) ::dup2(Null, 2);
        if (Null >= 0) ::close(Null);
    }
    ~quiet_stderr()
    {
        if (saved < 0) return;
        ::dup2(saved, 2);
        ::close(saved);
    }
};
} // namespace

bool audio_device::open(const std::vector<std::string>& Names, int Loops, std::string& Problem)
{
    {
        quiet_stderr Quiet;
        // Apart from the rest of SDL, so a machine without audio plays the game all the same.
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        {
            Problem = SDL_GetError();
            return false;
        }
        if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0)
        {
            Problem = SDL_GetError();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
    }
    open_flag = true;
    Mix_AllocateChannels(Loops + EFFECT_CHANNELS);
    Mix_ReserveChannels(Loops);
    for (const std::string& Name : Names) chunks.push_back(Mix_LoadWAV(("data/sfx/" + Name + ".wav").c_str()));
    return true;
}

void audio_device::close()
{
    if (!open_flag) return;
    Mix_HaltChannel(-1);
    for (void* C : chunks) Mix_FreeChunk((Mix_Chunk*)C);
    chunks.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_flag = false;
}

int audio_device::loaded() const
{
    int N = 0;
    for (void* C : chunks) N += C != nullptr;
    return N;
}

void audio_device::play(int Id)
{
    if (open_flag && chunks[Id]) Mix_PlayChannel(-1, (Mix_Chunk*)chunks[Id], 0);
}

void audio_device::loop(int Channel, int Id, int Volume, bool Start)
{
    if (!open_flag || !chunks[Id]) return;
    if (Volume < 0)
        Mix_HaltChannel(Channel);
    else
    {
        if (Start) Mix_PlayChannel(Channel, (Mix_Chunk*)chunks[Id], -1);
        Mix_Volume(Channel, Volume);
    }
}
