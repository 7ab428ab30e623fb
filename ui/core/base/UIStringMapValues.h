#pragma once

#include <windows.h>

#include "ui/core/base/UIStringMap.h"

namespace SkinUI {

// Walks the values of a map whose values all have type `Value`. The walk does
// not reorder the chains, so it sees every entry exactly once. Stops at the
// first value for which `visit` returns true and gives it back, else null.
template <class Value, class Visit>
Value* FindMapValue(CStringMap& map, Visit visit) {
    for (int index = 0; index < map.GetSize(); ++index) {
        auto* value = static_cast<Value*>(map.Find(map.GetAt(index), false));
        if (value != nullptr && visit(value)) {
            return value;
        }
    }
    return nullptr;
}

// Hands every value to `destroy`, then leaves the map empty with
// `bucketCount` buckets.
template <class Value, class Destroy>
void DestroyMapValues(CStringMap& map, int bucketCount, Destroy destroy) {
    for (int index = 0; index < map.GetSize(); ++index) {
        destroy(static_cast<Value*>(map.Find(map.GetAt(index), false)));
    }
    map.Resize(bucketCount);
}

}  // namespace SkinUI
