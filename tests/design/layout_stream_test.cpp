#include "design/layout_stream.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "design/component_stream.h"
#include "stream_probe.h"

using namespace pc::design;
using pc::design::testing::probeFactory;
using pc::design::testing::TStreamProbe;

namespace {

std::unique_ptr<TStreamProbe> sampleProbe() {
    auto p = std::make_unique<TStreamProbe>();
    p->setName("Special1");
    p->setBounds(10, 20, 300, 40);
    p->alignment = 2;
    p->caption = QString::fromUtf8("Caf\u00e9 \u20ac");
    p->color = 0x123456;
    p->font.bold = true;
    p->lines = {"one", "two"};
    p->picture = QByteArray("\x07TBitmap", 8);
    return p;
}

const TStreamProbe& probe(const std::unique_ptr<TGGraphicControl>& o) {
    return dynamic_cast<const TStreamProbe&>(*o);
}

TEST(LayoutStream, ComponentFollowsTheSaveRules) {
    TStreamProbe plain;
    plain.setName("Label1");
    plain.setBounds(1, 2, 3, 4);
    const StreamComponent c = toComponent(plain);
    EXPECT_EQ(c.className, "TStreamProbe");
    EXPECT_EQ(c.name, "Label1");
    QList<QByteArray> names;
    for (const StreamProperty& p : c.properties) names << p.name;
    // Alignment at its default, empty caption, white colour, no lines and
    // no picture are left out; Locked false is written.
    EXPECT_EQ(names, QList<QByteArray>({"Left", "Top", "Width", "Height", "Locked", "Unselectable",
                                        "Font.Color", "Font.Height", "Font.Name", "Font.Style"}));
    const QByteArray bytes = writeObjects({&plain});
    EXPECT_TRUE(bytes.contains(QByteArray("\x06Locked\x08", 8)));
    EXPECT_FALSE(bytes.contains("Alignment"));
}

TEST(LayoutStream, ObjectsRoundTripThroughBytes) {
    const auto a = sampleProbe();
    TStreamProbe b;
    b.setName("Special2");
    b.setLocked(true);
    const QByteArray bytes = writeObjects({a.get(), &b});
    const ReadObjects read = readObjects(bytes, probeFactory());
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(read.objects.size(), 2u);
    const TStreamProbe& ra = probe(read.objects[0]);
    EXPECT_EQ(ra.name(), "Special1");  // names are kept; renaming is the surface's
    EXPECT_EQ(ra.bounds(), QRect(10, 20, 300, 40));
    EXPECT_EQ(ra.alignment, 2);
    EXPECT_EQ(ra.caption, a->caption);
    EXPECT_EQ(ra.color, 0x123456u);
    EXPECT_EQ(ra.font, a->font);
    EXPECT_EQ(ra.lines, a->lines);
    EXPECT_EQ(ra.picture, a->picture);
    EXPECT_FALSE(ra.loading());
    EXPECT_EQ(ra.readWhileLoading, ra.seen);  // every property applied while loading
    EXPECT_TRUE(probe(read.objects[1]).locked());
    EXPECT_EQ(writeObjects({read.objects[0].get(), read.objects[1].get()}), bytes);
}

TEST(LayoutStream, EventReferencesAndUnknownPropertiesAreIgnored) {
    StreamComponent c = toComponent(*sampleProbe());
    c.properties.insert(c.properties.begin(),
                        {"OnClick", StreamValue::makeIdentifier("Label1Click")});
    c.properties.push_back({"Transparent", StreamValue::makeBoolean(true)});
    QString error;
    const auto object = fromComponent(c, probeFactory(), &error);
    ASSERT_TRUE(object) << error.toStdString();
    const auto& p = dynamic_cast<const TStreamProbe&>(*object);
    EXPECT_FALSE(p.seen.contains("OnClick"));
    EXPECT_TRUE(p.seen.contains("Transparent"));
    EXPECT_EQ(p.caption, sampleProbe()->caption);
}

TEST(LayoutStream, AnUnregisteredClassCreatesNothing) {
    const auto a = sampleProbe();
    StreamComponent foreign{"TForeignThing", "X", {}};
    QByteArray bytes = writeComponents({toComponent(*a), foreign, toComponent(*a)});
    const ReadObjects read = readObjects(bytes, probeFactory());
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.objects.empty());
    EXPECT_TRUE(read.error.contains("TForeignThing")) << read.error.toStdString();
    // The registry knows nothing of the probe class.
    EXPECT_FALSE(readObjects(writeObjects({a.get()}), LayoutKind::Label).ok());
    EXPECT_FALSE(fromComponent(toComponent(*a), LayoutKind::Envelope));
}

TEST(LayoutStream, DamagedBytesGiveAnErrorAndNoObjects) {
    const auto a = sampleProbe();
    const QByteArray bytes = writeObjects({a.get(), a.get()});
    const ReadObjects read = readObjects(bytes.left(bytes.size() - 3), probeFactory());
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.objects.empty());
}

TEST(LayoutStream, FilesAreReplacedWholeAndReadByKind) {
    QTemporaryDir dir;
    const QString path = dir.filePath("BIN00001.L");
    const auto a = sampleProbe();
    QString error;
    ASSERT_TRUE(writeLayoutFile(path, {a.get()}, &error)) << error.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), writeObjects({a.get()}));
    f.close();
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"BIN00001.L"}));

    // Read through the label registry, which does not hold the probe class.
    const ReadObjects read = readLayoutFile(path);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.error.contains("TStreamProbe"));
    EXPECT_TRUE(read.error.contains(path));

    const ReadObjects missing = readLayoutFile(dir.filePath("BIN00002.L"));
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error.contains("BIN00002.L"));

    // An empty layout reads as no objects.
    ASSERT_TRUE(writeLayoutFile(path, {}));
    const ReadObjects empty = readLayoutFile(path);
    EXPECT_TRUE(empty.ok()) << empty.error.toStdString();
    EXPECT_TRUE(empty.objects.empty());
}

TEST(LayoutStream, AFailedWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("BIN00001.L");
    const auto a = sampleProbe();
    ASSERT_TRUE(writeLayoutFile(path, {a.get()}));
    QString error;
    EXPECT_FALSE(writeLayoutFile(dir.filePath("missing/BIN00001.L"), {a.get()}, &error));
    EXPECT_FALSE(error.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), writeObjects({a.get()}));
}

}  // namespace
