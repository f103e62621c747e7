#include "calc/amount_text.h"

#include <charconv>
#include <system_error>

namespace calc {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Length of the run of digits at the start of `text`.
std::size_t digitRun(std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && isDigit(text[length])) ++length;
    return length;
}

}  // namespace

std::optional<double> ReadAmount(std::string_view text) {
    text = trimBlanks(text);

    const std::string_view integerDigits = text.substr(0, digitRun(text));
    std::string_view rest = text.substr(integerDigits.size());
    std::size_t fractionDigitCount = 0;
    if (!rest.empty() && rest.front() == '.') {
        rest.remove_prefix(1);
        fractionDigitCount = digitRun(rest);
        rest.remove_prefix(fractionDigitCount);
    }
    if (!rest.empty() || integerDigits.size() + fractionDigitCount == 0) return std::nullopt;

    // Rounding a non-negative decimal down keeps exactly its integer digits.
    if (integerDigits.empty()) return 0.0;
    double amount = 0.0;
    const auto result =
        std::from_chars(integerDigits.data(), integerDigits.data() + integerDigits.size(), amount);
    if (result.ec != std::errc()) return std::nullopt;  // too many digits for a double
    return amount;
}

}  // namespace calc
