#pragma once

#include <windows.h>

namespace SkinUI {

class CControlUI;

// A control of the framework for an element name of the skin language, or null
// for a name it does not know. The table knows every control of the core,
// of ui/controls and of ui/extra, so it sits above all three.
CControlUI* CreateControlForElement(LPCWSTR elementName);

// Puts a control that a skin places inside a tree node into the node's row,
// beside its folder button, check box and text. False when `node` is no tree node.
bool AddToTreeNodeRow(CControlUI* node, CControlUI* control);

}  // namespace SkinUI
