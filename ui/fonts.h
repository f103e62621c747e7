#pragma once

#include <QFont>

// The designed font of both windows, "宋体", at a given size in points and normal weight.
QFont songFont(qreal pointSize);

// "宋体" is a Windows font. Where it is missing, point the family at an installed Song-style
// (Ming) font for Simplified Chinese so that no character falls back to a box. Must run before
// the first widget is created.
void installSongSubstitutes();
