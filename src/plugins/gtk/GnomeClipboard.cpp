// SPDX-License-Identifier: GPL-2.0-or-later
#include "GnomeClipboard.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include <gio/gio.h>

const char *const GnomeClipboard::mimeType = "x-special/gnome-copied-files";

namespace {

// GIO writes URIs exactly as the desktop's file managers read them.
QByteArray uriOf(const QString &path)
{
    g_autoptr(GFile) file = g_file_new_for_path(QFile::encodeName(path).constData());
    g_autofree char *uri = g_file_get_uri(file);
    return QByteArray(uri);
}

QString pathOf(const QByteArray &uri)
{
    if (!uri.startsWith("file://"))
        return QString();
    g_autoptr(GFile) file = g_file_new_for_uri(uri.constData());
    g_autofree char *path = g_file_get_path(file);
    return path ? QFile::decodeName(path) : QString();
}

} // namespace

QByteArray GnomeClipboard::encode(const QVector<QString> &paths, bool cut)
{
    QByteArray text = cut ? "cut" : "copy";
    for (const QString &path : paths)
        text += '\n' + uriOf(path);
    return text;
}

GnomeClipboard::Content GnomeClipboard::decode(const QByteArray &text)
{
    Content content;
    const QList<QByteArray> lines = text.split('\n');
    QList<QByteArray> parts;
    for (const QByteArray &line : lines) {
        if (!line.isEmpty())
            parts.append(line);
    }
    if (parts.size() < 2)
        return content;
    content.cut = parts.first() == "cut";
    for (int i = 1; i < parts.size(); ++i) {
        const QString path = pathOf(parts.at(i).trimmed());
        if (!path.isEmpty())
            content.paths.append(path);
    }
    return content;
}

void GnomeClipboard::put(const QVector<QString> &paths, bool cut)
{
    auto *data = new QMimeData;
    data->setData(QLatin1String(mimeType), encode(paths, cut));
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromEncoded(uriOf(path)));
    data->setUrls(urls);
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

GnomeClipboard::Content GnomeClipboard::take()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data)
        return Content();
    return decode(data->data(QLatin1String(mimeType)));
}

void GnomeClipboard::clear()
{
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}
