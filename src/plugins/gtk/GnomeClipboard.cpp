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

const QString uriListType = QStringLiteral("text/uri-list");

// GIO writes URIs exactly as the desktop's file managers read them.
QByteArray uriOf(const QString &path)
{
    g_autoptr(GFile) file = g_file_new_for_path(QFile::encodeName(path).constData());
    g_autofree char *uri = g_file_get_uri(file);
    return QByteArray(uri);
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether text can be a URI's path as GIO writes one: only characters a URI
// keeps as they are, and "%" only before two hexadecimal digits. A path with
// a blank, "#", "?", a byte above ASCII or a lone "%" was written unencoded.
bool isEncodedPath(const QByteArray &text)
{
    static const QByteArray kept("/-._~!$&'()*+,;=:@");
    for (int i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '%') {
            if (i + 2 >= text.size() || !isHexDigit(text.at(i + 1)) || !isHexDigit(text.at(i + 2)))
                return false;
        } else if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
                       || kept.contains(c))) {
            return false;
        }
    }
    return true;
}

GnomeClipboard::Content pathsOf(const QList<QByteArray> &lines, bool cut)
{
    GnomeClipboard::Content content;
    content.cut = cut;
    for (const QByteArray &line : lines) {
        const QByteArray path = GnomeClipboard::pathOfLine(line);
        if (!path.isEmpty())
            content.paths.append(path);
    }
    return content;
}

} // namespace

QByteArray GnomeClipboard::pathOfLine(QByteArray line)
{
    // Lines of a URI list end in CR LF.
    if (line.endsWith('\r'))
        line.chop(1);
    if (!line.startsWith("file://"))
        return QByteArray();
    QByteArray path = line.mid(int(qstrlen("file://")));
    if (path.startsWith("localhost/"))
        path.remove(0, int(qstrlen("localhost")));
    if (!path.startsWith('/'))
        return QByteArray();
    return isEncodedPath(path) ? QByteArray::fromPercentEncoding(path) : path;
}

QByteArray GnomeClipboard::encode(const QVector<QString> &paths, bool cut)
{
    QByteArray text = cut ? "cut" : "copy";
    for (const QString &path : paths)
        text += '\n' + uriOf(path);
    return text;
}

GnomeClipboard::Content GnomeClipboard::decode(const QByteArray &text)
{
    QList<QByteArray> lines;
    for (const QByteArray &line : text.split('\n')) {
        if (!line.isEmpty() && line != "\r")
            lines.append(line);
    }
    if (lines.size() < 2)
        return Content();
    const QByteArray operation = lines.takeFirst();
    return pathsOf(lines, operation == "cut");
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
    if (data->hasFormat(QLatin1String(mimeType)))
        return decode(data->data(QLatin1String(mimeType)));
    // Comment lines of a URI list start with "#" and name no file.
    return pathsOf(data->data(uriListType).split('\n'), false);
}

void GnomeClipboard::clear()
{
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}
