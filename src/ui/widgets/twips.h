#pragma once

// Positions and sizes are designed in twips; the screen takes logical pixels.
namespace stapelwerk {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) {
    return (value + (value >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}

constexpr int toTwips(int pixels) { return pixels * kTwipsPerPixel; }

// What a sizable window's border and title bar add to its client area, in twips:
// outer sizes are designed with them, Qt sizes the client area.
inline constexpr int kDesignFrameWidth = 120;
inline constexpr int kDesignFrameHeight = 480;

}  // namespace stapelwerk
