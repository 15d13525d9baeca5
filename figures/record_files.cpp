#include "figures/record_files.h"

#include <random>
#include <vector>

namespace papyrka::figures {

namespace {

constexpr int kFields = 8;   // name, company, phone 1, phone 2, fax, e-mail, address, note
constexpr int kNote = 7, kName = 0;

std::string Header(int count, int current) { return std::to_string(count) + "," + std::to_string(current) + "\r\n"; }

std::string Quoted(const std::vector<std::string>& fields) {
    std::string bytes;
    for (const std::string& field : fields) bytes += "\"" + field + "\"\r\n";
    return bytes;
}

class Texts {
public:
    // Windows-1250 letters, some with diacritics, and spaces between words.
    std::string Words(int length) {
        static const std::string letters = "abcdefghijklmnoprstuvz\xE1\xE4\xE8\xEF\xE9\xED\xBE\xF2\xF3\xF4\x9A\x9D\xFA\xFD\x9E";
        std::string text;
        while (static_cast<int>(text.size()) < length) {
            if (!text.empty()) text += ' ';
            const int word = Between(2, 9);
            for (int i = 0; i < word; ++i) text += letters[static_cast<size_t>(Between(0, static_cast<int>(letters.size()) - 1))];
        }
        text.resize(static_cast<size_t>(length));
        return text;
    }
    std::string Digits(int length) {
        std::string text;
        for (int i = 0; i < length; ++i) text += i % 4 == 3 ? ' ' : static_cast<char>('0' + Between(0, 9));
        return text;
    }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    std::mt19937 random_{1250};
};

std::vector<std::string> Contact(Texts& texts) {
    return {texts.Words(texts.Between(10, 26)), texts.Words(texts.Between(12, 36)), texts.Digits(12),
            texts.Digits(12),                   texts.Digits(12),                   texts.Words(texts.Between(14, 30)),
            texts.Words(texts.Between(8, 20)) + "\r\n" + texts.Words(texts.Between(8, 20)),
            texts.Words(texts.Between(20, 110))};
}

}  // namespace

std::string LargestContactList() {
    constexpr int kCount = 32767;
    Texts texts;
    std::string bytes = Header(kCount, 1);
    for (int record = 0; record < kCount; ++record) bytes += Quoted(Contact(texts));
    return bytes;
}

std::string ListWithLongFields() {
    Texts texts;
    std::string bytes = Header(5, 2);
    for (int record = 1; record <= 5; ++record) {
        std::vector<std::string> contact = Contact(texts);
        if (record == 2) contact[kNote] = texts.Words(kLongField);
        if (record == 4) contact[kName] = texts.Words(kLongField);
        bytes += Quoted(contact);
    }
    static_assert(kNote < kFields && kName < kFields, "fields of a Davavazo record");
    return bytes;
}

std::string SmallContactList() {
    Texts texts;
    std::string bytes = Header(3, 1);
    for (int record = 0; record < 3; ++record) bytes += Quoted(Contact(texts));
    return bytes;
}

}  // namespace papyrka::figures
