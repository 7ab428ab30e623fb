#pragma once
// A container that fills itself with the control tree of another skin
// document, named by "xmlfile" (a file of the resource folder or archive),
// built when the control is attached to a window.
#include "ui/core/control/UIContainer.h"

namespace SkinUI {

class CChildLayoutUI : public CContainerUI {
public:
    LPCWSTR GetClass() const override;
    // Its own name, and what the control base answers: its children come
    // from its skin file, never from the skin that names it.
    LPVOID GetInterface(LPCWSTR name) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    // Builds the tree of the skin file, replacing the one an earlier attach built.
    void Init() override;

    void SetChildLayoutXML(LPCWSTR file);
    LPCWSTR GetChildLayoutXML() const { return m_skinFile; }

private:
    CUIString m_skinFile;
};

}  // namespace SkinUI
