#pragma once

#include <QRect>

// The windows are designed in twips, 1/1440 inch. Qt lays widgets out in device-independent
// pixels of 1/96 inch, so 15 twips make one pixel and Qt scales both with the screen.
constexpr int twips(int value) { return value / 15; }

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
