// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class QWidget;

// The window a plug-in's box or dialogue belongs to: the modal dialogue in
// front, else the active window, else the program's visible window. A
// dialogue without one may open behind the window it blocks on Wayland,
// where only the parent tells the compositor what goes on top.
QWidget *dialogParent();
