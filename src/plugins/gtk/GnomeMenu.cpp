// SPDX-License-Identifier: GPL-2.0-or-later
#include "GnomeMenu.h"

#include "DesktopTools.h"
#include "FileOperations.h"
#include "GnomeClipboard.h"
#include "NewFiles.h"
#include "PasteOperation.h"
#include "openWithDialog.h"
#include "propDialogFiles.h"
#include "propDialogFolder.h"

#include <QActionGroup>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QUrl>

namespace {

const QString iconFolder = QStringLiteral(":/new/icons/pixmaps/");
const QString templatesFolder = QStringLiteral("/Templates");
constexpr int firstApplications = 3;
constexpr int largestZoomableIcon = 255;
constexpr int smallestZoomableIcon = 22;
constexpr int renameCode = 20;

// Compared exactly with the item's content type.
const char *const archiveTypes[] = { "application/x-gtar", "application/x-zip",
    "application/x-zip-compressed", "application/zip", "application/x-zip", "application/x-tar",
    "application/x-7z-compressed", "application/x-rar", "application/x-rar-compressed", "application/x-jar",
    "application/x-java-archive", "application/x-war", "application/x-ear", "application/x-arj",
    "application/x-gzip", "application/x-bzip-compressed-tar", "application/x-compressed-tar" };

bool isArchive(const QString &contentType)
{
    for (const char *type : archiveTypes) {
        if (contentType == QLatin1String(type))
            return true;
    }
    return false;
}

QString templateIcon(const QString &contentType)
{
    if (contentType == QLatin1String("text/html"))
        return QStringLiteral("Gnome-text-html.png");
    if (contentType == QLatin1String("text/plain") || contentType == QLatin1String("application/plain"))
        return QStringLiteral("Gnome-text-x-generic.png");
    if (contentType == QLatin1String("application/vnd.oasis.opendocument.text")
        || contentType == QLatin1String("application/msword")
        || contentType == QLatin1String("application/rtf")
        || contentType
            == QLatin1String("application/vnd.openxmlformats-officedocument.wordprocessingml.document"))
        return QStringLiteral("Gnome-x-office-document.png");
    return QString();
}

template<typename Dialog> void showDialog(QWidget *parent, const QString &path)
{
    Dialog dialog(parent);
    dialog.setSourcePath(path);
    dialog.populate();
    dialog.exec();
}

} // namespace

gnomeMenu::gnomeMenu(QWidget *parent)
    : QWidget(parent)
{ }

gnomeMenu::~gnomeMenu()
{
    // The menu belongs to the caller's widget, which outlives many menus.
    delete menu;
}

void gnomeMenu::clearCommands()
{
    isMakeLink = isPaste = isCut = isRename = isNewFolder = false;
}

void gnomeMenu::startMenu(const QString &itemPath, QPoint pos, const QVector<QString> &paths, QWidget *parent)
{
    delete menu;
    menu = new QMenu(parent);
    path = itemPath;
    position = pos;
    files = paths;
    dialogParent = parent;
    templates.clear();
    applications.clear();
    clearCommands();
}

QAction *gnomeMenu::addEntry(QMenu *to, const char *key, const QString &name, const QString &icon)
{
    QAction *entry = to->addAction(tr(key));
    entry->setObjectName(name);
    if (!icon.isEmpty())
        entry->setIcon(QIcon(iconFolder + icon));
    return entry;
}

QAction *gnomeMenu::addApplication(QMenu *to, const GioApplications::App &app, const QString &name)
{
    QAction *entry = to->addAction(
        tr("IDS_OPEN_WITH") + QLatin1String(" \"") + GioApplications::nameOf(app) + QLatin1Char('"'));
    entry->setObjectName(name);
    applications.insert(entry, app);
    return entry;
}

bool gnomeMenu::addOpenWith(bool isFolder)
{
    const QString type = GioApplications::contentTypeOf(path);
    if (type.isEmpty())
        return false;
    const QVector<GioApplications::App> registered = GioApplications::registeredFor(type);
    const GioApplications::App preferred = GioApplications::defaultFor(type);
    if (isFolder) {
        connect(addEntry(menu, "IDS_BROWSE_FOLDER", QStringLiteral("_browseFolder")), &QAction::triggered,
            this, &gnomeMenu::browse);
        menu->addSeparator();
    }
    if (preferred && GioApplications::nameOf(preferred) != QLatin1String("Open Folder"))
        addApplication(menu, preferred, QStringLiteral("_openWithDefault"));
    if (isFolder || registered.size() == 1) {
        if (!isFolder)
            addApplication(menu, registered.first(), QStringLiteral("_openWithOnly"));
        addEntry(menu, "IDS_OPEN_WITH_OTHER_APP", QStringLiteral("_openWithOther"));
        menu->addSeparator();
    } else if (registered.size() > 1) {
        QMenu *choices = menu->addMenu(tr("IDS_OPEN_WITH"));
        choices->menuAction()->setObjectName(QStringLiteral("_openWith"));
        for (int i = 0; i < firstApplications && i < registered.size(); ++i)
            addApplication(choices, registered.at(i), QStringLiteral("_openWith%1").arg(i));
        choices->addSeparator();
        addEntry(choices, "IDS_OPEN_WITH_OTHER_APP", QStringLiteral("_openWithOther"));
    }
    return true;
}

void gnomeMenu::CreateMenu(
    const QString &itemPath, QPoint pos, const QVector<QString> &paths, QWidget *parent)
{
    startMenu(itemPath, pos, paths, parent);
    connect(addEntry(menu, "IDS_OPEN", QStringLiteral("_open"), QStringLiteral("Gnome-document-open.png")),
        &QAction::triggered, this, &gnomeMenu::open);
    const bool isFolder = QFileInfo(path).isDir();
    if (!addOpenWith(isFolder))
        return;
    const QString type = GioApplications::contentTypeOf(path);

    menu->addSeparator();
    addEntry(menu, "IDS_CUT", QStringLiteral("_cut"), QStringLiteral("Gnome-edit-cut.png"));
    addEntry(menu, "IDS_COPY", QStringLiteral("_copy"), QStringLiteral("Gnome-edit-copy.png"));
    if (isFolder) {
        addEntry(menu, "IDS_PASTE_INTO_FOLDER", QStringLiteral("_pasteIntoFolder"),
            QStringLiteral("Gnome-edit-paste.png"))
            ->setEnabled(GnomeClipboard::holdsFiles());
    }
    menu->addSeparator();
    addEntry(menu, "IDS_MAKE_LINK", QStringLiteral("_makeLink"));
    addEntry(menu, "IDS_RENAME", QStringLiteral("_rename"));
    menu->addSeparator();
    addEntry(
        menu, "IDS_MOVE_TO_TRASH", QStringLiteral("_moveToTrash"), QStringLiteral("Gnome-user-trash.png"));
    menu->addSeparator();
    // Entries of tools that are not installed are not shown.
    if (isArchive(type) && DesktopTools::canExtract(type)) {
        connect(addEntry(menu, "IDS_EXTRACT_HERE", QStringLiteral("_extractHere")), &QAction::triggered, this,
            &gnomeMenu::Extract);
    }
    if (DesktopTools::canCompress()) {
        connect(addEntry(menu, "IDS_CREATE_ARCHIVE", QStringLiteral("_createArchive"),
                    QStringLiteral("Gnome-emblem-package.png")),
            &QAction::triggered, this, &gnomeMenu::Compress);
    }
    if (isFolder && files.size() == 1 && DesktopTools::canShare())
        addEntry(menu, "IDS_SHARE_FOLDER", QStringLiteral("_shareFolder"),
            QStringLiteral("Gnome-folder-remote.png"));
    if (DesktopTools::canSign()) {
        addEntry(menu, "IDS_ENCRYPT", QStringLiteral("_encrypt"));
        addEntry(menu, "IDS_SIGN", QStringLiteral("_sign"));
    }
    menu->addSeparator();
    addEntry(menu, "IDS_PROPERTIES", QStringLiteral("_properties"),
        QStringLiteral("Gnome-document-properties.png"));
    actOnItem(runMenu());
}

void gnomeMenu::actOnItem(QAction *chosen)
{
    if (!chosen)
        return;
    const QString name = chosen->objectName();
    if (applications.contains(chosen)) {
        GioApplications::launch(applications.value(chosen), path);
    } else if (name == QLatin1String("_copy")) {
        GnomeClipboard::put(files, false);
    } else if (name == QLatin1String("_cut")) {
        isCut = true;
        GnomeClipboard::put(files, true);
    } else if (name == QLatin1String("_pasteIntoFolder")) {
        isPaste = true;
        PasteOperation(path).run();
    } else if (name == QLatin1String("_moveToTrash")) {
        FileOperations::moveToTrash(files);
    } else if (name == QLatin1String("_makeLink")) {
        FileOperations::makeLink(path);
        isMakeLink = true;
    } else if (name == QLatin1String("_rename")) {
        isRename = true;
        renameResult = renameCode;
    } else if (name == QLatin1String("_encrypt")) {
        DesktopTools::encrypt(files);
    } else if (name == QLatin1String("_sign")) {
        DesktopTools::sign(files);
    } else if (name == QLatin1String("_shareFolder")) {
        DesktopTools::share(path);
    } else if (name == QLatin1String("_openWithOther")) {
        showDialog<openWithDialog>(dialogParent, path);
    } else if (name == QLatin1String("_properties")) {
        showProperties();
    }
}

void gnomeMenu::addTemplates(QMenu *to)
{
    const QFileInfoList found
        = QDir(QDir::homePath() + templatesFolder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &file : found) {
        QAction *entry = to->addAction(file.completeBaseName());
        const QString icon = templateIcon(GioApplications::contentTypeOf(file.filePath()));
        if (!icon.isEmpty())
            entry->setIcon(QIcon(iconFolder + icon));
        templates.insert(entry, file.fileName());
    }
    if (found.isEmpty())
        addEntry(to, "IDS_NO_TEMPLATES", QStringLiteral("_noTemplates"));
}

void gnomeMenu::addArrange(int current)
{
    QMenu *arrange = menu->addMenu(tr("IDS_ARRANGE_ITEMS"));
    arrange->menuAction()->setObjectName(QStringLiteral("_arrangeItems"));
    auto *group = new QActionGroup(arrange);
    const char *const keys[] = { "IDS_BY_NAME", "IDS_BY_SIZE", "IDS_BY_TYPE", "IDS_BY_MODIFICATION_DATE" };
    const int checked = current >= 1 && current <= 3 ? current : 0;
    for (int column = 0; column < 4; ++column) {
        QAction *entry = addEntry(arrange, keys[column], QStringLiteral("_arrange%1").arg(column));
        entry->setCheckable(true);
        entry->setChecked(column == checked);
        entry->setData(column);
        group->addAction(entry);
    }
}

void gnomeMenu::CreateOutsideMenu(const QString &folder, QPoint pos, int arrangedBy,
    const QVector<QString> &paths, int iconSize, int, QWidget *parent)
{
    startMenu(folder, pos, paths, parent);
    sortBy = arrangedBy;
    addEntry(
        menu, "IDS_CREATE_FOLDER", QStringLiteral("_createFolder"), QStringLiteral("Gnome-folder-new.png"));
    QMenu *documents = menu->addMenu(
        QIcon(iconFolder + QStringLiteral("Gnome-document-new.png")), tr("IDS_CREATE_DOCUMENT"));
    documents->menuAction()->setObjectName(QStringLiteral("_createDocument"));
    addTemplates(documents);
    documents->addSeparator();
    connect(addEntry(documents, "IDS_EMPTY_FILE", QStringLiteral("_emptyFile")), &QAction::triggered, this,
        &gnomeMenu::createDocument);
    menu->addSeparator();
    addArrange(arrangedBy);
    if (QFileInfo(path).isDir()) {
        addEntry(menu, "IDS_PASTE", QStringLiteral("_paste"), QStringLiteral("Gnome-edit-paste.png"))
            ->setEnabled(GnomeClipboard::holdsFiles());
    }
    menu->addSeparator();
    addEntry(menu, "IDS_ZOOM_IN", QStringLiteral("_zoomIn"))->setEnabled(iconSize <= largestZoomableIcon);
    addEntry(menu, "IDS_ZOOM_OUT", QStringLiteral("_zoomOut"))->setEnabled(iconSize >= smallestZoomableIcon);
    addEntry(menu, "IDS_NORMAL_SIZE", QStringLiteral("_normalSize"));
    menu->addSeparator();
    addEntry(menu, "IDS_PROPERTIES", QStringLiteral("_properties"));
    actOnBackground(runMenu());
}

void gnomeMenu::actOnBackground(QAction *chosen)
{
    const QString name = chosen ? chosen->objectName() : QString();
    const int zoomCode = name == QLatin1String("_zoomIn") ? 10
        : name == QLatin1String("_zoomOut")               ? 11
        : name == QLatin1String("_normalSize")            ? 12
                                                          : -1;
    // Only an arrangement is left for the caller to apply.
    sortBy = name.startsWith(QLatin1String("_arrange")) ? chosen->data().toInt() : -1;
    zoom = zoomCode;
    if (name == QLatin1String("_paste")) {
        isPaste = true;
        PasteOperation(files.first()).run();
    } else if (name == QLatin1String("_createFolder")) {
        isNewFolder = true;
    } else if (templates.contains(chosen)) {
        NewFiles::copyTemplate(
            path, QDir::homePath() + templatesFolder + QLatin1Char('/') + templates.value(chosen));
    } else if (name == QLatin1String("_properties")) {
        showProperties();
    }
}

QAction *gnomeMenu::runMenu()
{
    // An entry triggered other than by the pointer or the keyboard (by the
    // accessibility layer, or a test) does not end the menu by itself.
    QAction *triggered = nullptr;
    connect(menu, &QMenu::triggered, this, [this, &triggered](QAction *action) {
        triggered = action;
        menu->hide();
    });
    QAction *chosen = menu->exec(position);
    return chosen ? chosen : triggered;
}

int gnomeMenu::resultCode() const
{
    if (isMakeLink)
        return 30;
    if (isPaste)
        return 50;
    if (isCut)
        return 51;
    if (isRename)
        return renameResult;
    if (isNewFolder)
        return 13;
    return sortBy == -1 && zoom != -1 ? zoom : sortBy;
}

void gnomeMenu::showProperties()
{
    if (QFileInfo(path).isDir())
        showDialog<propDialogFolder>(dialogParent, path);
    else
        showDialog<propDialogFiles>(dialogParent, path);
}

void gnomeMenu::open()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void gnomeMenu::browse()
{
    DesktopTools::browse(path);
}

void gnomeMenu::Compress()
{
    DesktopTools::compress(path);
}

void gnomeMenu::Extract()
{
    DesktopTools::extract(path);
}

void gnomeMenu::createDocument()
{
    NewFiles::createEmpty(path, tr("IDS_NEW_FILE"));
}
