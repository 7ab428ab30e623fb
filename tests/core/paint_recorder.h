#pragma once

// Controls and listeners that record what a paint pass did to them.
#include <windows.h>

#include <vector>

#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"

class RecordingControl : public SkinUI::CContainerUI {
public:
    bool DoPaint(HDC dc, const RECT& paintRect, SkinUI::CControlUI* stopControl) override {
        painted.push_back(paintRect);
        return SkinUI::CContainerUI::DoPaint(dc, paintRect, stopControl);
    }
    void SetPos(RECT rect, bool needInvalidate = true) override {
        ++placements;
        SkinUI::CContainerUI::SetPos(rect, needInvalidate);
    }

    std::vector<RECT> painted;
    int placements = 0;
};

// Counts "windowinit" and remembers what the root looked like when it came.
class WindowInitListener : public SkinUI::INotifyUI {
public:
    explicit WindowInitListener(SkinUI::CUIManager& manager) : m_manager(manager) { manager.AddNotifier(this); }
    ~WindowInitListener() { m_manager.RemoveNotifier(this); }
    void Notify(SkinUI::NotifyMsg& msg) override {
        if (!(msg.type == L"windowinit")) {
            return;
        }
        ++count;
        sender = msg.sender;
        if (auto* root = dynamic_cast<RecordingControl*>(msg.sender)) {
            rootPos = root->GetPos();
            paintsBefore = root->painted.size();
        }
    }

    int count = 0;
    SkinUI::CControlUI* sender = nullptr;
    RECT rootPos = {0, 0, 0, 0};
    size_t paintsBefore = 0;

private:
    SkinUI::CUIManager& m_manager;
};
