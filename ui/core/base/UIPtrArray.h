#pragma once

#include <windows.h>

namespace SkinUI {

// Growable array of pointers. The array owns its block, not the objects.
class CPtrArray {
public:
    explicit CPtrArray(int initialCapacity = 0);
    CPtrArray(const CPtrArray& other);
    CPtrArray& operator=(const CPtrArray&) = delete;
    ~CPtrArray();

    void Empty();
    // Empties, then holds `size` null elements.
    void Resize(int size);

    bool IsEmpty() const { return m_count == 0; }
    int GetSize() const { return m_count; }
    int GetCapacity() const { return m_capacity; }
    int Find(LPVOID item) const;
    LPVOID GetAt(int index) const;
    LPVOID operator[](int index) const { return m_items[index]; }

    // Each returns false and leaves the array unchanged when the block cannot grow.
    bool Add(LPVOID item);
    bool InsertAt(int index, LPVOID item);
    bool Remove(int index, int count = 1);

private:
    bool GrowForOneMore();

    LPVOID* m_items;
    int m_count;
    int m_capacity;
};

}  // namespace SkinUI
