// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// What passes between the program and its thumbnail helpers (the program
// opalo-thumbnailer), one pipe each way. A helper greets once it is ready,
// so that one that cannot even start is not taken for a file's crash. The
// program asks for one file at a time; the helper answers with the icon's
// pixels, uncompressed, so that the program never decodes anything a file,
// the desktop's cache or a helper handed it: it checks a size and copies
// pixels.
namespace ThumbnailProtocol {

// Found by ModuleLoader beside the plug-ins and the video module.
constexpr const char *helperName = "opalo-thumbnailer";
// Edge of the square the icons are fitted into.
constexpr int iconEdge = 256;
// The longest path or cache folder a request may name, in bytes.
constexpr int maxPathBytes = 4 * 4096;

struct Request
{
    // FileBrowserMode: pictures or videos.
    int mode = 0;
    QString path;
    // The desktop's thumbnail cache; empty to leave it alone.
    QString cacheRoot;
};

// The first bytes a helper writes.
QByteArray greeting();
// Writes them to fd; false when fd is closed.
bool greet(int fd);

QByteArray encodeRequest(const Request &request);
// Reads one request from fd, waiting for it; false at the end of the input
// or when what came is not a request.
bool readRequest(int fd, Request &request);

// A null icon tells that the file has none.
QByteArray encodeReply(const QImage &icon);
// The same written to fd, waiting for room; false when fd is closed.
bool writeReply(int fd, const QImage &icon);

// Gathers what a helper writes, its greeting then its replies, as the bytes
// come in.
class ReplyReader
{
public:
    enum Status { Incomplete, Complete, Invalid };

    // Takes the next bytes read; Complete once a whole reply is in, then
    // icon() holds it. Anything else than the greeting first, then one
    // reply (sizes within bounds, a known pixel format, nothing past its
    // end), is Invalid. The pixels go straight into the icon.
    Status add(const char *data, int size);
    Status add(const QByteArray &bytes) { return add(bytes.constData(), bytes.size()); }
    bool isGreeted() const { return m_greeted; }
    QImage icon() const { return m_icon; }
    // Drops the reply taken, or a partial one.
    void clear();

private:
    // Fills m_small up to size bytes; true once it holds them.
    bool gather(const char *&data, int &size, int wanted);
    bool takeHeader();

    QByteArray m_small;
    QImage m_icon;
    int m_pixelsIn = 0;
    bool m_greeted = false;
    bool m_complete = false;
};

} // namespace ThumbnailProtocol
