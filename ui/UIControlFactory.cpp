// The element names of the skin language and the controls they create.

#include "ui/UIControlFactory.h"

#include <cwchar>

#include "ui/controls/UIButton.h"
#include "ui/controls/UICheckBox.h"
#include "ui/controls/UILabel.h"
#include "ui/controls/UIList.h"
#include "ui/controls/UIListContainerElement.h"
#include "ui/controls/UIListHBoxElement.h"
#include "ui/controls/UIListHeader.h"
#include "ui/controls/UIListHeaderItem.h"
#include "ui/controls/UIListLabelElement.h"
#include "ui/controls/UIListTextElement.h"
#include "ui/controls/UIOption.h"
#include "ui/controls/UIScrollBar.h"
#include "ui/controls/UIText.h"
#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/control/UIHorizontalLayout.h"
#include "ui/core/control/UIVerticalLayout.h"
#include "ui/extra/UIActiveX.h"
#include "ui/extra/UIChildLayout.h"
#include "ui/extra/UICombo.h"
#include "ui/extra/UIDateTime.h"
#include "ui/extra/UIEdit.h"
#include "ui/extra/UIGifAnim.h"
#include "ui/extra/UIProgress.h"
#include "ui/extra/UIRichEdit.h"
#include "ui/extra/UISlider.h"
#include "ui/extra/UITabLayout.h"
#include "ui/extra/UITileLayout.h"
#include "ui/extra/UITreeNode.h"
#include "ui/extra/UITreeView.h"

namespace SkinUI {

namespace {

using Factory = CControlUI* (*)();

template <typename Control>
CControlUI* Make() {
    return new Control;
}

struct ElementClass {
    LPCWSTR name;
    Factory create;
    bool exactCase = false;
};

// Compared without regard to case unless the entry asks for exact case.
const ElementClass kElements[] = {
    {L"Control", Make<CControlUI>},
    {L"Container", Make<CContainerUI>},
    {L"VerticalLayout", Make<CVerticalLayoutUI>},
    {L"VBox", Make<CVerticalLayoutUI>},
    {L"HorizontalLayout", Make<CHorizontalLayoutUI>},
    {L"HBox", Make<CHorizontalLayoutUI>},
    {L"ScrollBar", Make<CScrollBarUI>},
    {L"Label", Make<CLabelUI>},
    {L"Text", Make<CTextUI>},
    {L"Button", Make<CButtonUI>},
    {L"Option", Make<COptionUI>},
    {L"CheckBox", Make<CCheckBoxUI>},
    {L"List", Make<CListUI>},
    {L"ListHeader", Make<CListHeaderUI>},
    {L"ListHeaderItem", Make<CListHeaderItemUI>},
    {L"ListLabelElement", Make<CListLabelElementUI>},
    {L"ListTextElement", Make<CListTextElementUI>},
    {L"ListContainerElement", Make<CListContainerElementUI>},
    {L"ListHBoxElement", Make<CListHBoxElementUI>},
    {L"TabLayout", Make<CTabLayoutUI>},
    {L"TileLayout", Make<CTileLayoutUI>},
    {L"ChildLayout", Make<CChildLayoutUI>},
    {L"Progress", Make<CProgressUI>},
    {L"Slider", Make<CSliderUI>},
    {L"GifAnim", Make<CGifAnimUI>, true},
    {L"DateTime", Make<CDateTimeUI>},
    {L"Edit", Make<CEditUI>},
    {L"Combo", Make<CComboUI>},
    {L"ComboBox", Make<CComboUI>},
    {L"Tree", Make<CTreeViewUI>},
    {L"TreeView", Make<CTreeViewUI>},
    {L"TreeNode", Make<CTreeNodeUI>},
    {L"RichEdit", Make<CRichEditUI>},
    {L"ActiveX", Make<CActiveXUI>},
    {L"WebBrowser", Make<CWebBrowserUI>},
};

bool Matches(const ElementClass& element, LPCWSTR name) {
    return (element.exactCase ? std::wcscmp(element.name, name) : _wcsicmp(element.name, name)) == 0;
}

}  // namespace

CControlUI* CreateControlForElement(LPCWSTR elementName) {
    if (elementName == nullptr) {
        return nullptr;
    }
    for (const ElementClass& element : kElements) {
        if (Matches(element, elementName)) {
            return element.create();
        }
    }
    return nullptr;
}

bool AddToTreeNodeRow(CControlUI* node, CControlUI* control) {
    auto* treeNode = node != nullptr ? static_cast<CTreeNodeUI*>(node->GetInterface(L"TreeNode")) : nullptr;
    return treeNode != nullptr && control != nullptr && treeNode->GetStrip()->Add(control);
}

}  // namespace SkinUI
