#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <filesystem>
#include <string>

#include "record_file.h"
#include "test_support.h"

namespace papyrka {
namespace {

using test::Contains;
using test::ReadBytes;
using test::RecordingReporter;
using test::ScratchFolder;
using test::WriteBytes;

RecordList SampleList() {
    RecordList list(3);
    for (const char* name : {"Novák", "Horváthová, Eva", "Kováč"}) {
        list.append();
        list.at(list.count()) = {name, "  0905 123 456  ", "riadok 1\r\nriadok 2"};
    }
    list.setCurrent(2);
    return list;
}

TEST(RecordFile, EmptyListIsOneHeaderLine) {
    ScratchFolder folder;
    RecordingReporter reporter;
    EXPECT_TRUE(SaveRecords(folder.File("Davavazo.dat"), RecordList(8), reporter));
    EXPECT_EQ(ReadBytes(folder / "Davavazo.dat"), "0,0\r\n");
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(RecordFile, SavedListLoadsBackAndOverwritesTheOldFile) {
    ScratchFolder folder;
    RecordingReporter reporter;
    WriteBytes(folder / "Kryton.dat", "0,0\r\n");
    const RecordList list = SampleList();
    ASSERT_TRUE(SaveRecords(folder.File("Kryton.dat"), list, reporter));

    RecordList loaded(3);
    EXPECT_EQ(LoadRecords(folder.File("Kryton.dat"), loaded, reporter).status, LoadResult::Status::Loaded);
    EXPECT_EQ(loaded, list);
    EXPECT_TRUE(reporter.messages.empty());
    // Only the record file is left behind: no temporary file, no backup.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / ""), {}), 1);
}

TEST(RecordFile, FullestListSurvivesTheDisk) {
    ScratchFolder folder;
    RecordingReporter reporter;
    RecordList list(8);
    while (list.append()) {
        Record& record = list.at(list.count());
        for (size_t field = 0; field < record.size(); ++field)
            record[field] = std::to_string(list.count()) + "/" + std::to_string(field) + " Žilina";
    }
    list.setCurrent(RecordList::kMaxCount);
    ASSERT_TRUE(SaveRecords(folder.File("Davavazo.dat"), list, reporter));

    RecordList loaded(8);
    EXPECT_EQ(LoadRecords(folder.File("Davavazo.dat"), loaded, reporter).status, LoadResult::Status::Loaded);
    EXPECT_TRUE(loaded == list);
}

TEST(RecordFile, MissingFileIsSilentAndEmpty) {
    ScratchFolder folder;
    RecordingReporter reporter;
    RecordList list = SampleList();
    EXPECT_EQ(LoadRecords(folder.File("Vevuvez.dat"), list, reporter).status, LoadResult::Status::Missing);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.current(), 0);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(RecordFile, ShortFileKeepsWhatIsThereAndReportsOnce) {
    ScratchFolder folder;
    RecordingReporter reporter;
    WriteBytes(folder / "Vreckar.dat", "3,3\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n");
    RecordList list(2);
    const LoadResult result = LoadRecords(folder.File("Vreckar.dat"), list, reporter);

    EXPECT_EQ(result.status, LoadResult::Status::Failed);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(result.message, reporter.messages[0]);
    EXPECT_TRUE(Contains(result.message, u"Súbor Vreckar.dat je poškodený (riadok 5)")) << result.message.size();
    EXPECT_TRUE(Contains(result.message, u"Vreckar.dat.bak"));
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.current(), 3);
    EXPECT_EQ(list.at(1), (Record{"a", "b"}));
    EXPECT_EQ(list.at(2), (Record{"c", ""}));
    EXPECT_EQ(list.at(3), (Record{"", ""}));
}

TEST(RecordFile, UnreadableFileReportsTheSystemError) {
    ScratchFolder folder;
    RecordingReporter reporter;
    std::filesystem::create_directory(folder / "Radirir.dat");
    RecordList list = SampleList();
    const LoadResult result = LoadRecords(folder.File("Radirir.dat"), list, reporter);

    EXPECT_EQ(result.status, LoadResult::Status::Failed);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_TRUE(Contains(reporter.messages[0], u"Súbor Radirir.dat sa nepodarilo načítať: "));
    EXPECT_TRUE(list.empty());
}

TEST(RecordFile, SaveIntoAMissingFolderFailsAndCanBeRetried) {
    ScratchFolder folder;
    RecordingReporter reporter;
    const RecordList list = SampleList();
    const RecordList before = list;
    // A regular file where the folder should be: no folder of that name can be created.
    WriteBytes(folder / "folder", "");
    EXPECT_FALSE(SaveRecords((folder / "folder" / "Zozuraz.dat").u16string(), list, reporter));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_TRUE(Contains(reporter.messages[0], u"Zoznam sa nepodarilo uložiť do súboru Zozuraz.dat: "));
    EXPECT_TRUE(list == before);

    EXPECT_TRUE(SaveRecords(folder.File("Zozuraz.dat"), list, reporter));
}

TEST(RecordFile, FailedReplaceLeavesTheOldFile) {
    ScratchFolder folder;
    RecordingReporter reporter;
    const std::string old = "1,1\r\n\"old\"\r\n\"\"\r\n\"\"\r\n";
    WriteBytes(folder / "Kuvertex.DAT", old);
    const RecordList list = SampleList();
    {
#ifdef _WIN32
        // Held open without delete sharing, as a virus scanner might: the replace must give
        // up after its retries instead of destroying anything.
        HANDLE holder = CreateFileW((folder / "Kuvertex.DAT").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(SaveRecords(folder.File("Kuvertex.DAT"), list, reporter));
        CloseHandle(holder);
#else
        // Root writes anywhere, so block the temporary file's own name instead.
        const auto blocker = folder / ("Kuvertex.DAT." + std::to_string(getpid()) + ".tmp").c_str();
        std::filesystem::create_directory(blocker);
        EXPECT_FALSE(SaveRecords(folder.File("Kuvertex.DAT"), list, reporter));
        std::filesystem::remove(blocker);
#endif
    }
    EXPECT_EQ(ReadBytes(folder / "Kuvertex.DAT"), old);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_TRUE(Contains(reporter.messages[0], u"Súbor na disku aj zoznam v programe zostali nezmenené"));

    // Once the obstacle is gone, the same list saves.
    EXPECT_TRUE(SaveRecords(folder.File("Kuvertex.DAT"), list, reporter));
    RecordList loaded(3);
    LoadRecords(folder.File("Kuvertex.DAT"), loaded, reporter);
    EXPECT_TRUE(loaded == list);
}

TEST(RecordFile, BrokenFileIsBackedUpBeforeTheFirstSave) {
    ScratchFolder folder;
    RecordingReporter reporter;
    const std::string broken = "2,1\r\n\"only one\"\r\n";
    WriteBytes(folder / "Davavazo.dat", broken);
    WriteBytes(folder / "Davavazo.dat.bak", "an earlier backup");

    RecordList list(2);
    LoadRecords(folder.File("Davavazo.dat"), list, reporter);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_TRUE(Contains(reporter.messages[0], u"Davavazo.dat.bak1"));
    EXPECT_EQ(ReadBytes(folder / "Davavazo.dat"), broken);   // loading alone touches nothing

    list.at(1)[1] = "fixed";
    ASSERT_TRUE(SaveRecords(folder.File("Davavazo.dat"), list, reporter));
    EXPECT_EQ(ReadBytes(folder / "Davavazo.dat.bak"), "an earlier backup");
    EXPECT_EQ(ReadBytes(folder / "Davavazo.dat.bak1"), broken);
    EXPECT_EQ(ReadBytes(folder / "Davavazo.dat"), "2,1\r\n\"only one\"\r\n\"fixed\"\r\n\"\"\r\n\"\"\r\n");

    // One backup per failed load, not one per save.
    ASSERT_TRUE(SaveRecords(folder.File("Davavazo.dat"), list, reporter));
    EXPECT_FALSE(std::filesystem::exists(folder / "Davavazo.dat.bak2"));
    EXPECT_EQ(reporter.messages.size(), 1u);
}

// Everything works except creating new files: a full disk for the backup.
class NoNewFiles : public FileSystem {
public:
    bool Exists(const std::u16string& path) override { return SystemFileSystem().Exists(path); }
    FileError ReadAll(const std::u16string& path, std::string& bytes) override {
        return SystemFileSystem().ReadAll(path, bytes);
    }
    FileError CreateNew(const std::u16string&, std::string_view) override {
        return {FileError::Kind::Other, u"disk is full"};
    }
    FileError Replace(const std::u16string& path, std::string_view bytes, Durability durability) override {
        ++replaces;
        return SystemFileSystem().Replace(path, bytes, durability);
    }
    int replaces = 0;
};

TEST(RecordFile, NoSaveWithoutTheBackup) {
    ScratchFolder folder;
    RecordingReporter reporter;
    NoNewFiles files;
    WriteBytes(folder / "Zozuraz.dat", "x,y\r\n");
    RecordList list(10);
    LoadRecords(folder.File("Zozuraz.dat"), list, reporter, files);
    list.append();

    EXPECT_FALSE(SaveRecords(folder.File("Zozuraz.dat"), list, reporter, files));
    EXPECT_EQ(files.replaces, 0);
    EXPECT_EQ(ReadBytes(folder / "Zozuraz.dat"), "x,y\r\n");
    ASSERT_EQ(reporter.messages.size(), 2u);
    EXPECT_TRUE(Contains(reporter.messages[1], u"Pôvodný súbor Zozuraz.dat sa nepodarilo zálohovať: disk is full"));
}

}  // namespace
}  // namespace papyrka
