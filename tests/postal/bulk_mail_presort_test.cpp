#include "postal/bulk_mail_presort.h"

#include <gtest/gtest.h>

#include <QSet>

#include "qstring_printer.h"

using namespace pc::postal;

namespace {

void pieces(BulkMailPresort& presort, const QString& zip, int count) {
    for (int i = 0; i < count; ++i) EXPECT_TRUE(presort.count(zip));
}

TEST(BulkMailPresort, TheWorkedExample) {
    BulkMailPresort presort;
    pieces(presort, "12345", 12);
    pieces(presort, "12346-1111", 3);
    pieces(presort, "12301", 4);
    pieces(presort, "12302", 4);
    pieces(presort, "12399", 2);
    pieces(presort, "00501", 1);
    EXPECT_EQ(presort.plan(),
              QStringList({"** 5-digit 12345", "12345", "** 3-digit 123", "12301", "12302",
                           "12346", "12399", "** ADC LONG ISLAND NY 117", "00501"}));
}

TEST(BulkMailPresort, GroupsNeedTenPieces) {
    BulkMailPresort presort;
    pieces(presort, "12345", 12);
    pieces(presort, "12346", 3);
    pieces(presort, "60601", 9);
    pieces(presort, "60602", 10);
    EXPECT_EQ(presort.plan(),
              QStringList({"** 5-digit 12345", "12345", "** 5-digit 60602", "60602",
                           "** ADC ALBANY NY 120", "12346", "** ADC CHICAGO IL 606", "60601"}));
}

TEST(BulkMailPresort, KeysLeftOutCountedApartAndUnknown) {
    BulkMailPresort presort;
    EXPECT_FALSE(presort.count("ABCDE"));
    EXPECT_FALSE(presort.count(" 1234"));
    EXPECT_FALSE(presort.count(""));
    EXPECT_FALSE(presort.count("K1A 0B1"));
    pieces(presort, "12345-6789", 5);
    pieces(presort, "12345", 5);  // the same key: ten pieces
    pieces(presort, "1234", 1);   // a key of its own
    pieces(presort, "56901", 2);  // 569 belongs to no center
    EXPECT_EQ(presort.plan(), QStringList({"** 5-digit 12345", "12345", "** ADC ALBANY NY 120",
                                           "1234", "** Unknown", "56901"}));
    EXPECT_TRUE(BulkMailPresort().plan().isEmpty());
}

TEST(BulkMailPresort, NoPrefixBelongsToTwoCenters) {
    QSet<QString> seen;
    for (const AdcRow& row : adcTable())
        for (const QString& prefix : QString(row.prefixes).split(' ')) {
            EXPECT_EQ(prefix.size(), 3) << row.label;
            EXPECT_FALSE(seen.contains(prefix)) << prefix.toStdString();
            seen.insert(prefix);
        }
    EXPECT_EQ(adcTable().front().label, std::string("ALBANY NY 120"));
    EXPECT_EQ(adcTable().back().label, std::string("WILMINGTON DE 197"));
}

}  // namespace
