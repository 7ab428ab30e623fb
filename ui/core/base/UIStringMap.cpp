#include "ui/core/base/UIStringMap.h"

#include <cstdlib>
#include <cwchar>

namespace SkinUI {

namespace {

constexpr int kMinimumBucketCount = 16;

UINT HashKey(LPCWSTR key) {
    UINT hash = 0;
    for (size_t index = std::wcslen(key); index > 0; --index) {
        hash = hash * 33 + static_cast<UINT>(key[index - 1]);
    }
    return hash;
}

}  // namespace

CStringMap::CStringMap(int bucketCount)
    : m_buckets(nullptr),
      m_bucketCount(bucketCount < kMinimumBucketCount ? kMinimumBucketCount : bucketCount),
      m_count(0) {}

CStringMap::~CStringMap() {
    FreeEntries();
    std::free(m_buckets);
}

void CStringMap::FreeEntries() {
    for (int bucket = 0; m_buckets != nullptr && bucket < m_bucketCount; ++bucket) {
        Entry* entry = m_buckets[bucket];
        while (entry != nullptr) {
            Entry* next = entry->next;
            delete entry;
            entry = next;
        }
        m_buckets[bucket] = nullptr;
    }
    m_count = 0;
}

void CStringMap::Resize(int bucketCount) {
    FreeEntries();
    std::free(m_buckets);
    m_buckets = nullptr;
    m_bucketCount = bucketCount > 0 ? bucketCount : 0;
}

// The buckets come with the first entry: most controls' maps stay empty.
void CStringMap::MakeBuckets() {
    if (m_buckets != nullptr) {
        return;
    }
    m_buckets = static_cast<Entry**>(std::calloc(static_cast<size_t>(m_bucketCount), sizeof(Entry*)));
    if (m_buckets == nullptr) {
        std::abort();
    }
}

CStringMap::Entry* CStringMap::FindEntry(LPCWSTR key, UINT* bucket) const {
    *bucket = HashKey(key) % static_cast<UINT>(m_bucketCount);
    for (Entry* entry = m_buckets[*bucket]; entry != nullptr; entry = entry->next) {
        if (entry->key == key) {
            return entry;
        }
    }
    return nullptr;
}

void CStringMap::Unlink(Entry* entry, UINT bucket) {
    if (entry->previous != nullptr) {
        entry->previous->next = entry->next;
    } else {
        m_buckets[bucket] = entry->next;
    }
    if (entry->next != nullptr) {
        entry->next->previous = entry->previous;
    }
}

void CStringMap::LinkFront(Entry* entry, UINT bucket) {
    entry->previous = nullptr;
    entry->next = m_buckets[bucket];
    if (entry->next != nullptr) {
        entry->next->previous = entry;
    }
    m_buckets[bucket] = entry;
}

LPVOID CStringMap::Find(LPCWSTR key, bool optimize) {
    if (key == nullptr || m_count == 0) {
        return nullptr;
    }
    UINT bucket = 0;
    Entry* entry = FindEntry(key, &bucket);
    if (entry == nullptr) {
        return nullptr;
    }
    if (optimize && entry->previous != nullptr) {
        Unlink(entry, bucket);
        LinkFront(entry, bucket);
    }
    return entry->value;
}

bool CStringMap::Insert(LPCWSTR key, LPVOID value) {
    if (key == nullptr || m_bucketCount == 0) {
        return false;
    }
    MakeBuckets();
    UINT bucket = 0;
    if (FindEntry(key, &bucket) != nullptr) {
        return false;
    }
    LinkFront(new Entry{CUIString(key), value, nullptr, nullptr}, bucket);
    ++m_count;
    return true;
}

LPVOID CStringMap::Set(LPCWSTR key, LPVOID value) {
    if (key == nullptr || m_bucketCount == 0) {
        return nullptr;
    }
    MakeBuckets();
    UINT bucket = 0;
    Entry* entry = FindEntry(key, &bucket);
    if (entry == nullptr) {
        Insert(key, value);
        return nullptr;
    }
    LPVOID old = entry->value;
    entry->value = value;
    return old;
}

bool CStringMap::Remove(LPCWSTR key) {
    if (key == nullptr || m_count == 0) {
        return false;
    }
    UINT bucket = 0;
    Entry* entry = FindEntry(key, &bucket);
    if (entry == nullptr) {
        return false;
    }
    Unlink(entry, bucket);
    delete entry;
    --m_count;
    return true;
}

LPCWSTR CStringMap::GetAt(int index) const {
    if (index < 0 || index >= m_count) {
        return nullptr;
    }
    int position = 0;
    for (int bucket = m_bucketCount - 1; bucket >= 0; --bucket) {
        for (Entry* entry = m_buckets[bucket]; entry != nullptr; entry = entry->next) {
            if (position++ == index) {
                return entry->key;
            }
        }
    }
    return nullptr;
}

}  // namespace SkinUI
