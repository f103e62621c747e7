#pragma once

// The program's maker, named on the main window's credit line, in the application's
// organisation name and in the contact card of the picture that the contact window shows
// (resources/make-contact-picture.sh writes the same two values into it).
inline constexpr char kMakerName[] = "陈思远";
inline constexpr char kMakerPhone[] = "13800138000";
