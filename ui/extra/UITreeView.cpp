#include "ui/extra/UITreeView.h"

#include "ui/controls/UICheckBox.h"
#include "ui/controls/UIListHeader.h"
#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

CTreeNodeUI* AsNode(CControlUI* control) {
    return control != nullptr ? static_cast<CTreeNodeUI*>(control->GetInterface(L"TreeNode")) : nullptr;
}

// Folder button and check box sit in the node's strip.
CTreeNodeUI* NodeOfPart(CControlUI* part) {
    CControlUI* strip = part != nullptr ? part->GetParent() : nullptr;
    return AsNode(strip != nullptr ? strip->GetParent() : nullptr);
}

}  // namespace

CTreeViewUI::CTreeViewUI() {
    if (CListHeaderUI* header = GetHeader()) {
        header->SetVisible(false);
    }
}

LPCWSTR CTreeViewUI::GetClass() const {
    return L"TreeView";
}

LPVOID CTreeViewUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && IsName(name, L"TreeView")) {
        return this;
    }
    return CListUI::GetInterface(name);
}

CTreeNodeUI* CTreeViewUI::NodeAt(int index) const {
    return AsNode(GetItemAt(index));
}

template <typename Apply>
void CTreeViewUI::ForEachRow(Apply apply) const {
    for (int index = 0; index < GetCount(); ++index) {
        if (CTreeNodeUI* node = NodeAt(index)) {
            apply(node);
        }
    }
}

bool CTreeViewUI::Add(CControlUI* control) {
    return InsertNode(control, GetCount()) >= 0;
}

bool CTreeViewUI::AddAt(CControlUI* control, int index) {
    return InsertNode(control, index) >= 0;
}

int CTreeViewUI::InsertNode(CControlUI* control, int index) {
    CTreeNodeUI* node = AsNode(control);
    // A child node comes in through its parent; a row is in a tree already.
    if (node == nullptr || node->m_parentNode != nullptr || node->m_treeView != nullptr || index < 0 ||
        index > GetCount()) {
        return -1;
    }
    node->TakeRootPlace();
    return InsertSubtree(node, RootBoundaryFrom(index));
}

int CTreeViewUI::RootBoundaryFrom(int index) const {
    while (index < GetCount()) {
        const CTreeNodeUI* node = NodeAt(index);
        if (node == nullptr || node->m_parentNode == nullptr) {
            break;
        }
        ++index;
    }
    return index;
}

void CTreeViewUI::TakeRow(CTreeNodeUI* node) {
    node->m_folderButton->SetVisible(m_folderButtonsShown);
    node->m_checkBox->SetVisible(m_checkBoxesShown);
    if (m_rowMinWidth > 0) {
        node->SetMinWidth(m_rowMinWidth);
    }
    TreeItemColors colors = node->GetItemColors();
    for (DWORD TreeItemColors::*field :
         {&TreeItemColors::normal, &TreeItemColors::hot, &TreeItemColors::selected, &TreeItemColors::selectedHot}) {
        if (m_colors.*field != 0) {
            colors.*field = m_colors.*field;
        }
    }
    node->SetItemColors(colors);
    node->m_treeView = this;
}

int CTreeViewUI::InsertSubtree(CTreeNodeUI* node, int index) {
    int row = index;
    bool failed = false;
    const auto insert = [&](CTreeNodeUI* next) {
        if (failed) {
            return;
        }
        TakeRow(next);
        if (!CListUI::AddAt(next, row)) {
            next->m_treeView = nullptr;
            failed = true;
            return;
        }
        ++row;
    };
    insert(node);
    ForEachDescendant(node, insert);
    if (failed) {
        RemoveRows(index, row - index, true);
        return -1;
    }
    return row;
}

bool CTreeViewUI::Remove(CControlUI* control, bool doNotDestroy) {
    CTreeNodeUI* node = AsNode(control);
    if (node == nullptr) {
        return CListUI::Remove(control, doNotDestroy);
    }
    if (node->m_treeView != this) {
        return false;
    }
    const int first = node->GetIndex();
    const int last = node->GetLastDescendant()->GetIndex();
    if (first < 0 || last < first) {
        return false;
    }
    if (CTreeNodeUI* parent = node->m_parentNode) {
        parent->m_children.Remove(parent->m_children.Find(node));
        node->m_parentNode = nullptr;
    }
    if (!doNotDestroy) {
        // The list destroys each row itself: no node may destroy another.
        for (int index = first; index <= last; ++index) {
            if (CTreeNodeUI* row = NodeAt(index)) {
                row->m_children.Empty();
                row->m_parentNode = nullptr;
            }
        }
    }
    RemoveRows(first, last - first + 1, doNotDestroy);
    return true;
}

bool CTreeViewUI::RemoveAt(int index, bool doNotDestroy) {
    CControlUI* row = GetItemAt(index);
    return row != nullptr && Remove(row, doNotDestroy);
}

void CTreeViewUI::RemoveAll() {
    ForEachRow([](CTreeNodeUI* node) {
        node->m_children.Empty();
        node->m_parentNode = nullptr;
        node->m_treeView = nullptr;
    });
    CListUI::RemoveAll();
}

void CTreeViewUI::RemoveRows(int first, int count, bool doNotDestroy) {
    if (count <= 0) {
        return;
    }
    // The selection does not wander through rows that are about to go.
    const bool selectionGoes = GetCurSel() >= first && GetCurSel() < first + count;
    if (selectionGoes) {
        SelectItem(-1, false, false);
    }
    // From the end of the list no row behind has to move or be renumbered.
    if (first + count < GetCount()) {
        SetMultiItemIndex(GetItemAt(first), count, GetCount() - count);
    }
    const int end = GetCount();
    for (int index = end - 1; index >= end - count; --index) {
        CControlUI* row = GetItemAt(index);
        if (CTreeNodeUI* node = AsNode(row)) {
            node->m_treeView = nullptr;
        }
        CListUI::Remove(row, doNotDestroy);
    }
    if (selectionGoes) {
        SelectItem(FindSelectableItem(first, false), false, true);
    }
}

bool CTreeViewUI::HandleFolderChange(const NotifyMsg& msg) {
    if (msg.type != L"selectchanged") {
        return true;
    }
    CTreeNodeUI* node = NodeOfPart(msg.sender);
    if (node == nullptr) {
        return true;
    }
    const bool open = node->IsFolderOpen();
    ShowSubtree(open, node);
    if (m_manager != nullptr) {
        m_manager->SendNotify(node, open ? L"itemexpand" : L"itemcollapse");
    }
    return true;
}

bool CTreeViewUI::HandleCheckChange(const NotifyMsg& msg) {
    // The boxes of a subtree being checked report, but do not check again.
    if (msg.type != L"selectchanged" || m_checkingSubtree) {
        return true;
    }
    if (CTreeNodeUI* node = NodeOfPart(msg.sender)) {
        CheckSubtree(node->IsChecked(), node);
    }
    return true;
}

bool CTreeViewUI::HandleNodeDoubleClick(const NotifyMsg& msg) {
    if (msg.type != L"itemdbclick") {
        return true;
    }
    if (CTreeNodeUI* node = AsNode(msg.sender)) {
        CCheckBoxUI* folder = node->GetFolderButton();
        folder->Selected(!folder->IsSelected(), true);
        ShowSubtree(node->IsFolderOpen(), node);
    }
    return true;
}

void CTreeViewUI::CheckSubtree(bool checked, CTreeNodeUI* node) {
    if (node != nullptr && node->m_treeView != this) {
        return;
    }
    const int first = node != nullptr ? node->GetIndex() + 1 : 0;
    const int last = node != nullptr ? node->GetLastDescendant()->GetIndex() : GetCount() - 1;
    const bool outer = m_checkingSubtree;
    m_checkingSubtree = true;
    for (int index = first; index <= last; ++index) {
        if (CTreeNodeUI* row = NodeAt(index)) {
            row->GetCheckBox()->Selected(checked, true);
        }
    }
    m_checkingSubtree = outer;
}

void CTreeViewUI::ShowSubtree(bool expand, CTreeNodeUI* node) {
    if (node != nullptr && node->m_treeView != this) {
        return;
    }
    if (node != nullptr) {
        node->GetFolderButton()->Selected(!expand, false);
    }
    const int first = node != nullptr ? node->GetIndex() + 1 : 0;
    const int last = node != nullptr ? node->GetLastDescendant()->GetIndex() : GetCount() - 1;
    const bool shown = expand && (node == nullptr || node->IsSelfVisible());
    // Pre-order: each row's parent has its final visibility already.
    for (int index = first; index <= last; ++index) {
        CTreeNodeUI* row = NodeAt(index);
        if (row == nullptr) {
            continue;
        }
        const CTreeNodeUI* parent = row->m_parentNode;
        row->SetVisible(parent == node ? shown : parent->IsSelfVisible() && parent->IsFolderOpen());
    }
}

void CTreeViewUI::ShowFolderButtons(bool show) {
    m_folderButtonsShown = show;
    ForEachRow([show](CTreeNodeUI* node) { node->GetFolderButton()->SetVisible(show); });
}

void CTreeViewUI::ShowCheckBoxes(bool show) {
    m_checkBoxesShown = show;
    ForEachRow([show](CTreeNodeUI* node) { node->GetCheckBox()->SetVisible(show); });
}

void CTreeViewUI::SetRowMinWidth(int width) {
    width = ClampLength(width);
    m_rowMinWidth = width;
    ForEachRow([width](CTreeNodeUI* node) { node->SetMinWidth(width); });
    Invalidate();
}

void CTreeViewUI::SetTextColorAll(DWORD color) {
    m_colors.normal = color;
    ApplyColors();
}

void CTreeViewUI::SetHotTextColorAll(DWORD color) {
    m_colors.hot = color;
    ApplyColors();
}

void CTreeViewUI::SetSelectedTextColorAll(DWORD color) {
    m_colors.selected = color;
    ApplyColors();
}

void CTreeViewUI::SetSelectedHotTextColorAll(DWORD color) {
    m_colors.selectedHot = color;
    ApplyColors();
}

void CTreeViewUI::ApplyColors() {
    ForEachRow([this](CTreeNodeUI* node) { TakeRow(node); });
}

void CTreeViewUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (IsName(name, L"visiblefolderbtn")) {
        ShowFolderButtons(ParseBool(value));
    } else if (IsName(name, L"visiblecheckbtn")) {
        ShowCheckBoxes(ParseBool(value));
    } else if (IsName(name, L"itemminwidth")) {
        SetRowMinWidth(ParseInt(value));
    } else if (IsName(name, L"itemtextcolor")) {
        SetTextColorAll(ParseColor(value));
    } else if (IsName(name, L"itemhottextcolor")) {
        SetHotTextColorAll(ParseColor(value));
    } else if (IsName(name, L"selitemtextcolor")) {
        SetSelectedTextColorAll(ParseColor(value));
    } else if (IsName(name, L"selitemhottextcolor")) {
        SetSelectedHotTextColorAll(ParseColor(value));
    } else {
        CListUI::SetAttribute(name, value);
    }
}

}  // namespace SkinUI
