// The ready-made texts of the information dialogs: numbers with their unit words.
#pragma once

#include <cstdint>
#include <string>

namespace bw {

// "128 Kbps".
std::string KbpsText(int kbps);
// "44100 Hz".
std::string HzText(std::uint32_t hz);
// A duration as the panels show one: "1:23.456 Minutes", "999 Milliseconds".
std::string LengthText(std::uint64_t milliseconds);
// "250 Frames", "1 Frame".
std::string FramesText(std::uint64_t frames);
// "320 x 240 Pixels".
std::string PixelsText(std::uint32_t width, std::uint32_t height);
// "25 fps", "29.97 fps".
std::string FrameRateText(double framesPerSecond);
// "120 BPM", "85.71 BPM".
std::string BpmText(double beatsPerMinute);
// `count` followed by the singular suffix for 1 and the plural one otherwise.
std::string CountText(std::uint64_t count, const char* singular, const char* plural);
// A non-negative value with at most two decimals, trailing zeros dropped, always with "."
// whatever the locale: 25 -> "25", 29.97002997 -> "29.97", 0.5 -> "0.5".
std::string DecimalText(double value);

}  // namespace bw
