#include "app/fonts/FontBatchLoader.h"

#include <utility>

FontBatchLoader::~FontBatchLoader() {
    Cancel();
    Finish();
}

bool FontBatchLoader::Start(std::vector<std::wstring> files, HWND window, UINT doneMessage) {
    if (IsRunning()) {
        return false;
    }
    m_files = std::move(files);
    m_mounted.assign(m_files.size(), false);
    m_tried.store(0);
    m_cancel.store(false);
    m_window = window;
    m_doneMessage = doneMessage;
    m_worker = CreateThread(nullptr, 0, &FontBatchLoader::Run, this, 0, nullptr);
    return m_worker != nullptr;
}

DWORD WINAPI FontBatchLoader::Run(void* self) {
    auto* loader = static_cast<FontBatchLoader*>(self);
    for (size_t index = 0; index < loader->m_files.size() && !loader->m_cancel.load(); ++index) {
        loader->m_mounted[index] = Remount(loader->m_fonts, loader->m_files[index].c_str());
        loader->m_tried.store(index + 1, std::memory_order_release);
    }
    PostMessageW(loader->m_window, loader->m_doneMessage, 0, 0);
    return 0;
}

BatchOutcome FontBatchLoader::Finish() {
    BatchOutcome outcome;
    if (m_worker == nullptr) {
        return outcome;
    }
    WaitForSingleObject(m_worker, INFINITE);
    CloseHandle(m_worker);
    m_worker = nullptr;
    outcome.tried = m_tried.load(std::memory_order_acquire);
    outcome.files = std::move(m_files);
    outcome.mounted = std::move(m_mounted);
    m_files.clear();
    m_mounted.clear();
    return outcome;
}
