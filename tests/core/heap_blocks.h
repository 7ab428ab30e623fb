#pragma once

// Counts the blocks in use on every heap of the process, for tests that
// repeat an operation and expect it to leave nothing behind.
#include <windows.h>

#include <cstddef>

inline size_t BusyHeapBlocks() {
    HANDLE heaps[256];
    const DWORD count = ::GetProcessHeaps(256, heaps);
    size_t busy = 0;
    for (DWORD i = 0; i < count && i < 256; ++i) {
        ::HeapLock(heaps[i]);
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[i], &entry)) {
            busy += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0 ? 1 : 0;
        }
        ::HeapUnlock(heaps[i]);
    }
    return busy;
}
