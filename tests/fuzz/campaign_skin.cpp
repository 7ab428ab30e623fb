// Mutated skins through the whole pipeline: parse, build (every element the
// builder knows), attach to a hidden window, lay out, paint into a DIB, a
// click and a wheel turn, paint again, destroy. One hidden window serves every case:
// windows are slow to make under Wine. Each case gets a fresh manager, and
// the window is put back as it was, so that a case does not depend on the
// ones before it.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "tests/fuzz/fuzz_campaign.h"
#include "tests/fuzz/fuzz_mutate.h"
#include "tests/fuzz/fuzz_seeds.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/gdi/UIFontKeeper.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/window/UILayoutBuilder.h"

using namespace SkinUI;

namespace fuzz {

namespace {

constexpr int kHostWidth = 480;
constexpr int kHostHeight = 360;

CUIManager* g_manager = nullptr;

LRESULT CALLBACK HostProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (g_manager != nullptr && g_manager->MessageHandler(message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_PAINT) {
        ::ValidateRect(hwnd, nullptr);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// The element and attribute texts of the seeds, put into the seeds elsewhere.
struct Vocabulary {
    std::vector<std::string> elements;
    std::vector<std::string> attributes;  // name="value"
};

void Collect(const Bytes& seed, Vocabulary& words) {
    const std::string text(seed.begin(), seed.end());
    for (size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
        size_t end = at + 1;
        while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) {
            ++end;
        }
        if (end > at + 1) {
            words.elements.push_back(text.substr(at + 1, end - at - 1));
        }
    }
    for (size_t at = text.find("=\""); at != std::string::npos; at = text.find("=\"", at + 2)) {
        size_t start = at;
        while (start > 0 && std::isalnum(static_cast<unsigned char>(text[start - 1]))) {
            --start;
        }
        const size_t close = text.find('"', at + 2);
        if (start < at && close != std::string::npos && close - start < 200) {
            words.attributes.push_back(text.substr(start, close + 1 - start));
        }
    }
    std::sort(words.elements.begin(), words.elements.end());
    words.elements.erase(std::unique(words.elements.begin(), words.elements.end()), words.elements.end());
    std::sort(words.attributes.begin(), words.attributes.end());
    words.attributes.erase(std::unique(words.attributes.begin(), words.attributes.end()), words.attributes.end());
}

// A place right after an element name or an attribute value, where another attribute fits.
size_t AttributeSlot(const Bytes& text, Random& random) {
    for (int attempt = 0; attempt < 8 && !text.empty(); ++attempt) {
        const size_t at = random.Below(text.size());
        if (text[at] == ' ' && at > 0 && (text[at - 1] == '"' || std::isalpha(text[at - 1]))) {
            return at;
        }
    }
    return text.size();
}

class SkinCampaign final : public Campaign {
public:
    ~SkinCampaign() override {
        if (m_canvas != nullptr) {
            ::SelectObject(m_canvasDC, m_previousBitmap);
            ::DeleteObject(m_canvas);
        }
        if (m_canvasDC != nullptr) {
            ::DeleteDC(m_canvasDC);
        }
        if (m_host != nullptr) {
            ::DestroyWindow(m_host);
        }
    }
    const char* Name() const override { return "skin"; }
    const char* Extension() const override { return "xml"; }

    bool Prepare() override {
        CUIManager::SetInstance(::GetModuleHandleW(nullptr));
        m_seeds = ResourceSeeds(L"XML", 100, 130);
        for (const Bytes& seed : ResourceSeeds(L"FUZZSKIN", 1, 16)) {
            m_seeds.push_back(seed);
        }
        for (const Bytes& seed : m_seeds) {
            Collect(seed, m_words);
        }
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &HostProcedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"QuilletFuzzHost";
        ::RegisterClassW(&windowClass);
        m_host = ::CreateWindowExW(0, L"QuilletFuzzHost", L"", WS_POPUP, 0, 0, kHostWidth, kHostHeight, nullptr,
                                   nullptr, windowClass.hInstance, nullptr);
        LPBYTE bits = nullptr;
        m_canvas = Render::CreateDib32(::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN),
                                       Render::DibRows::TopDown, &bits);
        m_canvasDC = ::CreateCompatibleDC(nullptr);
        if (m_canvas == nullptr || m_canvasDC == nullptr) {
            return false;
        }
        m_previousBitmap = ::SelectObject(m_canvasDC, m_canvas);
        return m_host != nullptr && !m_seeds.empty() && !m_words.elements.empty() && !m_words.attributes.empty();
    }

    Bytes Make(Random& random) override {
        Bytes text = m_seeds[random.Below(m_seeds.size())];
        const int steps = 1 + static_cast<int>(random.Below(6));
        for (int step = 0; step < steps; ++step) {
            switch (random.Below(8)) {
            case 0:
            case 1:
                MutateMarkupNumber(text, random);
                break;
            case 2: {  // another known attribute, often with a mutated number
                std::string attribute = " " + m_words.attributes[random.Below(m_words.attributes.size())];
                Bytes inserted(attribute.begin(), attribute.end());
                MutateMarkupNumber(inserted, random);
                text.insert(text.begin() + AttributeSlot(text, random), inserted.begin(), inserted.end());
                break;
            }
            case 3: {  // an element in place of another
                const std::string& element = m_words.elements[random.Below(m_words.elements.size())];
                const std::string opening = "<" + element + " />";
                text.insert(text.begin() + random.Below(text.size() + 1), opening.begin(), opening.end());
                break;
            }
            case 4:
                text = Splice(text, m_seeds[random.Below(m_seeds.size())], random);
                break;
            default:
                MutateBytes(text, random);
                break;
            }
        }
        return text;
    }

    bool Run(const Bytes& input) override {
        ResetHost();
        {
            CUIManager manager;
            manager.Init(m_host, L"fuzz");
            g_manager = &manager;
            CLayoutBuilder builder;
            CControlUI* root = nullptr;
            if (builder.GetMarkup()->LoadFromMemory(input.data(), input.size())) {
                root = builder.Create(nullptr, &manager);
            }
            if (root != nullptr && manager.AttachRoot(root)) {
                Exercise(manager, input);
            }
            Pump();
            manager.RemoveAllTimers();
            manager.RemoveAllFonts(true);
            manager.RemoveAllImages(true);
            manager.RemoveAllDefaultAttributeList(true);
            g_manager = nullptr;
        }
        // A combo's drop-down is a popup of the window; a skin may leave it open.
        for (HWND popup = ::GetWindow(m_host, GW_ENABLEDPOPUP); popup != nullptr && popup != m_host;
             popup = ::GetWindow(m_host, GW_ENABLEDPOPUP)) {
            ::DestroyWindow(popup);
        }
        for (HWND child = ::GetWindow(m_host, GW_CHILD); child != nullptr; child = ::GetWindow(m_host, GW_CHILD)) {
            ::DestroyWindow(child);
        }
        Pump();
        return true;
    }

private:
    // Each call costs a round trip to the X server under Wine: only what a skin changed is put back.
    void ResetHost() {
        if (::GetWindowLongPtrW(m_host, GWL_EXSTYLE) != 0) {
            ::SetWindowLongPtrW(m_host, GWL_EXSTYLE, 0);
        }
        RECT box = {};
        if (::GetWindowRgnBox(m_host, &box) != ERROR) {
            ::SetWindowRgn(m_host, nullptr, FALSE);
        }
        ::GetWindowRect(m_host, &box);
        if (box.left != 0 || box.top != 0 || box.right != kHostWidth || box.bottom != kHostHeight) {
            ::SetWindowPos(m_host, nullptr, 0, 0, kHostWidth, kHostHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

    // The click lands where the input's hash says, so that mutations reach
    // every kind of control; the window sits at the screen's origin, so the
    // wheel's screen point is the same.
    void Exercise(CUIManager& manager, const Bytes& input) {
        Paint(manager);
        RECT client = {};
        ::GetClientRect(m_host, &client);
        uint32_t hash = 2166136261u;
        for (unsigned char byte : input) {
            hash = (hash ^ byte) * 16777619u;
        }
        const int x = client.right > 0 ? static_cast<int>(hash % static_cast<uint32_t>(client.right)) : 0;
        const int y = client.bottom > 0 ? static_cast<int>((hash >> 12) % static_cast<uint32_t>(client.bottom)) : 0;
        const LPARAM point = MAKELPARAM(x, y);
        LRESULT result = 0;
        manager.MessageHandler(WM_MOUSEMOVE, 0, point, result);
        manager.MessageHandler(WM_LBUTTONDOWN, MK_LBUTTON, point, result);
        manager.MessageHandler(WM_LBUTTONUP, 0, point, result);
        Pump();
        manager.MessageHandler(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), point, result);
        Pump();
        Paint(manager);
    }

    // Into one DIB the size of the screen, kept for every case, as the
    // manager paints into its back buffer.
    void Paint(CUIManager& manager) {
        if (manager.GetRoot() == nullptr) {
            return;
        }
        manager.LayOutPending();
        RECT client = {};
        ::GetClientRect(m_host, &client);
        const int saved = ::SaveDC(m_canvasDC);
        {
            Render::CFontKeeper fonts(m_canvasDC);
            manager.GetRoot()->Paint(m_canvasDC, client, nullptr);
        }
        ::RestoreDC(m_canvasDC, saved);
    }

    void Pump() {
        MSG msg;
        for (int count = 0; count < 256 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++count) {
            if (msg.message != WM_QUIT) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
    }

    std::vector<Bytes> m_seeds;
    Vocabulary m_words;
    HWND m_host = nullptr;
    HBITMAP m_canvas = nullptr;
    HDC m_canvasDC = nullptr;
    HGDIOBJ m_previousBitmap = nullptr;
};

}  // namespace

std::unique_ptr<Campaign> MakeSkinCampaign() {
    return std::make_unique<SkinCampaign>();
}

}  // namespace fuzz
