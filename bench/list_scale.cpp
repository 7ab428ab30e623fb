// Lists and trees of 10,000 rows against the same work on fewer rows: the
// cost of building, scrolling, emptying and of expanding a large subtree
// should follow what changes or shows, not the number of rows.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "bench/bench.h"
#include "ui/controls/UIList.h"
#include "ui/controls/UIListHeader.h"
#include "ui/controls/UIListHeaderItem.h"
#include "ui/controls/UIListTextElement.h"
#include "ui/core/manager/UIManager.h"
#include "ui/extra/UITreeView.h"

namespace {

constexpr int kWidth = 708;
constexpr int kHeight = 400;
constexpr int kColumnWidths[] = {120, 220, 120, 105};

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* manager = reinterpret_cast<SkinUI::CUIManager*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    LRESULT result = 0;
    if (manager != nullptr && manager->MessageHandler(message, wParam, lParam, result)) {
        return result;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ListScaleBench";
    ::RegisterClassW(&windowClass);
    return ::CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth,
                             kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// A window with its manager, a root control and everything drawn once.
class Window {
public:
    explicit Window(SkinUI::CControlUI* root) : m_hwnd(MakeWindow()), m_manager(new SkinUI::CUIManager) {
        m_manager->Init(m_hwnd, L"bench");
        ::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_manager.get()));
        m_manager->AttachRoot(root);
        Paint();
    }
    ~Window() {
        DestroyTree();
        if (m_hwnd != nullptr) {
            ::DestroyWindow(m_hwnd);
        }
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Lays out and paints what is pending, then delivers what was queued
    // (deferred destruction among it).
    void Paint() {
        ::UpdateWindow(m_hwnd);
        MSG msg;
        while (::PeekMessageW(&msg, m_hwnd, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&msg);
        }
    }
    HWND Handle() const { return m_hwnd; }
    // What closing the window does to its controls: the manager goes, and the tree with it.
    void DestroyTree() {
        ::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        m_manager.reset();
    }

private:
    HWND m_hwnd;
    std::unique_ptr<SkinUI::CUIManager> m_manager;
};

SkinUI::CListUI* MakeList() {
    auto* list = new SkinUI::CListUI;
    list->EnableScrollBar(true, false);
    for (int width : kColumnWidths) {
        auto* item = new SkinUI::CListHeaderItemUI;
        item->SetFixedWidth(width);
        item->SetText(L"column");
        list->Add(item);
    }
    return list;
}

void AddRows(SkinUI::CListUI* list, int count) {
    for (int row = 0; row < count; ++row) {
        auto* element = new SkinUI::CListTextElementUI;
        element->SetFixedHeight(26);
        list->Add(element);
        element->SetText(0, L"QuilletAlpha.ttf");
        element->SetText(1, L"C:\\Fonts\\Quillet\\QuilletAlpha.ttf");
        element->SetText(2, L"loaded");
        element->SetText(3, L"x");
    }
}

struct ListTimes {
    double build = 0;
    double scroll = 0;
    double destroy = 0;
};

constexpr int kNotches = 10;

// Each operation timed alone; the best of `runs` fresh lists.
ListTimes TimeList(int rows, int runs) {
    ListTimes best = {1e300, 1e300, 1e300};
    for (int run = 0; run < runs; ++run) {
        SkinUI::CListUI* list = MakeList();
        auto* window = new Window(list);
        double start = bench::Seconds();
        AddRows(list, rows);
        window->Paint();
        best.build = std::min(best.build, bench::Seconds() - start);

        // A notch costs milliseconds: the best of several, down and up again,
        // keeps a busy machine's pauses out of the figure.
        POINT screen = {kWidth / 2, kHeight / 2};
        ::ClientToScreen(window->Handle(), &screen);
        int direction = -1;
        best.scroll = std::min(best.scroll, bench::BestOf(kNotches, [&] {
                                   ::SendMessageW(window->Handle(), WM_MOUSEWHEEL,
                                                  MAKEWPARAM(0, static_cast<WORD>(direction * WHEEL_DELTA)),
                                                  MAKELPARAM(screen.x, screen.y));
                                   window->Paint();
                                   direction = -direction;
                               }));

        // Emptied, and then the window's tree destroyed with a second list of
        // the same rows; the system's own work to destroy a window is left out.
        start = bench::Seconds();
        list->RemoveAll();
        window->Paint();
        const double emptied = bench::Seconds() - start;
        AddRows(list, rows);
        window->Paint();
        start = bench::Seconds();
        window->DestroyTree();
        best.destroy = std::min(best.destroy, emptied + bench::Seconds() - start);
        delete window;
    }
    return best;
}

// Collapsing and expanding a node with `descendants` children, laid out and painted each time.
double TimeTreeExpand(int descendants, int runs) {
    auto* tree = new SkinUI::CTreeViewUI;
    auto* top = new SkinUI::CTreeNodeUI;
    top->SetText(L"fonts");
    for (int child = 0; child < descendants; ++child) {
        auto* node = new SkinUI::CTreeNodeUI;
        node->SetText(L"QuilletAlpha.ttf");
        top->AppendChildNode(node);
    }
    tree->Add(top);
    Window window(tree);
    return bench::BestOf(runs, [&] {
        tree->ShowSubtree(false, top);
        window.Paint();
        tree->ShowSubtree(true, top);
        window.Paint();
    });
}

}  // namespace

int main() {
    const ListTimes small = TimeList(100, 5);
    const ListTimes medium = TimeList(1000, 3);
    const ListTimes large = TimeList(10000, 2);
    char detail[200];
    std::snprintf(detail, sizeof detail, "%.3f ms for 10,000 rows, %.3f ms for 100", large.scroll * 1e3,
                  small.scroll * 1e3);
    bench::Report("list-scroll-10000", large.scroll / small.scroll, "ratio", detail);
    std::snprintf(detail, sizeof detail, "%.2f us per row for 10,000, %.2f us for 1,000", large.build * 1e2,
                  medium.build * 1e3);
    bench::Report("list-build-10000", (large.build / 10000) / (medium.build / 1000), "ratio", detail);
    std::snprintf(detail, sizeof detail, "%.2f us per row for 10,000, %.2f us for 1,000", large.destroy * 1e2,
                  medium.destroy * 1e3);
    bench::Report("list-destroy-10000", (large.destroy / 10000) / (medium.destroy / 1000), "ratio", detail);

    const double treeSmall = TimeTreeExpand(1000, 3);
    const double treeLarge = TimeTreeExpand(10000, 1);
    std::snprintf(detail, sizeof detail, "%.2f us per row for 10,000, %.2f us for 1,000", treeLarge * 1e2,
                  treeSmall * 1e3);
    bench::Report("tree-expand-10000", (treeLarge / 10000) / (treeSmall / 1000), "ratio", detail);
    return 0;
}
