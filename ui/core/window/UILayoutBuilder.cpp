#include "ui/core/window/UILayoutBuilder.h"

#include <cwchar>

#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/resources/UIResourceLoader.h"
#include "ui/core/resources/UIResourceLocation.h"
// The element-name table knows every control, so it lives above the core.
#include "ui/UIControlFactory.h"

namespace SkinUI {

namespace {

bool NameIs(LPCWSTR name, LPCWSTR expected) {
    return _wcsicmp(name, expected) == 0;
}

bool IsTrue(LPCWSTR value) {
    return _wcsicmp(value, L"true") == 0;
}

int ToInt(LPCWSTR value) {
    return static_cast<int>(wcstol(value, nullptr, 10));
}

// Elements that declare resources rather than controls; skipped in the tree.
bool IsResourceElement(LPCWSTR name) {
    return NameIs(name, L"Image") || NameIs(name, L"Font") || NameIs(name, L"Default") ||
           NameIs(name, L"MultiLanguage");
}

void RegisterImage(CXmlNode node, CUIManager* manager) {
    LPCWSTR name = nullptr;
    LPCWSTR type = nullptr;
    DWORD mask = 0;
    bool shared = false;
    for (int i = 0; i < node.GetAttributeCount(); ++i) {
        LPCWSTR attribute = node.GetAttributeName(i);
        LPCWSTR value = node.GetAttributeValue(i);
        if (NameIs(attribute, L"name")) {
            name = value;
        } else if (NameIs(attribute, L"restype")) {
            type = value;
        } else if (NameIs(attribute, L"mask")) {
            mask = wcstoul(*value == L'#' ? value + 1 : value, nullptr, 16);
        } else if (NameIs(attribute, L"shared")) {
            shared = IsTrue(value);
        }
    }
    if (name != nullptr) {
        manager->AddImage(name, type, mask, false, shared);
    }
}

void RegisterFont(CXmlNode node, CUIManager* manager) {
    int id = -1;
    LPCWSTR face = nullptr;
    int size = 12;
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool isDefault = false;
    bool shared = false;
    for (int i = 0; i < node.GetAttributeCount(); ++i) {
        LPCWSTR attribute = node.GetAttributeName(i);
        LPCWSTR value = node.GetAttributeValue(i);
        if (NameIs(attribute, L"id")) {
            id = ToInt(value);
        } else if (NameIs(attribute, L"name")) {
            face = value;
        } else if (NameIs(attribute, L"size")) {
            size = ToInt(value);
        } else if (NameIs(attribute, L"bold")) {
            bold = IsTrue(value);
        } else if (NameIs(attribute, L"underline")) {
            underline = IsTrue(value);
        } else if (NameIs(attribute, L"italic")) {
            italic = IsTrue(value);
        } else if (NameIs(attribute, L"default")) {
            isDefault = IsTrue(value);
        } else if (NameIs(attribute, L"shared")) {
            shared = IsTrue(value);
        }
    }
    if (id < 0 || face == nullptr) {
        return;
    }
    manager->AddFont(id, face, size, bold, underline, italic, shared);
    if (isDefault) {
        manager->SetDefaultFont(face, size, bold, underline, italic, shared);
    }
}

void RegisterClassDefaults(CXmlNode node, CUIManager* manager) {
    LPCWSTR name = nullptr;
    LPCWSTR value = nullptr;
    bool shared = false;
    for (int i = 0; i < node.GetAttributeCount(); ++i) {
        LPCWSTR attribute = node.GetAttributeName(i);
        if (NameIs(attribute, L"name")) {
            name = node.GetAttributeValue(i);
        } else if (NameIs(attribute, L"value")) {
            value = node.GetAttributeValue(i);
        } else if (NameIs(attribute, L"shared")) {
            shared = IsTrue(node.GetAttributeValue(i));
        }
    }
    if (name != nullptr) {
        manager->AddClassDefaults(name, value != nullptr ? value : L"", shared);
    }
}

void RegisterLanguageString(CXmlNode node) {
    int id = -1;
    LPCWSTR value = nullptr;
    for (int i = 0; i < node.GetAttributeCount(); ++i) {
        LPCWSTR attribute = node.GetAttributeName(i);
        if (NameIs(attribute, L"id")) {
            id = ToInt(node.GetAttributeValue(i));
        } else if (NameIs(attribute, L"value")) {
            value = node.GetAttributeValue(i);
        }
    }
    if (id >= 0 && value != nullptr) {
        CUIManager::AddLanguageString(id, value);
    }
}

// A control marked as cover overlays its parent instead of being one of its items.
bool IsCover(CXmlNode node) {
    WCHAR cover[256] = {};
    return node.GetAttributeValue(L"cover", cover, _countof(cover)) && wcscmp(cover, L"true") == 0;
}

}  // namespace

CControlUI* CLayoutBuilder::Create(LPCWSTR source, LPCWSTR type, IDialogBuilderCallback* callback, CUIManager* manager,
                                   CControlUI* parent) {
    m_callback = callback;
    if (!Load(source, type)) {
        return nullptr;
    }
    return Create(callback, manager, parent);
}

bool CLayoutBuilder::Load(LPCWSTR source, LPCWSTR type) {
    if (source == nullptr) {
        return false;
    }
    if (IS_INTRESOURCE(source)) {
        ResourceView view;
        if (!FindResourceBytes(CResourceLocation::GetResourceInstance(), source, type, &view) ||
            !m_document.LoadFromMemory(view.data, view.size, XmlEncodingUtf8)) {
            return false;
        }
        m_resourceType = type;
        return true;
    }
    if (*source == L'<') {
        return m_document.Load(source);
    }
    return m_document.LoadFromFile(source, XmlEncodingUtf8);
}

SIZE CLayoutBuilder::GetWindowSize() const {
    SIZE size = {0, 0};
    const CXmlNode root = m_document.GetRoot();
    if (!root.IsValid() || !NameIs(root.GetName(), L"Window")) {
        return size;
    }
    // The last one counts, as it does when the manager takes them in order.
    for (int i = 0; i < root.GetAttributeCount(); ++i) {
        if (NameIs(root.GetAttributeName(i), L"size")) {
            size = ClampToScreen(ParseSize(root.GetAttributeValue(i)));
        }
    }
    return size;
}

CControlUI* CLayoutBuilder::Create(IDialogBuilderCallback* callback, CUIManager* manager, CControlUI* parent) {
    m_callback = callback;
    CXmlNode root = m_document.GetRoot();
    if (!root.IsValid()) {
        return nullptr;
    }
    if (manager != nullptr) {
        RegisterWindowResources(root, manager);
    }
    return BuildChildren(root, parent, manager);
}

void CLayoutBuilder::RegisterWindowResources(CXmlNode root, CUIManager* manager) {
    for (CXmlNode node = root.GetChild(); node.IsValid(); node = node.GetSibling()) {
        LPCWSTR name = node.GetName();
        if (NameIs(name, L"Image")) {
            RegisterImage(node, manager);
        } else if (NameIs(name, L"Font")) {
            RegisterFont(node, manager);
        } else if (NameIs(name, L"Default")) {
            RegisterClassDefaults(node, manager);
        } else if (NameIs(name, L"MultiLanguage")) {
            RegisterLanguageString(node);
        }
    }
    if (manager->GetPaintWindow() != nullptr && NameIs(root.GetName(), L"Window")) {
        for (int i = 0; i < root.GetAttributeCount(); ++i) {
            manager->SetWindowAttribute(root.GetAttributeName(i), root.GetAttributeValue(i));
        }
    }
}

CControlUI* CLayoutBuilder::BuildChildren(CXmlNode node, CControlUI* parent, CUIManager* manager) {
    IContainerUI* container = nullptr;
    bool parentIsNode = false;
    bool containerLooked = false;
    CControlUI* first = nullptr;
    for (CXmlNode child = node.GetChild(); child.IsValid(); child = child.GetSibling()) {
        LPCWSTR name = child.GetName();
        if (IsResourceElement(name)) {
            continue;
        }
        if (NameIs(name, L"Include")) {
            BuildInclude(child, parent, manager);
            continue;
        }
        if (NameIs(name, L"TreeNode")) {
            if (!BuildTreeNode(child, parent, manager)) {
                return nullptr;
            }
            continue;
        }
        CControlUI* control = CreateControlForElement(name);
        if (control == nullptr && m_callback != nullptr) {
            control = m_callback->CreateControl(name);
        }
        if (control == nullptr) {
            continue;
        }
        if (child.HasChildren()) {
            BuildChildren(child, control, manager);
        }
        if (parent != nullptr && !IsCover(child)) {
            if (!containerLooked) {
                parentIsNode = parent->GetInterface(L"TreeNode") != nullptr;
                container = static_cast<IContainerUI*>(parent->GetInterface(L"IContainer"));
                containerLooked = true;
            }
            if (container == nullptr) {
                // Nothing can be added at this level; the control must not leak.
                control->Delete();
                return nullptr;
            }
            // Inside a tree node a control joins the node's row.
            if (!(parentIsNode ? AddToTreeNodeRow(parent, control) : container->Add(control))) {
                control->Delete();
                continue;
            }
        } else if (parent != nullptr) {
            parent->SetCover(control);
        }
        ApplyAttributes(control, child, manager);
        if (first == nullptr) {
            first = control;
        }
    }
    return first;
}

void CLayoutBuilder::ApplyAttributes(CControlUI* control, CXmlNode node, CUIManager* manager, bool detach) {
    if (manager == nullptr) {
        return;
    }
    control->SetManager(manager, nullptr, false);
    if (LPCWSTR defaults = manager->GetClassDefaults(node.GetName())) {
        control->SetAttributeList(defaults);
    }
    for (int i = 0; i < node.GetAttributeCount(); ++i) {
        control->SetAttribute(node.GetAttributeName(i), node.GetAttributeValue(i));
    }
    if (detach) {
        control->SetManager(nullptr, nullptr, false);
    }
}

bool CLayoutBuilder::BuildTreeNode(CXmlNode element, CControlUI* parent, CUIManager* manager) {
    CControlUI* node = CreateControlForElement(L"TreeNode");
    if (node == nullptr) {
        return true;
    }
    // A node inside a node is its child node; the child's rows reach the
    // tree when the top node of the element does.
    const bool parentIsNode = parent != nullptr && parent->GetInterface(L"TreeNode") != nullptr;
    if (parentIsNode) {
        auto* parentNode = static_cast<IContainerUI*>(parent->GetInterface(L"IContainer"));
        if (parentNode == nullptr || !parentNode->Add(node)) {
            node->Delete();
            return true;
        }
    }
    ApplyAttributes(node, element, manager, false);
    if (element.HasChildren()) {
        BuildChildren(element, node, manager);
    }
    if (parentIsNode) {
        return true;
    }
    auto* tree = parent != nullptr && parent->GetInterface(L"TreeView") != nullptr
                     ? static_cast<IContainerUI*>(parent->GetInterface(L"IContainer"))
                     : nullptr;
    if (tree == nullptr) {
        // A node has no place outside a tree; it and its subtree go.
        node->Delete();
        return false;
    }
    if (!tree->Add(node)) {
        node->Delete();
    }
    return true;
}

void CLayoutBuilder::BuildInclude(CXmlNode include, CControlUI* parent, CUIManager* manager) {
    if (!include.HasAttributes() || m_includeDepth >= kMaxIncludeDepth) {
        return;
    }
    WCHAR value[500] = {};
    int count = 1;
    if (include.GetAttributeValue(L"count", value, _countof(value))) {
        count = ToInt(value);
    }
    WCHAR source[500] = {};
    if (!include.GetAttributeValue(L"source", source, _countof(source))) {
        return;
    }
    CLayoutBuilder builder;
    builder.m_includeDepth = m_includeDepth + 1;
    for (int i = 0; i < count; ++i) {
        if (i == 0) {
            LPCWSTR name = source;
            if (m_resourceType != nullptr) {
                name = ResourceNameFromNumber(wcstoul(source, nullptr, 10));
                if (name == nullptr) {
                    return;
                }
            }
            if (!builder.Create(name, m_resourceType, m_callback, manager, parent) && !builder.m_document.IsValid()) {
                return;
            }
        } else {
            builder.Create(m_callback, manager, parent);
        }
    }
}

}  // namespace SkinUI
