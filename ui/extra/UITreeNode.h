#pragma once
// A row of a tree view. One horizontal strip shows an indentation, a folder
// button (selected means collapsed), a check box and the item's text; the
// node keeps its child nodes in order. In a tree every node is a row of the
// tree's list and its descendants are the rows right after it; the list owns
// every row. A node outside a tree owns its child nodes.
#include "ui/controls/UIListContainerElement.h"
#include "ui/core/base/UIPtrArray.h"

namespace SkinUI {

class CCheckBoxUI;
class CHorizontalLayoutUI;
class COptionUI;
class CTreeViewUI;

// The colours of the item's text in its four states; 0 leaves a state to the next one.
struct TreeItemColors {
    DWORD normal = 0;
    DWORD hot = 0;
    DWORD selected = 0;
    DWORD selectedHot = 0;
};

// The space before a node's folder button. It grows with the node's depth:
// the tree's own measure, which the limit on lengths given to controls does
// not cut.
class CTreeIndentUI final : public CControlUI {
public:
    void SetIndent(int width);
    int GetFixedWidth() const override { return Scaled(m_indent); }

private:
    int m_indent = 0;
};

class CTreeNodeUI : public CListContainerElementUI {
public:
    // Indentation of a node at the root and the step to each level below.
    static constexpr int kRootIndent = 2;
    static constexpr int kIndentStep = 16;

    CTreeNodeUI();
    ~CTreeNodeUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    void PaintStateImage(HDC /*dc*/) override {}
    void PaintText(HDC /*dc*/) override {}
    bool Select(bool selected = true, bool notify = true) override;
    // The node's text is its item's.
    CUIString GetText() const override;
    void SetText(LPCWSTR text) override;
    // A tree node becomes a child node; any other control goes into the node
    // as into a container row.
    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;

    // False for a node that has a parent or is a row already, for this node
    // and for its ancestors. In a tree the child's rows follow this node's
    // last descendant (or go before the child they are inserted ahead of).
    bool AppendChildNode(CTreeNodeUI* child);
    bool InsertChildNode(CTreeNodeUI* child, int index);

    int GetChildCount() const { return m_children.GetSize(); }
    CTreeNodeUI* GetChildNode(int index) const { return static_cast<CTreeNodeUI*>(m_children.GetAt(index)); }
    CTreeNodeUI* GetParentNode() const { return m_parentNode; }
    CTreeViewUI* GetTreeView() const { return m_treeView; }
    bool IsAncestorOf(const CTreeNodeUI* node) const;
    // The node itself when it has no children.
    CTreeNodeUI* GetLastDescendant();
    // Whether the node's children are shown (its folder button is not selected).
    bool IsFolderOpen() const;
    bool IsChecked() const;

    CHorizontalLayoutUI* GetStrip() const { return m_strip; }
    CControlUI* GetIndentation() const { return m_indentation; }
    CCheckBoxUI* GetFolderButton() const { return m_folderButton; }
    CCheckBoxUI* GetCheckBox() const { return m_checkBox; }
    COptionUI* GetItem() const { return m_item; }

    void SetItemColors(const TreeItemColors& colors);
    const TreeItemColors& GetItemColors() const { return m_colors; }

private:
    friend class CTreeViewUI;

    // Indentation, visibility and the item group taken from the parent node:
    // for this node, or for every node below `top`, walked without recursion.
    void FollowParent();
    static void FollowParents(CTreeNodeUI* top);
    void TakeRootPlace();
    void ApplyItemColor();
    bool ForwardFolderNotify(void* param);
    bool ForwardCheckNotify(void* param);
    bool ForwardNodeNotify(void* param);

    CHorizontalLayoutUI* m_strip = nullptr;
    CTreeIndentUI* m_indentation = nullptr;
    CCheckBoxUI* m_folderButton = nullptr;
    CCheckBoxUI* m_checkBox = nullptr;
    COptionUI* m_item = nullptr;
    TreeItemColors m_colors;
    int m_indent = kRootIndent;  // the indentation's width, in 96-DPI units
    CTreeNodeUI* m_parentNode = nullptr;
    CTreeViewUI* m_treeView = nullptr;
    CPtrArray m_children;
};

// Calls `visit` with each node below `top` in pre-order (parents before
// their children). The path down is kept in an array, not on the call stack,
// so that any depth works; `visit` must not change the tree.
template <typename Visit>
void ForEachDescendant(CTreeNodeUI* top, Visit visit) {
    CPtrArray nextAtLevel;  // at each level of the path: the next child to visit, as a pointer-sized number
    CTreeNodeUI* node = top;
    INT_PTR next = 0;
    for (;;) {
        if (next < node->GetChildCount()) {
            if (!nextAtLevel.Add(reinterpret_cast<LPVOID>(next + 1))) {
                return;
            }
            node = node->GetChildNode(static_cast<int>(next));
            visit(node);
            next = 0;
            continue;
        }
        if (node == top) {
            return;
        }
        const int level = nextAtLevel.GetSize() - 1;
        next = reinterpret_cast<INT_PTR>(nextAtLevel[level]);
        nextAtLevel.Remove(level);
        node = node->GetParentNode();
    }
}

}  // namespace SkinUI
