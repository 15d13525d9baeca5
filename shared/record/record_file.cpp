#include "record/record_file.h"

#include <exception>

#include "base/decimal.h"
#include "record/record_format.h"

namespace papyrka {
namespace {

constexpr int kBackupNames = 1000;   // .bak, .bak1 ... .bak999

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::u16string FileNameOf(const std::u16string& path) {
    size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

std::u16string BackupPath(const std::u16string& path, int index) {
    return path + u".bak" + (index == 0 ? std::u16string() : DecimalText(index));
}

std::u16string ParseDetail(const ParseResult& result, const RecordList& list) {
    switch (result.fault) {
        case ParseFault::HeaderNotNumbers:
            return u"prvý riadok nemá tvar počet,poradie (dve celé čísla). Zoznam zostáva prázdny.";
        case ParseFault::CountOutOfRange:
            return u"počet záznamov " + Widen(result.countText) +
                   u" nie je v rozsahu 0 až 32767. Zoznam zostáva prázdny.";
        case ParseFault::EndsEarly:
            return u"súbor sa končí pri poli " + DecimalText(result.field) + u" záznamu " + DecimalText(result.record) +
                   u" (počet záznamov podľa prvého riadku: " + DecimalText(list.count()) +
                   u"). Chýbajúce polia zostávajú prázdne.";
        case ParseFault::UnclosedQuote:
            return u"úvodzovky poľa " + DecimalText(result.field) + u" záznamu " + DecimalText(result.record) +
                   u" sa do konca súboru nezatvárajú. Toto pole a všetky za ním zostávajú prázdne.";
        case ParseFault::TextAfterEnd:
            return u"za posledným záznamom, ktorý ohlasuje prvý riadok, nasleduje ďalší text. Ten sa nenačítal.";
        case ParseFault::None:
            break;
    }
    return {};
}

std::u16string StepText(SaveStep step) {
    switch (step) {
        case SaveStep::Create:
            return u"dočasný súbor sa nepodarilo vytvoriť: ";
        case SaveStep::Write:
            return u"zápis do dočasného súboru zlyhal: ";
        case SaveStep::Flush:
            return u"dočasný súbor sa nepodarilo zapísať na disk: ";
        case SaveStep::Replace:
            return u"dočasný súbor nemohol nahradiť pôvodný: ";
        case SaveStep::None:
            break;
    }
    return {};
}

std::u16string BackupNotice(const std::u16string& path, FileSystem& files) {
    int index = 0;
    while (index + 1 < kBackupNames && files.Exists(BackupPath(path, index))) ++index;
    return u" Pred prvým uložením sa pôvodný súbor zachová ako " + FileNameOf(BackupPath(path, index)) +
           u" v tom istom priečinku.";
}

// Copies the file that failed to load to the first free backup name. An empty result means
// it is safe to overwrite the file now.
std::u16string BackUp(const std::u16string& path, FileSystem& files) {
    std::string original;
    FileError error = files.ReadAll(path, original);
    if (error.kind == FileError::Kind::Missing) return {};
    if (error) return error.description;
    for (int index = 0; index < kBackupNames; ++index) {
        error = files.CreateNew(BackupPath(path, index), original);
        if (error.kind != FileError::Kind::Exists) return error.description;
    }
    return u"všetky názvy zálohy " + FileNameOf(BackupPath(path, 0)) + u" až " +
           FileNameOf(BackupPath(path, kBackupNames - 1)) + u" sú obsadené";
}

}  // namespace

LoadResult RecordStore::Fail(std::u16string message, Reporter& reporter) {
    awaitingBackup_ = true;
    message += BackupNotice(path_, *files_);
    reporter.Message(message);
    return {LoadResult::Status::Failed, message};
}

bool RecordStore::MayOverwrite(const std::u16string& name, Reporter& reporter) {
    if (!known_) return true;   // never read nor written here: there is no "since" to ask about
    const FileStamp now = files_->Stamp(path_);
    if (now == *known_) return true;
    if (now.state == FileStamp::State::Missing && known_->state == FileStamp::State::Present) return true;   // deleted: nothing to lose
    return reporter.Ask(u"Súbor " + name + u" sa od načítania zmenil na disku, zrejme ho uložil iný program alebo iná "
                        u"kópia tohto programu. Prepísať ho zoznamom z tohto okna?\n\nAk odpoviete Nie, súbor na disku "
                        u"aj zoznam v tomto okne zostanú nezmenené.");
}

bool RecordStore::SaveOrReport(Reporter& reporter) {
    const std::u16string name = FileNameOf(path_);
    if (!MayOverwrite(name, reporter)) return false;
    if (awaitingBackup_) {
        std::u16string failure = BackUp(path_, *files_);
        if (!failure.empty()) {
            reporter.Message(u"Pôvodný súbor " + name + u" sa nepodarilo zálohovať: " + failure +
                             u". Zoznam sa preto neuložil, aby sa pôvodný súbor neprepísal.");
            return false;
        }
        awaitingBackup_ = false;
    }
    std::string joined;
    FileError error = files_->Replace(path_, SerializedPieces(list_, joined), Durability::Flushed);
    if (error.kind == FileError::Kind::ReadOnly) {
        reporter.Message(u"Súbor " + name + u" je len na čítanie: zoznam sa doň nedá uložiť. Súbor na disku aj zoznam v "
                         u"programe zostali nezmenené.");
        return false;
    }
    if (error) {
        reporter.Message(u"Zoznam sa nepodarilo uložiť do súboru " + name + u": " + StepText(error.step) + error.description +
                         u". Súbor na disku aj zoznam v programe zostali nezmenené, uloženie môžete zopakovať.");
        return false;
    }
    known_ = files_->Stamp(path_);
    return true;
}

LoadResult RecordStore::Load(Reporter& reporter) {
    const std::u16string name = FileNameOf(path_);
    try {
        list_.clear();
        // Taken before reading: a change in between then leads to a question, never to a loss.
        known_ = files_->Stamp(path_);
        std::string bytes;
        FileError error = files_->ReadAll(path_, bytes);
        if (error.kind == FileError::Kind::Missing) {
            awaitingBackup_ = false;
            return {LoadResult::Status::Missing, {}};
        }
        if (error) return Fail(u"Súbor " + name + u" sa nepodarilo načítať: " + error.description + u".", reporter);

        ParseResult parsed = ParseRecords(std::move(bytes), list_);
        if (!parsed.ok())
            return Fail(u"Súbor " + name + u" je poškodený (riadok " + DecimalText(parsed.line) + u"): " +
                            ParseDetail(parsed, list_),
                        reporter);
        awaitingBackup_ = false;
        return {LoadResult::Status::Loaded, {}};
    } catch (const std::exception&) {
        // In practice only memory runs out here (a huge file that is not a record file).
        return Fail(u"Súbor " + name + u" sa nepodarilo načítať: nedostatok pamäte.", reporter);
    }
}

bool RecordStore::Save(Reporter& reporter) {
    try {
        return SaveOrReport(reporter);
    } catch (const std::exception&) {
        reporter.Message(u"Zoznam sa nepodarilo uložiť do súboru " + FileNameOf(path_) +
                         u": nedostatok pamäte. Súbor na disku aj zoznam v programe zostali nezmenené.");
        return false;
    }
}

}  // namespace papyrka
