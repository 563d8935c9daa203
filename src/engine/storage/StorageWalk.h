// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/storage/StorageAccounting.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <vector>

// The walk behind the storage accounting: adds up, by category, what the
// files below a folder take on the disk, skipping hidden entries and never
// following a symbolic link. It costs well under what du costs on the same
// tree: each folder is read once in large blocks (getdents64), only the
// files of a category are looked at (statx, relative to their folder's
// descriptor), nothing is allocated per file, and the folders are shared
// among as many threads as there are cores (at most four), a thread handing
// a sub-folder over whenever another one waits for work.
class StorageWalk
{
public:
    explicit StorageWalk(const std::atomic<bool> &abortRequested);

    // Walks the folder open on folder, which it closes; false when the walk
    // was aborted.
    bool run(int folder, CategoryBytes *bytes);

private:
    class Walker;

    // The next folder to walk, or -1 once every folder is walked.
    int take();
    // Hands folder to a waiting thread, when one waits; whether it did.
    bool handOver(int folder);
    void work(CategoryBytes *bytes);

    const std::atomic<bool> &m_abortRequested;
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::vector<int> m_folders;
    int m_busy = 0;
    std::atomic<int> m_waiting { 0 };
    bool m_complete = true;
};
