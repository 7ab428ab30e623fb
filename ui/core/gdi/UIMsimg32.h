#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

typedef BOOL(WINAPI* AlphaBlendFunction)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
typedef BOOL(WINAPI* GradientFillFunction)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

// msimg32's functions, looked up once per process; null when the system
// lacks them.
AlphaBlendFunction SystemAlphaBlend();
GradientFillFunction SystemGradientFill();

// The functions drawing goes through: the system's unless replaced. Null
// means the framework's own replacement is used. Each setter returns the
// function it replaced, so that a test can force the replacement and then
// put things back.
AlphaBlendFunction CurrentAlphaBlend();
GradientFillFunction CurrentGradientFill();
AlphaBlendFunction SetAlphaBlendFunction(AlphaBlendFunction function);
GradientFillFunction SetGradientFillFunction(GradientFillFunction function);

}  // namespace Render
}  // namespace SkinUI
