// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/ListShortcuts.h"

#include "browser/plugins/ShellPlugin.h"
#include "browser/views/QVideoList.h"
#include "plugins/ShellMenuApi.h"

#include <QKeyEvent>
#include <QPointer>

namespace {

// What a command works on, taken when the key is pressed.
struct Command
{
    QPointer<QVideoList> list;
    // Null for the keys of every desktop.
    const ShellPlugin *plugin;
    QVector<QString> paths;
    // Where pastes and new folders go, whatever is selected.
    QString folder;

    template<typename Function> Function resolve(const char *name) const
    {
        return plugin->resolve<Function>(name);
    }
};

struct Shortcut
{
    bool (*matches)(const QKeyEvent *event);
    bool needsSelection;
    void (*run)(Command &command);
};

Qt::KeyboardModifiers modifiersOf(const QKeyEvent *event)
{
    return event->modifiers() & ~Qt::KeypadModifier;
}

bool isCtrl(const QKeyEvent *event, int key)
{
    return event->key() == key && modifiersOf(event) == Qt::ControlModifier;
}

bool isShiftDelete(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Delete && modifiersOf(event) == Qt::ShiftModifier;
}

// Ctrl with the plus key, which some layouts reach only with Shift, or
// with the key plus shares, as file managers take it.
bool isZoomIn(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = modifiersOf(event) & ~Qt::ShiftModifier;
    return (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)
        && modifiers == Qt::ControlModifier;
}

bool isPlain(const QKeyEvent *event, int key)
{
    return event->key() == key && modifiersOf(event) == Qt::NoModifier;
}

void kdeOperation(Command &command, const char *name)
{
    if (const auto run = command.resolve<ShellMenuApi::KdeFilesOperation>(name))
        run(&command.paths, command.list);
}

void gnomeOperation(Command &command, const char *name, const QString &path)
{
    if (const auto run = command.resolve<ShellMenuApi::PathOperation>(name))
        run(path);
}

const Shortcut kdeShortcuts[] = {
    { [](const QKeyEvent *event) { return event->matches(QKeySequence::Copy); }, true,
        [](Command &command) {
            if (const auto run = command.resolve<ShellMenuApi::KdeFilesOperation>("KDEcopy_file")) {
                run(&command.paths, command.list);
                if (command.list)
                    emit command.list->resetCutIndex();
            }
        } },
    { [](const QKeyEvent *event) { return isCtrl(event, Qt::Key_X); }, true,
        [](Command &command) {
            if (const auto run = command.resolve<ShellMenuApi::KdeFilesOperation>("KDEcut")) {
                run(&command.paths, command.list);
                if (!command.list)
                    return;
                emit command.list->setCutIndex();
                emit command.list->setCutFilesSignal(command.paths);
            }
        } },
    { [](const QKeyEvent *event) { return event->matches(QKeySequence::Paste); }, false,
        [](Command &command) {
            if (const auto run = command.resolve<ShellMenuApi::KdePaste>("KDEpaste")) {
                QVector<QString> target { command.folder };
                run(target, command.list);
                if (command.list)
                    emit command.list->refreshBrowserTree(target);
            }
        } },
    { [](const QKeyEvent *event) { return event->key() == Qt::Key_F2; }, true,
        [](Command &command) { kdeOperation(command, "KDErename_file"); } },
    { isShiftDelete, true, [](Command &command) { kdeOperation(command, "KDEdel"); } },
    { [](const QKeyEvent *event) { return event->matches(QKeySequence::Delete); }, true,
        [](Command &command) { kdeOperation(command, "KDEtrash"); } },
};

const Shortcut gnomeShortcuts[] = {
    { [](const QKeyEvent *event) { return event->matches(QKeySequence::Copy); }, true,
        [](Command &command) {
            if (const auto run = command.resolve<ShellMenuApi::FilesOperation>("copy"))
                run(command.paths);
        } },
    { [](const QKeyEvent *event) { return isCtrl(event, Qt::Key_X); }, true,
        [](Command &command) {
            if (const auto run = command.resolve<ShellMenuApi::FilesOperation>("cut")) {
                run(command.paths);
                if (command.list)
                    emit command.list->setCutIndex();
            }
        } },
    { [](const QKeyEvent *event) { return event->key() == Qt::Key_F2; }, true,
        [](Command &command) { command.list->editFirstSelected(command.list); } },
    { [](const QKeyEvent *event) {
         return event->key() == Qt::Key_N && (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
     },
        false, [](Command &command) { gnomeOperation(command, "createFolder", command.folder); } },
    { [](const QKeyEvent *event) { return isCtrl(event, Qt::Key_M); }, true,
        [](Command &command) {
            if (const auto run = command.resolve<ShellMenuApi::PathOperation>("makeLink")) {
                run(command.paths.first());
                if (command.list)
                    emit command.list->refreshTree();
            }
        } },
    { [](const QKeyEvent *event) { return event->matches(QKeySequence::Paste); }, false,
        [](Command &command) {
            if (const auto run = command.resolve<ShellMenuApi::PathOperation>("paste")) {
                run(command.folder);
                if (command.list)
                    emit command.list->refreshBrowserTreeGnome();
            }
        } },
    { isShiftDelete, true, [](Command &command) { command.list->requestDeletion(); } },
    { [](const QKeyEvent *event) { return isCtrl(event, Qt::Key_T) || event->matches(QKeySequence::Delete); },
        true,
        [](Command &command) {
            if (const auto run = command.resolve<ShellMenuApi::MoveToTrash>("moveToTrash"))
                run(command.paths, command.list);
        } },
};

const Shortcut everyDesktopShortcuts[] = {
    { [](const QKeyEvent *event) { return isPlain(event, Qt::Key_Return) || isPlain(event, Qt::Key_Enter); },
        false, [](Command &command) { emit command.list->openRequested(command.list->currentIndex()); } },
    { [](const QKeyEvent *event) {
         return isPlain(event, Qt::Key_Backspace)
             || (event->key() == Qt::Key_Up && modifiersOf(event) == Qt::AltModifier);
     },
        false, [](Command &command) { emit command.list->parentRequested(); } },
    { [](const QKeyEvent *event) { return isCtrl(event, Qt::Key_A); }, false,
        [](Command &command) { command.list->selectAllRows(); } },
    { [](const QKeyEvent *event) { return isPlain(event, Qt::Key_Delete); }, true,
        [](Command &command) { command.list->requestDeletion(); } },
    { [](const QKeyEvent *event) { return isPlain(event, Qt::Key_F2); }, true,
        [](Command &command) { command.list->editFirstSelected(command.list); } },
    { isZoomIn, false, [](Command &command) { emit command.list->zoomRequested(1); } },
    { [](const QKeyEvent *event) { return isCtrl(event, Qt::Key_Minus); }, false,
        [](Command &command) { emit command.list->zoomRequested(-1); } },
    { [](const QKeyEvent *event) { return isCtrl(event, Qt::Key_0); }, false,
        [](Command &command) { emit command.list->zoomRequested(0); } },
};

template<size_t size> const Shortcut *find(const Shortcut (&table)[size], const QKeyEvent *event)
{
    for (const Shortcut &shortcut : table) {
        if (shortcut.matches(event))
            return &shortcut;
    }
    return nullptr;
}

} // namespace

bool ListShortcuts::handle(QVideoList *list, const ShellPlugin *plugin, QKeyEvent *event)
{
    const Shortcut *shortcut = !plugin          ? find(everyDesktopShortcuts, event)
        : plugin->desktop() == ShellPlugin::Kde ? find(kdeShortcuts, event)
                                                : find(gnomeShortcuts, event);
    if (!shortcut)
        return false;
    Command command { list, plugin, list->selectedPaths(), list->folderPath() };
    if (!shortcut->needsSelection || !list->selectionWasEmpty())
        shortcut->run(command);
    return true;
}
