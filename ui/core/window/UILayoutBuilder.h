#pragma once

#include <windows.h>

#include "ui/core/xml/XmlDocument.h"

namespace SkinUI {

class CControlUI;
class CUIManager;

// Creates controls for element names the framework does not know.
class IDialogBuilderCallback {
public:
    virtual CControlUI* CreateControl(LPCWSTR className) = 0;

protected:
    ~IDialogBuilderCallback() = default;
};

// Turns a skin document into a tree of controls and registers the window-level
// resources it declares (images, fonts, default attribute lists, language
// strings) with the manager. The document stays loaded, so the same tree can
// be built again.
class CLayoutBuilder {
public:
    CLayoutBuilder() = default;
    CLayoutBuilder(const CLayoutBuilder&) = delete;
    CLayoutBuilder& operator=(const CLayoutBuilder&) = delete;

    // `source` is a resource number made by MAKEINTRESOURCE (of resource type
    // `type`), markup text starting with '<', or a file name under the
    // resource folder. Returns the first control built at the top level.
    CControlUI* Create(LPCWSTR source, LPCWSTR type = nullptr, IDialogBuilderCallback* callback = nullptr,
                       CUIManager* manager = nullptr, CControlUI* parent = nullptr);
    // Builds again from the document already loaded.
    CControlUI* Create(IDialogBuilderCallback* callback = nullptr, CUIManager* manager = nullptr,
                       CControlUI* parent = nullptr);

    CXmlDocument* GetMarkup() { return &m_document; }

    // Loads `source` (as Create takes it) without building anything.
    bool Load(LPCWSTR source, LPCWSTR type);
    // The size the loaded skin's "Window" asks for, in 96-DPI units and
    // clamped as the manager clamps it; zero when it asks for none.
    SIZE GetWindowSize() const;

private:
    // Includes of includes stop here, so a skin that includes itself ends.
    static constexpr int kMaxIncludeDepth = 16;

    void RegisterWindowResources(CXmlNode root, CUIManager* manager);
    CControlUI* BuildChildren(CXmlNode node, CControlUI* parent, CUIManager* manager);
    void BuildInclude(CXmlNode include, CControlUI* parent, CUIManager* manager);
    // A tree node joins its parent node, or the tree view it is placed in
    // once its own children were built. False stops the level: the parent
    // is neither a node nor a tree.
    bool BuildTreeNode(CXmlNode element, CControlUI* parent, CUIManager* manager);
    // With a manager: its defaults for the element, then the element's own
    // attributes; the control is left detached unless `detach` is false.
    static void ApplyAttributes(CControlUI* control, CXmlNode node, CUIManager* manager, bool detach = true);

    CXmlDocument m_document;
    IDialogBuilderCallback* m_callback = nullptr;
    LPCWSTR m_resourceType = nullptr;
    int m_includeDepth = 0;
};

}  // namespace SkinUI
