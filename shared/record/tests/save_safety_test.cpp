#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>

#include "record/record_file.h"
#include "record/record_format.h"
#include "testing/test_support.h"

namespace papyrka {
namespace {

using namespace test;

std::set<std::string> FileNames(const TempFolder& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder / ".")) names.insert(entry.path().filename().string());
    return names;
}

RecordList OneRecord(const char* text) {
    RecordList list(2);
    list.append();
    list.at(1) = {text, "Žilina"};
    list.setCurrent(1);
    return list;
}

TEST(SaveSafety, ASaveStoppedAtAnyStepLeavesTheOldFileWholeAndTheNextSaveTidiesUp) {
    const std::string old = SerializeRecords(OneRecord("old")), saved = SerializeRecords(OneRecord("new"));
    // Look like leftovers but are not a cut-short save's of this file: never deleted.
    const std::set<std::string> others = {"Kryton.dat.tmp", "Kryton.dat.~0123.tmp", "Vevuvez.dat.~0123456789abcdef.tmp",
                                          "Kryton.dat.~00000000000000aa.tmp", "Kryton.dat"};
    const struct { SaveStep step; bool killed; const char16_t* said; } cases[] = {
        {SaveStep::Create, false, u"dočasný súbor sa nepodarilo vytvoriť: disk on fire"},
        {SaveStep::Write, false, u"zápis do dočasného súboru zlyhal: disk on fire"},
        {SaveStep::Flush, false, u"zapísať na disk: disk on fire"},
        {SaveStep::Replace, false, u"nemohol nahradiť pôvodný: disk on fire"},
        {SaveStep::Create, true, nullptr}, {SaveStep::Write, true, nullptr},
        {SaveStep::Flush, true, nullptr},  {SaveStep::Replace, true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.step) * 10 + c.killed);
        TempFolder folder;
        folder.Write("Kryton.dat", old);
        for (const std::string& name : others)
            if (name != "Kryton.dat") folder.Write(name, "not ours");
        std::filesystem::remove(folder / "Kryton.dat.~00000000000000aa.tmp");
        std::filesystem::create_directory(folder / "Kryton.dat.~00000000000000aa.tmp");
        auto files = SystemFileSystemChecking([&](SaveStep step) {
            if (step == c.step && c.killed) throw std::runtime_error("killed");
            return step == c.step ? FileError{FileError::Kind::Other, u"disk on fire"} : FileError{};
        });
        RecordingReporter reporter;
        EXPECT_FALSE(RecordStore(folder.File("Kryton.dat"), OneRecord("new"), *files).Save(reporter));
        EXPECT_EQ(folder.Read("Kryton.dat"), old);
        ASSERT_EQ(reporter.messages.size(), 1u);
        if (c.said) {
            EXPECT_NE(reporter.messages[0].find(c.said), std::u16string::npos);
        }
        // A failed save tidies up at once; a killed one leaves its file from the creation on.
        EXPECT_EQ(FileNames(folder).size(), others.size() + (c.killed && c.step != SaveStep::Create));

        reporter.messages.clear();
        RecordStore restarted(folder.File("Kryton.dat"), RecordList(2));
        EXPECT_EQ(restarted.Load(reporter).status, LoadResult::Status::Loaded);
        EXPECT_TRUE(restarted.Records() == OneRecord("old"));
        restarted.Records().at(1).set(0, "new");
        EXPECT_TRUE(restarted.Save(reporter));
        EXPECT_EQ(folder.Read("Kryton.dat"), saved);
        EXPECT_EQ(FileNames(folder), others);
        EXPECT_TRUE(reporter.messages.empty());
    }
}

TEST(SaveSafety, AnotherCopysSaveInProgressKeepsItsTemporaryFile) {
    TempFolder folder;
    RecordingReporter reporter;
    bool inner = false;
    auto files = SystemFileSystemChecking([&](SaveStep step) {
        // While the first save writes, a second program saves the same file.
        if (step == SaveStep::Flush && !inner) {
            inner = true;
            EXPECT_TRUE(RecordStore(folder.File("Radirir.dat"), OneRecord("other")).Save(reporter));
        }
        return FileError{};
    });
    EXPECT_TRUE(RecordStore(folder.File("Radirir.dat"), OneRecord("first"), *files).Save(reporter));
    EXPECT_TRUE(inner);
    EXPECT_EQ(folder.Read("Radirir.dat"), SerializeRecords(OneRecord("first")));
    EXPECT_EQ(FileNames(folder), std::set<std::string>{"Radirir.dat"});
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(SaveSafety, AReadOnlyFileIsRefusedAndLeftAsItIs) {
    namespace fs = std::filesystem;
    const std::string old = SerializeRecords(OneRecord("old"));
    TempFolder folder;
    folder.Write("Kuvertex.dat", old);
    fs::permissions(folder / "Kuvertex.dat", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    RecordingReporter reporter;
    EXPECT_FALSE(RecordStore(folder.File("Kuvertex.dat"), OneRecord("new")).Save(reporter));
    EXPECT_EQ(folder.Read("Kuvertex.dat"), old);
    EXPECT_EQ(FileNames(folder), std::set<std::string>{"Kuvertex.dat"});
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_NE(reporter.messages[0].find(u"Súbor Kuvertex.dat je len na čítanie"), std::u16string::npos);
    fs::permissions(folder / "Kuvertex.dat", fs::perms::owner_write, fs::perm_options::add);   // so that it can go
}

TEST(SaveSafety, OneDosEndOfFileMarkLoadsSilentlyAndAnythingElseAfterTheLastRecordIsKept) {
    const std::string records = SerializeRecords(OneRecord("Nitra"));
    const struct { std::string tail; bool silent; } cases[] = {
        {"\x1A", true}, {"\r\n\x1A\r\n", true}, {"\x1A\x1A", false}, {"\x1Ax", false}, {"x\x1A", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tail);
        TempFolder folder;
        RecordingReporter reporter;
        folder.Write("Vreckar.dat", records + c.tail);
        RecordStore store(folder.File("Vreckar.dat"), RecordList(2));
        EXPECT_EQ(store.Load(reporter).status, c.silent ? LoadResult::Status::Loaded : LoadResult::Status::Failed);
        EXPECT_TRUE(store.Records() == OneRecord("Nitra"));
        EXPECT_EQ(reporter.messages.size(), c.silent ? 0u : 1u);
        ASSERT_TRUE(store.Save(reporter));
        EXPECT_EQ(folder.Read("Vreckar.dat"), records);
        EXPECT_EQ(std::filesystem::exists(folder / "Vreckar.dat.bak"), !c.silent);
    }
}

}  // namespace
}  // namespace papyrka
