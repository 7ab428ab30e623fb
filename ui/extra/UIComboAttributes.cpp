// The combo box's attributes: its own, and the "item..." ones that style every row.

#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/extra/UICombo.h"

namespace SkinUI {

void CComboUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    const struct {
        LPCWSTR name;
        ImageDrawInfo& image;
    } stateImages[] = {
        {L"normalimage", m_normalImage},   {L"hotimage", m_hotImage},           {L"pushedimage", m_pushedImage},
        {L"focusedimage", m_focusedImage}, {L"disabledimage", m_disabledImage},
    };
    for (const auto& state : stateImages) {
        if (IsName(name, state.name)) {
            SetImage(state.image, value);
            return;
        }
    }
    if (IsName(name, L"textpadding")) {
        m_textPadding = ClampRect(ParseRect(value));
        Invalidate();
    } else if (IsName(name, L"showtext")) {
        m_showText = ParseBool(value);
        Invalidate();
    } else if (IsName(name, L"dropbox")) {
        m_dropBoxAttributes = value;
    } else if (IsName(name, L"dropboxsize")) {
        const SIZE size = ParseSize(value);
        m_dropBoxSize = SIZE{ClampLength(size.cx), ClampLength(size.cy)};
    } else if (!ApplyListInfoAttribute(m_info, *this, name, value)) {
        CContainerUI::SetAttribute(name, value);
    }
}

}  // namespace SkinUI
