#pragma once
// The batches of one window (drops, the command line, paths a second start
// hands over), run in the order they came: small ones at once on the GUI
// thread, large ones prepared and mounted on the loader's worker while the
// window goes on answering. It keeps the journal in step with what may be
// mounted.
#include <deque>
#include <string>
#include <vector>

#include "app/fonts/FontBatchLoader.h"
#include "app/fonts/FontMountList.h"
#include "app/fonts/MountJournal.h"

class MountQueue {
public:
    // A batch of more paths than this, or one with a folder or a shortcut
    // (which may stand for thousands of files), goes to the worker.
    static constexpr size_t kLargeBatch = 16;

    MountQueue(FontMountList& registry, IFontSystem& fonts, const MountJournal& journal);

    // The loader posts `preparedMessage` to `window` when it knows the files
    // of a large batch and `doneMessage` when the batch ends; without a
    // window every batch runs on this thread.
    void SetWindow(HWND window, UINT preparedMessage, UINT doneMessage) {
        m_window = window;
        m_preparedMessage = preparedMessage;
        m_doneMessage = doneMessage;
    }
    // Queues a batch behind those that wait or load.
    void Add(std::vector<std::wstring> paths);
    // Runs waiting batches until one goes to the worker or none is left, and
    // returns what each batch that ended here did, in order.
    std::vector<DropResult> RunWaiting();
    // On the prepared message: records the files the worker is about to
    // mount in the journal, then lets it mount them.
    void BeginMounting();
    // On the done message: takes what the worker mounted into the registry.
    DropResult TakeLoad();
    // Stops a load after the file in progress, takes in what it mounted, and
    // drops the batches that wait: before everything is unmounted.
    void StopAll();

    bool IsLoading() const { return m_loader.IsRunning(); }
    size_t Tried() const { return m_loader.Tried(); }
    size_t Total() const { return m_loader.Total(); }

    // Writes the journal: every listed font, and the files of a load in
    // progress, which may be mounted by the time a crash comes.
    void Record() const;

private:
    bool IsLarge(const std::vector<std::wstring>& paths) const;
    // Lists what a batch mounted.
    DropResult Accept(const BatchOutcome& outcome);

    FontMountList& m_registry;
    IFontSystem& m_fonts;
    const MountJournal& m_journal;
    FontBatchLoader m_loader;
    std::deque<std::vector<std::wstring>> m_waiting;
    // The files of the batch the worker mounts.
    std::vector<std::wstring> m_loading;
    HWND m_window = nullptr;
    UINT m_preparedMessage = 0;
    UINT m_doneMessage = 0;
};
