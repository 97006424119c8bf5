#include "FailingAllocations.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> failNext{false};
std::atomic<std::size_t> failingFrom{SIZE_MAX};

void* Allocate(std::size_t size) {
    if (failNext.exchange(false) || size >= failingFrom.load()) {
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

} // namespace

void SetNextAllocationFails(bool fails) {
    failNext = fails;
}

LargeAllocationsFail::LargeAllocationsFail(std::size_t bytes) {
    failingFrom = bytes;
}

LargeAllocationsFail::~LargeAllocationsFail() {
    failingFrom = SIZE_MAX;
}

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
