#pragma once

// Rich text drawn into a canvas, and the same text drawn run by run with
// plain GDI into a second canvas to compare against.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "tests/core/paint_canvas.h"
#include "tests/core/text_host.h"
#include "ui/core/gdi/UIColorRef.h"
#include "ui/core/render/UIRichText.h"

class RichTextTest : public ::testing::Test {
protected:
    static constexpr DWORD kBackground = 0x00FFFFFF;
    static constexpr DWORD kBlack = 0xFF000000;
    static constexpr int kLinkCapacity = 8;

    RichTextTest() : canvas(240, 120, kBackground), expected(240, 120, kBackground) {}

    // Draws into the canvas with room for kLinkCapacity links; returns how many were found.
    int Draw(LPCWSTR text, RECT rect, UINT style = 0, DWORD color = kBlack, int fontId = -1) {
        linkCount = kLinkCapacity;
        SkinUI::Render::DrawRichText(canvas.Dc(), host, rect, text, color, links, names, linkCount, fontId, style);
        return linkCount;
    }
    RECT Measure(LPCWSTR text, RECT rect, UINT style = 0, int fontId = -1) {
        linkCount = kLinkCapacity;
        SkinUI::Render::DrawRichText(canvas.Dc(), host, rect, text, kBlack, links, names, linkCount, fontId,
                                     style | DT_CALCRECT);
        return rect;
    }

    SkinUI::FontEntry* Font(int id = -1) { return host.GetFontInfo(id); }
    // The font that rich text added last.
    SkinUI::FontEntry* Added() { return host.GetFontInfo(host.addedIds.back()); }
    int Width(SkinUI::FontEntry* font, LPCWSTR text) {
        HGDIOBJ previous = SelectObject(expected.Dc(), font->font);
        SIZE size = {0, 0};
        GetTextExtentPoint32W(expected.Dc(), text, lstrlenW(text), &size);
        SelectObject(expected.Dc(), previous);
        return size.cx;
    }
    static int Height(const SkinUI::FontEntry* font) {
        return font->textMetrics.tmHeight + font->textMetrics.tmExternalLeading;
    }
    // Where text of `font` starts vertically when bottom-aligned in a line.
    static int BottomAligned(const SkinUI::FontEntry* font, int lineTop, int lineHeight) {
        return lineTop + lineHeight - font->textMetrics.tmHeight;
    }

    // Draws one run into `expected`; returns the pen position after it.
    int Expect(SkinUI::FontEntry* font, int x, int y, LPCWSTR text, DWORD color = kBlack) {
        HDC dc = expected.Dc();
        HGDIOBJ previous = SelectObject(dc, font->font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, SkinUI::Render::ToColorRef(color));
        TextOutW(dc, x, y, text, lstrlenW(text));
        SelectObject(dc, previous);
        return x + Width(font, text);
    }
    // Colours only: GDI text leaves the alpha byte alone, blits of images set it.
    ::testing::AssertionResult SameAsExpected() const {
        const auto drawn = canvas.Snapshot();
        const auto wanted = expected.Snapshot();
        for (size_t i = 0; i < drawn.size(); ++i) {
            if ((drawn[i] & 0xFFFFFF) != (wanted[i] & 0xFFFFFF)) {
                char message[96];
                std::snprintf(message, sizeof(message), "first difference at (%d, %d): %06lX instead of %06lX",
                              static_cast<int>(i % 240), static_cast<int>(i / 240), drawn[i] & 0xFFFFFF,
                              wanted[i] & 0xFFFFFF);
                return ::testing::AssertionFailure() << message;
            }
        }
        return ::testing::AssertionSuccess();
    }
    // Bounds of the pixels that are not background; empty when there are none.
    RECT Ink() const {
        RECT bounds = {240, 120, 0, 0};
        const auto pixels = canvas.Snapshot();
        for (int y = 0; y < 120; ++y) {
            for (int x = 0; x < 240; ++x) {
                if ((pixels[y * 240 + x] & 0xFFFFFF) != kBackground) {
                    bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                              std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
                }
            }
        }
        return bounds.right == 0 ? RECT{0, 0, 0, 0} : bounds;
    }
    int CountRgb(DWORD rgb) const {
        int count = 0;
        for (int y = 0; y < 120; ++y) {
            for (int x = 0; x < 240; ++x)
                count += canvas.Rgb(x, y) == rgb ? 1 : 0;
        }
        return count;
    }

    FakeTextHost host;
    PaintCanvas canvas;
    PaintCanvas expected;
    RECT links[kLinkCapacity] = {};
    SkinUI::CUIString names[kLinkCapacity];
    int linkCount = 0;
};
