#pragma once

#include <windows.h>

#include "ui/controls/UIButton.h"

namespace SkinUI {

// A button with a selected state. Options that share a group name in one
// manager exclude each other; an option without a group toggles on each
// click. A change of selection sends "selectchanged".
class COptionUI : public CButtonUI {
public:
    COptionUI();
    ~COptionUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    bool Activate() override;
    void SetManager(CUIManager* manager, CControlUI* parent, bool init = true) override;
    void SetEnabled(bool enabled = true) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    void PaintStateImage(HDC dc) override;
    void PaintText(HDC dc) override;
    // Selecting an option of a group deselects the other members silently;
    // with `notify` the newly selected option sends "selectchanged".
    virtual void Selected(bool selected, bool notify = true);

    bool IsSelected() const { return m_selected; }
    LPCWSTR GetGroup() const { return m_groupName; }
    void SetGroup(LPCWSTR name);
    void SetSelectedImage(LPCWSTR description) { SetImage(m_selectedImage, description); }
    void SetSelectedHotImage(LPCWSTR description) { SetImage(m_selectedHotImage, description); }
    void SetOptionForeImage(LPCWSTR description) { SetImage(m_optionForeImage, description); }

private:
    void DeselectOtherMembers(bool notify);

    bool m_selected = false;
    CUIString m_groupName;
    DWORD m_selectedBkColor = 0;
    DWORD m_selectedTextColor = 0;
    ImageDrawInfo m_selectedImage;
    ImageDrawInfo m_selectedHotImage;
    ImageDrawInfo m_optionForeImage;
};

}  // namespace SkinUI
