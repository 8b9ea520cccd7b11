#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include "design/image_file.h"
#include "design/image_object.h"
#include "design/pcx_reader.h"
#include "design/tga_reader.h"
#include "design_test_host.h"

namespace pc::design {
namespace {

void put16(QByteArray& b, int at, int v) {
    qToLittleEndian<quint16>(static_cast<quint16>(v), b.data() + at);
}

// A 4 x 2 PCX of 8 bits in one plane: a run of red over a run of blue.
QByteArray samplePcx() {
    QByteArray b(128, '\0');
    b[0] = 0x0A;
    b[1] = 5;
    b[2] = 1;
    b[3] = 8;
    put16(b, 8, 3);   // xMax
    put16(b, 10, 1);  // yMax
    b[65] = 1;
    put16(b, 66, 4);
    b.append(char(0xC4)).append(char(1));  // four of colour 1
    b.append(char(0xC4)).append(char(2));
    b.append(char(0x0C));
    QByteArray palette(768, '\0');
    palette[3] = char(255);  // 1: red
    palette[8] = char(255);  // 2: blue
    return b + palette;
}

// A 3 x 2 TGA, true colour, run-length encoded, top row first.
QByteArray sampleTga() {
    QByteArray b(18, '\0');
    b[2] = 10;
    put16(b, 12, 3);
    put16(b, 14, 2);
    b[16] = 24;
    b[17] = 0x20;
    b.append(char(0x82)).append("\x00\x00\xFF", 3);                          // 3 x red (BGR)
    b.append(char(0x02)).append("\xFF\x00\x00\x00\xFF\x00\xFF\x00\x00", 9);  // blue green blue
    return b;
}

TEST(PcxReader, ReadsRunLengthPixelsAndTheEndPalette) {
    const QImage image = readPcx(samplePcx());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(4, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(3, 1), qRgb(0, 0, 255));
}

TEST(TgaReader, ReadsRunLengthPacketsInEitherRowOrder) {
    QImage image = readTga(sampleTga());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 255, 0));
    QByteArray bottomUp = sampleTga();
    bottomUp[17] = 0;
    image = readTga(bottomUp);
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0));
}

TEST(PictureReaders, MalformedAndHostileFilesGiveNoImage) {
    // Truncated at every length.
    const QByteArray pcx = samplePcx(), tga = sampleTga();
    for (qsizetype n = 0; n < pcx.size(); ++n) EXPECT_TRUE(readPcx(pcx.left(n)).isNull()) << n;
    for (qsizetype n = 0; n < tga.size(); ++n) EXPECT_TRUE(readTga(tga.left(n)).isNull()) << n;

    // Huge declared sizes are refused before anything is allocated.
    QByteArray hugePcx = pcx;
    put16(hugePcx, 8, 65535);
    put16(hugePcx, 10, 65535);
    put16(hugePcx, 66, 65535);
    EXPECT_TRUE(readPcx(hugePcx).isNull());
    QByteArray hugeTga = tga;
    put16(hugeTga, 12, 65535);
    put16(hugeTga, 14, 65535);
    EXPECT_TRUE(readTga(hugeTga).isNull());

    // A colour index beyond the palette.
    QByteArray mapped(18, '\0');
    mapped[1] = 1;
    mapped[2] = 1;
    put16(mapped, 5, 2);
    mapped[7] = 24;
    put16(mapped, 12, 1);
    put16(mapped, 14, 1);
    mapped[16] = 8;
    mapped.append(QByteArray(6, '\0')).append(char(9));
    EXPECT_TRUE(readTga(mapped).isNull());

    // Random bytes never crash a reader.
    QRandomGenerator random(7);
    for (int i = 0; i < 300; ++i) {
        QByteArray noise = (i % 2 ? pcx : tga);
        for (int k = 0; k < 6; ++k)
            noise[random.bounded(int(noise.size()))] = char(random.bounded(256));
        readPcx(noise);
        readTga(noise);
        decodeBmp(noise);
    }
}

TEST(PictureReaders, BmpHeaderIsCheckedBeforeDecoding) {
    const QByteArray bmp = encodeBmp(readPcx(samplePcx()));
    ASSERT_FALSE(decodeBmp(bmp).isNull());
    QByteArray huge = bmp;
    qToLittleEndian<qint32>(1 << 30, huge.data() + 18);
    EXPECT_TRUE(decodeBmp(huge).isNull());
    for (qsizetype n = 0; n < 60; ++n) EXPECT_TRUE(decodeBmp(bmp.left(n)).isNull()) << n;
}

TEST(StoredPicture, PictureDataRoundTripsByteForByte) {
    const StoredPicture picture = StoredPicture::fromImage(readPcx(samplePcx()));
    ASSERT_EQ(picture.kind(), StoredPicture::Kind::Bitmap);
    const QByteArray data = picture.streamData();
    ASSERT_TRUE(data.startsWith("\x07TBitmap"));
    EXPECT_EQ(qFromLittleEndian<quint32>(data.constData() + 8), quint32(data.size() - 12));
    EXPECT_TRUE(data.mid(12).startsWith("BM"));

    const auto back = StoredPicture::fromStreamData(data);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->streamData(), data);
    EXPECT_EQ(back->image().pixel(0, 0), qRgb(255, 0, 0));

    // An icon is stored as its file image and drawn.
    QByteArray ico;
    {
        QBuffer buffer(&ico);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(readPcx(samplePcx()).save(&buffer, "ICO"));
    }
    const QByteArray iconData = QByteArray("\x05TIcon", 6) + ico;
    const auto icon = StoredPicture::fromStreamData(iconData);
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->kind(), StoredPicture::Kind::Icon);
    EXPECT_EQ(icon->size(), QSize(4, 2));
    EXPECT_EQ(icon->streamData(), iconData);

    // A metafile is kept as bytes, not drawn.
    const QByteArray wmf =
        QByteArray("\x09TMetafile", 10) + QByteArray("\xD7\xCD\xC6\x9A", 4) + QByteArray(30, '\1');
    const auto metafile = StoredPicture::fromStreamData(wmf);
    ASSERT_TRUE(metafile.has_value());
    EXPECT_EQ(metafile->kind(), StoredPicture::Kind::Metafile);
    EXPECT_TRUE(metafile->image().isNull());
    EXPECT_EQ(metafile->streamData(), wmf);
}

TEST(StoredPicture, MalformedPictureDataIsRefused) {
    const QByteArray data = StoredPicture::fromImage(readPcx(samplePcx())).streamData();
    EXPECT_FALSE(StoredPicture::fromStreamData(QByteArray("\x05TFoo!xxxx", 10)).has_value());
    QByteArray lying = data;
    qToLittleEndian<quint32>(0x7FFFFFFF, lying.data() + 8);
    EXPECT_FALSE(StoredPicture::fromStreamData(lying).has_value());
    for (qsizetype n = 1; n < 12; ++n)
        EXPECT_FALSE(StoredPicture::fromStreamData(data.left(n)).has_value()) << n;
}

TEST(ImageObject, LoadsFilesAndRefusesWhatItCannotRead) {
    QTemporaryDir dir;
    auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    auto encoded = [](const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        readTga(sampleTga()).save(&buffer, format);
        return bytes;
    };
    testing::TestHost host;
    TGImage image;
    image.setHost(&host);
    const std::pair<const char*, QByteArray> files[] = {{"a.pcx", samplePcx()},
                                                        {"b.TGA", sampleTga()},
                                                        {"c.png", encoded("PNG")},
                                                        {"d.ico", encoded("ICO")},
                                                        {"e.jpg", encoded("JPEG")}};
    for (const auto& [name, bytes] : files) {
        ASSERT_FALSE(bytes.isEmpty()) << name;
        EXPECT_TRUE(image.commandLoadImage(write(name, bytes))) << name;
        EXPECT_EQ(image.picture().kind(), StoredPicture::Kind::Bitmap);
        EXPECT_EQ(image.picture().size(), QSize(name == files[0].first ? 4 : 3, 2)) << name;
    }
    EXPECT_FALSE(image.commandLoadImage(write("f.jpg", "not a picture at all")));
    EXPECT_TRUE(image.picture().isEmpty());
    EXPECT_FALSE(image.commandLoadImage(dir.filePath("missing.bmp")));
    EXPECT_FALSE(testing::writtenNames(image).contains("Picture.Data"));
}

TEST(ImageObject, AutoSizeAndStretchExcludeEachOtherAndAutoSizeFollowsZoom) {
    TGImage image;
    EXPECT_EQ(image.bounds(), QRect(0, 0, 105, 105));
    EXPECT_TRUE(image.stretch());
    image.setPicture(StoredPicture::fromImage(readPcx(samplePcx())));
    image.setAutoSize(true);
    EXPECT_FALSE(image.stretch());
    EXPECT_EQ(image.bounds().size(), QSize(4, 2));
    image.setZoom(1.5f);
    EXPECT_EQ(image.bounds().size(), QSize(6, 3));
    image.setStretch(true);
    EXPECT_FALSE(image.autoSize());

    const auto names = testing::writtenNames(image);
    EXPECT_EQ(names.mid(names.indexOf("BorderStyle")),
              QList<QByteArray>({"BorderStyle", "Picture.Data"}));
    TGImage copy;
    for (const StreamProperty& p : testing::written(image)) copy.readProperty(p.name, p.value);
    EXPECT_EQ(copy.picture().streamData(), image.picture().streamData());
}

}  // namespace
}  // namespace pc::design
