#include "board/RandomSource.h"

#include <cstdlib>

void CRuntimeRandom::Seed(unsigned int nSeed)
{
    std::srand(nSeed);
}

int CRuntimeRandom::Next()
{
    return std::rand();
}
