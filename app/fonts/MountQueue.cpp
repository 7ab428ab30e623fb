#include "app/fonts/MountQueue.h"

#include <utility>

MountQueue::MountQueue(FontMountList& registry, IFontSystem& fonts, const MountJournal& journal)
    : m_registry(registry), m_fonts(fonts), m_journal(journal), m_loader(fonts) {}

void MountQueue::Add(std::vector<std::wstring> paths) {
    m_waiting.push_back(std::move(paths));
}

std::vector<DropResult> MountQueue::RunWaiting() {
    std::vector<DropResult> ended;
    while (!IsLoading() && !m_waiting.empty()) {
        PreparedBatch batch = m_registry.Prepare(m_waiting.front());
        m_waiting.pop_front();
        if (batch.files.size() > kLargeBatch && StartLoad(batch)) {
            break;
        }
        // Small, or no thread to be had: here and now.
        BatchOutcome outcome;
        for (const std::wstring& file : batch.files) {
            outcome.mounted.push_back(Remount(m_fonts, file.c_str()));
        }
        outcome.tried = batch.files.size();
        outcome.files = std::move(batch.files);
        ended.push_back(Accept(outcome, batch));
    }
    return ended;
}

bool MountQueue::StartLoad(PreparedBatch& batch) {
    if (m_window == nullptr || !m_loader.Start(batch.files, m_window, m_doneMessage)) {
        return false;
    }
    m_loading = std::move(batch);
    Record();
    return true;
}

DropResult MountQueue::TakeLoad() {
    const BatchOutcome outcome = m_loader.Finish();
    const PreparedBatch counted = std::move(m_loading);
    m_loading = PreparedBatch();
    return Accept(outcome, counted);
}

DropResult MountQueue::Accept(const BatchOutcome& outcome, const PreparedBatch& counted) {
    DropResult result;
    result.failed = counted.failed;
    result.skippedInstalled = counted.skippedInstalled;
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
    if (m_loading.files.empty()) {
        m_journal.Write(m_registry.Paths());
        return;
    }
    std::vector<std::wstring> maybeMounted = m_registry.Paths();
    maybeMounted.insert(maybeMounted.end(), m_loading.files.begin(), m_loading.files.end());
    m_journal.Write(maybeMounted);
}
