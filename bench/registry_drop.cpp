// How a drop's cost grows with its size: the registry's own work (duplicate
// search, listing, row refresh) with a font system that answers at once.
#include "app/fonts/FontMountList.h"
#include "bench/bench.h"

#include <string>
#include <vector>

namespace {

struct InstantDrop {
    std::vector<std::wstring> paths;
};

class InstantFontSystem final : public IFontSystem {
public:
    UINT DroppedFileCount(HDROP drop) override { return static_cast<UINT>(Of(drop).paths.size()); }
    UINT DroppedPathLength(HDROP drop, UINT index) override { return static_cast<UINT>(Of(drop).paths[index].size()); }
    bool ReadDroppedPath(HDROP drop, UINT index, wchar_t* buffer, UINT) override {
        const std::wstring& path = Of(drop).paths[index];
        path.copy(buffer, path.size());
        buffer[path.size()] = 0;
        return true;
    }
    void FinishDrop(HDROP) override {}
    int Mount(const wchar_t*) override { return 1; }
    int Unmount(const wchar_t*) override { return 1; }
    bool IsMounted(const wchar_t*) override { return false; }

private:
    static InstantDrop& Of(HDROP drop) { return *reinterpret_cast<InstantDrop*>(drop); }
};

InstantDrop MakeDrop(int count) {
    InstantDrop drop;
    for (int i = 0; i < count; ++i)
        drop.paths.push_back(L"C:\\Users\\someone\\Downloads\\fonts\\family " + std::to_wstring(i) + L" Regular.ttf");
    return drop;
}

double SecondsToDrop(InstantDrop& drop, int runs) {
    InstantFontSystem fonts;
    return bench::BestOf(runs, [&] {
        FontMountList list(fonts);
        list.MountDropped(reinterpret_cast<HDROP>(&drop));
    });
}

}  // namespace

int main() {
    InstantDrop small = MakeDrop(100);
    InstantDrop large = MakeDrop(10000);
    // A batch of 100 small drops is timed together so the clock's resolution does not matter.
    const double smallTime = bench::BestOf(5,
                                           [&] {
                                               for (int i = 0; i < 100; ++i)
                                                   SecondsToDrop(small, 1);
                                           }) /
                             100;
    const double largeTime = SecondsToDrop(large, 5);
    char detail[160];
    snprintf(detail, sizeof detail, "10000 paths %.2f ms, 100 paths %.3f ms x 100; linear is 1.0", largeTime * 1e3,
             smallTime * 1e3);
    bench::Report("registry-drop-10000", largeTime / (smallTime * 100), "ratio", detail);
    return 0;
}
