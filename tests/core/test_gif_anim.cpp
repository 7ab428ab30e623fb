// The animated image: frames read through the resource location, stepped at
// the delays of the file by the manager's timer, stopped when hidden or gone.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/gif_encode.h"
#include "tests/core/location_reset.h"
#include "tests/core/paint_canvas.h"
#include "tests/core/png_encode.h"
#include "tests/core/temp_folder.h"
#include "tests/core/ui_test_window.h"
#include "tests/core/zip_writer.h"
#include "ui/core/gdi/UIGdiPlus.h"
#include "ui/core/window/UILayoutBuilder.h"
#include "ui/extra/UIGifAnim.h"

using namespace SkinUI;

namespace {

constexpr DWORD kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
constexpr int kSide = 40;  // the control's size in the skins below
constexpr DWORD kUnpainted = 0x123456;

giftest::Bytes ThreeFrames() {
    const uint32_t palette[4] = {kRed, kGreen, kBlue, kWhite};
    return giftest::EncodeGif(8, 6, palette, {{0, 0}, {5, 1}, {10, 2}});
}

class GifAnim : public ::testing::Test {
protected:
    GifAnim() {
        const giftest::Bytes gif = ThreeFrames();
        folder.Write(L"anim.gif", gif.data(), gif.size());
        const pngtest::Bytes png = pngtest::EncodePng(std::vector<unsigned char>(8 * 6 * 3, 255), 8, 6, 3);
        folder.Write(L"still.png", png.data(), png.size());
        CResourceLocation::SetResourcePath(folder.Path().c_str());
    }

    // The first control of a vertical layout built from `items` and attached to the manager.
    CGifAnimUI* BuildItems(const std::wstring& items) {
        CLayoutBuilder builder;
        root = static_cast<CContainerUI*>(
            builder.Create((L"<Window><VerticalLayout>" + items + L"</VerticalLayout></Window>").c_str(), nullptr,
                           nullptr, &windowed.manager));
        windowed.manager.AttachRoot(root);
        root->SetPos(RECT{0, 0, 200, 200});
        return root->GetCount() > 0 ? static_cast<CGifAnimUI*>(root->GetItemAt(0)->GetInterface(L"GifAnim")) : nullptr;
    }
    CGifAnimUI* Build(LPCWSTR image, LPCWSTR more = L"") {
        return BuildItems(std::wstring(L"<GifAnim width=\"40\" height=\"40\" bkimage=\"") + image + L"\" " + more +
                          L"/>");
    }

    // A real tick of the window timer that the manager gave the control's first timer.
    void Tick() { ::SendMessageW(windowed.window.Handle(), WM_TIMER, CControlTimers::kFirstNativeId, 0); }
    UINT Interval(CGifAnimUI* gif) { return windowed.manager.GetTimerElapse(gif, CGifAnimUI::kFrameTimerId); }
    // The colour painted in the middle of the control; kUnpainted where nothing was.
    DWORD Shown(CGifAnimUI* gif) {
        PaintCanvas canvas(kSide + 10, kSide + 10, kUnpainted);
        gif->Paint(canvas.Dc(), canvas.Rect(), nullptr);
        EXPECT_EQ(canvas.Rgb(kSide + 5, kSide + 5), kUnpainted) << "nothing outside the control";
        const RECT& pos = gif->GetPos();
        return canvas.Rgb((pos.left + pos.right) / 2, (pos.top + pos.bottom) / 2);
    }

    TempFolder folder;
    LocationReset location;
    WindowedManager windowed;
    CContainerUI* root = nullptr;
};

TEST_F(GifAnim, StepsThroughItsFramesAtTheirDelaysAndWrapsAround) {
    CGifAnimUI* gif = Build(L"anim.gif");
    ASSERT_NE(gif, nullptr);
    // Delays 0, 5 and 10 hundredths: 0 stands for 100 ms.
    const struct {
        DWORD colour;
        UINT interval;
    } steps[] = {{kRed, 100}, {kGreen, 50}, {kBlue, 100}, {kRed, 100}, {kGreen, 50}};
    for (const auto& step : steps) {
        EXPECT_EQ(Shown(gif), step.colour);
        EXPECT_EQ(Interval(gif), step.interval);
        Tick();
    }
}

TEST_F(GifAnim, OnlyAnAnimationWithAutoplayStartsTheTimer) {
    const giftest::Bytes gif = ThreeFrames();
    const ziptest::Bytes zip = ziptest::BuildZip({{"Anim.GIF", std::string(gif.begin(), gif.end()), true, 0, ""}});
    folder.Write(L"skin.zip", zip.data(), zip.size());
    const std::wstring plainPath = folder.Path() + L"anim.gif";
    const struct {
        LPCWSTR image, more, zip;
        DWORD colour;
        UINT interval;
        SIZE size;
        bool animated;
    } cases[] = {
        {L"anim.gif", L"", L"", kRed, 100, {kSide, kSide}, true},
        {L"anim.gif", L"autoplay=\"TRUE\"", L"", kRed, 0, {kSide, kSide}, true},
        {L"anim.gif", L"autosize=\"true\" autoplay=\"false\"", L"", kRed, 0, {8, 6}, true},
        {plainPath.c_str(), L"", L"", kRed, 100, {kSide, kSide}, true},
        {L"anim.gif", L"", L"skin.zip", kRed, 100, {kSide, kSide}, true},
        {L"still.png", L"", L"", kWhite, 0, {kSide, kSide}, false},
        {L"missing.gif", L"", L"", kUnpainted, 0, {kSide, kSide}, false},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(std::wstring(each.image) + L" " + each.more + L" " + each.zip);
        CResourceLocation::SetResourceZip(each.zip);
        CGifAnimUI* gif = Build(each.image, each.more);
        ASSERT_NE(gif, nullptr);
        EXPECT_EQ(Interval(gif), each.interval);
        EXPECT_EQ(gif->GetFixedWidth(), each.size.cx);
        EXPECT_EQ(gif->GetFixedHeight(), each.size.cy);
        gif->SetVisible(false);
        gif->SetVisible(true);
        gif->Play();
        EXPECT_EQ(Interval(gif), each.animated ? 100u : 0u) << "showing plays what has frames, from the first";
        EXPECT_EQ(Shown(gif), each.colour);
    }
}

TEST_F(GifAnim, NoImageDrawsNothingAndDamagedOnesStayInside) {
    CGifAnimUI* gif = Build(L"");
    ASSERT_NE(gif, nullptr);
    const giftest::Bytes whole = ThreeFrames();
    std::vector<std::string> damaged = {"not an image", "GIF89a", std::string(300, '\xFF')};
    const size_t notImages = damaged.size();
    // These may draw something, but only inside the control.
    giftest::Bytes huge = whole;
    huge[6] = huge[7] = huge[8] = huge[9] = 0xFF;  // a logical screen of 65535 x 65535 around small frames
    damaged.emplace_back(huge.begin(), huge.end());
    for (size_t length = 1; length < whole.size(); length += 7) {
        damaged.emplace_back(whole.begin(), whole.begin() + length);
    }
    for (size_t i = 0; i < damaged.size(); ++i) {
        SCOPED_TRACE(i);
        const std::wstring name = L"bad" + std::to_wstring(i) + L".gif";
        folder.Write(name, damaged[i]);
        gif->SetBkImage(name.c_str());
        const DWORD shown = Shown(gif);
        for (int tick = 0; tick < 3; ++tick) {
            gif->Play();
            Tick();
        }
        if (i < notImages) {
            EXPECT_EQ(shown, kUnpainted);
            EXPECT_EQ(Interval(gif), 0u);
        }
    }
}

TEST_F(GifAnim, HidingStopsAndRewindsAndShowingPlaysAgain) {
    CGifAnimUI* gif = Build(L"anim.gif");
    ASSERT_NE(gif, nullptr);
    Tick();
    ASSERT_EQ(Interval(gif), 50u);
    gif->SetVisible(false);
    EXPECT_EQ(Interval(gif), 0u);
    Tick();
    gif->SetVisible(true);
    EXPECT_EQ(Interval(gif), 100u);
    EXPECT_EQ(Shown(gif), kRed);
}

TEST_F(GifAnim, TheImageIsReadOncePerName) {
    const int usersBefore = GdiPlusUserCount();
    CGifAnimUI* gif = Build(L"later.gif");
    ASSERT_NE(gif, nullptr);
    EXPECT_EQ(Shown(gif), kUnpainted);
    const giftest::Bytes bytes = ThreeFrames();
    folder.Write(L"later.gif", bytes.data(), bytes.size());
    EXPECT_EQ(Shown(gif), kUnpainted) << "a missing file is not looked for at every paint";
    gif->SetBkImage(L"anim.gif");
    EXPECT_EQ(Shown(gif), kRed);
    gif->Init();
    EXPECT_EQ(GdiPlusUserCount(), usersBefore + 1) << "a second init keeps the one image";
}

TEST_F(GifAnim, DestroyingAPlayingControlKillsItsTimer) {
    const int usersBefore = GdiPlusUserCount();
    CGifAnimUI* gif = Build(L"anim.gif");
    ASSERT_NE(gif, nullptr);
    Tick();
    ASSERT_EQ(Interval(gif), 50u);
    root->Remove(gif, true);
    gif->Delete();
    EXPECT_FALSE(::KillTimer(windowed.window.Handle(), CControlTimers::kFirstNativeId));
    EXPECT_EQ(GdiPlusUserCount(), usersBefore);
}

TEST_F(GifAnim, TheElementNameMatchesInExactCaseOnly) {
    CGifAnimUI* gif = BuildItems(L"<gifanim/><GIFANIM/><GifAnim/>");
    ASSERT_NE(gif, nullptr);
    EXPECT_EQ(root->GetCount(), 1);
}

}  // namespace
