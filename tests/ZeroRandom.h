#pragma once

#include "board/RandomSource.h"

// Always draws 0: each step of the scramble takes the first neighbour.
struct CZeroRandom : CRandomSource {
    void Seed(unsigned int) override {}
    int Next() override { return 0; }
};
