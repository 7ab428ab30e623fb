#pragma once

#include <windows.h>

#include "ui/core/render/UIRichTextHost.h"

namespace SkinUI {
namespace Render {

// Draws text with the HTML-like markup of labels and text controls inside
// `rect`, starting in the colour `color` (0xAARRGGBB, alpha ignored) and the
// host's font `fontId`. A tag is '<' or '{', a letter and either '>' or '}'
// or a blank, arguments and '>' or '}'; it closes with "</x>" or "{/x}".
//   a name   link (the host's link colours, underlined)
//   b, i, u  bold, italic, underlined variant of the current font
//   c #RRGGBB  colour
//   f id | f face [size] [bold] [underline] [italic]   font
//   i name [count [index]]   one of `count` side-by-side cells of an image
//   n        line break          p [spacing]  paragraph
//   r        raw: no markup up to </r>
//   s        selected (the host's selected colour behind the text)
//   v center|top|bottom   vertical alignment within the line
//   x pixels  move the pen       y pixels  set the line height
// "<{>", "<}>", "{<}" and "{>}" stand for a literal '{', '}', '<' and '>'.
//
// `style` takes the DrawText flags DT_CENTER, DT_RIGHT, DT_VCENTER,
// DT_BOTTOM, DT_WORDBREAK, DT_SINGLELINE, DT_END_ELLIPSIS and DT_CALCRECT
// (measure only: nothing is drawn, the clip region stays as it is, and
// `rect` gets the right and bottom of the text). `rect` is not changed
// otherwise.
//
// `linkRects` and `linkNames` are arrays of `linkCount` entries. On entry
// they hold the links of the previous paint, which tell the hovered link
// (the host's mouse position); on return the first `linkCount` hold the link
// pieces found, one per line that a link spans.
void DrawRichText(HDC dc, IRichTextHost& host, RECT& rect, LPCWSTR text, DWORD color, RECT* linkRects,
                  CUIString* linkNames, int& linkCount, int fontId, UINT style);

}  // namespace Render
}  // namespace SkinUI
