// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/helper/QVideoDecoder.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
#include <libswscale/swscale.h>
}

namespace {

constexpr AVRational milliseconds = { 1, 1000 };
constexpr int inputBufferBytes = 64 * 1024;
// The containers of the file lists' video types, and no other: none that
// follows a playlist or a reference to another file or address (HLS,
// concat, the ASX playlists), and none of a picture's format.
constexpr const char *videoDemuxers
    = "avi,asf,mov,mp4,m4a,3gp,3g2,mj2,flv,mpeg,mpegts,mpegvideo,m4v,h264,rm,swf,matroska,webm,ogg";
// The containers of the music types that carry a cover picture, likewise.
constexpr const char *musicDemuxers = "mp3,aac,flac,mov,mp4,m4a,ogg,asf,wav,aiff";
// A cover declaring a huge size would take gigabytes: bounded as the
// pictures' own readers are, at 256 MiB of decoded pixels.
constexpr int64_t maxCoverPixels = 64 * 1024 * 1024;

void silenceLibraries()
{
    // The libraries report every damaged file on standard error; a broken
    // video simply has no thumbnail.
    static const bool silenced = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    Q_UNUSED(silenced)
}

int firstVideoStream(const AVFormatContext *format)
{
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        if (format->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO)
            return int(i);
    }
    return -1;
}

// The picture formats a cover is decoded from; a file naming any other
// codec for its cover has none.
bool isPictureCodec(AVCodecID codec)
{
    return codec == AV_CODEC_ID_MJPEG || codec == AV_CODEC_ID_PNG || codec == AV_CODEC_ID_BMP
        || codec == AV_CODEC_ID_GIF || codec == AV_CODEC_ID_WEBP;
}

int coverStream(const AVFormatContext *format)
{
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVStream *stream = format->streams[i];
        if ((stream->disposition & AV_DISPOSITION_ATTACHED_PIC) && stream->attached_pic.size > 0
            && isPictureCodec(stream->codecpar->codec_id))
            return int(i);
    }
    return -1;
}

} // namespace

QVideoDecoder::QVideoDecoder()
{
    silenceLibraries();
}

QVideoDecoder::~QVideoDecoder()
{
    close();
}

void QVideoDecoder::setStillPicture(int edge, const std::function<bool()> &cancelled)
{
    m_stillEdge = edge;
    m_cancelled = cancelled;
}

void QVideoDecoder::setCoverPicture(bool cover)
{
    m_cover = cover;
}

int QVideoDecoder::interrupted(void *decoder)
{
    return static_cast<const QVideoDecoder *>(decoder)->isCancelled() ? 1 : 0;
}

int QVideoDecoder::readDescriptor(void *decoder, uint8_t *buffer, int size)
{
    for (;;) {
        const ssize_t count
            = ::read(static_cast<QVideoDecoder *>(decoder)->m_descriptor, buffer, size_t(size));
        if (count > 0)
            return int(count);
        if (count == 0)
            return AVERROR_EOF;
        if (errno != EINTR)
            return AVERROR(errno);
    }
}

int64_t QVideoDecoder::seekDescriptor(void *decoder, int64_t offset, int whence)
{
    const int fd = static_cast<QVideoDecoder *>(decoder)->m_descriptor;
    if (whence == AVSEEK_SIZE) {
        struct stat status {};
        return ::fstat(fd, &status) == 0 ? int64_t(status.st_size) : AVERROR(errno);
    }
    const off_t position = ::lseek(fd, off_t(offset), whence & ~AVSEEK_FORCE);
    return position < 0 ? AVERROR(errno) : int64_t(position);
}

bool QVideoDecoder::openFile(const QString &path)
{
    close();
    return open(path);
}

bool QVideoDecoder::openDescriptor(int fd, const QString &name)
{
    close();
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return false;
    auto *buffer = static_cast<unsigned char *>(av_malloc(inputBufferBytes));
    m_input = buffer ? avio_alloc_context(buffer, inputBufferBytes, 0, this, &QVideoDecoder::readDescriptor,
                           nullptr, &QVideoDecoder::seekDescriptor)
                     : nullptr;
    if (!m_input) {
        av_free(buffer);
        return false;
    }
    m_descriptor = fd;
    return open(name);
}

bool QVideoDecoder::open(const QString &path)
{
    m_format = avformat_alloc_context();
    if (!m_format)
        return false;
    m_format->interrupt_callback.callback = &QVideoDecoder::interrupted;
    m_format->interrupt_callback.opaque = this;
    m_format->format_whitelist = av_strdup(m_cover ? musicDemuxers : videoDemuxers);
    // With an input of our own, the name is only a hint to the format.
    m_format->pb = m_input;
    const QByteArray fileName = QFile::encodeName(path);
    // On failure the context is freed and m_format cleared.
    if (avformat_open_input(&m_format, fileName.constData(), nullptr, nullptr) < 0)
        return false;
    // Analysing the streams decodes several frames; a still picture needs
    // it only when the container leaves the video undescribed, and a cover
    // never: it is read whole with the header, and its own data tell its
    // size.
    if (!m_cover && (m_stillEdge <= 0 || !videoIsDescribed())
        && avformat_find_stream_info(m_format, nullptr) < 0) {
        close();
        return false;
    }
    m_videoStream = m_cover ? coverStream(m_format) : firstVideoStream(m_format);
    if (m_videoStream < 0 || !openCodec()) {
        close();
        return false;
    }
    m_ok = true;
    return true;
}

bool QVideoDecoder::videoIsDescribed() const
{
    const int stream = firstVideoStream(m_format);
    if (stream < 0)
        return false;
    const AVCodecParameters *parameters = m_format->streams[stream]->codecpar;
    return parameters->codec_id != AV_CODEC_ID_NONE && parameters->width > 0 && parameters->height > 0;
}

bool QVideoDecoder::openCodec()
{
    const AVCodecParameters *parameters = m_format->streams[m_videoStream]->codecpar;
    m_codec = avcodec_find_decoder(parameters->codec_id);
    if (!m_codec || (!m_cover && (parameters->width <= 0 || parameters->height <= 0)))
        return false;
    m_codecContext = avcodec_alloc_context3(m_codec);
    m_frame = av_frame_alloc();
    m_packet = av_packet_alloc();
    if (!m_codecContext || !m_frame || !m_packet
        || avcodec_parameters_to_context(m_codecContext, parameters) < 0)
        return false;
    if (m_stillEdge > 0) {
        // Frame threads would hold the first picture back until several
        // packets are in, and cost a thread start each.
        m_codecContext->thread_count = 1;
        m_codecContext->skip_frame = AVDISCARD_NONKEY;
    }
    if (m_cover)
        m_codecContext->max_pixels = maxCoverPixels;
    return avcodec_open2(m_codecContext, m_codec, nullptr) >= 0;
}

void QVideoDecoder::close()
{
    sws_freeContext(m_conversion);
    m_conversion = nullptr;
    av_packet_free(&m_packet);
    av_frame_free(&m_frame);
    avcodec_free_context(&m_codecContext);
    avformat_close_input(&m_format);
    if (m_input) {
        av_freep(&m_input->buffer);
        avio_context_free(&m_input);
    }
    m_descriptor = -1;
    m_codec = nullptr;
    m_videoStream = -1;
    m_ok = false;
    m_endOfInput = false;
    m_image = QImage();
    m_lastFrameTimeMs = 0;
    m_lastFrameNumber = 0;
    m_framesNumbered = true;
    m_frameAvailable = false;
}

bool QVideoDecoder::isOk() const
{
    return m_ok;
}

bool QVideoDecoder::getFrame(QImage &image, qint64 *frameNumber, qint64 *frameTimeMs) const
{
    if (!m_frameAvailable)
        return false;
    image = m_image;
    if (frameNumber)
        *frameNumber = m_framesNumbered ? m_lastFrameNumber : 0;
    if (frameTimeMs)
        *frameTimeMs = m_lastFrameTimeMs;
    return true;
}

bool QVideoDecoder::seekNextFrame()
{
    return m_ok && decodeNextFrame();
}

bool QVideoDecoder::seekFrame(qint64 frame)
{
    if (!m_ok || frame < 1)
        return false;
    if (!m_framesNumbered || frame < m_lastFrameNumber) {
        if (!rewind(streamStart()))
            return false;
        m_lastFrameNumber = 0;
        m_framesNumbered = true;
    }
    while (m_lastFrameNumber < frame || !m_frameAvailable) {
        if (!decodeNextFrame())
            return false;
    }
    return true;
}

bool QVideoDecoder::seekMs(qint64 ms)
{
    if (!m_ok)
        return false;
    const qint64 target = av_rescale_q(ms, milliseconds, m_format->streams[m_videoStream]->time_base);
    if (!rewind(streamStart() + target))
        return false;
    // Frame numbers count from the start only; after a jump they are unknown.
    m_framesNumbered = false;
    do {
        if (!decodeNextFrame())
            return false;
    } while (m_lastFrameTimeMs < ms);
    return true;
}

qint64 QVideoDecoder::videoLengthMs() const
{
    if (!m_format || m_format->duration == AV_NOPTS_VALUE || m_format->duration < 0)
        return 0;
    return av_rescale_q(m_format->duration, AV_TIME_BASE_Q, milliseconds);
}

// Goes back to the key frame at or before timestamp (in stream units).
bool QVideoDecoder::rewind(qint64 timestamp)
{
    if (avformat_seek_file(m_format, m_videoStream, INT64_MIN, timestamp, timestamp, 0) < 0
        && avformat_seek_file(m_format, m_videoStream, INT64_MIN, timestamp, timestamp, AVSEEK_FLAG_BYTE) < 0)
        return false;
    avcodec_flush_buffers(m_codecContext);
    m_endOfInput = false;
    m_frameAvailable = false;
    return true;
}

bool QVideoDecoder::decodeNextFrame()
{
    for (;;) {
        if (isCancelled())
            return false;
        bool done = false;
        if (receiveFrame(done))
            return true;
        if (done || !feedPacket())
            return false;
    }
}

// True when a frame was decoded and converted; done tells that no frame
// will come any more.
bool QVideoDecoder::receiveFrame(bool &done)
{
    const int result = avcodec_receive_frame(m_codecContext, m_frame);
    if (result == AVERROR(EAGAIN))
        return false;
    if (result < 0) {
        done = true;
        return false;
    }
    const bool converted = convertFrame();
    av_frame_unref(m_frame);
    done = !converted;
    return converted;
}

// Hands the decoder the next packet of the video stream, or the end of the
// input once the file has no more.
bool QVideoDecoder::feedPacket()
{
    if (m_endOfInput)
        return false;
    if (m_cover) {
        // The cover is one packet, which the header held.
        m_endOfInput = true;
        return avcodec_send_packet(m_codecContext, &m_format->streams[m_videoStream]->attached_pic) >= 0;
    }
    for (;;) {
        if (av_read_frame(m_format, m_packet) < 0) {
            m_endOfInput = true;
            return avcodec_send_packet(m_codecContext, nullptr) >= 0;
        }
        const bool ours = m_packet->stream_index == m_videoStream;
        // A damaged packet is skipped; the decoder resumes at the next one.
        const bool sent = ours && avcodec_send_packet(m_codecContext, m_packet) >= 0;
        av_packet_unref(m_packet);
        if (sent)
            return true;
    }
}

bool QVideoDecoder::convertFrame()
{
    const int width = m_frame->width;
    const int height = m_frame->height;
    const QSize output = outputSize(width, height);
    // Shrinking by averaging is both the fastest and the cleanest way to a
    // still picture.
    const int method = output == QSize(width, height) ? SWS_BICUBIC : SWS_AREA;
    m_conversion = sws_getCachedContext(m_conversion, width, height, AVPixelFormat(m_frame->format),
        output.width(), output.height(), AV_PIX_FMT_RGB24, method, nullptr, nullptr, nullptr);
    if (!m_conversion) {
        qWarning("Cannot initialize the conversion context!");
        return false;
    }
    QImage image(output, QImage::Format_RGB888);
    if (image.isNull())
        return false;
    uint8_t *const planes[4] = { image.bits(), nullptr, nullptr, nullptr };
    const int strides[4] = { int(image.bytesPerLine()), 0, 0, 0 };
    if (sws_scale(m_conversion, m_frame->data, m_frame->linesize, 0, height, planes, strides)
        != output.height())
        return false;
    m_image = image;
    m_lastFrameTimeMs = frameTimeMs();
    ++m_lastFrameNumber;
    m_frameAvailable = true;
    return true;
}

QSize QVideoDecoder::outputSize(int width, int height) const
{
    const QSize size(width, height);
    if (m_stillEdge <= 0 || (width <= m_stillEdge && height <= m_stillEdge))
        return size;
    return size.scaled(m_stillEdge, m_stillEdge, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

qint64 QVideoDecoder::streamStart() const
{
    const qint64 start = m_format->streams[m_videoStream]->start_time;
    return start == AV_NOPTS_VALUE ? 0 : start;
}

qint64 QVideoDecoder::frameTimeMs() const
{
    const qint64 timestamp = m_frame->best_effort_timestamp;
    if (timestamp == AV_NOPTS_VALUE)
        return m_lastFrameTimeMs;
    return av_rescale_q(timestamp - streamStart(), m_format->streams[m_videoStream]->time_base, milliseconds);
}
