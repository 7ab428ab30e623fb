#pragma once
// Mounts the files of a large batch on a worker thread, so that a folder of
// thousands of fonts does not freeze the window. The worker only calls the
// font system; the registry, the rows and the journal stay on the GUI thread,
// which takes the outcome when the worker says it is done.
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "app/fonts/FontSystem.h"

// What a finished (or cancelled) load did with each of its files, in order.
struct BatchOutcome {
    std::vector<std::wstring> files;
    std::vector<bool> mounted;  // false also for a file a cancel left untried
    size_t tried = 0;
};

class FontBatchLoader {
public:
    // `fonts` is called from the worker thread: it must allow that.
    explicit FontBatchLoader(IFontSystem& fonts) : m_fonts(fonts) {}
    // Stops after the file in progress; what was mounted stays mounted.
    ~FontBatchLoader();
    FontBatchLoader(const FontBatchLoader&) = delete;
    FontBatchLoader& operator=(const FontBatchLoader&) = delete;

    // Starts mounting `files`, one remount each, and posts `doneMessage` to
    // `window` when the last one was tried or a cancel stopped it. False while
    // a load runs or when no thread could be made.
    bool Start(std::vector<std::wstring> files, HWND window, UINT doneMessage);
    bool IsRunning() const { return m_worker != nullptr; }
    // Files tried so far, for the progress shown while it runs.
    size_t Tried() const { return m_tried.load(std::memory_order_relaxed); }
    size_t Total() const { return m_files.size(); }
    // Asks the worker to stop after the file in progress.
    void Cancel() { m_cancel.store(true); }
    // Waits for the worker and hands over what it did; empty when none ran.
    BatchOutcome Finish();

private:
    static DWORD WINAPI Run(void* self);

    IFontSystem& m_fonts;
    std::vector<std::wstring> m_files;
    std::vector<bool> m_mounted;
    std::atomic<size_t> m_tried{0};
    std::atomic<bool> m_cancel{false};
    HWND m_window = nullptr;
    UINT m_doneMessage = 0;
    HANDLE m_worker = nullptr;
};
