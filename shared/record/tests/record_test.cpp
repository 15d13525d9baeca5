#include "record/record.h"

#include <gtest/gtest.h>

namespace papyrka {
namespace {

// Every field lives in one block; a change in one field must move the later ones with it.
TEST(Record, SettingAFieldKeepsEveryOtherFieldIntact) {
    Record record{"Novák", "", "0905 123 456", "Žilina"};
    const struct { size_t field; const char* text; Record expected; } steps[] = {
        {1, "Hlavná 5", {"Novák", "Hlavná 5", "0905 123 456", "Žilina"}},
        {0, "", {"", "Hlavná 5", "0905 123 456", "Žilina"}},
        {3, "Banská Bystrica", {"", "Hlavná 5", "0905 123 456", "Banská Bystrica"}},
        {2, "1", {"", "Hlavná 5", "1", "Banská Bystrica"}},
        {1, "riadok 1\r\nriadok 2", {"", "riadok 1\r\nriadok 2", "1", "Banská Bystrica"}},
    };
    for (const auto& step : steps) {
        record.set(step.field, step.text);
        EXPECT_EQ(record, step.expected) << "after setting field " << step.field;
    }
}

TEST(Record, ResizeAndAssignGiveTheFieldsAsked) {
    Record record{"a", "bc", "def"};
    record.resize(5);
    EXPECT_EQ(record, (Record{"a", "bc", "def", "", ""}));
    record.resize(2);
    EXPECT_EQ(record, (Record{"a", "bc"}));
    const std::string_view pieces[] = {"x", "", "yz"};
    record.assign(pieces, 3);
    EXPECT_EQ(record, (Record{"x", "", "yz"}));
    EXPECT_NE(record, (Record{"x", "yz", ""})) << "the same bytes split differently are other fields";
    EXPECT_EQ(Record(3), (Record{"", "", ""}));
}

}  // namespace
}  // namespace papyrka
