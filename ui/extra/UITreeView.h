#pragma once
// A list whose rows are tree nodes, laid flat: every node at any depth is a
// row, and a node's descendants are the rows right after it. A node's folder
// button collapses and expands its subtree ("itemcollapse", "itemexpand" with
// the node as sender), its check box checks the whole subtree (each box that
// changes reports "selectchanged"), and a double click toggles the folder.
// The list header is hidden.
#include "ui/controls/UIList.h"
#include "ui/extra/UITreeNode.h"

namespace SkinUI {

struct NotifyMsg;

class CTreeViewUI : public CListUI {
public:
    CTreeViewUI();

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;

    // Only tree nodes without a parent node that are no row yet are taken;
    // each comes with its descendants. An index inside another node's
    // subtree moves on to the end of that subtree.
    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    // The row after the last one inserted, or -1 when nothing was inserted.
    int InsertNode(CControlUI* control, int index);
    // A node goes with its descendants: destroyed together, or kept together
    // as a subtree of its own outside the tree.
    bool Remove(CControlUI* control, bool doNotDestroy = false) override;
    bool RemoveAt(int index, bool doNotDestroy = false) override;
    // Every row leaves as a node on its own.
    void RemoveAll() override;

    bool HandleCheckChange(const NotifyMsg& msg);
    bool HandleFolderChange(const NotifyMsg& msg);
    bool HandleNodeDoubleClick(const NotifyMsg& msg);

    // Sets the check boxes of the node's descendants (of every row without a node).
    void CheckSubtree(bool checked, CTreeNodeUI* node = nullptr);
    // Opens or closes the node and shows or hides its children; a descendant
    // is shown only when every node above it, up to this one, is open. Without
    // a node, the root rows are shown or hidden, and the rows below them
    // follow their parents.
    void ShowSubtree(bool expand, CTreeNodeUI* node = nullptr);

    void ShowFolderButtons(bool show);
    bool FolderButtonsShown() const { return m_folderButtonsShown; }
    void ShowCheckBoxes(bool show);
    bool CheckBoxesShown() const { return m_checkBoxesShown; }
    void SetRowMinWidth(int width);
    int GetRowMinWidth() const { return m_rowMinWidth; }
    // Kept for the rows added later as well.
    void SetTextColorAll(DWORD color);
    void SetHotTextColorAll(DWORD color);
    void SetSelectedTextColorAll(DWORD color);
    void SetSelectedHotTextColorAll(DWORD color);

private:
    friend class CTreeNodeUI;

    CTreeNodeUI* NodeAt(int index) const;
    // The first row at or after `index` that starts a root node's subtree.
    int RootBoundaryFrom(int index) const;
    // Adds `node` and its descendants as rows from `index`; -1 when a row
    // could not be added (the rows added are taken out again).
    int InsertSubtree(CTreeNodeUI* node, int index);
    void TakeRow(CTreeNodeUI* node);
    // Takes out the rows from `first`, `count` of them, keeping or destroying them.
    void RemoveRows(int first, int count, bool doNotDestroy);
    template <typename Apply>
    void ForEachRow(Apply apply) const;
    void ApplyColors();

    bool m_folderButtonsShown = true;
    bool m_checkBoxesShown = false;
    bool m_checkingSubtree = false;
    int m_rowMinWidth = 0;
    TreeItemColors m_colors;
};

}  // namespace SkinUI
