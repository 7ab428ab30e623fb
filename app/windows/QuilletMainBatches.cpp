// The main window's batches: drops, the command line and paths a second start
// hands over, mounted in order (large ones behind the window), the journal
// that outlives a crash, and the broadcast to other programs.
#include <cwchar>

#include "app/system/FontChangeNotice.h"
#include "app/system/SingleInstance.h"
#include "app/windows/QuilletMain.h"
#include "ui/controls/UICheckBox.h"
#include "ui/controls/UILabel.h"

using namespace SkinUI;

void CQuilletMain::RecoverLeftovers() {
    // Before anything is mounted: what a crashed run left would otherwise stay until sign-out.
    const int cleaned = m_journal.RecoverLeftovers(m_fonts, m_registry.Installed());
    if (cleaned > 0) {
        wchar_t text[64];
        swprintf(text, 64, L"已清理: 上次遗留的%d个字体", cleaned);
        ShowStatus(text, FontMountList::kRemoveAllTimer);
    }
}

void CQuilletMain::MountPaths(std::vector<std::wstring> paths) {
    m_queue.Add(std::move(paths));
    RunQueue();
}

void CQuilletMain::RunQueue() {
    for (const DropResult& result : m_queue.RunWaiting()) {
        EndBatch(result);
    }
    if (m_queue.IsLoading()) {
        ShowProgress();
        ::SetTimer(m_hwnd, kProgressTimer, kProgressInterval, nullptr);
    }
}

void CQuilletMain::EndBatch(const DropResult& result) {
    ShowRegistry();
    const StatusText status = FontMountList::BatchText(result);
    if (!status.text.empty()) {
        ShowStatus(status.text, status.timerId);
    } else if (m_progressShown) {
        RestoreTitle();
    }
    m_progressShown = false;
    NotifyOthers(result.mounted);
}

void CQuilletMain::ShowProgress() {
    // Until the worker knows the files there is nothing to count.
    if (m_title != nullptr && m_queue.Total() > 0) {
        wchar_t text[64];
        swprintf(text, 64, L"正在加载: %zu/%zu", m_queue.Tried(), m_queue.Total());
        m_title->SetText(text);
        m_progressShown = true;
    }
}

RemoveAllResult CQuilletMain::UnmountEverything(Refused refused) {
    m_queue.StopAll();
    if (m_hwnd != nullptr) {
        ::KillTimer(m_hwnd, kProgressTimer);
    }
    m_progressShown = false;
    const RemoveAllResult removed = m_registry.UnmountAll(refused);
    m_queue.Record();
    NotifyOthers(removed.unmounted);
    return removed;
}

void CQuilletMain::NotifyOthers(int fontsChanged) {
    if (fontsChanged > 0 && IsChecked(m_notifyBox)) {
        PostFontChange();
    }
}

bool CQuilletMain::HandleBatchMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_DROPFILES:
        MountPaths(m_registry.ReadDrop(reinterpret_cast<HDROP>(wParam)));
        result = 1;
        return true;
    case WM_COPYDATA: {
        // Paths from a second start of Quillet, checked like any input from another process.
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        std::vector<std::wstring> paths = data != nullptr ? DecodePaths(*data) : std::vector<std::wstring>();
        result = paths.empty() ? FALSE : TRUE;
        if (!paths.empty()) {
            MountPaths(std::move(paths));
        }
        return true;
    }
    case kLoadPreparedMessage:
        m_queue.BeginMounting();
        ShowProgress();
        return true;
    case kLoadDoneMessage:
        if (m_queue.IsLoading()) {
            ::KillTimer(m_hwnd, kProgressTimer);
            EndBatch(m_queue.TakeLoad());
            RunQueue();
        }
        return true;
    case WM_TIMER:
        if (wParam != kProgressTimer) {
            return false;
        }
        ShowProgress();
        return true;
    case WM_ENDSESSION:
        // The process ends after this message without running destructors.
        if (wParam != FALSE) {
            UnmountEverything(Refused::kKeepListed);
        }
        return false;
    default:
        return false;
    }
}
