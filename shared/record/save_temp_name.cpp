#include "record/save_temp_name.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>

namespace papyrka {
namespace {

constexpr std::u16string_view kMark = u".~";
constexpr std::u16string_view kEnding = u".tmp";
constexpr size_t kDigits = 16;

bool IsHexDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'); }

// The random device alone might be a fixed sequence on some runtimes; the clock and a counter
// still tell two saves apart then.
std::uint64_t UniqueNumber() {
    static std::atomic<std::uint64_t> counter{0};
    std::random_device device;
    const std::uint64_t random = (std::uint64_t{device()} << 32) ^ device();
    const auto ticks = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return random ^ (ticks * 0x9E3779B97F4A7C15ull) ^ (++counter << 48);
}

}  // namespace

std::u16string FolderOf(const std::u16string& path) {
    const size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
}

std::u16string NameOf(const std::u16string& path) {
    const size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

std::u16string NewSaveTempPath(const std::u16string& recordPath) {
    std::uint64_t number = UniqueNumber();
    std::u16string digits(kDigits, u'0');
    for (size_t i = kDigits; i-- > 0; number >>= 4) digits[i] = u"0123456789abcdef"[number & 0xF];
    return recordPath + std::u16string(kMark) + digits + std::u16string(kEnding);
}

bool IsSaveTempName(std::u16string_view fileName, std::u16string_view recordName) {
    const size_t length = recordName.size() + kMark.size() + kDigits + kEnding.size();
    if (fileName.size() != length || fileName.substr(0, recordName.size()) != recordName) return false;
    fileName.remove_prefix(recordName.size());
    if (fileName.substr(0, kMark.size()) != kMark || fileName.substr(kMark.size() + kDigits) != kEnding) return false;
    for (char16_t c : fileName.substr(kMark.size(), kDigits))
        if (!IsHexDigit(c)) return false;
    return true;
}

}  // namespace papyrka
