#include "core/Runtime.h"
#include "materials/RecordReader.h"
#include "materials/RecordWriter.h"
#include "materials/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, RoundTripsGermanAndPunctuation)
{
    const std::string text = "Angström, Größe – 5 €";
    const std::string bytes = Windows1252FromUtf8(text);
    EXPECT_EQ(bytes.size(), 21u);  // one byte per character
    EXPECT_EQ(static_cast<uint8_t>(bytes[6]), 0xF6);
    EXPECT_EQ(static_cast<uint8_t>(bytes.back()), 0x80);
    EXPECT_EQ(Utf8FromWindows1252(bytes), text);
}

TEST(Windows1252, UnmappableAndBrokenTextBecomesQuestionMark)
{
    EXPECT_EQ(Windows1252FromUtf8("a\xE2\x88\x9E" "b"), "a?b");  // infinity sign
    EXPECT_EQ(Windows1252FromUtf8("a\xC3"), "a?");               // cut UTF-8 sequence
}

TEST(RecordFields, FieldsAreLittleEndianAndPacked)
{
    RecordWriter out;
    out.Byte(0xAB);
    out.Integer(-2);
    out.Long(0x01020304);
    out.Single(-3e38f);
    out.String("Ö");
    const std::vector<uint8_t> expected = {0xAB, 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01,
                                           0xE6, 0xB1, 0x61, 0xFF, 0x01, 0x00, 0xD6};
    EXPECT_EQ(out.Data(), expected);

    RecordReader in(out.Data());
    EXPECT_EQ(in.Byte(), 0xAB);
    EXPECT_EQ(in.Integer(), -2);
    EXPECT_EQ(in.Long(), 0x01020304);
    EXPECT_EQ(in.Single(), -3e38f);
    EXPECT_EQ(in.String(), "Ö");
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(RecordFields, ReadingPastTheEndRaisesInputPastEnd)
{
    const std::vector<uint8_t> bytes = {0x10, 0x00, 'a', 'b'};  // a string that claims 16 bytes
    RecordReader in(bytes);
    try {
        in.String();
        FAIL() << "no error";
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.Number(), rt::errInputPastEnd);
    }
    RecordReader empty({});
    EXPECT_THROW(empty.Long(), rt::RuntimeError);
    EXPECT_THROW(empty.Byte(), rt::RuntimeError);
}
