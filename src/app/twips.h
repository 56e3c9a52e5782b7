#pragma once

// Positions and sizes are designed in twips; the screen takes logical pixels.
namespace stapelwerk {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) {
    return (value + (value >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}

constexpr int toTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

}  // namespace stapelwerk
