#pragma once

// The program's maker, named on the main window's credit line, in the application's
// organisation name and in the contact card of the contact picture. Set once in CMake
// (LANHE_MAKER, LANHE_MAKER_PHONE), which also fills the package and metadata.
inline constexpr char kMakerName[] = LANHE_MAKER_NAME;
inline constexpr char kMakerPhone[] = LANHE_MAKER_PHONE;
