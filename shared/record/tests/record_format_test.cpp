#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_format.h"

namespace papyrka {
namespace {

RecordList ListOf(int fieldCount, int current, const std::vector<std::vector<std::string>>& records) {
    RecordList list(fieldCount);
    for (const auto& fields : records) {
        list.append();
        list.at(list.count()) = fields;
    }
    list.setCurrent(current);
    return list;
}

TEST(RecordFormat, WritesTheExactBytes) {
    EXPECT_EQ(SerializeRecords(RecordList(8)), "0,0\r\n");

    RecordList one = ListOf(8, 1, {{"Novák Ján", "", "", "", "0905 123 456", "", "", ""}});
    EXPECT_EQ(SerializeRecords(one),
              "1,1\r\n\"Novák Ján\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"0905 123 456\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n");

    RecordList multiLine = ListOf(2, 2, {{"a", "b"}, {"riadok 1\r\nriadok 2", ""}});
    EXPECT_EQ(SerializeRecords(multiLine),
              "2,2\r\n\"a\"\r\n\"b\"\r\n\"riadok 1\r\nriadok 2\"\r\n\"\"\r\n");
}

TEST(RecordFormat, AQuoteIsSavedAsAnApostropheAndTheFieldsStayApart) {
    RecordList list = ListOf(3, 1, {{"say \"hi\"", "\"", "last"}});
    const std::string saved = SerializeRecords(list);
    EXPECT_EQ(saved, "1,1\r\n\"say 'hi'\"\r\n\"'\"\r\n\"last\"\r\n");

    RecordList reloaded(3);
    ASSERT_TRUE(ParseRecords(saved, reloaded).ok());
    EXPECT_EQ(reloaded.at(1), (Record{"say 'hi'", "'", "last"}));
}

TEST(RecordFormat, FieldsThatNeedTheQuotesComeBackUnchanged) {
    std::string everyByte;
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        if (byte != '"') everyByte += static_cast<char>(byte);
    RecordList list = ListOf(4, 2,
                             {{"Hlavná 5, Bratislava", "  leading and trailing  ", "", ","},
                              {"line 1\r\nline 2\r\n", "\r\n", everyByte, " "}});

    const std::string saved = SerializeRecords(list);
    RecordList reloaded(4);
    ASSERT_TRUE(ParseRecords(saved, reloaded).ok());
    EXPECT_EQ(reloaded, list);
    EXPECT_EQ(SerializeRecords(reloaded), saved);
}

TEST(RecordFormat, TheFullestListComesBack) {
    RecordList list(2);
    while (list.append()) {
        list.at(list.count())[0] = std::to_string(list.count());
        list.at(list.count())[1] = "x";
    }
    ASSERT_EQ(list.count(), RecordList::kMaxCount);
    list.setCurrent(12345);

    RecordList reloaded(2);
    ASSERT_TRUE(ParseRecords(SerializeRecords(list), reloaded).ok());
    EXPECT_EQ(reloaded, list);
}

TEST(RecordFormat, AnOutOfRangeCountIsKeptShortForTheMessage) {
    RecordList list(1);
    EXPECT_EQ(ParseRecords(" 40000 ,1\r\n", list).countText, "40000");
    EXPECT_EQ(ParseRecords(std::string(5000, '9') + ",1\r\n", list).countText, "999999999999...");
}

struct ReadCase {
    const char* name;
    std::string bytes;
    int fieldCount;
    ParseFault fault;
    int line;                                    // of the fault; 0 when none
    int current;
    std::vector<std::vector<std::string>> records;
};

class HalfBrokenInput : public ::testing::TestWithParam<ReadCase> {};

TEST_P(HalfBrokenInput, ReadsWhatTheRuleSays) {
    const ReadCase& c = GetParam();
    RecordList list(c.fieldCount);
    list.append();   // whatever was there before the load must go
    const ParseResult result = ParseRecords(c.bytes, list);
    EXPECT_EQ(result.fault, c.fault);
    if (c.fault != ParseFault::None) {
        EXPECT_EQ(result.line, c.line);
    }
    EXPECT_EQ(list.current(), c.current);
    ASSERT_EQ(list.count(), static_cast<int>(c.records.size()));
    for (int i = 1; i <= list.count(); ++i) EXPECT_EQ(list.at(i), c.records[static_cast<size_t>(i - 1)]) << i;
}

const ReadCase kReadCases[] = {
    {"Canonical", "2,1\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n\"\"\r\n", 2, ParseFault::None, 0, 1, {{"a", "b"}, {"c", ""}}},
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
    {"HeaderWords", "tri,1\r\n\"a\"\r\n", 1, ParseFault::HeaderNotNumbers, 1, 0, {}},
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

INSTANTIATE_TEST_SUITE_P(Reader, HalfBrokenInput, ::testing::ValuesIn(kReadCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace papyrka
