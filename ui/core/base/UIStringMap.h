#pragma once

#include <windows.h>

#include "ui/core/base/UIString.h"

namespace SkinUI {

// Hash map from case-sensitive string keys to pointers. The map owns copies of
// the keys, not the values.
class CStringMap {
public:
    // Fewer than 16 buckets are raised to 16.
    explicit CStringMap(int bucketCount = 83);
    CStringMap(const CStringMap&) = delete;
    CStringMap& operator=(const CStringMap&) = delete;
    ~CStringMap();

    // Drops every entry and makes `bucketCount` empty buckets. A map without
    // buckets finds nothing and refuses every insertion.
    void Resize(int bucketCount);

    // With `optimize`, a found entry moves to the head of its chain so that
    // repeated look-ups of the same key stay short.
    LPVOID Find(LPCWSTR key, bool optimize = true);
    // Never replaces: false when the key is present already (or there are no buckets).
    bool Insert(LPCWSTR key, LPVOID value);
    // Replaces the value of a present key and returns the old one; else inserts and returns null.
    LPVOID Set(LPCWSTR key, LPVOID value);
    bool Remove(LPCWSTR key);

    int GetSize() const { return m_count; }
    // Keys in bucket order from the last bucket to the first, each chain from its head.
    LPCWSTR GetAt(int index) const;

private:
    struct Entry {
        CUIString key;
        LPVOID value;
        Entry* previous;
        Entry* next;
    };

    Entry* FindEntry(LPCWSTR key, UINT* bucket) const;
    void Unlink(Entry* entry, UINT bucket);
    void LinkFront(Entry* entry, UINT bucket);
    void FreeEntries();
    void MakeBuckets();

    Entry** m_buckets;
    int m_bucketCount;
    int m_count;
};

}  // namespace SkinUI
