#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record/record_format.h"

namespace papyrka {
namespace {

RecordList ListOf(int fieldCount, int current, std::vector<Record> records) {
    RecordList list(fieldCount);
    list.assign(std::move(records));
    list.setCurrent(current);
    return list;
}

// A record keeps its fields in one block of bytes: a change in one field must move the later
// ones with it, and the same bytes split differently are other fields.
TEST(Record, SettingAFieldKeepsEveryOtherFieldIntact) {
    Record record{"Novák", "", "0905 123 456", "Žilina"};
    record.set(1, "Hlavná 5");
    record.set(0, "");
    record.set(3, "Banská Bystrica");
    record.set(2, "1");
    EXPECT_EQ(record, (Record{"", "Hlavná 5", "1", "Banská Bystrica"}));
    EXPECT_NE((Record{"x", "", "yz"}), (Record{"x", "yz", ""}));
}

TEST(RecordFormat, WritesTheExactBytesAndAQuoteAsAnApostrophe) {
    const struct { RecordList list; const char* bytes; } cases[] = {
        {RecordList(8), "0,0\r\n"},
        {ListOf(8, 1, {{"Novák Ján", "", "", "", "0905 123 456", "", "", ""}}),
         "1,1\r\n\"Novák Ján\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"0905 123 456\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"},
        {ListOf(2, 2, {{"a", "b"}, {"riadok 1\r\nriadok 2", ""}}), "2,2\r\n\"a\"\r\n\"b\"\r\n\"riadok 1\r\nriadok 2\"\r\n\"\"\r\n"},
        {ListOf(3, 1, {{"say \"hi\"", "\"", "last"}}), "1,1\r\n\"say 'hi'\"\r\n\"'\"\r\n\"last\"\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(SerializeRecords(c.list), c.bytes);
}

TEST(RecordFormat, FieldsThatNeedTheQuotesComeBackUnchanged) {
    std::string everyByte;   // but the quote
    for (int byte = 0x20; byte <= 0xFF; ++byte) everyByte += static_cast<char>(byte == '"' ? ' ' : byte);
    const RecordList list = ListOf(4, 2, {{"Hlavná 5, Bratislava", "  leading and trailing  ", "", ","},
                                          {"line 1\r\nline 2\r\n", "\r\n", everyByte, " "}});
    const std::string saved = SerializeRecords(list);
    RecordList reloaded(4);
    ASSERT_TRUE(ParseRecords(saved, reloaded).ok());
    EXPECT_EQ(reloaded, list);
    EXPECT_EQ(SerializeRecords(reloaded), saved);
}

// A saved file is read 64 bytes at a time into records that view its bytes until they change:
// fields end anywhere in a block or span blocks, an edit stays in its own record and survives a
// save and a load, and a copy of a record outlives the list it came from.
TEST(RecordFormat, SavedFilesComeBackAndTheirRecordsCanBeEditedAndKept) {
    for (size_t length = 0; length < 140; ++length) {
        SCOPED_TRACE(length);
        const RecordList list = ListOf(2, 1, {{std::string(length, 'a'), "\r\n"}, {"", std::string(length % 5, '\n')}});
        Record copied;
        std::string resaved;
        {
            RecordList loaded(2);
            ASSERT_TRUE(ParseRecords(SerializeRecords(list), loaded).ok());
            EXPECT_EQ(loaded, list);
            copied = loaded.at(1);
            loaded.at(2).set(0, "say \"hi\"");
            resaved = SerializeRecords(loaded);
        }
        RecordList reloaded(2);
        ASSERT_TRUE(ParseRecords(resaved, reloaded).ok());
        EXPECT_EQ(reloaded.at(1), copied);
        EXPECT_EQ(reloaded.at(2), (Record{"say 'hi'", std::string(length % 5, '\n')}));
    }
}

TEST(RecordFormat, HalfBrokenInputIsReadAsTheRuleSays) {
    // The fault's line is 0 when there is none.
    const struct { const char* name; std::string bytes; int fieldCount; ParseFault fault; int line, current;
                   std::vector<Record> records; } cases[] = {
        {"UnquotedItemsTrimmed", "1,1\r\n  a b  \r\n c,d\r\n", 3, ParseFault::None, 0, 1, {{"a b", "c", "d"}}},
        {"TextAfterClosingQuoteDropped", "1,1\r\n\"ab\"cd,ef\r\n", 2, ParseFault::None, 0, 1, {{"ab", "ef"}}},
        {"SpacesBeforeQuoteSkipped", "1,1\r\n   \" x \"\r\n", 1, ParseFault::None, 0, 1, {{" x "}}},
        {"BlankLineIsEmptyField", "1,1\r\n\r\n\"b\"\r\n", 2, ParseFault::None, 0, 1, {{"", "b"}}},
        {"LineEndsOfOtherEditors", "2,2\n\"a\"\n\"b\"\r\"c\r\nd\"\r\"e\"", 2, ParseFault::None, 0, 2,
         {{"a", "b"}, {"c\r\nd", "e"}}},
        {"QuoteInsideUnquotedItem", "1,1\r\nsay \"hi\"\r\n", 1, ParseFault::None, 0, 1, {{"say 'hi'"}}},
        {"HeaderWithSpacesAndQuotes", " 1 ,\" 1\"\r\n\"a\"\r\n", 1, ParseFault::None, 0, 1, {{"a"}}},
        {"TrailingBlankLinesAllowed", "1,1\r\n\"a\"\r\n\r\n  \r\n", 1, ParseFault::None, 0, 1, {{"a"}}},
        {"MissingFinalLineEnd", "1,1\r\n\"a\"", 1, ParseFault::None, 0, 1, {{"a"}}},
        {"CurrentAboveCount", "2,9\r\n\"a\"\r\n\"b\"\r\n", 1, ParseFault::None, 0, 2, {{"a"}, {"b"}}},
        {"CurrentZeroWithRecords", "2,0\r\n\"a\"\r\n\"b\"\r\n", 1, ParseFault::None, 0, 1, {{"a"}, {"b"}}},
        {"CurrentNegative", "1,-4\r\n\"a\"\r\n", 1, ParseFault::None, 0, 1, {{"a"}}},
        {"EmptyListWithCurrent", "0,3\r\n", 1, ParseFault::None, 0, 0, {}},
        {"EmptyFile", "", 1, ParseFault::HeaderNotNumbers, 1, 0, {}},
        {"HeaderOneNumber", "3\r\n", 1, ParseFault::HeaderNotNumbers, 2, 0, {}},
        {"HeaderDecimal", "1.5,1\r\n\"a\"\r\n", 1, ParseFault::HeaderNotNumbers, 1, 0, {}},
        {"HeaderSecondItemText", "1\r\n\"a\"\r\n", 1, ParseFault::HeaderNotNumbers, 2, 0, {}},
        {"HeaderAfterByteOrderMark", "\xEF\xBB\xBF" "1,1\r\n\"a\"\r\n", 1, ParseFault::HeaderNotNumbers, 1, 0, {}},
        {"CountTooLarge", "32768,1\r\n", 1, ParseFault::CountOutOfRange, 1, 0, {}},
        {"CountHuge", "99999999999999999999,1\r\n", 1, ParseFault::CountOutOfRange, 1, 0, {}},
        {"CountNegative", "-1,0\r\n", 1, ParseFault::CountOutOfRange, 1, 0, {}},
        {"HeaderPromisesMore", "3,2\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n", 2, ParseFault::EndsEarly, 5, 2,
         {{"a", "b"}, {"c", ""}, {"", ""}}},
        {"UnclosedQuote", "2,1\r\n\"a\"\r\n\"b\r\nc\r\n", 2, ParseFault::UnclosedQuote, 3, 1,
         {{"a", ""}, {"", ""}}},
        {"MoreThanPromised", "1,1\r\n\"a\"\r\n\"b\"\r\n", 1, ParseFault::TextAfterEnd, 3, 1, {{"a"}}},
        {"MoreAfterEmptyList", "0,0\r\n\r\n\"a\"\r\n", 1, ParseFault::TextAfterEnd, 3, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordList list(c.fieldCount);
        list.append();   // whatever was there before the load must go
        const ParseResult result = ParseRecords(c.bytes, list);
        EXPECT_EQ(result.fault, c.fault);
        EXPECT_EQ(c.fault == ParseFault::None ? 0 : result.line, c.line);
        EXPECT_EQ(list.current(), c.current);
        std::vector<Record> records;
        for (int i = 1; i <= list.count(); ++i) records.push_back(list.at(i));
        EXPECT_EQ(records, c.records);
    }
    RecordList list(1);   // an out-of-range count is kept short for the message
    EXPECT_EQ(ParseRecords(" 40000 ,1\r\n", list).countText, "40000");
    EXPECT_EQ(ParseRecords(std::string(5000, '9') + ",1\r\n", list).countText, "999999999999...");
}

}  // namespace
}  // namespace papyrka
