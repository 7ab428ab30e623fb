#pragma once

#include <windows.h>

#include <cstddef>
#include <cstring>

// A block whose last byte is followed by an inaccessible page: data placed
// flush against its end makes any access past that data fault at once.
class GuardedMemory {
public:
    explicit GuardedMemory(size_t capacity) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        m_capacity = (capacity + info.dwPageSize - 1) / info.dwPageSize * info.dwPageSize;
        if (m_capacity == 0)
            m_capacity = info.dwPageSize;
        m_base = static_cast<unsigned char*>(
            VirtualAlloc(nullptr, m_capacity + info.dwPageSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD previous = 0;
        VirtualProtect(m_base + m_capacity, info.dwPageSize, PAGE_NOACCESS, &previous);
    }
    ~GuardedMemory() { VirtualFree(m_base, 0, MEM_RELEASE); }
    GuardedMemory(const GuardedMemory&) = delete;
    GuardedMemory& operator=(const GuardedMemory&) = delete;

    size_t Capacity() const { return m_capacity; }

    // Room for `size` bytes ending right at the guard page; size <= Capacity().
    unsigned char* Place(size_t size) { return m_base + m_capacity - size; }
    unsigned char* Place(const void* data, size_t size) {
        unsigned char* start = Place(size);
        if (size != 0)
            std::memcpy(start, data, size);
        return start;
    }

private:
    unsigned char* m_base = nullptr;
    size_t m_capacity = 0;
};
