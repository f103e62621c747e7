#pragma once

// The whole calculation core: amount entry rules, reading the amount, the per-period figures
// and their texts. It uses the C++ standard library only.
#include "calc/amount_entry.h"
#include "calc/amount_text.h"
#include "calc/money_format.h"
#include "calc/repayment_figures.h"
#include "calc/result_texts.h"
