#include "board/RandomSource.h"

#ifdef __GLIBC__

CRuntimeRandom::CRuntimeRandom()
{
    initstate_r(1, reinterpret_cast<char*>(m_stateWords), sizeof m_stateWords, &m_state);
}

void CRuntimeRandom::Seed(unsigned int nSeed)
{
    srandom_r(nSeed, &m_state);
}

int CRuntimeRandom::Next()
{
    std::int32_t nValue{};
    random_r(&m_state, &nValue);
    return nValue;
}

#else

CRuntimeRandom::CRuntimeRandom() = default;

void CRuntimeRandom::Seed(unsigned int nSeed)
{
    std::srand(nSeed);
}

int CRuntimeRandom::Next()
{
    return std::rand();
}

#endif
