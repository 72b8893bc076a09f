// SPDX-License-Identifier: MIT

#include "IconFile.h"

#include <QDataStream>
#include <QIODevice>
#include <QImage>

namespace IconFile {
namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr int kHeaderSize = 40;

int MaskRowBytes(int width)
{
    return (width + 31) / 32 * 4;
}

QByteArray Bitmap(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int pixelBytes = image.width() * image.height() * 4;
    const int maskBytes = MaskRowBytes(image.width()) * image.height();
    // The header's height counts the colour rows and the mask's.
    out << quint32(kHeaderSize) << qint32(image.width()) << qint32(image.height() * 2) << quint16(1) << quint16(32)
        << quint32(0) << quint32(pixelBytes + maskBytes) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = image.height() - 1; y >= 0; --y) {  // bottom row first
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out << quint8(qBlue(row[x])) << quint8(qGreen(row[x])) << quint8(qRed(row[x])) << quint8(qAlpha(row[x]));
        }
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray mask(MaskRowBytes(image.width()), '\0');
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) {
                mask[x / 8] = static_cast<char>(mask[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.writeRawData(mask.constData(), static_cast<int>(mask.size()));
    }
    return bytes;
}

}  // namespace

QByteArray Encode(const QList<QImage>& images)
{
    QList<QByteArray> bitmaps;
    for (const QImage& image : images) {
        bitmaps << Bitmap(image);
    }
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = kDirectorySize + kEntrySize * static_cast<quint32>(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        // A side of 256 is written as 0.
        out << quint8(images[i].width() & 0xFF) << quint8(images[i].height() & 0xFF) << quint8(0) << quint8(0)
            << quint16(1) << quint16(32) << quint32(bitmaps[i].size()) << offset;
        offset += static_cast<quint32>(bitmaps[i].size());
    }
    for (const QByteArray& bitmap : bitmaps) {
        out.writeRawData(bitmap.constData(), static_cast<int>(bitmap.size()));
    }
    return file;
}

}  // namespace IconFile
