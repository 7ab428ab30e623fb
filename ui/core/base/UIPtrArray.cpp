#include "ui/core/base/UIPtrArray.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace SkinUI {

namespace {

constexpr int kFirstCapacity = 11;

}  // namespace

CPtrArray::CPtrArray(int initialCapacity) : m_items(nullptr), m_count(0), m_capacity(0) {
    if (initialCapacity > 0) {
        m_items = static_cast<LPVOID*>(std::malloc(static_cast<size_t>(initialCapacity) * sizeof(LPVOID)));
        if (m_items != nullptr) {
            m_capacity = initialCapacity;
        }
    }
}

CPtrArray::CPtrArray(const CPtrArray& other) : CPtrArray() {
    for (int index = 0; index < other.m_count; ++index) {
        Add(other.m_items[index]);
    }
}

CPtrArray::~CPtrArray() {
    std::free(m_items);
}

void CPtrArray::Empty() {
    std::free(m_items);
    m_items = nullptr;
    m_count = 0;
    m_capacity = 0;
}

void CPtrArray::Resize(int size) {
    Empty();
    if (size <= 0) {
        return;
    }
    m_items = static_cast<LPVOID*>(std::calloc(static_cast<size_t>(size), sizeof(LPVOID)));
    if (m_items != nullptr) {
        m_count = size;
        m_capacity = size;
    }
}

int CPtrArray::Find(LPVOID item) const {
    for (int index = 0; index < m_count; ++index) {
        if (m_items[index] == item) {
            return index;
        }
    }
    return -1;
}

LPVOID CPtrArray::GetAt(int index) const {
    if (index < 0 || index >= m_count) {
        return nullptr;
    }
    return m_items[index];
}

// The block grows as soon as the new count reaches the capacity, doubling
// each time; a failed reallocation keeps the old block.
bool CPtrArray::GrowForOneMore() {
    if (m_count + 1 < m_capacity) {
        return true;
    }
    if (m_capacity > INT_MAX / 2) {
        return false;
    }
    const int newCapacity = m_capacity == 0 ? kFirstCapacity : m_capacity * 2;
    void* block = std::realloc(m_items, static_cast<size_t>(newCapacity) * sizeof(LPVOID));
    if (block == nullptr) {
        return false;
    }
    m_items = static_cast<LPVOID*>(block);
    m_capacity = newCapacity;
    return true;
}

bool CPtrArray::Add(LPVOID item) {
    if (!GrowForOneMore()) {
        return false;
    }
    m_items[m_count++] = item;
    return true;
}

bool CPtrArray::InsertAt(int index, LPVOID item) {
    if (index == m_count) {
        return Add(item);
    }
    if (index < 0 || index > m_count || !GrowForOneMore()) {
        return false;
    }
    std::memmove(m_items + index + 1, m_items + index, static_cast<size_t>(m_count - index) * sizeof(LPVOID));
    m_items[index] = item;
    ++m_count;
    return true;
}

bool CPtrArray::Remove(int index, int count) {
    if (index < 0 || count <= 0 || count > m_count - index) {
        return false;
    }
    const int tail = m_count - index - count;
    std::memmove(m_items + index, m_items + index + count, static_cast<size_t>(tail) * sizeof(LPVOID));
    m_count -= count;
    return true;
}

}  // namespace SkinUI
