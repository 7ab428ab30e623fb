#include "ui/core/control/UIControl.h"

#include "ui/core/base/UISizeLimits.h"

// Controls call back into the manager that owns their tree (invalidation,
// notifications, timers, fonts).
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

void CControlUI::Delete() {
    if (m_manager != nullptr) {
        m_manager->RemoveLeaveWatch(this);
    }
    delete this;
}

CControlUI::~CControlUI() {
    if (m_cover != nullptr) {
        m_cover->Delete();
        m_cover = nullptr;
    }
    RemoveAllCustomAttribute();
    if (!OnDestroy.IsEmpty()) {
        OnDestroy(this);
    }
    if (m_manager != nullptr) {
        m_manager->ForgetControl(this);
    }
}

CUIString CControlUI::GetName() const {
    return m_name;
}

void CControlUI::SetName(LPCWSTR name) {
    if (m_name == name) {
        return;
    }
    const CUIString oldName = m_name;
    m_name = name;
    if (m_manager != nullptr) {
        m_manager->RenameControl(this, oldName);
    }
}

LPCWSTR CControlUI::GetClass() const {
    return L"Control";
}

LPVOID CControlUI::GetInterface(LPCWSTR name) {
    return name != nullptr && wcscmp(name, L"Control") == 0 ? this : nullptr;
}

UINT CControlUI::GetControlFlags() const {
    return 0;
}

HWND CControlUI::GetNativeWindow() const {
    return nullptr;
}

bool CControlUI::Activate() {
    return IsVisible() && IsEnabled();
}

CUIManager* CControlUI::GetManager() const {
    return m_manager;
}

void CControlUI::SetManager(CUIManager* manager, CControlUI* parent, bool init) {
    if (m_cover != nullptr) {
        m_cover->SetManager(manager, this, init);
    }
    m_manager = manager;
    m_parent = parent;
    // A virtual window name given before the control had a manager counts now.
    if (m_manager != nullptr && !m_virtualWnd.empty()) {
        m_manager->UseVirtualWindows(true);
    }
    if (init && m_parent != nullptr) {
        Init();
    }
}

CControlUI* CControlUI::GetParent() const {
    return m_parent;
}

CControlUI* CControlUI::GetCover() const {
    return m_cover;
}

void CControlUI::SetCover(CControlUI* control) {
    if (m_cover == control) {
        return;
    }
    if (m_cover != nullptr) {
        m_cover->Delete();
    }
    m_cover = control;
    if (m_cover != nullptr) {
        // Without a manager the cover is linked now and attached with this control.
        if (m_manager != nullptr) {
            m_manager->AttachControls(m_cover, this);
        } else {
            m_cover->SetManager(nullptr, this, false);
        }
    }
    if (IsVisible()) {
        NeedUpdate();
    } else if (m_cover != nullptr) {
        m_cover->SetAncestorVisible(false);
    }
}

CUIString CControlUI::GetText() const {
    return m_text;
}

void CControlUI::SetText(LPCWSTR text) {
    if (m_text == text) {
        return;
    }
    m_text = text;
    Invalidate();
}

const RECT& CControlUI::GetPos() const {
    return m_itemRect;
}

RECT CControlUI::GetRelativePos() const {
    if (m_parent == nullptr) {
        return RECT{0, 0, 0, 0};
    }
    const RECT& parentRect = m_parent->GetPos();
    RECT relative = m_itemRect;
    ::OffsetRect(&relative, -parentRect.left, -parentRect.top);
    return relative;
}

RECT CControlUI::GetClientPos() const {
    return m_itemRect;
}

bool CControlUI::ClipToAncestors(RECT& rect, bool requireVisible) const {
    for (CControlUI* ancestor = m_parent; ancestor != nullptr; ancestor = ancestor->GetParent()) {
        if (requireVisible && !ancestor->IsVisible()) {
            return false;
        }
        if (!::IntersectRect(&rect, &rect, &ancestor->GetPos())) {
            return false;
        }
    }
    return true;
}

void CControlUI::SetPos(RECT rect, bool needInvalidate) {
    if (rect.right < rect.left) {
        rect.right = rect.left;
    }
    if (rect.bottom < rect.top) {
        rect.bottom = rect.top;
    }
    RECT repaint = ::IsRectEmpty(&m_itemRect) ? rect : m_itemRect;

    if (!m_isFloat) {
        m_itemRect = rect;
    } else if (m_parent != nullptr) {
        // Rewrite the requests so that the next float placement gives `rect` again.
        const RECT& parentRect = m_parent->GetPos();
        const int parentWidth = parentRect.right - parentRect.left;
        const int parentHeight = parentRect.bottom - parentRect.top;
        m_itemRect = rect;
        ::OffsetRect(&m_itemRect, parentRect.left, parentRect.top);
        const LONG x = rect.left - FractionOf(m_floatPercent.left, parentWidth);
        const LONG y = rect.top - FractionOf(m_floatPercent.top, parentHeight);
        m_fixedXY = SIZE{Unscaled(x), Unscaled(y)};
        m_fixedWidth = Unscaled(rect.right - x - FractionOf(m_floatPercent.right, parentWidth));
        m_fixedHeight = Unscaled(rect.bottom - y - FractionOf(m_floatPercent.bottom, parentHeight));
    }

    if (m_manager == nullptr) {
        return;
    }
    if (!m_inSetPos) {
        m_inSetPos = true;
        OnSize(this);
        m_inSetPos = false;
    }
    m_updateNeeded = false;

    if (needInvalidate && IsVisible()) {
        ::UnionRect(&repaint, &repaint, &m_itemRect);
        if (ClipToAncestors(repaint, true)) {
            m_manager->Invalidate(repaint);
        }
    }
    // The cover follows even when nothing of the control can be seen.
    PlaceCover();
}

void CControlUI::PlaceCover() {
    if (m_cover == nullptr || !m_cover->IsVisible()) {
        return;
    }
    RECT coverRect;
    if (m_cover->IsFloat()) {
        coverRect = m_cover->GetFloatRect(m_itemRect.right - m_itemRect.left, m_itemRect.bottom - m_itemRect.top);
    } else {
        // The control's own rectangle, also for a float control whose request
        // was relative to its parent.
        const int width =
            ClampToLimits(m_itemRect.right - m_itemRect.left, m_cover->GetMinWidth(), m_cover->GetMaxWidth());
        const int height =
            ClampToLimits(m_itemRect.bottom - m_itemRect.top, m_cover->GetMinHeight(), m_cover->GetMaxHeight());
        coverRect = RECT{m_itemRect.left, m_itemRect.top, m_itemRect.left + width, m_itemRect.top + height};
    }
    m_cover->SetPos(coverRect, false);
}

RECT CControlUI::GetFloatRect(int parentWidth, int parentHeight) const {
    const SIZE xy = GetFixedXY();
    return RECT{
        FractionOf(m_floatPercent.left, parentWidth) + xy.cx,
        FractionOf(m_floatPercent.top, parentHeight) + xy.cy,
        FractionOf(m_floatPercent.right, parentWidth) + xy.cx + GetFixedWidth(),
        FractionOf(m_floatPercent.bottom, parentHeight) + xy.cy + GetFixedHeight(),
    };
}

void CControlUI::Move(SIZE offset, bool needInvalidate) {
    RECT repaint = m_itemRect;
    ::OffsetRect(&m_itemRect, offset.cx, offset.cy);
    if (needInvalidate && m_manager != nullptr && IsVisible()) {
        ::UnionRect(&repaint, &repaint, &m_itemRect);
        if (ClipToAncestors(repaint, true)) {
            m_manager->Invalidate(repaint);
        }
    }
    if (m_cover != nullptr && m_cover->IsVisible()) {
        m_cover->Move(offset, false);
    }
}

int CControlUI::GetWidth() const {
    return m_itemRect.right - m_itemRect.left;
}

int CControlUI::GetHeight() const {
    return m_itemRect.bottom - m_itemRect.top;
}

int CControlUI::GetX() const {
    return m_itemRect.left;
}

int CControlUI::GetY() const {
    return m_itemRect.top;
}

RECT CControlUI::GetPadding() const {
    return Scaled(m_padding);
}

void CControlUI::SetPadding(RECT padding) {
    m_padding = ClampRect(padding);
    NeedParentLayout();
}

SIZE CControlUI::GetFixedXY() const {
    return Scaled(m_fixedXY);
}

void CControlUI::SetFixedXY(SIZE xy) {
    m_fixedXY = ClampSize(xy);
    NeedParentLayout();
}

FloatPercent CControlUI::GetFloatPercent() const {
    return m_floatPercent;
}

void CControlUI::SetFloatPercent(FloatPercent percent) {
    m_floatPercent = percent;
    NeedParentLayout();
}

int CControlUI::GetFixedWidth() const {
    return Scaled(m_fixedWidth);
}

void CControlUI::SetFixedWidth(int width) {
    if (width < 0) {
        return;
    }
    m_fixedWidth = ClampLength(width);
    NeedParentLayout();
}

int CControlUI::GetFixedHeight() const {
    return Scaled(m_fixedHeight);
}

void CControlUI::SetFixedHeight(int height) {
    if (height < 0) {
        return;
    }
    m_fixedHeight = ClampLength(height);
    NeedParentLayout();
}

int CControlUI::GetMinWidth() const {
    return Scaled(m_minWidth);
}

void CControlUI::SetMinWidth(int width) {
    if (width < 0) {
        return;
    }
    width = ClampLength(width);
    if (width == m_minWidth) {
        return;
    }
    m_minWidth = width;
    NeedParentLayout();
}

int CControlUI::GetMaxWidth() const {
    return Scaled(m_maxWidth > m_minWidth ? m_maxWidth : m_minWidth);
}

void CControlUI::SetMaxWidth(int width) {
    if (width < 0) {
        return;
    }
    width = ClampLength(width);
    if (width == m_maxWidth) {
        return;
    }
    m_maxWidth = width;
    NeedParentLayout();
}

int CControlUI::GetMinHeight() const {
    return Scaled(m_minHeight);
}

void CControlUI::SetMinHeight(int height) {
    if (height < 0) {
        return;
    }
    height = ClampLength(height);
    if (height == m_minHeight) {
        return;
    }
    m_minHeight = height;
    NeedParentLayout();
}

int CControlUI::GetMaxHeight() const {
    return Scaled(m_maxHeight > m_minHeight ? m_maxHeight : m_minHeight);
}

void CControlUI::SetMaxHeight(int height) {
    if (height < 0) {
        return;
    }
    height = ClampLength(height);
    if (height == m_maxHeight) {
        return;
    }
    m_maxHeight = height;
    NeedParentLayout();
}

CUIString CControlUI::GetToolTip() const {
    return CUIString(m_toolTip.c_str());
}

void CControlUI::SetToolTip(LPCWSTR text) {
    CUIString tip(text);
    tip.Replace(L"<n>", L"\r\n");
    m_toolTip = tip.GetData();
}

void CControlUI::SetToolTipWidth(int width) {
    m_toolTipWidth = ClampLength(width);
}

int CControlUI::GetToolTipWidth() const {
    return Scaled(m_toolTipWidth);
}

WCHAR CControlUI::GetShortcut() const {
    return m_shortcut;
}

void CControlUI::SetShortcut(WCHAR ch) {
    m_shortcut = ch;
}

bool CControlUI::IsContextMenuUsed() const {
    return m_menuUsed;
}

void CControlUI::SetContextMenuUsed(bool used) {
    m_menuUsed = used;
}

CUIString CControlUI::GetUserData() const {
    return CUIString(m_userData.c_str());
}

void CControlUI::SetUserData(LPCWSTR text) {
    m_userData = text != nullptr ? text : L"";
}

UINT_PTR CControlUI::GetTag() const {
    return m_tag;
}

void CControlUI::SetTag(UINT_PTR tag) {
    m_tag = tag;
}

bool CControlUI::IsVisible() const {
    return m_visible && m_ancestorVisible;
}

void CControlUI::SetVisible(bool visible) {
    if (m_visible == visible) {
        return;
    }
    const bool wasVisible = IsVisible();
    m_visible = visible;
    m_focused = false;
    if (!visible && m_manager != nullptr && m_manager->GetFocus() == this) {
        m_manager->SetFocus(nullptr, true);
    }
    if (IsVisible() != wasVisible) {
        NeedParentLayout();
    }
    if (m_cover != nullptr) {
        m_cover->SetAncestorVisible(IsVisible());
    }
}

void CControlUI::SetAncestorVisible(bool visible) {
    m_ancestorVisible = visible;
    if (!visible && m_manager != nullptr && m_manager->GetFocus() == this) {
        m_manager->SetFocus(nullptr, true);
    }
    if (m_cover != nullptr) {
        m_cover->SetAncestorVisible(IsVisible());
    }
}

bool CControlUI::IsEnabled() const {
    return m_enabled;
}

void CControlUI::SetEnabled(bool enabled) {
    if (m_enabled == enabled) {
        return;
    }
    m_enabled = enabled;
    Invalidate();
}

bool CControlUI::IsMouseEnabled() const {
    return m_mouseEnabled;
}

void CControlUI::SetMouseEnabled(bool enabled) {
    m_mouseEnabled = enabled;
}

bool CControlUI::IsKeyboardEnabled() const {
    return m_keyboardEnabled;
}

void CControlUI::SetKeyboardEnabled(bool enabled) {
    m_keyboardEnabled = enabled;
}

bool CControlUI::IsFocused() const {
    return m_focused;
}

void CControlUI::SetFocus() {
    if (m_manager != nullptr) {
        m_manager->SetFocus(this, false);
    }
}

bool CControlUI::IsFloat() const {
    return m_isFloat;
}

void CControlUI::SetFloat(bool isFloat) {
    if (m_isFloat == isFloat) {
        return;
    }
    m_isFloat = isFloat;
    NeedParentLayout();
}

bool CControlUI::PassesSearchFilters(FindControlProc proc, LPVOID data, UINT flags) {
    if ((flags & UIFIND_VISIBLE) != 0 && !IsVisible()) {
        return false;
    }
    if ((flags & UIFIND_ENABLED) != 0 && !IsEnabled()) {
        return false;
    }
    if ((flags & UIFIND_HITTEST) != 0 && !::PtInRect(&m_itemRect, *static_cast<const POINT*>(data))) {
        return false;
    }
    if ((flags & UIFIND_UPDATETEST) != 0 && proc(this, data) != nullptr) {
        return false;
    }
    return true;
}

CControlUI* CControlUI::FindControl(FindControlProc proc, LPVOID data, UINT flags) {
    if (!PassesSearchFilters(proc, data, flags)) {
        return nullptr;
    }
    const bool offerSelf = (flags & UIFIND_HITTEST) == 0 || IsMouseEnabled();
    if ((flags & UIFIND_ME_FIRST) != 0 && offerSelf) {
        if (CControlUI* found = proc(this, data)) {
            return found;
        }
    }
    if (m_cover != nullptr) {
        if (CControlUI* found = m_cover->FindControl(proc, data, flags)) {
            return found;
        }
    }
    if ((flags & UIFIND_ME_FIRST) == 0 && offerSelf) {
        return proc(this, data);
    }
    return nullptr;
}

void CControlUI::Init() {
    DoInit();
    OnInit(this);
}

void CControlUI::DoInit() {}

void CControlUI::Event(UIEvent& event) {
    if (OnEvent(&event)) {
        DoEvent(event);
    }
}

void CControlUI::DoEvent(UIEvent& event) {
    switch (event.type) {
    case UIEVENT_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        return;
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
        m_focused = event.type == UIEVENT_SETFOCUS;
        Invalidate();
        return;
    case UIEVENT_TIMER:
        if (m_manager != nullptr) {
            m_manager->SendNotify(this, L"timer", event.wParam, event.lParam, false, true);
        }
        return;
    case UIEVENT_CONTEXTMENU:
        if (m_menuUsed) {
            if (m_manager != nullptr) {
                m_manager->SendNotify(this, L"menu", event.wParam, event.lParam, false, true);
            }
            return;
        }
        break;
    case UIEVENT_CANCELPRESS:
        // The press was this control's own; no ancestor was pressed.
        return;
    default:
        break;
    }
    if (m_parent != nullptr) {
        m_parent->DoEvent(event);
    }
}

SIZE CControlUI::MeasureSize(SIZE /*available*/) {
    return SIZE{GetFixedWidth(), GetFixedHeight()};
}

int CControlUI::Scaled(int length) const {
    return m_manager != nullptr ? m_manager->Scale(length) : length;
}

RECT CControlUI::Scaled(const RECT& lengths) const {
    return m_manager != nullptr ? m_manager->Scale(lengths) : lengths;
}

SIZE CControlUI::Scaled(SIZE lengths) const {
    return m_manager != nullptr ? m_manager->Scale(lengths) : lengths;
}

int CControlUI::Unscaled(int pixels) const {
    return m_manager != nullptr ? m_manager->Unscale(pixels) : pixels;
}

void CControlUI::Invalidate() {
    if (!IsVisible()) {
        return;
    }
    RECT region = m_itemRect;
    if (ClipToAncestors(region, false) && m_manager != nullptr) {
        m_manager->Invalidate(region);
    }
}

void CControlUI::NeedUpdate() {
    // Still waiting for its layout, the control was invalidated when it first
    // asked, and the layout invalidates what it moves: adding rows one by one
    // asks the window system once, not once a row.
    if (!IsVisible() || (m_layoutRequested && m_updateNeeded)) {
        return;
    }
    m_updateNeeded = true;
    Invalidate();
    if (m_manager != nullptr) {
        m_manager->SetUpdateNeeded();
        m_manager->RequestLayout(this);
    }
}

void CControlUI::NeedParentLayout() {
    if (m_parent != nullptr) {
        m_parent->NeedUpdate();
    } else {
        NeedUpdate();
    }
    if (m_manager != nullptr) {
        m_manager->SetUpdateNeeded();
    }
}

CUIString CControlUI::GetVirtualWnd() const {
    if (!m_virtualWnd.empty()) {
        return CUIString(m_virtualWnd.c_str());
    }
    if (m_parent != nullptr) {
        return m_parent->GetVirtualWnd();
    }
    return CUIString();
}

void CControlUI::SetVirtualWnd(LPCWSTR name) {
    m_virtualWnd = name != nullptr ? name : L"";
    if (m_manager != nullptr) {
        m_manager->UseVirtualWindows(true);
    }
}

}  // namespace SkinUI
