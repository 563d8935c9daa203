// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// What passes between the program and its thumbnail helpers (the program
// opalo-thumbnailer), one pipe each way. A helper greets once it is ready,
// so that one that cannot even start is not taken for a file's crash. The
// program may ask for the next file before the last one is answered, so
// that a helper never waits for the program between files; the helper
// answers in turn, with each icon's pixels, uncompressed, so that the
// program never decodes anything a file, the desktop's cache or a helper
// handed it: it checks a size and copies pixels.
namespace ThumbnailProtocol {

// Found by ModuleLoader beside the plug-ins and the video module.
constexpr const char *helperName = "opalo-thumbnailer";
// Edge of the square the icons are fitted into.
constexpr int iconEdge = 256;
// The longest path or cache folder a request may name, in bytes.
constexpr int maxPathBytes = 4 * 4096;
// The desktop cache's entries a request may hand with its file, in the
// order of DesktopThumbnailCache::Folder: normal, large, failure.
constexpr int entryCount = 3;

struct Request
{
    // FileBrowserMode: pictures, videos or music.
    int mode = 0;
    QString path;
    // The desktop's thumbnail cache; empty to leave it alone. The helper
    // cannot reach it: it reads the entries handed, and the program writes
    // what the reply asks for.
    QString cacheRoot;
    // The file itself, open for reading, which travels beside the request:
    // the helper sees no files of its own. -1 when it could not be opened.
    int descriptor = -1;
    // The file's entries in the desktop's cache, open for reading; -1
    // where there is none.
    int entries[entryCount] = { -1, -1, -1 };
};

struct Reply
{
    // Null when the file has none.
    QImage icon;
    // Whether the program records the file in the desktop's cache: its
    // thumbnail, or a failure when that is null.
    bool save = false;
    QImage thumbnail;
};

// The first bytes a helper writes.
QByteArray greeting();
// Writes them to fd; false when fd is closed.
bool greet(int fd);

QByteArray encodeRequest(const Request &request);
// Sends the request and its descriptors through the Unix socket, without
// waiting; false unless all of it went.
bool sendRequest(int socket, const Request &request);
// Reads one request from the socket, waiting for it, and takes the
// descriptors sent with it, close-on-exec; false at the end of the input or
// when what came is not a request.
bool readRequest(int socket, Request &request);
// Closes the request's descriptors.
void closeDescriptors(Request &request);

QByteArray encodeReply(const Reply &reply);
// The same written to fd, waiting for room; false when fd is closed.
bool writeReply(int fd, const Reply &reply);

// Gathers what a helper writes, its greeting then its replies, as the bytes
// come in. The bytes are read straight to where they belong: the pixels
// into the icon, then into the thumbnail to save.
class ReplyReader
{
public:
    enum Status { Incomplete, Complete, Invalid };

    // Where the next bytes read go, and how many may go there: never more
    // than what completes the greeting, a reply's header or its pixels.
    char *room(int &size);
    // Takes count bytes read into room(). Complete once a whole reply is
    // in: reply() holds it until clear(), which must come before the next
    // reply is read. Anything else than the greeting first, then replies
    // with sizes within bounds and a known pixel format, is Invalid.
    Status commit(int count);
    // The same for bytes at hand, copied in up to the end of a reply; sets
    // used to the bytes taken. Without used, bytes past the reply are
    // Invalid.
    Status add(const char *data, int size, int *used = nullptr);
    Status add(const QByteArray &bytes) { return add(bytes.constData(), bytes.size()); }
    bool isGreeted() const { return m_greeted; }
    const Reply &reply() const { return m_reply; }
    // Drops the reply taken, or a partial one.
    void clear();

private:
    bool takeHeader();
    // The image whose pixels come next; null once all are in.
    QImage *filling();

    // The greeting or a header, as it comes.
    char m_small[40] {};
    int m_smallIn = 0;
    Reply m_reply;
    bool m_headerIn = false;
    // Images whose pixels are in, and bytes of the one filling().
    int m_imagesIn = 0;
    int m_pixelsIn = 0;
    bool m_greeted = false;
    bool m_complete = false;
};

} // namespace ThumbnailProtocol
