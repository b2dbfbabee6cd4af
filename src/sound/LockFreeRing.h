#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <new>

// A queue from one producing thread to one consuming thread in which neither ever waits for the
// other, takes a lock or allocates: the places are allocated once, and each side moves only its
// own index. The sound card's thread can consume from it with nothing to hold it up.
//
// Each side works in place: it asks for a place, fills or reads it, and hands it over.
template <typename Item> class LockFreeRing {
  public:
    // Rounded up to a power of two, so that an index maps to its place by a mask.
    explicit LockFreeRing(std::size_t capacity)
        : mask(roundedUp(capacity) - 1), places(std::make_unique<Item[]>(mask + 1)) {}

    std::size_t capacity() const { return mask + 1; }

    // Producer: the next free place, or nothing while the ring is full.
    Item* writable() {
        const std::size_t write = writeIndex.load(std::memory_order_relaxed);
        if (write - readIndex.load(std::memory_order_acquire) > mask)
            return nullptr;
        return &places[write & mask];
    }
    // Producer: the place writable() gave is the consumer's from now on.
    void publish() {
        writeIndex.store(writeIndex.load(std::memory_order_relaxed) + 1, std::memory_order_release);
    }

    // Consumer: the oldest published place, or nothing while the ring is empty.
    Item* readable() {
        const std::size_t read = readIndex.load(std::memory_order_relaxed);
        if (read == writeIndex.load(std::memory_order_acquire))
            return nullptr;
        return &places[read & mask];
    }
    // Consumer: the place readable() gave may be written again.
    void release() {
        readIndex.store(readIndex.load(std::memory_order_relaxed) + 1, std::memory_order_release);
    }

  private:
    static std::size_t roundedUp(std::size_t capacity) {
        std::size_t rounded = 1;
        while (rounded < capacity)
            rounded *= 2;
        return rounded;
    }

    // Apart, so that the two threads do not take a cache line from each other at every step.
    static constexpr std::size_t cacheLine = 64;
    const std::size_t mask;
    const std::unique_ptr<Item[]> places;
    alignas(cacheLine) std::atomic<std::size_t> writeIndex = 0;
    alignas(cacheLine) std::atomic<std::size_t> readIndex = 0;
};
