// Records the largest single allocation made through operator new while a probe is alive,
// for tests that must show that damaged input never makes the code reserve huge buffers.
#pragma once

#include <cstddef>

class CAllocationProbe {
public:
    CAllocationProbe();
    ~CAllocationProbe();
    CAllocationProbe(const CAllocationProbe&) = delete;
    CAllocationProbe& operator=(const CAllocationProbe&) = delete;

    std::size_t Largest() const;
};
