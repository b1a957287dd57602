// Numbers read out of untrusted bytes: both byte orders, signed values, and
// every read that would pass either end refused without touching the value.

#include "platform/formats/bytes.h"

#include <gtest/gtest.h>

using tamiro::readBig;
using tamiro::readLittle;

TEST(Bytes, ReadInBothOrdersAndOnlyWithinTheBytes) {
    const QByteArray bytes("\x01\x02\x03\xfe\xff", 5);
    const struct {
        qsizetype at;
        bool read;
        quint32 little32, big32;
        qint16 little16, big16;
    } rows[] = {
        {0, true, 0xfe030201, 0x010203fe, 0x0201, 0x0102},
        {1, true, 0xfffe0302, 0x0203feff, 0x0302, 0x0203},
        {3, false, 7, 7, -2, -257}, // 16 bits still fit: 0xfffe, 0xfeff
        {4, false, 7, 7, 7, 7},     // one byte left
        {5, false, 7, 7, 7, 7},
        {-1, false, 7, 7, 7, 7},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at);
        quint32 little32 = 7, big32 = 7;
        qint16 little16 = 7, big16 = 7;
        EXPECT_EQ(row.read, readLittle(bytes, row.at, little32));
        EXPECT_EQ(row.read, readBig(bytes, row.at, big32));
        readLittle(bytes, row.at, little16);
        readBig(bytes, row.at, big16);
        EXPECT_EQ(row.little32, little32);
        EXPECT_EQ(row.big32, big32);
        EXPECT_EQ(row.little16, little16);
        EXPECT_EQ(row.big16, big16);
    }
}
