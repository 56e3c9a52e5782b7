#pragma once

// What the sound module offers: it plays the wave file `utf8Path` asynchronously.
extern "C" {
using PlaySoundFunction = void (*)(const char* utf8Path);
inline constexpr const char* kPlaySoundSymbol = "stapelwerkPlaySound";
}

// The module's base name; QLibrary adds the system's prefix and suffix.
inline constexpr const char* kSoundModuleName = "stapelwerk_sound";
