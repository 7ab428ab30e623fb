#include "ui/controls/UIListInfo.h"

#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/core/control/UIControl.h"

namespace SkinUI {

namespace {

struct ColorAttribute {
    LPCWSTR name;
    DWORD ListInfo::*field;
};

const ColorAttribute kColorAttributes[] = {
    {L"itemtextcolor", &ListInfo::textColor},
    {L"itembkcolor", &ListInfo::bkColor},
    {L"itemselectedtextcolor", &ListInfo::selectedTextColor},
    {L"itemselectedbkcolor", &ListInfo::selectedBkColor},
    {L"itemhottextcolor", &ListInfo::hotTextColor},
    {L"itemhotbkcolor", &ListInfo::hotBkColor},
    {L"itemdisabledtextcolor", &ListInfo::disabledTextColor},
    {L"itemdisabledbkcolor", &ListInfo::disabledBkColor},
    {L"itemhlinecolor", &ListInfo::hLineColor},
    {L"itemvlinecolor", &ListInfo::vLineColor},
};

struct ImageAttribute {
    LPCWSTR name;
    ImageDrawInfo ListInfo::*field;
};

const ImageAttribute kImageAttributes[] = {
    {L"itembkimage", &ListInfo::bkImage},
    {L"itemselectedimage", &ListInfo::selectedImage},
    {L"itemhotimage", &ListInfo::hotImage},
    {L"itemdisabledimage", &ListInfo::disabledImage},
};

}  // namespace

bool ApplyListInfoAttribute(ListInfo& info, CControlUI& holder, LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return false;
    }
    if (value == nullptr) {
        value = L"";
    }
    for (const ColorAttribute& attribute : kColorAttributes) {
        if (IsName(name, attribute.name)) {
            info.*attribute.field = ParseColor(value);
            holder.Invalidate();
            return true;
        }
    }
    for (const ImageAttribute& attribute : kImageAttributes) {
        if (IsName(name, attribute.name)) {
            if ((info.*attribute.field).Reset(value)) {
                holder.Invalidate();
            }
            return true;
        }
    }
    // Size and style settings are read at the next layout; padding, markup
    // and lines move the rows or their cells, so they ask for one.
    if (IsName(name, L"itemheight")) {
        info.itemHeight = ClampLength(ParseInt(value));
    } else if (IsName(name, L"itemfont")) {
        info.font = ParseInt(value);
    } else if (IsName(name, L"itemalign")) {
        ApplyAlignWords(info.textStyle, value);
    } else if (IsName(name, L"itemvalign")) {
        ApplyVAlignWords(info.textStyle, value);
    } else if (IsName(name, L"itemendellipsis")) {
        info.textStyle = ParseBool(value) ? (info.textStyle | DT_END_ELLIPSIS) : (info.textStyle & ~DT_END_ELLIPSIS);
    } else if (IsName(name, L"itemmultiline")) {
        ApplyMultiline(info.textStyle, ParseBool(value));
    } else if (IsName(name, L"itemtextpadding")) {
        info.textPadding = ClampRect(ParseRect(value));
        holder.NeedUpdate();
    } else if (IsName(name, L"itemshowhtml")) {
        info.showHtml = ParseBool(value);
        holder.NeedUpdate();
    } else if (IsName(name, L"itemhlinesize")) {
        info.hLineSize = ClampLength(ParseInt(value));
        holder.NeedUpdate();
    } else if (IsName(name, L"itemvlinesize")) {
        info.vLineSize = ClampLength(ParseInt(value));
        holder.NeedUpdate();
    } else if (IsName(name, L"itemaltbk")) {
        info.alternateBk = ParseBool(value);
        holder.Invalidate();
    } else {
        return false;
    }
    return true;
}

bool ListInfo::GetColumnSpan(LONG& left, LONG& right) const {
    bool found = false;
    for (int index = 0; index < columnCount && index < kMaxListColumns; ++index) {
        const RECT& column = columns[index];
        if (!HasColumnWidth(column)) {
            continue;
        }
        if (!found) {
            left = column.left;
            found = true;
        }
        right = column.right;
    }
    return found;
}

void ApplyMultiline(UINT& style, bool multiline) {
    if (multiline) {
        style &= ~DT_SINGLELINE;
        style |= DT_WORDBREAK;
    } else {
        style |= DT_SINGLELINE;
    }
}

}  // namespace SkinUI
