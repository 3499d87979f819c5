// The texts of the options dialog (400) and the animation setup (3900), as the user sees them.
#pragma once

#include <array>

#include "shell/settings.h"

inline constexpr const char* kTextOptionsDialogTitle = "Brindlewax Setup";
inline constexpr const char* kTextAnimationSetupTitle = "Animation Setup";

// Animation setup: the places that animate, in the order of their settings keys.
inline constexpr std::array<const char*, kNamedAnimationCount> kTextAnimationPlaces = {
    "Audio", "MIDI", "CD Player", "Copy / Move", "Internet"};
// The chosen animation's details, each prefix followed by the library's text.
inline constexpr const char* kTextAuthorPrefix = "Author - ";
inline constexpr const char* kTextColourDepthPrefix = "Color Depth - ";
// Followed by "48 x 48, 12 frames".
inline constexpr const char* kTextAnimationSizePrefix = "Size - ";
inline constexpr const char* kTextFramesSuffix = " frames";
inline constexpr const char* kTextOneFrameSuffix = " frame";
// Shown in the list when the animation library holds no animation at all.
inline constexpr const char* kTextNoAnimations = "(no animations)";
