// The exact operator search for equations with more slots than a counter of
// combinations can run through; see exact.cpp.

#ifndef VELKORA_EXACT_H
#define VELKORA_EXACT_H

#include <cstdint>

enum class ExactOutcome { Found, Impossible, OverBudget };

// Text is the normalised expression, Slot the positions of its Slots slots. On Found,
// Combination is the lowest combination number whose value is Wanted. OverBudget means
// that nothing is proven: the search would have needed more time or memory than it has.
ExactOutcome ExactSearch(const char* Text, const int* Slot, int Slots, std::uint32_t Wanted,
                         std::uint64_t& Combination);

#endif
