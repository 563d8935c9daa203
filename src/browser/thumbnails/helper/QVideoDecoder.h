// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <functional>

struct AVCodec;
struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVIOContext;
struct AVPacket;
struct SwsContext;

// Decodes frames of the first video stream of a file into RGB images, or
// the picture an audio file carries as its cover. One decoder is used for
// one file; it prints nothing, whatever the file holds.
class QVideoDecoder
{
public:
    QVideoDecoder();
    QVideoDecoder(const QVideoDecoder &) = delete;
    QVideoDecoder &operator=(const QVideoDecoder &) = delete;
    virtual ~QVideoDecoder();

    // Makes the decoder do only what one still picture needs, from the next
    // openFile on: no analysis of the streams when the container describes
    // the video, key frames only (frame numbers then count key frames), one
    // decoding thread, and frames converted straight to fit into edge ×
    // edge. cancelled, when set, is asked during reads and between frames;
    // once it answers true every operation fails at once.
    void setStillPicture(int edge, const std::function<bool()> &cancelled);
    // Makes the next openFile or openDescriptor take the file's cover
    // picture (an audio file's album art: JPEG, PNG, BMP, GIF or WebP)
    // instead of its video: a single frame, which comes with the header.
    void setCoverPicture(bool cover);

    // Closes anything open, then opens path; false when it holds no video
    // stream (or cover picture) that can be decoded.
    virtual bool openFile(const QString &path);
    // The same for the file open as fd, read from its start; name is the
    // file's, whose extension helps tell its format, as a path's would. fd
    // stays open, and is read only until close().
    virtual bool openDescriptor(int fd, const QString &name);
    virtual void close();
    virtual bool isOk() const;

    // The last decoded frame, its number (1 for the first frame of the
    // file, 0 once seekMs has jumped) and its time in milliseconds; false
    // when none was decoded.
    virtual bool getFrame(QImage &image, qint64 *frameNumber = nullptr, qint64 *frameTimeMs = nullptr) const;

    virtual bool seekNextFrame();
    // Decodes from the start up to frame number `frame` (1 is the first).
    virtual bool seekFrame(qint64 frame);
    // Decodes up to the first frame at or after ms.
    virtual bool seekMs(qint64 ms);
    // 0 when the container does not say.
    virtual qint64 videoLengthMs() const;

private:
    static int interrupted(void *decoder);
    static int readDescriptor(void *decoder, uint8_t *buffer, int size);
    static int64_t seekDescriptor(void *decoder, int64_t offset, int whence);
    bool open(const QString &name);
    bool isCancelled() const { return m_cancelled && m_cancelled(); }
    bool videoIsDescribed() const;
    QSize outputSize(int width, int height) const;
    bool openCodec();
    bool rewind(qint64 timestamp);
    bool decodeNextFrame();
    bool receiveFrame(bool &done);
    bool feedPacket();
    bool convertFrame();
    qint64 streamStart() const;
    qint64 frameTimeMs() const;

    AVFormatContext *m_format = nullptr;
    // Reads the descriptor of openDescriptor.
    AVIOContext *m_input = nullptr;
    int m_descriptor = -1;
    // The stream decoded: the video, or the cover picture.
    int m_videoStream = -1;
    AVCodecContext *m_codecContext = nullptr;
    const AVCodec *m_codec = nullptr;
    AVFrame *m_frame = nullptr;
    AVPacket *m_packet = nullptr;
    SwsContext *m_conversion = nullptr;
    bool m_ok = false;
    bool m_endOfInput = false;
    QImage m_image;
    qint64 m_lastFrameTimeMs = 0;
    qint64 m_lastFrameNumber = 0;
    bool m_framesNumbered = true;
    bool m_frameAvailable = false;
    int m_stillEdge = 0;
    bool m_cover = false;
    std::function<bool()> m_cancelled;
};
