#include "ui/extra/UIChildLayout.h"

#include "ui/core/base/UIValueParse.h"
#include "ui/core/window/UILayoutBuilder.h"

namespace SkinUI {

namespace {

// Child layouts that name their own skin would nest without end: they stop
// where skin includes stop.
constexpr int kMaxNesting = 16;
int g_nesting = 0;

}  // namespace

LPCWSTR CChildLayoutUI::GetClass() const {
    return L"ChildLayout";
}

LPVOID CChildLayoutUI::GetInterface(LPCWSTR name) {
    if (IsName(name, L"ChildLayout")) {
        return this;
    }
    return CControlUI::GetInterface(name);
}

void CChildLayoutUI::SetChildLayoutXML(LPCWSTR file) {
    m_skinFile = file != nullptr ? file : L"";
}

void CChildLayoutUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (IsName(name, L"xmlfile")) {
        SetChildLayoutXML(value);
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

void CChildLayoutUI::Init() {
    if (m_skinFile.IsEmpty() || g_nesting >= kMaxNesting) {
        return;
    }
    ++g_nesting;
    CLayoutBuilder builder;
    CControlUI* root = builder.Create(m_skinFile, nullptr, nullptr, m_manager, nullptr);
    // One tree at a time: a second attach replaces the first one's.
    RemoveAll();
    if (root != nullptr) {
        Add(root);
    }
    --g_nesting;
}

}  // namespace SkinUI
