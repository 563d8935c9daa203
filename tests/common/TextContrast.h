// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPalette>
#include <QStringList>

class QWidget;

// A dark colour scheme: Breeze Dark's colours, as KDE's platform theme
// hands them to Qt.
QPalette darkScheme();

// The texts of the labels and buttons shown in window whose contrast
// against what is behind them is below 4.5 : 1, each with its ratio. Each
// is measured on two pictures of the window: as it is, and with that text
// drawn transparent; the pixels that differ are the text's.
QStringList unreadableTexts(QWidget *window);
