#pragma once

#include <windows.h>

#include <vector>

namespace SkinUI {

class CControlUI;

// The native window timers that controls ask their manager for. A control
// names its timer by its own identifier; the native identifier is chosen
// here, in 17..254, so that it never meets the application's timers 1 to 3,
// the layered repaint timer or another control's timer on the same window.
class CControlTimers {
public:
    static constexpr UINT_PTR kFirstNativeId = 17;
    static constexpr UINT_PTR kLastNativeId = 254;

    CControlTimers() = default;
    CControlTimers(const CControlTimers&) = delete;
    CControlTimers& operator=(const CControlTimers&) = delete;
    ~CControlTimers();

    // A killed timer of the same control and identifier is restarted with
    // its old native identifier; a running one is left alone (false).
    bool Set(HWND window, CControlUI* control, UINT userId, UINT elapse);
    // The timer stops but keeps its native identifier for a restart.
    bool Kill(HWND window, CControlUI* control, UINT userId);
    // Forgets every timer of the control on the window.
    void KillAll(HWND window, CControlUI* control);
    // The period a running timer was last started with; 0 when it is not running.
    UINT Elapse(HWND window, const CControlUI* control, UINT userId) const;
    // Forgets every timer of the window.
    void RemoveAll(HWND window);

    // The running timer behind a WM_TIMER of the window; false for none.
    bool Find(HWND window, UINT_PTR nativeId, CControlUI** control, UINT* userId) const;

private:
    struct Record {
        CControlUI* control;
        UINT userId;
        HWND window;
        UINT_PTR nativeId;
        UINT elapse;
        bool killed;
    };

    bool IsInUse(HWND window, UINT_PTR nativeId) const;
    // 0 when every identifier of the range is taken on the window.
    UINT_PTR NextFreeId(HWND window);
    static void Stop(const Record& record);

    // Counts up from 4096 so that the first identifier is 4097 mod 255 = 17.
    UINT_PTR m_counter = 0x1000;
    std::vector<Record> m_records;
};

}  // namespace SkinUI
