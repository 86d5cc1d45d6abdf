#pragma once

// Rewrites the header pages of a real Ogg Vorbis file, so that the audio tests can make files
// with any comment header (malformed loop tags, tags split between segments, headers spread
// over thousands of pages) whose audio still decodes. Pages get correct checksums.

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <array>

#include <cstdint>

namespace ogg_test {

struct Page
{
    quint8 headerType = 0;
    quint64 granule = 0;
    quint32 serial = 0;
    QList<quint8> lacing;
    QByteArray body;
};

inline quint32 crc(const QByteArray &data)
{
    static const auto table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 r = i << 24;
            for (int k = 0; k < 8; ++k)
                r = (r & 0x80000000u) ? (r << 1) ^ 0x04c11db7u : (r << 1);
            t[i] = r;
        }
        return t;
    }();
    quint32 value = 0;
    for (const char c : data)
        value = (value << 8) ^ table[((value >> 24) ^ quint8(c)) & 0xff];
    return value;
}

inline QByteArray writePage(const Page &page, quint32 sequence)
{
    QByteArray out("OggS", 4);
    out.append(char(0));
    out.append(char(page.headerType));
    char number[8];
    qToLittleEndian<quint64>(page.granule, number);
    out.append(number, 8);
    qToLittleEndian<quint32>(page.serial, number);
    out.append(number, 4);
    qToLittleEndian<quint32>(sequence, number);
    out.append(number, 4);
    out.append(QByteArray(4, 0)); // checksum, filled in below
    out.append(char(page.lacing.size()));
    for (const quint8 l : page.lacing)
        out.append(char(l));
    out.append(page.body);
    qToLittleEndian<quint32>(crc(out), number);
    out.replace(22, 4, QByteArray(number, 4));
    return out;
}

// The pages of a well-formed file (reading stops at anything else).
inline QList<Page> readPages(const QByteArray &file)
{
    QList<Page> pages;
    int at = 0;
    while (at + 27 <= file.size() && file.mid(at, 4) == "OggS") {
        Page page;
        page.headerType = quint8(file[at + 5]);
        page.granule = qFromLittleEndian<quint64>(file.constData() + at + 6);
        page.serial = qFromLittleEndian<quint32>(file.constData() + at + 14);
        const int count = quint8(file[at + 26]);
        int size = 0;
        for (int i = 0; i < count; ++i) {
            page.lacing.append(quint8(file[at + 27 + i]));
            size += page.lacing.last();
        }
        page.body = file.mid(at + 27 + count, size);
        pages.append(page);
        at += 27 + count + size;
    }
    return pages;
}

// A file split into its three header packets and the pages of audio after them.
struct VorbisFile
{
    QList<QByteArray> headers;
    QList<Page> audioPages;
    quint32 serial = 0;
};

inline VorbisFile splitVorbis(const QByteArray &file)
{
    VorbisFile vorbis;
    QByteArray packet;
    for (const Page &page : readPages(file)) {
        if (vorbis.headers.size() == 3) {
            vorbis.audioPages.append(page);
            continue;
        }
        vorbis.serial = page.serial;
        int at = 0;
        for (const quint8 l : page.lacing) {
            packet.append(page.body.mid(at, l));
            at += l;
            if (l < 255) {
                vorbis.headers.append(packet);
                packet.clear();
            }
        }
    }
    return vorbis;
}

// A comment header holding `comments` ("NAME=value" bytes, in order).
inline QByteArray commentPacket(const QList<QByteArray> &comments)
{
    auto number = [](quint32 value) {
        char bytes[4];
        qToLittleEndian<quint32>(value, bytes);
        return QByteArray(bytes, 4);
    };
    const QByteArray vendor = "Vignetta test";
    QByteArray packet = QByteArray("\x03vorbis", 7) + number(vendor.size()) + vendor;
    packet += number(comments.size());
    for (const QByteArray &comment : comments)
        packet += number(comment.size()) + comment;
    packet.append(char(1)); // framing bit
    return packet;
}

// The file again with another comment header, the comment and setup headers spread over pages
// of at most `segmentsPerPage` segments.
inline QByteArray withComments(const VorbisFile &vorbis, const QByteArray &comment,
                               int segmentsPerPage = 255)
{
    QByteArray out;
    quint32 sequence = 0;
    auto lacingOf = [](const QByteArray &packet) {
        QList<quint8> lacing;
        for (int i = 0; i < packet.size() / 255; ++i)
            lacing.append(255);
        lacing.append(quint8(packet.size() % 255));
        return lacing;
    };
    Page first;
    first.headerType = 0x02;
    first.serial = vorbis.serial;
    first.lacing = lacingOf(vorbis.headers[0]);
    first.body = vorbis.headers[0];
    out += writePage(first, sequence++);

    const QByteArray rest = comment + vorbis.headers[2];
    const QList<quint8> lacing = lacingOf(comment) + lacingOf(vorbis.headers[2]);
    int at = 0;
    bool continued = false;
    for (int i = 0; i < lacing.size(); i += segmentsPerPage) {
        Page page;
        page.headerType = continued ? 0x01 : 0x00;
        page.serial = vorbis.serial;
        page.lacing = lacing.mid(i, segmentsPerPage);
        int size = 0;
        for (const quint8 l : page.lacing)
            size += l;
        page.body = rest.mid(at, size);
        at += size;
        continued = page.lacing.last() == 255;
        out += writePage(page, sequence++);
    }
    for (const Page &page : vorbis.audioPages)
        out += writePage(page, sequence++);
    return out;
}

} // namespace ogg_test
