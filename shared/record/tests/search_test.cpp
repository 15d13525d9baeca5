#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <string>

#include "box_filter.h"
#include "cp1250.h"
#include "editor.h"
#include "fake_editor_view.h"
#include "search.h"

namespace papyrka {
namespace {

using test::FakeEditorView;

std::u16string U(const char* utf8) { return Cp1250ToUtf16(Utf8ToCp1250(utf8)); }

TEST(Search, CaseFoldingPairsALetterOnlyWithItsOwnOtherCase) {
    struct Case {
        char16_t in, out;
    };
    const Case cases[] = {
        {u'A', u'a'}, {u'Z', u'z'}, {u'a', u'a'}, {u'1', u'1'},   {u'Á', u'á'}, {u'Ä', u'ä'}, {u'Č', u'č'},
        {u'Ď', u'ď'}, {u'É', u'é'}, {u'Ě', u'ě'}, {u'Í', u'í'},   {u'Ĺ', u'ĺ'}, {u'Ľ', u'ľ'}, {u'Ň', u'ň'},
        {u'Ó', u'ó'}, {u'Ô', u'ô'}, {u'Ő', u'ő'}, {u'Ŕ', u'ŕ'},   {u'Ř', u'ř'}, {u'Š', u'š'}, {u'Ś', u'ś'},
        {u'Ť', u'ť'}, {u'Ú', u'ú'}, {u'Ů', u'ů'}, {u'Ű', u'ű'},   {u'Ý', u'ý'}, {u'Ž', u'ž'}, {u'Ź', u'ź'},
        {u'Ż', u'ż'}, {u'Ł', u'ł'}, {u'Ą', u'ą'}, {u'Ę', u'ę'},   {u'Ş', u'ş'}, {u'Ţ', u'ţ'}, {u'Ă', u'ă'},
        {u'Ÿ', u'ÿ'}, {u'×', u'×'}, {u'ß', u'ß'}, {u'á', u'á'},   {u'ľ', u'ľ'}, {u'ł', u'ł'}, {u'ž', u'ž'},
    };
    for (const Case& c : cases) EXPECT_EQ(FoldCase(c.in), c.out) << static_cast<int>(c.in);
}

TEST(Search, SubstringIgnoresCaseButNotDiacritics) {
    struct Case {
        const char16_t* text;
        const char16_t* wanted;
        bool found;
    };
    const Case cases[] = {
        {u"Novák", u"nov", true},      {u"NOVÁK", u"novák", true},  {u"novák", u"NOVÁK", true},
        {u"Novák", u"a", false},       {u"Novak", u"á", false},     {u"ÁBEL", u"á", true},
        {u"abel", u"Á", false},        {u"Štefan", u"š", true},     {u"Stefan", u"Š", false},
        {u"Ľubica", u"ľub", true},     {u"Lubica", u"ľ", false},    {u"x", u"", true},
        {u"", u"a", false},            {u"a-b c", u"B C", true},    {u"Žilina", u"ZILINA", false},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ContainsIgnoringCase(cases[i].text, cases[i].wanted), cases[i].found) << "case " << i;
}

RecordList Contacts(std::initializer_list<std::initializer_list<const char*>> records) {
    RecordList list(3);
    for (const auto& fields : records) {
        list.append();
        size_t field = 0;
        for (const char* text : fields) list.at(list.count())[field++] = Utf8ToCp1250(text);
    }
    list.setCurrent(1);
    return list;
}

TEST(Search, FirstMatchInListOrderThenFieldOrder) {
    const RecordList list = Contacts({
        {"Kováč", "", "kovac@example.sk"},
        {"Horváth", "0905", "eva@example.sk"},
        {"Novák", "", ""},
        {"Nováková", "eva@novakova.sk", ""},
    });
    struct Case {
        const char16_t* wanted;
        int from, position, field;
    };
    const Case cases[] = {
        {u"nov", 1, 3, 0},      // the name wins over the later record
        {u"eva@", 1, 2, 2},     // found in a later field of the record
        {u"eva@", 3, 4, 1},     // the scan starts where it is told
        {u"KOVÁČ", 1, 1, 0},
        {u"kovac", 1, 1, 2},    // "kovac" is not "Kováč", but the e-mail holds it
        {u"Žilina", 1, 0, -1},
        {u"nov", 5, 0, -1},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const SearchMatch match = FindFirstMatch(list, cases[i].wanted, cases[i].from);
        EXPECT_EQ(match.position, cases[i].position) << "case " << i;
        EXPECT_EQ(match.field, cases[i].field) << "case " << i;
    }
}

TEST(Search, TextsOfTheEditor) {
    EXPECT_EQ(NotFoundMessage(u"abc"), U("Tento údaj nebol nájdený 'abc'."));
    EXPECT_EQ(PositionLine(0, 0), u"No Records");
    EXPECT_EQ(PositionLine(2, 5), u"Record 2 of 5");
    EXPECT_EQ(PositionLine(32767, 32767), u"Record 32767 of 32767");
}

class SearchButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor.Records() = Contacts({{"Kováč", "", ""}, {"Novák", "", ""}, {"Horváth", "", ""}, {"Nováková", "", ""}});
        editor.Records().setCurrent(4);
        editor.ShowCurrentRecord();
    }
    FakeEditorView view{3};
    RecordEditor editor{3, view};
};

TEST_F(SearchButtonTest, AlwaysStartsAtTheFirstRecordAndFocusesTheMatchingBox) {
    view.searchAnswers = {{true, u"NOV"}};
    editor.Search();
    EXPECT_EQ(view.position, u"Record 2 of 4");
    EXPECT_EQ(view.focus, 0);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(SearchButtonTest, StoresTheShownBoxesBeforeScanning) {
    view.boxes[2] = u"poznámka s heslom";
    view.searchAnswers = {{true, u"HESLOM"}};
    editor.Search();
    EXPECT_EQ(view.position, u"Record 4 of 4");
    EXPECT_EQ(view.focus, 2);
}

TEST_F(SearchButtonTest, NotFoundSaysSoAndKeepsTheStoredEdits) {
    view.boxes[1] = u"0905";
    view.searchAnswers = {{true, u"abc"}};
    editor.Search();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], U("Tento údaj nebol nájdený 'abc'."));
    EXPECT_EQ(view.position, u"Record 4 of 4");
    EXPECT_EQ(view.focus, -1);
    EXPECT_EQ(editor.Records().at(4)[1], "0905");
}

TEST_F(SearchButtonTest, ClosedOrEmptyDoesNothingVisible) {
    view.searchAnswers = {{true, u"Novák"}};
    editor.Search();
    view.focus = -1;
    view.searchAnswers = {{false, u"ignored"}};
    editor.Search();
    EXPECT_EQ(editor.LastSearchText(), U("Novák"));
    view.searchAnswers = {{true, u""}};
    editor.Search();
    EXPECT_EQ(editor.LastSearchText(), u"");   // a confirmed empty text still replaces it
    EXPECT_EQ(view.searchTextHandedIn, (std::vector<std::u16string>{u"", U("Novák"), U("Novák")}));
    EXPECT_EQ(view.position, u"Record 2 of 4");
    EXPECT_EQ(view.focus, -1);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(SearchButtonTest, AnEmptyListFindsNothing) {
    FakeEditorView emptyView(3);
    RecordEditor empty(3, emptyView);
    empty.ShowCurrentRecord();
    emptyView.searchAnswers = {{true, u"x"}};
    empty.Search();
    EXPECT_EQ(emptyView.messages, (std::vector<std::u16string>{U("Tento údaj nebol nájdený 'x'.")}));
    EXPECT_EQ(emptyView.position, u"No Records");
}

TEST(BoxFilter, RefusesQuotesAndWhatWindows1250CannotStore) {
    for (char16_t ch : {u'"', u'\u4E2D', u'\u20B9', u'\xD83D', u'\u0101'}) EXPECT_TRUE(IsRefusedInBox(ch)) << int(ch);
    for (char16_t ch : {u'a', u'\'', u'á', u'Ľ', u'ô', u'\u20AC', u'\u201E', u'\t'}) EXPECT_FALSE(IsRefusedInBox(ch)) << int(ch);

    const PasteFilter multi = FilterPastedText(u"Ján \"Jano\"\r\nNovák\u4E2D", true);
    EXPECT_EQ(multi.text, u"Ján Jano\r\nNovák");
    EXPECT_TRUE(multi.dropped);
    const PasteFilter single = FilterPastedText(u"prvý riadok\r\ndruhý \"", false);
    EXPECT_EQ(single.text, u"prvý riadok");
    EXPECT_FALSE(single.dropped);   // the cut at the line break is the edit's own, not a refusal
}

}  // namespace
}  // namespace papyrka
