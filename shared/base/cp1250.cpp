#include "base/cp1250.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace papyrka {
namespace {

// Bytes 0x80..0xFF. The undefined 0x81, 0x83, 0x88, 0x90 and 0x98 stand for the C1 control
// of the same number, which is what MultiByteToWideChar(1250) gives for them.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

using ReverseEntry = std::pair<char16_t, unsigned char>;

const std::array<ReverseEntry, 128>& ReverseTable() {
    static const std::array<ReverseEntry, 128> table = [] {
        std::array<ReverseEntry, 128> entries{};
        for (size_t i = 0; i < kHighHalf.size(); ++i)
            entries[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(entries.begin(), entries.end());
        return entries;
    }();
    return table;
}

// The Windows-1250 byte of ch, or -1.
int ByteOf(char16_t ch) {
    if (ch < 0x80) return ch;
    const auto& table = ReverseTable();
    auto it = std::lower_bound(table.begin(), table.end(), ReverseEntry{ch, 0});
    if (it == table.end() || it->first != ch) return -1;
    return it->second;
}

}  // namespace

std::u16string Cp1250ToUtf16(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        text.push_back(byte < 0x80 ? char16_t{byte} : kHighHalf[byte - 0x80u]);
    }
    return text;
}

bool Utf16ToCp1250(std::u16string_view text, std::string& out) {
    out.clear();
    out.reserve(text.size());
    bool complete = true;
    for (char16_t ch : text) {
        int byte = ByteOf(ch);
        if (byte < 0) {
            complete = false;
            continue;
        }
        out.push_back(static_cast<char>(byte));
    }
    return complete;
}

bool IsCp1250Storable(char16_t ch) { return ByteOf(ch) >= 0; }

std::string Utf8ToCp1250(std::string_view utf8) {
    std::u16string text;
    for (size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 4;
        std::uint32_t code = length == 1 ? lead : length == 2 ? (lead & 0x1Fu)
                                : length == 3 ? (lead & 0x0Fu) : (lead & 0x07u);
        for (int k = 1; k < length && i + static_cast<size_t>(k) < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]) & 0x3Fu);
        i += static_cast<size_t>(length);
        // Everything Windows-1250 holds lies in the Basic Multilingual Plane.
        if (code <= 0xFFFF) text.push_back(static_cast<char16_t>(code));
    }
    std::string bytes;
    Utf16ToCp1250(text, bytes);
    return bytes;
}

}  // namespace papyrka
