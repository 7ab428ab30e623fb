#include "app/fonts/MountQueue.h"

#include <utility>

#include "app/fonts/FontFolder.h"
#include "app/system/Shortcut.h"

MountQueue::MountQueue(FontMountList& registry, IFontSystem& fonts, const MountJournal& journal)
    : m_registry(registry), m_fonts(fonts), m_journal(journal), m_loader(fonts) {}

void MountQueue::Add(std::vector<std::wstring> paths) {
    m_waiting.push_back(std::move(paths));
}

bool MountQueue::IsLarge(const std::vector<std::wstring>& paths) const {
    if (paths.size() > kLargeBatch) {
        return true;
    }
    for (const std::wstring& path : paths) {
        if (IsShortcut(path) || IsPlainFolder(path.c_str())) {
            return true;
        }
    }
    return false;
}

std::vector<DropResult> MountQueue::RunWaiting() {
    std::vector<DropResult> ended;
    while (!IsLoading() && !m_waiting.empty()) {
        std::vector<std::wstring> paths = std::move(m_waiting.front());
        m_waiting.pop_front();
        // The worker only reads what never changes: the installed-font folders.
        const FontMountList& registry = m_registry;
        if (m_window != nullptr && IsLarge(paths) &&
            m_loader.Start(
                paths, [&registry](const std::vector<std::wstring>& dropped) { return registry.Prepare(dropped); },
                m_window, m_preparedMessage, m_doneMessage)) {
            break;
        }
        // Small, or no thread to be had: here and now.
        PreparedBatch batch = m_registry.Prepare(paths);
        BatchOutcome outcome;
        for (const std::wstring& file : batch.files) {
            outcome.mounted.push_back(Remount(m_fonts, file.c_str()));
        }
        outcome.tried = batch.files.size();
        outcome.files = std::move(batch.files);
        outcome.failed = batch.failed;
        outcome.skippedInstalled = batch.skippedInstalled;
        ended.push_back(Accept(outcome));
    }
    return ended;
}

void MountQueue::BeginMounting() {
    if (!IsLoading()) {
        return;
    }
    m_loading = m_loader.Prepared().files;
    Record();
    m_loader.GoAhead();
}

DropResult MountQueue::TakeLoad() {
    const BatchOutcome outcome = m_loader.Finish();
    m_loading.clear();
    return Accept(outcome);
}

DropResult MountQueue::Accept(const BatchOutcome& outcome) {
    DropResult result;
    result.failed = outcome.failed;
    result.skippedInstalled = outcome.skippedInstalled;
    for (size_t index = 0; index < outcome.tried && index < outcome.files.size(); ++index) {
        if (!outcome.mounted[index]) {
            ++result.failed;
            continue;
        }
        ++result.mounted;
        result.added += m_registry.Accept(outcome.files[index]) ? 1 : 0;
    }
    m_registry.FinishBatch();
    Record();
    return result;
}

void MountQueue::StopAll() {
    m_waiting.clear();
    if (IsLoading()) {
        m_loader.Cancel();
        TakeLoad();
    }
}

void MountQueue::Record() const {
    if (m_loading.empty()) {
        m_journal.Write(m_registry.Paths());
        return;
    }
    std::vector<std::wstring> maybeMounted = m_registry.Paths();
    maybeMounted.insert(maybeMounted.end(), m_loading.begin(), m_loading.end());
    m_journal.Write(maybeMounted);
}
