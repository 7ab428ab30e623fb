#include "ui/extra/UIHostedWindowLabel.h"

namespace SkinUI {

void CHostedWindowLabelUI::SetPos(RECT rect, bool needInvalidate) {
    CLabelUI::SetPos(rect, needInvalidate);
    PlaceHostedWindow();
}

void CHostedWindowLabelUI::Move(SIZE offset, bool needInvalidate) {
    CLabelUI::Move(offset, needInvalidate);
    PlaceHostedWindow();
}

void CHostedWindowLabelUI::SetVisible(bool visible) {
    CLabelUI::SetVisible(visible);
    if (!IsVisible()) {
        CloseHostedWindow();
    }
}

void CHostedWindowLabelUI::SetAncestorVisible(bool visible) {
    CLabelUI::SetAncestorVisible(visible);
    if (!IsVisible()) {
        CloseHostedWindow();
    }
}

void CHostedWindowLabelUI::SetEnabled(bool enabled) {
    CLabelUI::SetEnabled(enabled);
    if (!IsEnabled()) {
        CloseHostedWindow();
    }
}

}  // namespace SkinUI
