// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/helper/JpegThumbnailReader.h"

#include <QIODevice>

#include <array>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// Large enough for libjpeg's fast Huffman decoding, which wants several
// blocks' worth of bytes at hand, to run almost always.
constexpr int chunkBytes = 64 * 1024;
constexpr int eighths = 8;
constexpr qint64 outputPixelBytes = 4;
// QImage::Format_RGB32's byte order.
constexpr J_COLOR_SPACE rgb32 = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

struct ErrorManager
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

struct SourceManager
{
    jpeg_source_mgr manager;
    QIODevice *device;
    std::array<JOCTET, chunkBytes> chunk;
};

[[noreturn]] void leave(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void dropMessage(j_common_ptr, int)
{ }

void dropOutput(j_common_ptr)
{ }

void initSource(j_decompress_ptr)
{ }

boolean fillInputBuffer(j_decompress_ptr info)
{
    // A file that ends early is given its end marker, as libjpeg's own
    // sources do: what was decoded is kept.
    static const JOCTET end[] = { 0xFF, JPEG_EOI };
    auto *source = reinterpret_cast<SourceManager *>(info->src);
    const qint64 count = source->device->read(reinterpret_cast<char *>(source->chunk.data()), chunkBytes);
    if (count > 0) {
        source->manager.next_input_byte = source->chunk.data();
        source->manager.bytes_in_buffer = size_t(count);
    } else {
        source->manager.next_input_byte = end;
        source->manager.bytes_in_buffer = sizeof(end);
    }
    return TRUE;
}

void skipInputData(j_decompress_ptr info, long count)
{
    jpeg_source_mgr *source = info->src;
    while (count > long(source->bytes_in_buffer)) {
        count -= long(source->bytes_in_buffer);
        fillInputBuffer(info);
    }
    if (count > 0) {
        source->next_input_byte += count;
        source->bytes_in_buffer -= size_t(count);
    }
}

void termSource(j_decompress_ptr)
{ }

// The length of a side decoded at a number of eighths, rounded up as
// libjpeg does.
int scaledSide(JDIMENSION side, int parts)
{
    return int((qint64(side) * parts + eighths - 1) / eighths);
}

// Whether the DC coefficients of every component have arrived, which is
// all that an eighth of the size is made of.
bool averagesKnown(const jpeg_decompress_struct &info)
{
    for (int component = 0; component < info.num_components; ++component) {
        if (info.coef_bits[component][0] < 0)
            return false;
    }
    return true;
}

// Adobe's CMYK files store their inks inverted.
void convertInvertedCmyk(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *pixel = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x, ++pixel) {
            const auto *ink = reinterpret_cast<const uchar *>(pixel);
            const int black = ink[3];
            *pixel = qRgb(ink[0] * black / 255, ink[1] * black / 255, ink[2] * black / 255);
        }
    }
}

} // namespace

struct JpegThumbnailReader::Decoder
{
    jpeg_decompress_struct info {};
    ErrorManager errors {};
    SourceManager source {};
    bool created = false;
    bool headerRead = false;

    bool open(QIODevice *device);
    bool prepare(const QSize &wanted, qint64 maxBytes);
    bool decode(QImage &image);
    qint64 bytesNeeded();
    bool isCmyk() const { return info.out_color_space == JCS_CMYK; }
};

// Each step that calls libjpeg returns here through leave() on an error;
// no object with a destructor lives in the frames it jumps over.
bool JpegThumbnailReader::Decoder::open(QIODevice *device)
{
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = leave;
    errors.manager.emit_message = dropMessage;
    errors.manager.output_message = dropOutput;
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&info);
    created = true;
    source.device = device;
    source.manager.init_source = initSource;
    source.manager.fill_input_buffer = fillInputBuffer;
    source.manager.skip_input_data = skipInputData;
    source.manager.resync_to_restart = jpeg_resync_to_restart;
    source.manager.term_source = termSource;
    info.src = &source.manager;
    jpeg_read_header(&info, TRUE);
    return true;
}

bool JpegThumbnailReader::Decoder::prepare(const QSize &wanted, qint64 maxBytes)
{
    if (setjmp(errors.jump))
        return false;
    int parts = 1;
    while (parts < eighths
        && (scaledSide(info.image_width, parts) < wanted.width()
            || scaledSide(info.image_height, parts) < wanted.height()))
        ++parts;
    info.scale_num = parts;
    info.scale_denom = eighths;
    info.dct_method = JDCT_IFAST;
    info.do_fancy_upsampling = FALSE;
    info.do_block_smoothing = FALSE;
    // libjpeg turns the other colour spaces into RGB, but not CMYK.
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : rgb32;
    // Decoded in buffered mode, a progressive file can be shown as soon as
    // the scans an eighth needs have arrived.
    info.buffered_image = info.progressive_mode && parts == 1;
    jpeg_calc_output_dimensions(&info);
    return bytesNeeded() <= maxBytes;
}

qint64 JpegThumbnailReader::Decoder::bytesNeeded()
{
    qint64 bytes = qint64(info.output_width) * info.output_height * outputPixelBytes;
    // Progressive and other multi-scan files are held as coefficients,
    // two bytes for each pixel of each component.
    if (jpeg_has_multiple_scans(&info)) {
        for (int component = 0; component < info.num_components; ++component) {
            const jpeg_component_info &plane = info.comp_info[component];
            bytes
                += qint64(plane.width_in_blocks) * plane.height_in_blocks * DCTSIZE2 * qint64(sizeof(JCOEF));
        }
    }
    return bytes;
}

bool JpegThumbnailReader::Decoder::decode(QImage &image)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_start_decompress(&info);
    if (info.buffered_image) {
        while (!averagesKnown(info) && jpeg_consume_input(&info) != JPEG_REACHED_EOI) { }
        jpeg_start_output(&info, info.input_scan_number);
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    // The rest of the file, and the end of a buffered decode, are not read.
    jpeg_abort_decompress(&info);
    return true;
}

JpegThumbnailReader::JpegThumbnailReader(QIODevice *device)
    : d(std::make_unique<Decoder>())
{
    d->headerRead = d->open(device);
}

JpegThumbnailReader::~JpegThumbnailReader()
{
    if (d->created)
        jpeg_destroy_decompress(&d->info);
}

bool JpegThumbnailReader::canRead(QIODevice *device)
{
    return device->peek(2) == QByteArray("\xFF\xD8", 2);
}

QSize JpegThumbnailReader::size() const
{
    if (!d->headerRead)
        return QSize();
    return QSize(int(d->info.image_width), int(d->info.image_height));
}

QImage JpegThumbnailReader::read(const QSize &wanted, qint64 maxBytes)
{
    if (!d->headerRead || !d->prepare(wanted, maxBytes))
        return QImage();
    QImage image(int(d->info.output_width), int(d->info.output_height), QImage::Format_RGB32);
    if (image.isNull() || !d->decode(image))
        return QImage();
    if (d->isCmyk())
        convertInvertedCmyk(image);
    return image;
}
