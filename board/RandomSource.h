#pragma once

#include <cstdint>
#include <cstdlib>

// The generator the scramble draws from; the default is the C runtime's
// srand/rand pair, and tests substitute their own.
class CRandomSource
{
public:
    virtual ~CRandomSource() = default;
    virtual void Seed(unsigned int nSeed) = 0;
    // A non-negative pseudo-random number.
    virtual int Next() = 0;
};

// Deals the numbers of srand and rand. With the GNU C library it runs that
// library's generator on a state of its own: rand takes a process-wide lock
// for every number, which costs more than the scramble's whole walk.
class CRuntimeRandom : public CRandomSource
{
public:
    CRuntimeRandom();
    CRuntimeRandom(const CRuntimeRandom&) = delete;
    CRuntimeRandom& operator=(const CRuntimeRandom&) = delete;
    void Seed(unsigned int nSeed) override;
    int Next() override;

private:
#ifdef __GLIBC__
    // rand's own state size (128 bytes), which selects its generator.
    std::int32_t m_stateWords[32] = {};
    random_data m_state = {};
#endif
};
