#pragma once

#include <cstdint>
#include <string_view>

namespace calc {

// The amount field holds at most this many characters, typed or pasted: up to 999999 yuan.
inline constexpr int AMOUNT_MAX_LENGTH = 6;

// The amount field's text each time the main window opens.
inline constexpr std::string_view DEFAULT_AMOUNT_TEXT = "100000";

// Character code of Backspace, the one control character the amount field takes.
inline constexpr std::int16_t BACKSPACE_CODE = 8;

// Decides whether a typed character reaches the amount field: Backspace and the ten ASCII
// digits pass, every other code is discarded. Codes are compared as signed 16-bit values, so
// characters of 32768 and above (full-width digits, CJK) count as negative and are refused.
// The answer depends on the code alone, never on the field's text, caret or length.
bool AcceptAmountKey(std::int16_t code);

}  // namespace calc
