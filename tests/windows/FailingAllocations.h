#pragma once

#include <cstddef>

// Every allocation of the GUI tests' program, the reader's included, goes through the test's
// own operator new, so that a test can make allocations fail as they do when memory runs out.

// The next allocation fails, once. `false` takes back a failure that has not come yet.
void SetNextAllocationFails(bool fails);

// While it lives, every allocation of `bytes` or more fails.
class LargeAllocationsFail {
public:
    explicit LargeAllocationsFail(std::size_t bytes);
    ~LargeAllocationsFail();
    LargeAllocationsFail(const LargeAllocationsFail&) = delete;
    LargeAllocationsFail& operator=(const LargeAllocationsFail&) = delete;
};
