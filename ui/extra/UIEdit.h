#pragma once

#include <windows.h>

#include "ui/extra/UIHostedWindowLabel.h"

namespace SkinUI {

class CEditWnd;

// A one-line text field. Without the focus it paints itself like a label
// (bullets for a password); with the focus a native edit window lies over
// its text area, and every change typed there comes back as "textchanged",
// Return as "return".
class CEditUI : public CHostedWindowLabelUI {
public:
    CEditUI();
    ~CEditUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    UINT GetControlFlags() const override;
    HWND GetNativeWindow() const override;
    void SetText(LPCWSTR text) override;
    void SetEnabled(bool enabled = true) override;
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    void PaintStateImage(HDC dc) override;
    void PaintText(HDC dc) override;

    bool IsReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    // Takes effect with the next native window.
    void SetNumberOnly(bool numberOnly);
    bool IsPasswordMode() const { return m_password; }
    void SetPasswordMode(bool password);
    WCHAR GetPasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(WCHAR ch);
    int GetMaxChar() const { return m_maxChar; }
    void SetMaxChar(int count);
    bool IsAutoSelAll() const { return m_selectAll; }
    void SetAutoSelAll(bool selectAll) { m_selectAll = selectAll; }
    // Extra window styles of the native window (ES_NUMBER).
    UINT GetNativeStyle() const { return m_nativeStyle; }
    // ARGB; opaque white leaves the system's colours, less than opaque shows
    // what lies under the edit window through the colour.
    DWORD GetNativeBackground() const { return m_nativeBkColor; }
    void SetNativeBackground(DWORD color);
    void SetNormalImage(LPCWSTR description) { SetImage(m_normalImage, description); }
    void SetHotImage(LPCWSTR description) { SetImage(m_hotImage, description); }
    void SetFocusedImage(LPCWSTR description) { SetImage(m_focusedImage, description); }
    void SetDisabledImage(LPCWSTR description) { SetImage(m_disabledImage, description); }

    // Where the native window goes, in the window's client coordinates: the
    // text area, narrowed to the font's height and cut by the ancestors;
    // empty when nothing of it can be seen.
    RECT GetNativeRect();

private:
    friend class CEditWnd;

    void OpenNativeWindow();
    // Ends the edit at once, without waiting for a focus change.
    void CloseHostedWindow() override;
    void PlaceHostedWindow() override;
    void OnPress(const UIEvent& event);
    // Called by the native window: its text changed, or it is gone.
    void TakeNativeText(const CUIString& text) { m_text = text; }
    void ForgetNativeWindow(HWND hwnd);

    CEditWnd* m_window = nullptr;
    int m_maxChar = 255;
    bool m_readOnly = false;
    bool m_password = false;
    bool m_selectAll = false;
    WCHAR m_passwordChar = L'*';
    UINT m_buttonState = 0;
    UINT m_nativeStyle = 0;
    DWORD m_nativeBkColor = 0xFFFFFFFF;
    ImageDrawInfo m_normalImage;
    ImageDrawInfo m_hotImage;
    ImageDrawInfo m_focusedImage;
    ImageDrawInfo m_disabledImage;
};

}  // namespace SkinUI
