#pragma once
// Prepares and mounts a large batch on a worker thread, so that a drop of
// thousands of fonts does not freeze the window. The worker only walks the
// dropped folders and calls the font system; the registry, the rows and the
// journal stay on the GUI thread, which records what is about to be mounted
// before the worker mounts it and takes the outcome when the worker is done.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "app/fonts/FontMountList.h"
#include "app/fonts/FontSystem.h"

// What a finished (or cancelled) load did with each file it was to mount, in
// order, and what its preparation counted.
struct BatchOutcome {
    std::vector<std::wstring> files;
    std::vector<bool> mounted;  // false also for a file a cancel left untried
    size_t tried = 0;
    int failed = 0;
    int skippedInstalled = 0;
};

class FontBatchLoader {
public:
    // Turns dropped paths into the files to mount; called on the worker.
    using Preparer = std::function<PreparedBatch(const std::vector<std::wstring>& paths)>;

    // `fonts` is called from the worker thread: it must allow that.
    explicit FontBatchLoader(IFontSystem& fonts) : m_fonts(fonts) {}
    // Stops after the file in progress; what was mounted stays mounted.
    ~FontBatchLoader();
    FontBatchLoader(const FontBatchLoader&) = delete;
    FontBatchLoader& operator=(const FontBatchLoader&) = delete;

    // Starts preparing `paths`. The worker posts `preparedMessage` to
    // `window` and waits for GoAhead (or Cancel) before it mounts, one
    // remount each; it posts `doneMessage` when the last file was tried or a
    // cancel stopped it. False while a load runs or when no thread could be made.
    bool Start(std::vector<std::wstring> paths, Preparer prepare, HWND window, UINT preparedMessage, UINT doneMessage);
    bool IsRunning() const { return m_worker != nullptr; }
    // After the prepared message, until GoAhead: the files that are to be mounted.
    const PreparedBatch& Prepared() const {
        m_total.load(std::memory_order_acquire);  // what the worker stored before it posted
        return m_prepared;
    }
    void GoAhead() { SetEvent(m_goAhead); }
    // Files tried so far and files to mount, for the progress shown while it
    // runs; both 0 until the batch is prepared.
    size_t Tried() const { return m_tried.load(std::memory_order_relaxed); }
    size_t Total() const { return m_total.load(std::memory_order_acquire); }
    // Asks the worker to stop after the file in progress, or not to begin.
    void Cancel();
    // Waits for the worker and hands over what it did; empty when none ran.
    // The worker's messages still in the queue are taken out.
    BatchOutcome Finish();

private:
    static DWORD WINAPI Run(void* self);

    IFontSystem& m_fonts;
    std::vector<std::wstring> m_paths;
    Preparer m_prepare;
    PreparedBatch m_prepared;
    std::vector<bool> m_mounted;
    std::atomic<size_t> m_tried{0};
    std::atomic<size_t> m_total{0};
    std::atomic<bool> m_cancel{false};
    HWND m_window = nullptr;
    UINT m_preparedMessage = 0;
    UINT m_doneMessage = 0;
    HANDLE m_goAhead = nullptr;
    HANDLE m_worker = nullptr;
};
