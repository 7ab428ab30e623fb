#include "ui/extra/UITreeNode.h"

#include "ui/controls/UICheckBox.h"
#include "ui/controls/UILabel.h"
#include "ui/controls/UIOption.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/core/control/UIHorizontalLayout.h"
#include "ui/core/manager/UIManager.h"
#include "ui/extra/UITreeView.h"

namespace SkinUI {

namespace {

constexpr int kRowHeight = 18;
constexpr int kRowWidth = 250;
constexpr int kCheckBoxWidth = 18;

DWORD FirstSet(DWORD first, DWORD second) {
    return first != 0 ? first : second;
}

}  // namespace

void CTreeIndentUI::SetIndent(int width) {
    m_indent = width;
    NeedParentLayout();
}

CTreeNodeUI::CTreeNodeUI()
    : m_strip(new CHorizontalLayoutUI),
      m_indentation(new CTreeIndentUI),
      m_folderButton(new CCheckBoxUI),
      m_checkBox(new CCheckBoxUI),
      m_item(new COptionUI) {
    SetFixedHeight(kRowHeight);
    SetFixedWidth(kRowWidth);
    m_indentation->SetIndent(kRootIndent);
    m_indentation->SetVisible(false);
    m_folderButton->SetFixedWidth(kRowHeight);
    m_checkBox->SetFixedWidth(kCheckBoxWidth);
    m_checkBox->SetVisible(false);
    m_item->SetMouseEnabled(false);
    m_item->SetAttribute(L"align", L"left");
    m_strip->Add(m_indentation);
    m_strip->Add(m_folderButton);
    m_strip->Add(m_checkBox);
    m_strip->Add(m_item);
    CListContainerElementUI::AddAt(m_strip, 0);
    // Bound to the node, which forwards to the tree it is in at the time.
    m_folderButton->OnNotify += MakeDelegate(this, &CTreeNodeUI::ForwardFolderNotify);
    m_checkBox->OnNotify += MakeDelegate(this, &CTreeNodeUI::ForwardCheckNotify);
    OnNotify += MakeDelegate(this, &CTreeNodeUI::ForwardNodeNotify);
}

CTreeNodeUI::~CTreeNodeUI() {
    if (m_treeView != nullptr) {
        // The list owns every row, descendants included.
        return;
    }
    if (m_parentNode != nullptr) {
        m_parentNode->m_children.Remove(m_parentNode->m_children.Find(this));
    }
    CPtrArray owned;
    ForEachDescendant(this, [&owned](CTreeNodeUI* node) { owned.Add(node); });
    for (int index = 0; index < owned.GetSize(); ++index) {
        auto* node = static_cast<CTreeNodeUI*>(owned[index]);
        node->m_parentNode = nullptr;
        node->m_children.Empty();
    }
    for (int index = 0; index < owned.GetSize(); ++index) {
        static_cast<CTreeNodeUI*>(owned[index])->Delete();
    }
}

LPCWSTR CTreeNodeUI::GetClass() const {
    return L"TreeNode";
}

LPVOID CTreeNodeUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && IsName(name, L"TreeNode")) {
        return this;
    }
    return CListContainerElementUI::GetInterface(name);
}

CUIString CTreeNodeUI::GetText() const {
    return m_item->GetText();
}

void CTreeNodeUI::SetText(LPCWSTR text) {
    m_item->SetText(text);
}

bool CTreeNodeUI::IsFolderOpen() const {
    return !m_folderButton->IsSelected();
}

bool CTreeNodeUI::IsChecked() const {
    return m_checkBox->IsSelected();
}

bool CTreeNodeUI::IsAncestorOf(const CTreeNodeUI* node) const {
    for (const CTreeNodeUI* above = node != nullptr ? node->m_parentNode : nullptr; above != nullptr;
         above = above->m_parentNode) {
        if (above == this) {
            return true;
        }
    }
    return false;
}

CTreeNodeUI* CTreeNodeUI::GetLastDescendant() {
    CTreeNodeUI* last = this;
    while (last->GetChildCount() > 0) {
        last = last->GetChildNode(last->GetChildCount() - 1);
    }
    return last;
}

bool CTreeNodeUI::Add(CControlUI* control) {
    if (control != nullptr && control->GetInterface(L"TreeNode") != nullptr) {
        return AppendChildNode(static_cast<CTreeNodeUI*>(control->GetInterface(L"TreeNode")));
    }
    return CListContainerElementUI::Add(control);
}

bool CTreeNodeUI::AddAt(CControlUI* control, int index) {
    if (control != nullptr && control->GetInterface(L"TreeNode") != nullptr) {
        return InsertChildNode(static_cast<CTreeNodeUI*>(control->GetInterface(L"TreeNode")), index);
    }
    return CListContainerElementUI::AddAt(control, index);
}

bool CTreeNodeUI::AppendChildNode(CTreeNodeUI* child) {
    return InsertChildNode(child, GetChildCount());
}

bool CTreeNodeUI::InsertChildNode(CTreeNodeUI* child, int index) {
    // A node in two places, or inside itself, would be destroyed twice or walked forever.
    if (child == nullptr || child == this || child->m_parentNode != nullptr || child->m_treeView != nullptr ||
        child->IsAncestorOf(this)) {
        return false;
    }
    if (index < 0 || index > GetChildCount()) {
        index = GetChildCount();
    }
    int row = -1;
    if (m_treeView != nullptr) {
        row = index < GetChildCount() ? GetChildNode(index)->GetIndex() : GetLastDescendant()->GetIndex() + 1;
    }
    if (!m_children.InsertAt(index, child)) {
        return false;
    }
    child->m_parentNode = this;
    child->FollowParent();
    FollowParents(child);
    if (m_treeView != nullptr && m_treeView->InsertSubtree(child, row) < 0) {
        m_children.Remove(index);
        child->m_parentNode = nullptr;
        return false;
    }
    return true;
}

void CTreeNodeUI::FollowParent() {
    const CTreeNodeUI* parent = m_parentNode;
    m_indent = parent->m_indent + kIndentStep;
    m_indentation->SetVisible(true);
    m_indentation->SetIndent(m_indent);
    m_item->SetGroup(parent->m_item->GetGroup());
    SetVisible(parent->IsSelfVisible() && parent->IsFolderOpen());
}

void CTreeNodeUI::FollowParents(CTreeNodeUI* top) {
    ForEachDescendant(top, [](CTreeNodeUI* node) { node->FollowParent(); });
}

void CTreeNodeUI::TakeRootPlace() {
    m_indent = kRootIndent;
    m_indentation->SetVisible(false);
    m_indentation->SetIndent(kRootIndent);
    FollowParents(this);
}

void CTreeNodeUI::SetItemColors(const TreeItemColors& colors) {
    m_colors = colors;
    ApplyItemColor();
}

void CTreeNodeUI::ApplyItemColor() {
    // Without state colours the item keeps its own ("itemattr").
    const bool anySet = (m_colors.normal | m_colors.hot | m_colors.selected | m_colors.selectedHot) != 0;
    if (!IsEnabled() || !anySet) {
        return;
    }
    const bool hot = m_row.IsHot();
    DWORD color = hot ? FirstSet(m_colors.hot, m_colors.normal) : m_colors.normal;
    if (IsSelected()) {
        color = hot ? FirstSet(m_colors.selectedHot, FirstSet(m_colors.hot, m_colors.normal))
                    : FirstSet(m_colors.selected, m_colors.normal);
    }
    m_item->SetTextColor(color);
}

bool CTreeNodeUI::Select(bool selected, bool notify) {
    const bool result = CListContainerElementUI::Select(selected, notify);
    ApplyItemColor();
    return result;
}

void CTreeNodeUI::DoEvent(UIEvent& event) {
    CListContainerElementUI::DoEvent(event);
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        return;
    }
    switch (event.type) {
    case UIEVENT_DBLCLICK:
        if (IsEnabled() && m_manager != nullptr) {
            m_manager->SendNotify(this, L"itemdbclick");
            Invalidate();
        }
        break;
    case UIEVENT_MOUSEENTER:
    case UIEVENT_MOUSELEAVE:
        ApplyItemColor();
        break;
    default:
        break;
    }
}

void CTreeNodeUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (IsName(name, L"text")) {
        SetText(value);
    } else if (IsName(name, L"horizattr")) {
        m_strip->SetAttributeList(value);
    } else if (IsName(name, L"dotlineattr")) {
        m_indentation->SetAttributeList(value);
    } else if (IsName(name, L"folderattr")) {
        m_folderButton->SetAttributeList(value);
    } else if (IsName(name, L"checkboxattr")) {
        m_checkBox->SetAttributeList(value);
    } else if (IsName(name, L"itemattr")) {
        m_item->SetAttributeList(value);
    } else if (IsName(name, L"itemtextcolor")) {
        m_colors.normal = ParseColor(value);
        ApplyItemColor();
    } else if (IsName(name, L"itemhottextcolor")) {
        m_colors.hot = ParseColor(value);
    } else if (IsName(name, L"selitemtextcolor")) {
        m_colors.selected = ParseColor(value);
        ApplyItemColor();
    } else if (IsName(name, L"selitemhottextcolor")) {
        m_colors.selectedHot = ParseColor(value);
    } else {
        CListContainerElementUI::SetAttribute(name, value);
    }
}

bool CTreeNodeUI::ForwardFolderNotify(void* param) {
    return m_treeView == nullptr || m_treeView->HandleFolderChange(*static_cast<NotifyMsg*>(param));
}

bool CTreeNodeUI::ForwardCheckNotify(void* param) {
    return m_treeView == nullptr || m_treeView->HandleCheckChange(*static_cast<NotifyMsg*>(param));
}

bool CTreeNodeUI::ForwardNodeNotify(void* param) {
    return m_treeView == nullptr || m_treeView->HandleNodeDoubleClick(*static_cast<NotifyMsg*>(param));
}

}  // namespace SkinUI
