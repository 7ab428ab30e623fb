#pragma once

#include <windows.h>

#include "ui/core/base/UIStringMap.h"

namespace SkinUI {

class CControlUI;

// What the attributes of a skin's root element change beyond the values
// they record: the window, its composition mode and its colours. The UI
// manager implements it; the names are the manager's own.
class IWindowAttributeTarget {
public:
    virtual HWND GetPaintWindow() const = 0;
    virtual int GetDpi() const = 0;
    virtual CControlUI* GetRoot() const = 0;
    virtual void SetShowDirty(bool show) = 0;
    virtual void SetNoActivate(bool noActivate) = 0;
    virtual void SetOpacity(BYTE opacity) = 0;
    virtual void SetLayeredOpacity(BYTE opacity) = 0;
    virtual void SetLayered(bool layered) = 0;
    virtual void SetLayeredImage(LPCWSTR image) = 0;
    virtual void SetDefaultDisabledColor(DWORD color, bool shared) = 0;
    virtual void SetDefaultFontColor(DWORD color, bool shared) = 0;
    virtual void SetDefaultLinkFontColor(DWORD color, bool shared) = 0;
    virtual void SetDefaultLinkHoverFontColor(DWORD color, bool shared) = 0;
    virtual void SetDefaultSelectedColor(DWORD color, bool shared) = 0;

protected:
    ~IWindowAttributeTarget() = default;
};

// The window-level settings of a skin ("size", "caption", "sizebox", ...)
// and the attributes nobody knows, kept as given.
class CWindowAttributes {
public:
    explicit CWindowAttributes(IWindowAttributeTarget& target);
    ~CWindowAttributes();
    CWindowAttributes(const CWindowAttributes&) = delete;
    CWindowAttributes& operator=(const CWindowAttributes&) = delete;

    // Names are compared ignoring case, except "noactivate",
    // "layeredopacity" and "layeredimage", which must be written so.
    // Anything unknown becomes a custom attribute.
    void SetWindowAttribute(LPCWSTR name, LPCWSTR value);

    // Ignored when the name or the value is empty; the first value of a name stays.
    void AddWindowCustomAttribute(LPCWSTR name, LPCWSTR value);
    LPCWSTR GetWindowCustomAttribute(LPCWSTR name);
    void RemoveAllWindowCustomAttributes();

    // As the skin gives them, in 96-DPI units.
    SIZE GetInitSize() const { return m_initSize; }
    SIZE GetMinInfo() const { return m_minInfo; }
    SIZE GetMaxInfo() const { return m_maxInfo; }
    RECT GetSizeBox() const { return m_sizeBox; }
    RECT GetCaptionRect() const { return m_caption; }
    SIZE GetRoundCorner() const { return m_roundCorner; }

private:
    void SetInitSize(LPCWSTR value);
    bool SetColorAttribute(LPCWSTR name, LPCWSTR value);

    IWindowAttributeTarget& m_target;
    SIZE m_minInfo = {0, 0};
    SIZE m_maxInfo = {0, 0};
    SIZE m_initSize = {0, 0};
    RECT m_sizeBox = {0, 0, 0, 0};
    RECT m_caption = {0, 0, 0, 0};
    SIZE m_roundCorner = {0, 0};
    CStringMap m_customAttributes;  // name -> CUIString*
};

}  // namespace SkinUI
