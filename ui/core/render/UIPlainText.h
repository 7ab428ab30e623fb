#pragma once

#include <windows.h>

#include "ui/core/render/UIRichTextHost.h"

namespace SkinUI {
namespace Render {

// Draws `text` with DrawTextW in the colour `color` (0xAARRGGBB, alpha
// ignored) and the host's font `fontId`, after expanding its language
// tokens; prefix characters are not interpreted. `rect` receives the
// measured rectangle with DT_CALCRECT. Nothing happens for a null text.
void DrawPlainText(HDC dc, IRichTextHost& host, RECT& rect, LPCWSTR text, DWORD color, int fontId, UINT style);

}  // namespace Render
}  // namespace SkinUI
