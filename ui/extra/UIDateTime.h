#pragma once
// A label that shows a date as "yyyy-mm-dd". Taking the focus or a click
// opens the system date picker over it; when the picker loses the focus its
// date becomes the text. Delete or Backspace in the picker clears the text,
// Escape leaves it as it was. It sends no notification of its own.
#include <windows.h>

#include "ui/extra/UIHostedWindowLabel.h"

namespace SkinUI {

class CDateTimeWnd;

class CDateTimeUI : public CHostedWindowLabelUI {
public:
    // Shows today's date.
    CDateTimeUI();
    ~CDateTimeUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    // The open picker, or null.
    HWND GetNativeWindow() const override;
    // A valid "yyyy-mm-dd" also becomes the date the picker starts from;
    // any other text is only shown.
    void SetText(LPCWSTR text) override;
    void DoEvent(UIEvent& event) override;

private:
    friend class CDateTimeWnd;

    // The picker's side: the date it starts from (today when the text is
    // empty), a date chosen, the text cleared, the picker gone.
    SYSTEMTIME StartDate();
    void TakeDate(const SYSTEMTIME& date);
    void ClearDate();
    void PickerGone() { m_window = nullptr; }
    // The item rectangle cut by the client areas of the ancestors; empty
    // when nothing of it can be seen.
    RECT PickerRect() const;

    void OpenPicker();
    void PlaceHostedWindow() override;
    // Hiding or disabling the control ends its picker as a loss of focus would.
    void CloseHostedWindow() override;

    SYSTEMTIME m_time = {};
    CDateTimeWnd* m_window = nullptr;
};

}  // namespace SkinUI
