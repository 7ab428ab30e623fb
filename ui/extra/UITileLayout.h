#pragma once
// A container that places its children in a grid of equal cells, row by row:
// as many columns as fit ("itemsize"), or as many as "columns" says, with the
// spare width spread between them unless "childpadding" fixes the gap.
#include "ui/core/control/UIContainer.h"

namespace SkinUI {

class CTileLayoutUI : public CContainerUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    void SetPos(RECT rect, bool needInvalidate = true) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;

    SIZE GetItemSize() const { return Scaled(m_itemSize); }
    void SetItemSize(SIZE size);
    // 0: as many as fit; negative values are ignored.
    int GetColumns() const { return m_columns; }
    void SetColumns(int columns);
    int GetRowGap() const { return Scaled(m_rowGap); }
    void SetRowGap(int gap);

    // What the last layout used.
    int GetColumnsInUse() const { return m_columnsInUse; }
    int GetRows() const { return m_rows; }

private:
    // Columns in use and the gap between them for a client `width` (and the
    // width the bars let the children scroll through); returns the width the
    // children need.
    int ArrangeColumns(int width, int scrollWidth, bool horizontalBar, int placed, int& gap);

    SIZE m_itemSize = {80, 80};
    int m_columnsInUse = 1;
    int m_rows = 0;
    int m_columns = 0;
    int m_rowGap = 0;
};

}  // namespace SkinUI
