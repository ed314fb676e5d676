#include "AllocationProbe.h"

#include <cstdlib>
#include <new>

namespace {
bool g_tracking = false;
std::size_t g_largest = 0;
} // namespace

void* operator new(std::size_t size) {
    if (g_tracking && size > g_largest)
        g_largest = size;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

CAllocationProbe::CAllocationProbe() {
    g_largest = 0;
    g_tracking = true;
}

CAllocationProbe::~CAllocationProbe() {
    g_tracking = false;
}

std::size_t CAllocationProbe::Largest() const {
    return g_largest;
}
