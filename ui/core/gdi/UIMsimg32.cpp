#include "ui/core/gdi/UIMsimg32.h"

namespace SkinUI {
namespace Render {

namespace {

struct BlendFunctions {
    AlphaBlendFunction alphaBlend = nullptr;
    GradientFillFunction gradientFill = nullptr;
};

FARPROC FindMsimg32Function(const char* name) {
    // Loaded once and never freed: the pointers must stay valid for the
    // whole process.
    static const HMODULE library = LoadLibraryW(L"msimg32.dll");
    return library != nullptr ? GetProcAddress(library, name) : nullptr;
}

template <typename Function>
Function LookUp(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(FindMsimg32Function(name)));
}

const BlendFunctions& SystemFunctions() {
    static const BlendFunctions functions = [] {
        BlendFunctions found;
        found.alphaBlend = LookUp<AlphaBlendFunction>("AlphaBlend");
        found.gradientFill = LookUp<GradientFillFunction>("GradientFill");
        return found;
    }();
    return functions;
}

BlendFunctions& InUse() {
    static BlendFunctions functions = SystemFunctions();
    return functions;
}

}  // namespace

AlphaBlendFunction SystemAlphaBlend() {
    return SystemFunctions().alphaBlend;
}

GradientFillFunction SystemGradientFill() {
    return SystemFunctions().gradientFill;
}

AlphaBlendFunction CurrentAlphaBlend() {
    return InUse().alphaBlend;
}

GradientFillFunction CurrentGradientFill() {
    return InUse().gradientFill;
}

AlphaBlendFunction SetAlphaBlendFunction(AlphaBlendFunction function) {
    const AlphaBlendFunction previous = InUse().alphaBlend;
    InUse().alphaBlend = function;
    return previous;
}

GradientFillFunction SetGradientFillFunction(GradientFillFunction function) {
    const GradientFillFunction previous = InUse().gradientFill;
    InUse().gradientFill = function;
    return previous;
}

}  // namespace Render
}  // namespace SkinUI
