// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMetaType>

// The side of a file pane: the PC or the device.
enum BrowserMode { HostMode = 0, ExternalDeviceMode = 1 };

// The media category a pane shows.
enum FileBrowserMode { DocumentsMode = 0, PicturesMode = 1, MusicMode = 2, MovieMode = 3 };

Q_DECLARE_METATYPE(BrowserMode)
