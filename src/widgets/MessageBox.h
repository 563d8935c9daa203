// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMessageBox>

#include <functional>

// The program's modal message box: its title, a fixed-size dialog frame and
// button texts from the program's own catalogues. Enter answers Yes (else OK,
// else Close) unless the caller makes another button the default; Escape
// answers Cancel, else No, else the one button that closes the box.
//
// Callers build it, keep a pointer to it while it runs (so that a window
// giving up the device can dismiss it) and call exec(). Tests answer boxes
// without showing them through setNextAnswer() or setAnswerer().
class MessageBox : public QMessageBox
{
    Q_OBJECT

public:
    // Called instead of showing a box; returns the box's result code.
    using Answerer = std::function<int(MessageBox &box)>;

    MessageBox(Icon icon, const QString &text, StandardButtons buttons, QWidget *parent = nullptr);

    // Shows the box modally and returns the standard button chosen, unless a
    // test answers it.
    int exec() override;

    // The next box not yet answered takes this answer; each call answers one
    // more box, in order. Takes precedence over the answerer.
    static void setNextAnswer(StandardButton answer);
    // Answers every box (after the queued answers) until reset with an empty
    // function.
    static void setAnswerer(Answerer answerer);

private:
    void translateButtons();
    void chooseKeyButtons();
};
