#include "ui/extra/UIDateTime.h"

#include "ui/core/base/UIValueParse.h"
#include "ui/core/manager/UIManager.h"
#include "ui/extra/UIDateTimeWnd.h"

namespace SkinUI {

namespace {

CUIString FormatDate(const SYSTEMTIME& date) {
    CUIString text;
    text.Format(L"%4d-%02d-%02d", date.wYear, date.wMonth, date.wDay);
    return text;
}

// Reads `count` decimal digits; false at anything else, the terminator included.
bool ReadDigits(LPCWSTR& text, int count, WORD& value) {
    value = 0;
    for (int index = 0; index < count; ++index, ++text) {
        if (*text < L'0' || *text > L'9') {
            return false;
        }
        value = static_cast<WORD>(value * 10 + (*text - L'0'));
    }
    return true;
}

bool ReadHyphen(LPCWSTR& text) {
    if (*text != L'-') {
        return false;
    }
    ++text;
    return true;
}

// Exactly "yyyy-mm-dd" naming a day that exists; `date` gets the day and
// its weekday.
bool ParseDate(LPCWSTR text, SYSTEMTIME& date) {
    if (text == nullptr) {
        return false;
    }
    SYSTEMTIME day = {};
    if (!ReadDigits(text, 4, day.wYear) || !ReadHyphen(text) || !ReadDigits(text, 2, day.wMonth) || !ReadHyphen(text) ||
        !ReadDigits(text, 2, day.wDay) || *text != L'\0') {
        return false;
    }
    // A day that does not exist either fails or comes back as another one
    // (30 February as 1 March); the weekday comes with the round trip.
    FILETIME fileTime;
    return ::SystemTimeToFileTime(&day, &fileTime) && ::FileTimeToSystemTime(&fileTime, &date) &&
           date.wYear == day.wYear && date.wMonth == day.wMonth && date.wDay == day.wDay;
}

}  // namespace

CDateTimeUI::CDateTimeUI() {
    ::GetLocalTime(&m_time);
    CHostedWindowLabelUI::SetText(FormatDate(m_time));
}

CDateTimeUI::~CDateTimeUI() {
    if (m_window != nullptr) {
        m_window->Abandon();
    }
}

LPCWSTR CDateTimeUI::GetClass() const {
    return L"DateTime";
}

LPVOID CDateTimeUI::GetInterface(LPCWSTR name) {
    if (IsName(name, L"DateTime")) {
        return this;
    }
    return CHostedWindowLabelUI::GetInterface(name);
}

HWND CDateTimeUI::GetNativeWindow() const {
    return m_window != nullptr ? m_window->GetHWND() : nullptr;
}

void CDateTimeUI::SetText(LPCWSTR text) {
    SYSTEMTIME date;
    if (ParseDate(text, date)) {
        // The time of day stays: only the date is edited.
        m_time.wYear = date.wYear;
        m_time.wMonth = date.wMonth;
        m_time.wDay = date.wDay;
        m_time.wDayOfWeek = date.wDayOfWeek;
    }
    CHostedWindowLabelUI::SetText(text);
}

SYSTEMTIME CDateTimeUI::StartDate() {
    if (GetText().IsEmpty()) {
        ::GetLocalTime(&m_time);
    }
    return m_time;
}

void CDateTimeUI::TakeDate(const SYSTEMTIME& date) {
    m_time = date;
    CHostedWindowLabelUI::SetText(FormatDate(date));
}

void CDateTimeUI::ClearDate() {
    CHostedWindowLabelUI::SetText(L"");
}

RECT CDateTimeUI::PickerRect() const {
    RECT rect = m_itemRect;
    for (CControlUI* ancestor = m_parent; ancestor != nullptr; ancestor = ancestor->GetParent()) {
        const RECT client = ancestor->GetClientPos();
        if (!ancestor->IsVisible() || !::IntersectRect(&rect, &rect, &client)) {
            return RECT{0, 0, 0, 0};
        }
    }
    return rect;
}

void CDateTimeUI::OpenPicker() {
    if (m_window == nullptr) {
        m_window = new CDateTimeWnd(*this);
    }
    CDateTimeWnd* window = m_window;
    // A window that ended while being made has already let go of this control.
    if (!window->Open() && m_window == window && window->GetHWND() == nullptr) {
        m_window = nullptr;
        delete window;
    }
}

void CDateTimeUI::PlaceHostedWindow() {
    if (m_window != nullptr) {
        m_window->Place(PickerRect());
    }
}

void CDateTimeUI::CloseHostedWindow() {
    if (m_window != nullptr) {
        m_window->Finish();
    }
}

void CDateTimeUI::DoEvent(UIEvent& event) {
    if (HandleCommonEvent(event)) {
        return;
    }
    const bool enabled = IsEnabled();
    switch (event.type) {
    case UIEVENT_SETFOCUS:
        if (enabled) {
            if (m_window != nullptr) {
                return;
            }
            OpenPicker();
        }
        break;
    case UIEVENT_KILLFOCUS:
        if (enabled) {
            Invalidate();
        }
        break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
    case UIEVENT_RBUTTONDOWN:
        if (enabled) {
            // The picker takes the mouse from here on.
            if (m_manager != nullptr) {
                m_manager->ReleaseCapture();
            }
            if (IsFocused() || m_window != nullptr) {
                OpenPicker();
            }
            return;
        }
        break;
    case UIEVENT_MOUSEMOVE:
    case UIEVENT_BUTTONUP:
    case UIEVENT_CONTEXTMENU:
        return;
    default:
        break;
    }
    CHostedWindowLabelUI::DoEvent(event);
}

}  // namespace SkinUI
