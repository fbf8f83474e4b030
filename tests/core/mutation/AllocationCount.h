#pragma once

#include <cstddef>

// Counts the heap allocations made between Start and Stop, whoever makes
// them: Qt's containers call malloc, not operator new, so the count is taken
// at malloc itself (through the sanitizer's hooks when AddressSanitizer owns
// malloc, by replacing malloc otherwise). Linked into one test program only.
namespace AllocationCount {

struct SCounts
{
    std::size_t nCalls = 0;
    std::size_t nBytes = 0;    // all bytes asked for
    std::size_t nLargest = 0;  // the largest single request
};

void Start();
SCounts Stop();

} // namespace AllocationCount
