#pragma once

// Replaces the global operator new with one that counts; include it in one
// source file of a test program of its own.
#include <atomic>
#include <cstdlib>
#include <new>

namespace quorvane::testing {
inline std::atomic<long> gAllocations{0};
}

void* operator new(std::size_t size)
{
    quorvane::testing::gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
// The non-throwing form too, so that every allocation the deletes below free
// came from malloc (Qt's JSON reader allocates with it).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    quorvane::testing::gAllocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}
// These deletes free what the news above took with malloc; aarch64's compiler
// cannot see that through its inlining and warns of a mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop
