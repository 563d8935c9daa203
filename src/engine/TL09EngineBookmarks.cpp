// SPDX-License-Identifier: GPL-2.0-or-later
// The engine thread's part in the bookmark panes: reading the stores again
// after each data collection.
#include "engine/TL09Engine.h"

#include "engine/CollectionHook.h"

void TL09Engine::setHostBookmarkModel(CollectionHook *model)
{
    QMutexLocker locker(&m_bookmarkModelsLock);
    m_hostBookmarkModel = model;
}

void TL09Engine::setDeviceBookmarkModel(CollectionHook *model)
{
    QMutexLocker locker(&m_bookmarkModelsLock);
    m_deviceBookmarkModel = model;
}

CollectionHook *TL09Engine::hostBookmarkModel() const
{
    QMutexLocker locker(&m_bookmarkModelsLock);
    return m_hostBookmarkModel;
}

CollectionHook *TL09Engine::deviceBookmarkModel() const
{
    QMutexLocker locker(&m_bookmarkModelsLock);
    return m_deviceBookmarkModel;
}

void TL09Engine::reloadBookmarks()
{
    // The models read their stores here and hand the new trees to the GUI
    // thread themselves. A model that goes meanwhile waits in its
    // destructor until its reload has returned.
    QMutexLocker locker(&m_bookmarkModelsLock);
    for (CollectionHook *model : { m_hostBookmarkModel, m_deviceBookmarkModel }) {
        if (model && !abortRequested)
            model->reload();
    }
}
