#include "calc/amount_entry.h"

namespace calc {

bool AcceptAmountKey(std::int16_t code) {
    return code == BACKSPACE_CODE || (code >= '0' && code <= '9');
}

}  // namespace calc
