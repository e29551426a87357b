#pragma once
// SDL2 and SDL2_mixer, loaded when the music channel first opens rather than
// when the program starts: the forty-odd libraries behind the mixer (codecs,
// sound servers) then cost the window nothing before its first paint, and a
// machine without them still runs the game, silently.
#include <SDL.h>
#include <SDL_mixer.h>

namespace audio {

// The functions the music channel calls, by their SDL names.
struct SdlLibrary {
  decltype(&::SDL_InitSubSystem) InitSubSystem;
  decltype(&::SDL_QuitSubSystem) QuitSubSystem;
  decltype(&::SDL_SetHint) SetHint;
  decltype(&::SDL_SetHintWithPriority) SetHintWithPriority;
  decltype(&::SDL_ResetHint) ResetHint;
  decltype(&::SDL_RWFromFP) RWFromFP;
  decltype(&::Mix_Init) Init;
  decltype(&::Mix_Quit) Quit;
  decltype(&::Mix_OpenAudio) OpenAudio;
  decltype(&::Mix_CloseAudio) CloseAudio;
  decltype(&::Mix_LoadMUS_RW) LoadMUS_RW;
  decltype(&::Mix_FreeMusic) FreeMusic;
  decltype(&::Mix_PlayMusic) PlayMusic;
  decltype(&::Mix_HaltMusic) HaltMusic;
  decltype(&::Mix_ResumeMusic) ResumeMusic;
  decltype(&::Mix_Resume) Resume;
  decltype(&::Mix_VolumeMusic) VolumeMusic;
  decltype(&::Mix_Volume) Volume;
};

// The library, loaded on the first call and kept for the life of the
// process; nullptr (with one line on stderr) when it or one of its functions
// cannot be found.
const SdlLibrary* sdl_library();

}  // namespace audio
