#pragma once

#include <windows.h>

#include "ui/controls/UIListContainerElement.h"

namespace SkinUI {

// A container row whose children stand in the list's columns, one child per
// column, with the list's vertical lines between them.
class CListHBoxElementUI : public CListContainerElementUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    void SetPos(RECT rect, bool needInvalidate = true) override;
    bool DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

private:
    // Where the n-th placed child goes: its column less its padding, or
    // nowhere (an empty rectangle) when there is no such column.
    RECT CellRect(const ListInfo& info, int column, const RECT& padding) const;
};

}  // namespace SkinUI
