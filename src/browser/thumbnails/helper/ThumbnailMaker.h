// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/thumbnails/ThumbnailProtocol.h"

// What a thumbnail helper does with each file it is handed: the desktop's
// cached thumbnail when the entries handed with it hold a valid one, else
// one made from the file itself (see ThumbnailSources). What was made, and
// what could not be, goes back with the icon for the program to record in
// the desktop's cache: the helper writes nowhere.
namespace ThumbnailMaker {

// The reply to request; closes the request's descriptors.
ThumbnailProtocol::Reply replyTo(ThumbnailProtocol::Request &request);

} // namespace ThumbnailMaker
