#include "audio/sdl_library.h"

#include <dlfcn.h>

#include <iostream>

namespace audio {
namespace {

// SDL2_mixer's run-time name on every distribution that packages it; its own
// dependencies bring SDL2, whose functions are found through the same handle.
constexpr const char* kMixerLibrary = "libSDL2_mixer-2.0.so.0";

template <class F>
bool find(void* handle, const char* name, F& to) {
  to = reinterpret_cast<F>(::dlsym(handle, name));
  if (!to) std::cerr << "vetrovay: no music: " << kMixerLibrary << " lacks " << name << "\n";
  return to != nullptr;
}

const SdlLibrary* load() {
  void* handle = ::dlopen(kMixerLibrary, RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    std::cerr << "vetrovay: no music: " << ::dlerror() << "\n";
    return nullptr;
  }
  static SdlLibrary lib;
  const bool all =
      find(handle, "SDL_InitSubSystem", lib.InitSubSystem) &&
      find(handle, "SDL_QuitSubSystem", lib.QuitSubSystem) &&
      find(handle, "SDL_SetHint", lib.SetHint) &&
      find(handle, "SDL_SetHintWithPriority", lib.SetHintWithPriority) &&
      find(handle, "SDL_ResetHint", lib.ResetHint) && find(handle, "SDL_RWFromFP", lib.RWFromFP) &&
      find(handle, "Mix_Init", lib.Init) && find(handle, "Mix_Quit", lib.Quit) &&
      find(handle, "Mix_OpenAudio", lib.OpenAudio) &&
      find(handle, "Mix_CloseAudio", lib.CloseAudio) &&
      find(handle, "Mix_LoadMUS_RW", lib.LoadMUS_RW) &&
      find(handle, "Mix_FreeMusic", lib.FreeMusic) &&
      find(handle, "Mix_PlayMusic", lib.PlayMusic) &&
      find(handle, "Mix_HaltMusic", lib.HaltMusic) &&
      find(handle, "Mix_ResumeMusic", lib.ResumeMusic) && find(handle, "Mix_Resume", lib.Resume) &&
      find(handle, "Mix_VolumeMusic", lib.VolumeMusic) && find(handle, "Mix_Volume", lib.Volume);
  // The library stays loaded: SDL keeps threads and handlers of its own.
  return all ? &lib : nullptr;
}

}  // namespace

const SdlLibrary* sdl_library() {
  static const SdlLibrary* const lib = load();
  return lib;
}

}  // namespace audio
