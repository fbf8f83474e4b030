#include "AllocationCount.h"

#include <atomic>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#define SLYDRA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SLYDRA_ASAN 1
#endif
#endif

namespace {

std::atomic<bool> g_bCounting{false};
std::atomic<std::size_t> g_nCalls{0};
std::atomic<std::size_t> g_nBytes{0};
std::atomic<std::size_t> g_nLargest{0};

void Note(std::size_t nSize)
{
    if (!g_bCounting.load(std::memory_order_relaxed))
        return;
    g_nCalls.fetch_add(1, std::memory_order_relaxed);
    g_nBytes.fetch_add(nSize, std::memory_order_relaxed);
    std::size_t nLargest = g_nLargest.load(std::memory_order_relaxed);
    while (nSize > nLargest && !g_nLargest.compare_exchange_weak(nLargest, nSize, std::memory_order_relaxed)) {
    }
}

} // namespace

#ifdef SLYDRA_ASAN

extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*, std::size_t),
                                                          void (*free_hook)(const volatile void*));

namespace {
const bool g_bHooked = __sanitizer_install_malloc_and_free_hooks(
                           [](const volatile void*, std::size_t nSize) { Note(nSize); },
                           [](const volatile void*) {})
    != 0;
} // namespace

#else

// glibc's own allocator under its exported names; replacing these four is
// what glibc documents for a program that brings its own malloc.
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void __libc_free(void*);

void* malloc(std::size_t nSize) { Note(nSize); return __libc_malloc(nSize); }
void* calloc(std::size_t nCount, std::size_t nSize) { Note(nCount * nSize); return __libc_calloc(nCount, nSize); }
void* realloc(void* p, std::size_t nSize) { Note(nSize); return __libc_realloc(p, nSize); }
void free(void* p) { __libc_free(p); }
}

namespace {
const bool g_bHooked = true;
}

#endif

namespace AllocationCount {

void Start()
{
    g_nCalls = 0;
    g_nBytes = 0;
    g_nLargest = 0;
    g_bCounting = g_bHooked;
}

SCounts Stop()
{
    g_bCounting = false;
    return {g_nCalls.load(), g_nBytes.load(), g_nLargest.load()};
}

} // namespace AllocationCount
