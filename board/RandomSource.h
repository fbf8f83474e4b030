#pragma once

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

class CRuntimeRandom : public CRandomSource
{
public:
    void Seed(unsigned int nSeed) override;
    int Next() override;
};
