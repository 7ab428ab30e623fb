#include "ui/controls/UITextEffects.h"

#include <objidl.h>

#include <gdiplus.h>

namespace SkinUI {

namespace {

namespace Gdip = Gdiplus::DllExports;
using Gdiplus::GpStatus;

// Owns one GDI+ object, so that it is freed on every way out of a draw.
template <typename Object, typename Base, GpStatus(WINGDIPAPI* Free)(Base*)>
class CGpObject {
public:
    CGpObject() = default;
    CGpObject(const CGpObject&) = delete;
    CGpObject& operator=(const CGpObject&) = delete;
    ~CGpObject() {
        if (m_object != nullptr) {
            Free(m_object);
        }
    }
    Object** Receive() { return &m_object; }
    Object* Get() const { return m_object; }

private:
    Object* m_object = nullptr;
};

using CGpFont = CGpObject<Gdiplus::GpFont, Gdiplus::GpFont, Gdip::GdipDeleteFont>;
using CGpGraphics = CGpObject<Gdiplus::GpGraphics, Gdiplus::GpGraphics, Gdip::GdipDeleteGraphics>;
using CGpFormat = CGpObject<Gdiplus::GpStringFormat, Gdiplus::GpStringFormat, Gdip::GdipDeleteStringFormat>;
using CGpGradient = CGpObject<Gdiplus::GpLineGradient, Gdiplus::GpBrush, Gdip::GdipDeleteBrush>;
using CGpSolid = CGpObject<Gdiplus::GpSolidFill, Gdiplus::GpBrush, Gdip::GdipDeleteBrush>;
using CGpBitmap = CGpObject<Gdiplus::GpBitmap, Gdiplus::GpImage, Gdip::GdipDisposeImage>;

bool Succeeded(GpStatus status) {
    return status == Gdiplus::Ok;
}

// The face travels as UTF-16: an ANSI round trip loses every name outside
// the system code page ("微软雅黑" would become question marks).
bool CreateGdipFont(HDC dc, HFONT font, CGpFont& result) {
    LOGFONTW logFont = {};
    if (font != nullptr && ::GetObjectW(font, sizeof(logFont), &logFont) == sizeof(logFont) &&
        Succeeded(Gdip::GdipCreateFontFromLogfontW(dc, &logFont, result.Receive()))) {
        return true;
    }
    // The device context's font is the label's own while GDI+ reads it.
    HGDIOBJ previous = font != nullptr ? ::SelectObject(dc, font) : nullptr;
    const bool created = Succeeded(Gdip::GdipCreateFontFromDC(dc, result.Receive()));
    if (previous != nullptr) {
        ::SelectObject(dc, previous);
    }
    return created;
}

bool CreateFormat(UINT textStyle, CGpFormat& format) {
    const Gdiplus::StringAlignment lineAlign = (textStyle & DT_VCENTER) != 0  ? Gdiplus::StringAlignmentCenter
                                               : (textStyle & DT_BOTTOM) != 0 ? Gdiplus::StringAlignmentFar
                                                                              : Gdiplus::StringAlignmentNear;
    const Gdiplus::StringAlignment align = (textStyle & DT_CENTER) != 0  ? Gdiplus::StringAlignmentCenter
                                           : (textStyle & DT_RIGHT) != 0 ? Gdiplus::StringAlignmentFar
                                                                         : Gdiplus::StringAlignmentNear;
    return Succeeded(Gdip::GdipCreateStringFormat(0, LANG_NEUTRAL, format.Receive())) &&
           Succeeded(Gdip::GdipSetStringFormatLineAlign(format.Get(), lineAlign)) &&
           Succeeded(Gdip::GdipSetStringFormatAlign(format.Get(), align));
}

bool CreateGradient(const TextEffects& effects, int length, DWORD from, DWORD to, CGpGradient& brush) {
    const Gdiplus::Point start(effects.gradientAngle, 0);
    const Gdiplus::Point end(0, length);
    return Succeeded(Gdip::GdipCreateLineBrushI(&start, &end, from, to, Gdiplus::WrapModeTile, brush.Receive()));
}

// The side of the shrunk glow bitmap: at least one pixel and never more than
// the text itself, whatever the fuzz (a fuzz below 1, or not a number).
int ReducedExtent(int extent, float fuzz) {
    const float reduced = static_cast<float>(extent) / fuzz;
    if (!(reduced >= 1.0f)) {
        return 1;
    }
    return reduced >= static_cast<float>(extent) ? extent : static_cast<int>(reduced);
}

// What every pass of one draw shares.
struct TextPass {
    Gdiplus::GpGraphics* graphics;
    Gdiplus::GpFont* font;
    Gdiplus::GpStringFormat* format;
    LPCWSTR text;
};

bool DrawString(const TextPass& pass, Gdiplus::GpGraphics* graphics, const Gdiplus::RectF& rect,
                Gdiplus::GpBrush* brush) {
    return Succeeded(Gdip::GdipDrawString(graphics, pass.text, -1, pass.font, &rect, pass.format, brush));
}

// The text is drawn into a bitmap of its own size at the bitmap's origin,
// shrunk and stretched back (the blur), and the result is put behind the
// text. Any failure leaves the glow out.
void DrawGlow(const TextPass& pass, const RECT& rect, Gdiplus::GpBrush* brush, const TextEffects& effects) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int reducedWidth = ReducedExtent(width, effects.luminousFuzz);
    const int reducedHeight = ReducedExtent(height, effects.luminousFuzz);
    const Gdiplus::RectF origin(0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height));
    CGpBitmap full;
    CGpGraphics fullGraphics;
    CGpBitmap reduced;
    CGpGraphics reducedGraphics;
    const bool ready =
        Succeeded(Gdip::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, full.Receive())) &&
        Succeeded(Gdip::GdipGetImageGraphicsContext(full.Get(), fullGraphics.Receive())) &&
        Succeeded(Gdip::GdipSetSmoothingMode(fullGraphics.Get(), Gdiplus::SmoothingModeAntiAlias)) &&
        Succeeded(Gdip::GdipSetTextRenderingHint(fullGraphics.Get(), Gdiplus::TextRenderingHintAntiAlias)) &&
        Succeeded(Gdip::GdipSetCompositingQuality(fullGraphics.Get(), Gdiplus::CompositingQualityAssumeLinear)) &&
        Succeeded(Gdip::GdipCreateBitmapFromScan0(reducedWidth, reducedHeight, 0, PixelFormat32bppARGB, nullptr,
                                                  reduced.Receive())) &&
        Succeeded(Gdip::GdipGetImageGraphicsContext(reduced.Get(), reducedGraphics.Receive())) &&
        Succeeded(
            Gdip::GdipSetInterpolationMode(reducedGraphics.Get(), Gdiplus::InterpolationModeHighQualityBicubic)) &&
        Succeeded(Gdip::GdipSetPixelOffsetMode(reducedGraphics.Get(), Gdiplus::PixelOffsetModeNone));
    if (!ready || !DrawString(pass, fullGraphics.Get(), origin, brush) ||
        !Succeeded(Gdip::GdipDrawImageRectI(reducedGraphics.Get(), full.Get(), 0, 0, reducedWidth, reducedHeight)) ||
        !Succeeded(Gdip::GdipGraphicsClear(fullGraphics.Get(), 0)) ||
        !Succeeded(Gdip::GdipDrawImageRect(fullGraphics.Get(), reduced.Get(), effects.shadowX, effects.shadowY,
                                           static_cast<float>(width), static_cast<float>(height)))) {
        return;
    }
    Gdip::GdipDrawImageRectI(pass.graphics, full.Get(), rect.left, rect.top, width, height);
}

void DrawStroke(const TextPass& pass, const Gdiplus::RectF& rect, DWORD color) {
    CGpSolid brush;
    if (!Succeeded(Gdip::GdipCreateSolidFill(color, brush.Receive()))) {
        return;
    }
    const float shifts[4][2] = {{-1.0f, 0.0f}, {1.0f, 0.0f}, {0.0f, -1.0f}, {0.0f, 1.0f}};
    for (const auto& shift : shifts) {
        const Gdiplus::RectF moved(rect.X + shift[0], rect.Y + shift[1], rect.Width, rect.Height);
        DrawString(pass, pass.graphics, moved, brush.Get());
    }
}

}  // namespace

bool DrawTextWithEffects(HDC dc, HFONT font, const RECT& rect, LPCWSTR text, const TextEffects& effects) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (dc == nullptr || text == nullptr || *text == L'\0' || width <= 0 || height <= 0) {
        return true;
    }
    CGpFont gpFont;
    CGpGraphics graphics;
    CGpFormat format;
    CGpGradient textBrush;
    const int gradientLength = effects.gradientLength != 0 ? effects.gradientLength : height;
    if (!CreateGdipFont(dc, font, gpFont) || !Succeeded(Gdip::GdipCreateFromHDC(dc, graphics.Receive())) ||
        !Succeeded(Gdip::GdipSetTextRenderingHint(graphics.Get(), Gdiplus::TextRenderingHintAntiAlias)) ||
        !CreateFormat(effects.textStyle, format) ||
        !CreateGradient(effects, gradientLength, effects.textColorFrom, effects.textColorTo, textBrush)) {
        return false;
    }
    const TextPass pass = {graphics.Get(), gpFont.Get(), format.Get(), text};
    const Gdiplus::RectF textRect(static_cast<float>(rect.left), static_cast<float>(rect.top),
                                  static_cast<float>(width), static_cast<float>(height));
    if (effects.luminous) {
        DrawGlow(pass, rect, textBrush.Get(), effects);
    }
    if (effects.stroke && effects.strokeColor != 0) {
        DrawStroke(pass, textRect, effects.strokeColor);
    }
    if (effects.shadow && (effects.shadowColorFrom != 0 || effects.shadowColorTo != 0)) {
        CGpGradient shadowBrush;
        if (CreateGradient(effects, gradientLength, effects.shadowColorFrom, effects.shadowColorTo, shadowBrush)) {
            const Gdiplus::RectF shadowRect(textRect.X + effects.shadowX, textRect.Y + effects.shadowY, textRect.Width,
                                            textRect.Height);
            DrawString(pass, graphics.Get(), shadowRect, shadowBrush.Get());
        }
    }
    return DrawString(pass, graphics.Get(), textRect, textBrush.Get());
}

}  // namespace SkinUI
