// Cost of laying out a tree of 10,000 controls in four levels of nested box
// layouts: from scratch, and again after one leaf changed size (the update
// walk of the paint pass plus the layout of what it finds). Each figure is
// compared with a plain loop over plain structs that computes the same
// rectangles; the benchmark checks that the rectangles agree.
#include <cstdio>
#include <vector>

#include "bench/bench.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/control/UIHorizontalLayout.h"
#include "ui/core/control/UIVerticalLayout.h"
#include "ui/core/manager/UIManager.h"

namespace {

using SkinUI::CBoxLayoutUI;
using SkinUI::CControlUI;

constexpr int kRows = 10;
constexpr int kColumnsPerRow = 10;
constexpr int kCellsPerColumn = 10;
constexpr int kCells = kRows * kColumnsPerRow * kCellsPerColumn;
constexpr int kLeaves = 10000 - 1 - kRows - kRows * kColumnsPerRow - kCells;
constexpr RECT kClient = {0, 0, 1600, 1200};

// The requests of one control, and where the plain loop places it.
struct Node {
    bool container = false;
    bool vertical = false;
    int fixedWidth = 0;
    int fixedHeight = 0;
    int minWidth = 0;
    int maxHeight = 9999;
    RECT padding = {0, 0, 0, 0};
    int childPadding = 0;
    std::vector<int> children;
    RECT rect = {0, 0, 0, 0};
    CControlUI* control = nullptr;
};

int AddNode(std::vector<Node>& nodes, int parent, bool container, bool vertical) {
    nodes.emplace_back();
    nodes.back().container = container;
    nodes.back().vertical = vertical;
    const int index = static_cast<int>(nodes.size()) - 1;
    if (parent >= 0) {
        nodes[parent].children.push_back(index);
    }
    return index;
}

// Rows of columns of cells of leaves, with a mix of fixed and shared sizes,
// paddings and limits on every level.
std::vector<Node> MakeModel() {
    std::vector<Node> nodes;
    nodes.reserve(10000);
    const int root = AddNode(nodes, -1, true, true);
    nodes[root].childPadding = 2;
    int cell = 0;
    for (int r = 0; r < kRows; ++r) {
        const int row = AddNode(nodes, root, true, false);
        nodes[row].fixedHeight = r % 2 == 0 ? 100 : 0;
        nodes[row].padding = RECT{0, 1, 0, 1};
        nodes[row].childPadding = 1;
        for (int c = 0; c < kColumnsPerRow; ++c) {
            const int column = AddNode(nodes, row, true, true);
            nodes[column].fixedWidth = c % 3 == 0 ? 150 : 0;
            nodes[column].padding = RECT{1, 0, 1, 0};
            for (int k = 0; k < kCellsPerColumn; ++k, ++cell) {
                const int cellNode = AddNode(nodes, column, true, false);
                nodes[cellNode].fixedHeight = k % 4 == 0 ? 12 : 0;
                nodes[cellNode].childPadding = 1;
                const int leaves = kLeaves / kCells + (cell < kLeaves % kCells ? 1 : 0);
                for (int l = 0; l < leaves; ++l) {
                    const int leaf = AddNode(nodes, cellNode, false, false);
                    nodes[leaf].fixedWidth = l % 2 == 0 ? 10 : 0;
                    nodes[leaf].minWidth = l % 3 == 0 ? 3 : 0;
                    nodes[leaf].maxHeight = l % 5 == 0 ? 9 : 9999;
                }
            }
        }
    }
    return nodes;
}

CControlUI* MakeControl(std::vector<Node>& nodes, int index) {
    Node& node = nodes[index];
    CControlUI* control = nullptr;
    if (node.container) {
        CBoxLayoutUI* layout = node.vertical ? static_cast<CBoxLayoutUI*>(new SkinUI::CVerticalLayoutUI)
                                             : static_cast<CBoxLayoutUI*>(new SkinUI::CHorizontalLayoutUI);
        layout->SetChildPadding(node.childPadding);
        for (int child : node.children) {
            layout->Add(MakeControl(nodes, child));
        }
        control = layout;
    } else {
        control = new CControlUI;
    }
    control->SetFixedWidth(node.fixedWidth);
    control->SetFixedHeight(node.fixedHeight);
    control->SetMinWidth(node.minWidth);
    control->SetMaxHeight(node.maxHeight);
    control->SetPadding(node.padding);
    node.control = control;
    return control;
}

int Clamp(int value, int minimum, int maximum) {
    return value < minimum ? minimum : (value > maximum ? maximum : value);
}

int Smaller(int first, int second) {
    return first < second ? first : second;
}

// The box layout rule on plain structs: no virtual calls, no flags, no
// invalidation, no scroll bars.
void PlainLayout(std::vector<Node>& nodes, int index, const RECT& rect) {
    Node& node = nodes[index];
    node.rect = rect;
    if (!node.container || node.children.empty()) {
        return;
    }
    const bool v = node.vertical;
    const int availableMain = v ? rect.bottom - rect.top : rect.right - rect.left;
    const int availableCross = v ? rect.right - rect.left : rect.bottom - rect.top;
    const auto mainOf = [v](const Node& n) { return v ? n.fixedHeight : n.fixedWidth; };
    const auto minMainOf = [v](const Node& n) { return v ? 0 : n.minWidth; };
    const auto maxMainOf = [v](const Node& n) { return v ? n.maxHeight : (9999 > n.minWidth ? 9999 : n.minWidth); };
    const auto minCrossOf = [v](const Node& n) { return v ? n.minWidth : 0; };
    const auto maxCrossOf = [v](const Node& n) { return v ? (9999 > n.minWidth ? 9999 : n.minWidth) : n.maxHeight; };
    const auto crossFixedOf = [v](const Node& n) { return v ? n.fixedWidth : n.fixedHeight; };

    int adjustable = 0;
    int fixedTotal = 0;
    for (int childIndex : node.children) {
        const Node& child = nodes[childIndex];
        const int before = v ? child.padding.top : child.padding.left;
        const int after = v ? child.padding.bottom : child.padding.right;
        const int main = mainOf(child);
        fixedTotal += before + after + (main == 0 ? 0 : Clamp(main, minMainOf(child), maxMainOf(child)));
        adjustable += main == 0 ? 1 : 0;
    }
    const int gaps = (static_cast<int>(node.children.size()) - 1) * node.childPadding;
    fixedTotal += gaps;
    int expand = adjustable > 0 ? (availableMain - fixedTotal) / adjustable : 0;
    expand = expand < 0 ? 0 : expand;

    LONG cursor = v ? rect.top : rect.left;
    int remaining = availableMain;
    int remainingFixed = fixedTotal;
    int adjustablePlaced = 0;
    bool first = true;
    for (int childIndex : node.children) {
        const Node& child = nodes[childIndex];
        const int before = v ? child.padding.top : child.padding.left;
        const int after = v ? child.padding.bottom : child.padding.right;
        const int crossBefore = v ? child.padding.left : child.padding.top;
        const int crossAfter = v ? child.padding.right : child.padding.bottom;
        remaining -= before;
        const int crossLimit = crossFixedOf(child) > 0 ? crossFixedOf(child) : maxCrossOf(child);
        const int crossRoom = Smaller(availableCross - crossBefore - crossAfter, crossLimit);
        remainingFixed -= before + after + (first ? 0 : node.childPadding);
        int main = mainOf(child);
        if (main == 0) {
            main = ++adjustablePlaced == adjustable ? remaining - after - remainingFixed : expand;
            main = Clamp(main < 0 ? 0 : main, minMainOf(child), maxMainOf(child));
        } else {
            main = Clamp(main, minMainOf(child), maxMainOf(child));
            remainingFixed -= main;
        }
        int cross = Smaller(maxCrossOf(child), crossRoom);
        cross = cross < minCrossOf(child) ? minCrossOf(child) : cross;
        const LONG start = cursor + before;
        const LONG crossStart = (v ? rect.left : rect.top) + crossBefore;
        const RECT childRect = v ? RECT{crossStart, start, crossStart + cross, start + main}
                                 : RECT{start, crossStart, start + main, crossStart + cross};
        PlainLayout(nodes, childIndex, childRect);
        cursor += main + before + after + node.childPadding;
        remaining -= main + after + node.childPadding;
        first = false;
    }
}

bool SameRectangles(const std::vector<Node>& nodes) {
    for (const Node& node : nodes) {
        if (!::EqualRect(&node.rect, &node.control->GetPos())) {
            std::printf("layout mismatch: plain (%ld,%ld,%ld,%ld), control (%ld,%ld,%ld,%ld)\n", node.rect.left,
                        node.rect.top, node.rect.right, node.rect.bottom, node.control->GetPos().left,
                        node.control->GetPos().top, node.control->GetPos().right, node.control->GetPos().bottom);
            return false;
        }
    }
    return true;
}

HWND MakeHiddenWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"SkinUILayoutBench";
    ::RegisterClassW(&windowClass);
    return ::CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, kClient.right, kClient.bottom, nullptr,
                             nullptr, windowClass.hInstance, nullptr);
}

}  // namespace

int main() {
    const HWND window = MakeHiddenWindow();
    constexpr int kFreshTrees = 5;
    double bestLayout = 1e300;
    for (int run = 0; run < kFreshTrees; ++run) {
        std::vector<Node> nodes = MakeModel();
        SkinUI::CUIManager manager;
        manager.Init(window);
        manager.AttachRoot(MakeControl(nodes, 0));
        const double start = bench::Seconds();
        manager.GetRoot()->SetPos(kClient, true);
        const double elapsed = bench::Seconds() - start;
        bestLayout = elapsed < bestLayout ? elapsed : bestLayout;
        if (run == 0) {
            PlainLayout(nodes, 0, kClient);
            if (!SameRectangles(nodes)) {
                return 1;
            }
        }
    }

    std::vector<Node> nodes = MakeModel();
    const double plainLayout = bench::BestOf(20, [&] { PlainLayout(nodes, 0, kClient); });
    const int count = static_cast<int>(nodes.size());
    char detail[200];
    std::snprintf(detail, sizeof detail,
                  "%d controls; %.2f times a plain loop computing the same rectangles, %.3f us/control", count,
                  bestLayout / plainLayout, plainLayout * 1e6 / count);
    bench::Report("layout-10000", bestLayout * 1e6 / count, "us/control", detail);

    // One leaf in the middle of the tree changes its width back and forth.
    SkinUI::CUIManager manager;
    manager.Init(window);
    manager.AttachRoot(MakeControl(nodes, 0));
    manager.GetRoot()->SetPos(kClient, true);
    const int leafIndex = static_cast<int>(nodes.size()) / 2;
    int parentIndex = 0;
    for (int index = 0; index < count; ++index) {
        for (int child : nodes[index].children) {
            parentIndex = child == leafIndex ? index : parentIndex;
        }
    }
    int width = nodes[leafIndex].fixedWidth;
    constexpr int kChanges = 500;
    const double relayout = bench::BestOf(5,
                                          [&] {
                                              for (int change = 0; change < kChanges; ++change) {
                                                  width = width == 10 ? 14 : 10;
                                                  nodes[leafIndex].control->SetFixedWidth(width);
                                                  manager.LayOutPending();
                                              }
                                          }) /
                            kChanges;
    if (nodes[leafIndex].control->GetWidth() != nodes[leafIndex].control->GetFixedWidth()) {
        std::printf("the leaf was not laid out again\n");
        return 1;
    }
    // By hand: the one cell whose child changed laid out again, and the
    // window told once what to repaint, as any relayout must.
    PlainLayout(nodes, 0, kClient);
    const double plainRelayout = bench::BestOf(5,
                                               [&] {
                                                   for (int change = 0; change < kChanges; ++change) {
                                                       width = width == 10 ? 14 : 10;
                                                       nodes[leafIndex].fixedWidth = width;
                                                       PlainLayout(nodes, parentIndex, nodes[parentIndex].rect);
                                                       ::InvalidateRect(window, &nodes[parentIndex].rect, FALSE);
                                                   }
                                               }) /
                                 kChanges;
    std::snprintf(detail, sizeof detail,
                  "%.3f us; the cell of %u laid out and invalidated by hand %.3f us, in a tree of %d controls",
                  relayout * 1e6, static_cast<unsigned>(nodes[parentIndex].children.size()), plainRelayout * 1e6,
                  count);
    bench::Report("relayout-one-leaf-ratio", relayout / plainRelayout, "ratio", detail);
    bench::Report("relayout-one-leaf", relayout * 1e6, "us", detail);
    ::DestroyWindow(window);
    return 0;
}
