#include "ui/core/manager/UILayeredApi.h"

namespace SkinUI {

namespace {

template <typename Function>
Function FindUser32Function(const char* name) {
    // user32 is loaded in every GUI process and never unloaded, so the
    // pointers stay valid.
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(user32, name)));
}

UpdateLayeredWindowFunction& UpdateFunctionInUse() {
    static UpdateLayeredWindowFunction function =
        FindUser32Function<UpdateLayeredWindowFunction>("UpdateLayeredWindow");
    return function;
}

}  // namespace

UpdateLayeredWindowFunction CurrentUpdateLayeredWindow() {
    return UpdateFunctionInUse();
}

SetLayeredWindowAttributesFunction CurrentSetLayeredWindowAttributes() {
    static const SetLayeredWindowAttributesFunction function =
        FindUser32Function<SetLayeredWindowAttributesFunction>("SetLayeredWindowAttributes");
    return function;
}

UpdateLayeredWindowFunction SetUpdateLayeredWindowFunction(UpdateLayeredWindowFunction function) {
    const UpdateLayeredWindowFunction previous = UpdateFunctionInUse();
    UpdateFunctionInUse() = function;
    return previous;
}

}  // namespace SkinUI
