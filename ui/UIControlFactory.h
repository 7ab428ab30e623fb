#pragma once

#include <windows.h>

namespace SkinUI {

class CControlUI;

// A control of the framework for an element name of the skin language, or null
// for a name it does not know. The table knows every control of the core,
// of ui/controls and of ui/extra, so it sits above all three.
CControlUI* CreateControlForElement(LPCWSTR elementName);

}  // namespace SkinUI
