#pragma once

// Helpers that the files of the UI manager share.

#include "ui/core/base/UIPtrArray.h"

namespace SkinUI {

// Every manager that has been given a window, in the order of Init; the
// message loop offers messages to them.
CPtrArray& InitializedManagers();

// Removes the first entry equal to `item`; false when there was none.
inline bool RemoveFromList(CPtrArray& list, LPVOID item) {
    const int index = list.Find(item);
    return index >= 0 && list.Remove(index);
}

// Appends a non-null item; false for null or when the array cannot grow.
inline bool AddToList(CPtrArray& list, LPVOID item) {
    return item != nullptr && list.Add(item);
}

}  // namespace SkinUI
