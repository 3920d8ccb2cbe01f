#pragma once
// Sizes kept in twips, a twentieth of a point, as the settings store and rich text keep them.
// At the 96 dots per inch the program works in, a pixel is 15 twips.
constexpr int TwipsPerPixel = 15;

constexpr double pixelsOfTwips(double twips) { return twips / TwipsPerPixel; }
