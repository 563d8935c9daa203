// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/MessageBox.h"

#include <QPushButton>
#include <QQueue>

namespace {

QQueue<QMessageBox::StandardButton> &queuedAnswers()
{
    static QQueue<QMessageBox::StandardButton> answers;
    return answers;
}

MessageBox::Answerer &answerer()
{
    static MessageBox::Answerer function;
    return function;
}

} // namespace

MessageBox::MessageBox(Icon icon, const QString &text, StandardButtons buttons, QWidget *parent)
    : QMessageBox(
          icon, tr("IDS_PC_SYNC_TITLE"), text, buttons, parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    translateButtons();
    chooseKeyButtons();
}

void MessageBox::chooseKeyButtons()
{
    // The toolkit finds Cancel or a lone No by itself, but not a No among
    // several answers that decline (No and No to all), so Escape would do
    // nothing in the overwrite question.
    if (!button(Cancel) && button(No))
        setEscapeButton(No);
    for (const StandardButton preferred : { Yes, Ok, Close }) {
        if (button(preferred)) {
            setDefaultButton(preferred);
            return;
        }
    }
}

void MessageBox::translateButtons()
{
    const struct
    {
        StandardButton button;
        const char *key;
    } texts[] = {
        { Ok, QT_TR_NOOP("IDS_OK") },
        { Cancel, QT_TR_NOOP("IDS_CANCEL") },
        { Yes, QT_TR_NOOP("IDS_YES") },
        { YesToAll, QT_TR_NOOP("IDS_YESALL") },
        { No, QT_TR_NOOP("IDS_NO") },
        { NoToAll, QT_TR_NOOP("IDS_NOTOALL") },
        { Retry, QT_TR_NOOP("IDS_RETRY") },
        { Close, QT_TR_NOOP("IDS_CLOSE") },
    };
    for (const auto &entry : texts) {
        if (QAbstractButton *shown = button(entry.button))
            shown->setText(tr(entry.key));
    }
}

int MessageBox::exec()
{
    if (!queuedAnswers().isEmpty())
        return queuedAnswers().dequeue();
    if (answerer())
        return answerer()(*this);
    return QMessageBox::exec();
}

void MessageBox::setNextAnswer(StandardButton answer)
{
    queuedAnswers().enqueue(answer);
}

void MessageBox::setAnswerer(Answerer function)
{
    answerer() = std::move(function);
}
