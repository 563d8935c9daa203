// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class QAbstractItemView;
class QEvent;

// A context menu asked for from the keyboard belongs at the view's current
// item, not under the mouse pointer wherever it rests: Shift+F10, and the
// keyboard context-menu event the platform makes of the Menu key.
class KeyboardContextMenu
{
public:
    // For either of those events, brings the current item into view and
    // emits the view's customContextMenuRequested at its centre (viewport
    // coordinates, as for a click), and returns true; false for any other
    // event, left to the view.
    static bool handle(QAbstractItemView *view, QEvent *event);
};
