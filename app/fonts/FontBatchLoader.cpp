#include "app/fonts/FontBatchLoader.h"

#include <utility>

FontBatchLoader::~FontBatchLoader() {
    Cancel();
    Finish();
}

bool FontBatchLoader::Start(std::vector<std::wstring> paths, Preparer prepare, HWND window, UINT preparedMessage,
                            UINT doneMessage) {
    if (IsRunning()) {
        return false;
    }
    m_goAhead = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_goAhead == nullptr) {
        return false;
    }
    m_paths = std::move(paths);
    m_prepare = std::move(prepare);
    m_prepared = PreparedBatch();
    m_mounted.clear();
    m_tried.store(0);
    m_total.store(0);
    m_cancel.store(false);
    m_window = window;
    m_preparedMessage = preparedMessage;
    m_doneMessage = doneMessage;
    m_worker = CreateThread(nullptr, 0, &FontBatchLoader::Run, this, 0, nullptr);
    if (m_worker == nullptr) {
        CloseHandle(m_goAhead);
        m_goAhead = nullptr;
        return false;
    }
    return true;
}

DWORD WINAPI FontBatchLoader::Run(void* self) {
    auto* loader = static_cast<FontBatchLoader*>(self);
    loader->m_prepared = loader->m_prepare(loader->m_paths);
    loader->m_mounted.assign(loader->m_prepared.files.size(), false);
    loader->m_total.store(loader->m_prepared.files.size(), std::memory_order_release);
    PostMessageW(loader->m_window, loader->m_preparedMessage, 0, 0);
    // Nothing is mounted before the GUI thread has written it to the journal.
    WaitForSingleObject(loader->m_goAhead, INFINITE);
    const std::vector<std::wstring>& files = loader->m_prepared.files;
    for (size_t index = 0; index < files.size() && !loader->m_cancel.load(); ++index) {
        loader->m_mounted[index] = Remount(loader->m_fonts, files[index].c_str());
        loader->m_tried.store(index + 1, std::memory_order_release);
    }
    PostMessageW(loader->m_window, loader->m_doneMessage, 0, 0);
    return 0;
}

void FontBatchLoader::Cancel() {
    m_cancel.store(true);
    if (m_goAhead != nullptr) {
        SetEvent(m_goAhead);
    }
}

BatchOutcome FontBatchLoader::Finish() {
    BatchOutcome outcome;
    if (m_worker == nullptr) {
        return outcome;
    }
    WaitForSingleObject(m_worker, INFINITE);
    CloseHandle(m_worker);
    m_worker = nullptr;
    CloseHandle(m_goAhead);
    m_goAhead = nullptr;
    // A message of this load must not be taken for one of the next.
    MSG stale;
    while (PeekMessageW(&stale, m_window, m_preparedMessage, m_preparedMessage, PM_REMOVE) ||
           PeekMessageW(&stale, m_window, m_doneMessage, m_doneMessage, PM_REMOVE)) {
    }
    outcome.tried = m_tried.load(std::memory_order_acquire);
    outcome.files = std::move(m_prepared.files);
    outcome.mounted = std::move(m_mounted);
    outcome.failed = m_prepared.failed;
    outcome.skippedInstalled = m_prepared.skippedInstalled;
    m_prepared = PreparedBatch();
    m_paths.clear();
    m_mounted.clear();
    m_total.store(0);
    return outcome;
}
