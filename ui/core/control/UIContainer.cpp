#include "ui/core/control/UIContainer.h"

#include <cwchar>
#include <initializer_list>

#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"

// A container owns its built-in scroll bars, which are controls of their own.
#include "ui/controls/UIScrollBar.h"
// Controls call back into the manager that owns their tree (invalidation,
// notifications, timers, fonts).
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

bool Meets(const RECT& first, const RECT& second) {
    RECT overlap;
    return ::IntersectRect(&overlap, &first, &second) != FALSE;
}

}  // namespace

CContainerUI::~CContainerUI() {
    // Children go at once: there is no later message for a container that is gone.
    m_delayedDestroy = false;
    RemoveAll();
    if (m_verticalScrollBar != nullptr) {
        m_verticalScrollBar->Delete();
        m_verticalScrollBar = nullptr;
    }
    if (m_horizontalScrollBar != nullptr) {
        m_horizontalScrollBar->Delete();
        m_horizontalScrollBar = nullptr;
    }
}

LPCWSTR CContainerUI::GetClass() const {
    return L"Container";
}

LPVOID CContainerUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"IContainer") == 0) {
        return static_cast<IContainerUI*>(this);
    }
    if (name != nullptr && std::wcscmp(name, L"Container") == 0) {
        return this;
    }
    return CControlUI::GetInterface(name);
}

CControlUI* CContainerUI::GetItemAt(int index) const {
    return static_cast<CControlUI*>(m_items.GetAt(index));
}

int CContainerUI::GetItemIndex(CControlUI* control) const {
    return m_items.Find(control);
}

bool CContainerUI::SetItemIndex(CControlUI* control, int index) {
    const int current = m_items.Find(control);
    if (current < 0 || index < 0 || index >= m_items.GetSize()) {
        return false;
    }
    NeedUpdate();
    m_items.Remove(current);
    return m_items.InsertAt(index, control);
}

bool CContainerUI::SetMultiItemIndex(CControlUI* first, int count, int index) {
    if (first == nullptr || count < 0 || index < 0) {
        return false;
    }
    const int start = m_items.Find(first);
    if (start < 0) {
        return false;
    }
    if (start == index) {
        return true;
    }
    const int size = m_items.GetSize();
    if (start + count > size || index + count > size) {
        return false;
    }
    CPtrArray moved(count);
    for (int offset = 0; offset < count; ++offset) {
        moved.Add(m_items[start + offset]);
    }
    m_items.Remove(start, count);
    for (int offset = 0; offset < count; ++offset) {
        if (!m_items.InsertAt(index + offset, moved[offset])) {
            return false;
        }
    }
    NeedUpdate();
    return true;
}

int CContainerUI::GetCount() const {
    return m_items.GetSize();
}

bool CContainerUI::Add(CControlUI* control) {
    return AddAt(control, m_items.GetSize());
}

bool CContainerUI::AddAt(CControlUI* control, int index) {
    if (control == nullptr || index < 0 || index > m_items.GetSize()) {
        return false;
    }
    // Without a manager the child is still linked, so that its geometry and
    // repaint requests reach this container before the tree is attached.
    if (m_manager != nullptr) {
        m_manager->AttachControls(control, this);
    } else {
        control->SetManager(nullptr, this, false);
    }
    if (IsVisible()) {
        NeedUpdate();
    } else {
        control->SetAncestorVisible(false);
    }
    return m_items.InsertAt(index, control);
}

void CContainerUI::DisposeChild(CControlUI* control) {
    if (!m_autoDestroy) {
        return;
    }
    if (m_delayedDestroy && m_manager != nullptr) {
        m_manager->DeferDestroy(control);
    } else {
        control->Delete();
    }
}

bool CContainerUI::Remove(CControlUI* control, bool doNotDestroy) {
    const int index = control != nullptr ? m_items.Find(control) : -1;
    if (index < 0) {
        return false;
    }
    NeedUpdate();
    m_items.Remove(index);
    if (!doNotDestroy) {
        DisposeChild(control);
    }
    return true;
}

bool CContainerUI::RemoveAt(int index, bool doNotDestroy) {
    CControlUI* control = GetItemAt(index);
    return control != nullptr && Remove(control, doNotDestroy);
}

void CContainerUI::RemoveAll() {
    CPtrArray removed(m_items);
    m_items.Empty();
    for (int index = 0; index < removed.GetSize(); ++index) {
        DisposeChild(static_cast<CControlUI*>(removed[index]));
    }
    NeedUpdate();
}

void CContainerUI::SetManager(CUIManager* manager, CControlUI* parent, bool init) {
    for (int index = 0; index < m_items.GetSize(); ++index) {
        static_cast<CControlUI*>(m_items[index])->SetManager(manager, this, init);
    }
    if (m_verticalScrollBar != nullptr) {
        m_verticalScrollBar->SetManager(manager, this, init);
    }
    if (m_horizontalScrollBar != nullptr) {
        m_horizontalScrollBar->SetManager(manager, this, init);
    }
    CControlUI::SetManager(manager, parent, init);
}

RECT CContainerUI::InsetArea() const {
    const RECT inset = CContainerUI::GetInset();
    return RECT{m_itemRect.left + inset.left, m_itemRect.top + inset.top, m_itemRect.right - inset.right,
                m_itemRect.bottom - inset.bottom};
}

RECT CContainerUI::GetClientPos() const {
    RECT client = InsetArea();
    if (m_verticalScrollBar != nullptr && m_verticalScrollBar->IsVisible()) {
        client.right -= m_verticalScrollBar->GetFixedWidth();
    }
    if (m_horizontalScrollBar != nullptr && m_horizontalScrollBar->IsVisible()) {
        client.bottom -= m_horizontalScrollBar->GetFixedHeight();
    }
    return client;
}

void CContainerUI::SetPos(RECT rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    if (m_items.IsEmpty()) {
        return;
    }
    RECT area = InsetArea();
    if (m_verticalScrollBar != nullptr && m_verticalScrollBar->IsVisible()) {
        area.top -= m_verticalScrollBar->GetScrollPos();
        area.bottom -= m_verticalScrollBar->GetScrollPos();
        area.bottom += m_verticalScrollBar->GetScrollRange();
        area.right -= m_verticalScrollBar->GetFixedWidth();
    }
    if (m_horizontalScrollBar != nullptr && m_horizontalScrollBar->IsVisible()) {
        area.left -= m_horizontalScrollBar->GetScrollPos();
        area.right -= m_horizontalScrollBar->GetScrollPos();
        area.right += m_horizontalScrollBar->GetScrollRange();
        area.bottom -= m_horizontalScrollBar->GetFixedHeight();
    }
    PlaceChildren([&area](CControlUI* child) {
        const int width = ClampToLimits(area.right - area.left, child->GetMinWidth(), child->GetMaxWidth());
        const int height = ClampToLimits(area.bottom - area.top, child->GetMinHeight(), child->GetMaxHeight());
        child->SetPos(RECT{area.left, area.top, area.left + width, area.top + height}, false);
    });
}

void CContainerUI::SetFloatPos(int index) {
    auto* child = static_cast<CControlUI*>(m_items.GetAt(index));
    if (child == nullptr || !child->IsVisible() || !child->IsFloat()) {
        return;
    }
    child->SetPos(child->GetFloatRect(m_itemRect.right - m_itemRect.left, m_itemRect.bottom - m_itemRect.top), false);
}

void CContainerUI::Move(SIZE offset, bool needInvalidate) {
    CControlUI::Move(offset, needInvalidate);
    if (m_verticalScrollBar != nullptr && m_verticalScrollBar->IsVisible()) {
        m_verticalScrollBar->Move(offset, false);
    }
    if (m_horizontalScrollBar != nullptr && m_horizontalScrollBar->IsVisible()) {
        m_horizontalScrollBar->Move(offset, false);
    }
    for (int index = 0; index < m_items.GetSize(); ++index) {
        auto* child = static_cast<CControlUI*>(m_items[index]);
        if (child->IsVisible()) {
            child->Move(offset, false);
        }
    }
}

void CContainerUI::SetVisible(bool visible) {
    if (m_visible == visible) {
        return;
    }
    CControlUI::SetVisible(visible);
    for (int index = 0; index < m_items.GetSize(); ++index) {
        static_cast<CControlUI*>(m_items[index])->SetAncestorVisible(IsVisible());
    }
}

void CContainerUI::SetAncestorVisible(bool visible) {
    CControlUI::SetAncestorVisible(visible);
    for (int index = 0; index < m_items.GetSize(); ++index) {
        static_cast<CControlUI*>(m_items[index])->SetAncestorVisible(IsVisible());
    }
}

void CContainerUI::SetMouseEnabled(bool enabled) {
    if (m_verticalScrollBar != nullptr) {
        m_verticalScrollBar->SetMouseEnabled(enabled);
    }
    if (m_horizontalScrollBar != nullptr) {
        m_horizontalScrollBar->SetMouseEnabled(enabled);
    }
    CControlUI::SetMouseEnabled(enabled);
}

CControlUI* CContainerUI::FindControl(FindControlProc proc, LPVOID data, UINT flags) {
    if (!PassesSearchFilters(proc, data, flags)) {
        return nullptr;
    }
    const bool hitTest = (flags & UIFIND_HITTEST) != 0;
    const bool offerSelf = !hitTest || IsMouseEnabled();
    const bool offerChildren = !hitTest || m_mouseChildEnabled;
    if ((flags & UIFIND_ME_FIRST) != 0 && offerSelf) {
        if (CControlUI* found = proc(this, data)) {
            return found;
        }
    }
    if (m_cover != nullptr && offerChildren) {
        if (CControlUI* found = m_cover->FindControl(proc, data, flags)) {
            return found;
        }
    }
    if (offerSelf) {
        for (CScrollBarUI* bar : {m_verticalScrollBar, m_horizontalScrollBar}) {
            if (bar == nullptr) {
                continue;
            }
            if (CControlUI* found = bar->FindControl(proc, data, flags)) {
                return found;
            }
        }
    }
    if (offerChildren) {
        const RECT client = hitTest ? GetClientPos() : RECT{0, 0, 0, 0};
        const int count = m_items.GetSize();
        const bool topFirst = (flags & UIFIND_TOP_FIRST) != 0;
        for (int step = 0; step < count; ++step) {
            auto* child = static_cast<CControlUI*>(m_items[topFirst ? count - 1 - step : step]);
            CControlUI* found = child->FindControl(proc, data, flags);
            if (found == nullptr) {
                continue;
            }
            // A hit in the inset or under a bar does not belong to a child.
            if (hitTest && !found->IsFloat() && !::PtInRect(&client, *static_cast<const POINT*>(data))) {
                continue;
            }
            return found;
        }
    }
    if ((flags & UIFIND_ME_FIRST) == 0 && offerSelf) {
        return proc(this, data);
    }
    return nullptr;
}

bool CContainerUI::DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) {
    RECT clipRect;
    if (!::IntersectRect(&clipRect, &paintRect, &m_itemRect)) {
        return true;
    }
    CClipScope clip;
    clip.ClipToRect(dc, clipRect);
    CControlUI::DoPaint(dc, paintRect, stopControl);

    if (!m_items.IsEmpty()) {
        const RECT client = GetClientPos();
        RECT childClipRect;
        if (!::IntersectRect(&childClipRect, &paintRect, &client)) {
            // Only float children can show outside the client area.
            for (int index = 0; index < m_items.GetSize(); ++index) {
                auto* child = static_cast<CControlUI*>(m_items[index]);
                if (child == stopControl) {
                    return false;
                }
                if (!child->IsVisible() || !child->IsFloat() || !Meets(paintRect, child->GetPos()) ||
                    !Meets(m_itemRect, child->GetPos())) {
                    continue;
                }
                if (!child->Paint(dc, paintRect, stopControl)) {
                    return false;
                }
            }
        } else {
            // Without an inset or bars the children's clip is the container's
            // own: a second region would cost as much and clip nothing more.
            CClipScope childClip;
            const bool ownChildClip = !::EqualRect(&childClipRect, &clipRect);
            if (ownChildClip) {
                childClip.ClipToRect(dc, childClipRect);
            }
            for (int index = 0; index < m_items.GetSize(); ++index) {
                auto* child = static_cast<CControlUI*>(m_items[index]);
                if (child == stopControl) {
                    return false;
                }
                if (!child->IsVisible() || !Meets(paintRect, child->GetPos())) {
                    continue;
                }
                if (child->IsFloat()) {
                    if (!Meets(m_itemRect, child->GetPos())) {
                        continue;
                    }
                    if (ownChildClip) {
                        childClip.SuspendClip();
                    }
                    const bool goOn = child->Paint(dc, paintRect, stopControl);
                    if (ownChildClip) {
                        childClip.ResumeClip();
                    }
                    if (!goOn) {
                        return false;
                    }
                } else if (Meets(client, child->GetPos()) && !child->Paint(dc, paintRect, stopControl)) {
                    return false;
                }
            }
        }
    }

    return PaintScrollBars(dc, paintRect, stopControl);
}

bool CContainerUI::PaintScrollBars(HDC dc, const RECT& paintRect, CControlUI* stopControl) {
    for (CScrollBarUI* bar : {m_verticalScrollBar, m_horizontalScrollBar}) {
        if (bar == nullptr) {
            continue;
        }
        if (bar == stopControl) {
            return false;
        }
        if (bar->IsVisible() && Meets(paintRect, bar->GetPos()) && !bar->Paint(dc, paintRect, stopControl)) {
            return false;
        }
    }
    return true;
}

RECT CContainerUI::GetInset() const {
    return Scaled(m_inset);
}

void CContainerUI::SetInset(RECT inset) {
    m_inset = ClampRect(inset);
    NeedUpdate();
}

int CContainerUI::GetChildPadding() const {
    return Scaled(m_childPadding);
}

void CContainerUI::SetChildPadding(int padding) {
    m_childPadding = ClampLength(padding);
    NeedUpdate();
}

UINT CContainerUI::GetChildAlign() const {
    return m_childAlign;
}

void CContainerUI::SetChildAlign(UINT align) {
    m_childAlign = align;
    NeedUpdate();
}

UINT CContainerUI::GetChildVAlign() const {
    return m_childVAlign;
}

void CContainerUI::SetChildVAlign(UINT align) {
    m_childVAlign = align;
    NeedUpdate();
}

bool CContainerUI::IsAutoDestroy() const {
    return m_autoDestroy;
}

void CContainerUI::SetAutoDestroy(bool autoDestroy) {
    m_autoDestroy = autoDestroy;
}

bool CContainerUI::IsDelayedDestroy() const {
    return m_delayedDestroy;
}

void CContainerUI::SetDelayedDestroy(bool delayed) {
    m_delayedDestroy = delayed;
}

bool CContainerUI::IsMouseChildEnabled() const {
    return m_mouseChildEnabled;
}

void CContainerUI::SetMouseChildEnabled(bool enabled) {
    m_mouseChildEnabled = enabled;
}

int CContainerUI::FindSelectableItem(int index, bool forward) const {
    const int count = m_items.GetSize();
    if (count == 0) {
        return -1;
    }
    index = ClampToLimits(index, 0, count - 1);
    const auto selectable = [this](int at) {
        auto* child = static_cast<CControlUI*>(m_items[at]);
        return child->GetInterface(L"IListItem") != nullptr && child->IsVisible() && child->IsEnabled();
    };
    if (forward) {
        for (int at = index; at < count; ++at) {
            if (selectable(at)) {
                return at;
            }
        }
        return -1;
    }
    for (int at = index; at >= 0; --at) {
        if (selectable(at)) {
            return at;
        }
    }
    return FindSelectableItem(0, true);
}

void CContainerUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (std::wcscmp(name, L"inset") == 0) {
        SetInset(ParseRect(value));
    } else if (std::wcscmp(name, L"mousechild") == 0) {
        SetMouseChildEnabled(ParseBool(value));
    } else if (std::wcscmp(name, L"vscrollbar") == 0) {
        // Through the accessors: a container may keep its bars in a child.
        EnableScrollBar(ParseBool(value), GetHorizontalScrollBar() != nullptr);
    } else if (std::wcscmp(name, L"vscrollbarstyle") == 0) {
        EnableScrollBar(true, GetHorizontalScrollBar() != nullptr);
        if (CScrollBarUI* bar = GetVerticalScrollBar()) {
            bar->SetAttributeList(value);
        }
    } else if (std::wcscmp(name, L"hscrollbar") == 0) {
        EnableScrollBar(GetVerticalScrollBar() != nullptr, ParseBool(value));
    } else if (std::wcscmp(name, L"hscrollbarstyle") == 0) {
        EnableScrollBar(GetVerticalScrollBar() != nullptr, true);
        if (CScrollBarUI* bar = GetHorizontalScrollBar()) {
            bar->SetAttributeList(value);
        }
    } else if (std::wcscmp(name, L"childpadding") == 0) {
        SetChildPadding(ParseInt(value));
    } else if (std::wcscmp(name, L"childalign") == 0) {
        if (std::wcscmp(value, L"left") == 0) {
            m_childAlign = DT_LEFT;
        } else if (std::wcscmp(value, L"center") == 0) {
            m_childAlign = DT_CENTER;
        } else if (std::wcscmp(value, L"right") == 0) {
            m_childAlign = DT_RIGHT;
        }
    } else if (std::wcscmp(name, L"childvalign") == 0) {
        if (std::wcscmp(value, L"top") == 0) {
            m_childVAlign = DT_TOP;
        } else if (std::wcscmp(value, L"vcenter") == 0) {
            m_childVAlign = DT_VCENTER;
        } else if (std::wcscmp(value, L"bottom") == 0) {
            m_childVAlign = DT_BOTTOM;
        }
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

}  // namespace SkinUI
