// Every program in the build's program folder as Windows reads it before it runs: ASLR and
// DEP in the PE header, the manifest, the icon, and a version resource naming the file.
#include <windows.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "base/unique_handle.h"
#include "win32/program_folder.h"

namespace {

struct FreeModule { void operator()(HMODULE module) const { FreeLibrary(module); } };
struct CloseSearch { void operator()(HANDLE search) const { FindClose(search); } };

WORD DllCharacteristics(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    const std::string exe{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (exe.size() < sizeof(IMAGE_DOS_HEADER)) return 0;
    const LONG at = reinterpret_cast<const IMAGE_DOS_HEADER*>(exe.data())->e_lfanew;
    if (at <= 0 || exe.size() < at + sizeof(IMAGE_NT_HEADERS64)) return 0;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(exe.data() + at);
    return nt->Signature == IMAGE_NT_SIGNATURE ? nt->OptionalHeader.DllCharacteristics : 0;
}

std::string Resource(HMODULE module, LPCWSTR type) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return data ? std::string(data, SizeofResource(module, found)) : std::string();
}

std::wstring VersionString(const std::wstring& path, const wchar_t* name) {
    std::vector<char> info(GetFileVersionInfoSizeW(path.c_str(), nullptr));
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041B04B0\\") + name;
    if (info.empty() || !GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()) ||
        !VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0)
        return L"";
    return static_cast<const wchar_t*>(value);
}

TEST(ProgramFiles, EveryProgramIsHardenedManifestedIconedAndVersioned) {
    const std::u16string testFolder = papyrka::win::ProgramFolder();
    const std::wstring folder = std::wstring(testFolder.begin(), testFolder.end()) + L"\\" PAPYRKA_PROGRAMS_FROM_TESTS L"\\";
    WIN32_FIND_DATAW found{};
    HANDLE first = FindFirstFileW((folder + L"*.exe").c_str(), &found);
    ASSERT_NE(first, INVALID_HANDLE_VALUE) << "no program in the program folder";
    const papyrka::UniqueHandle<HANDLE, CloseSearch> search(first);
    std::set<std::wstring> descriptions;
    int programs = 0;
    do {
        ++programs;
        const std::wstring name = found.cFileName, path = folder + name;
        SCOPED_TRACE(testing::Message() << std::string(name.begin(), name.end()));
        const WORD flags = DllCharacteristics(path);
        for (int flag : {IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE, IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA,
                          IMAGE_DLLCHARACTERISTICS_NX_COMPAT})
            EXPECT_EQ(flags & flag, flag) << "flag " << std::hex << flag;

        const papyrka::UniqueHandle<HMODULE, FreeModule> exe(
            LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        ASSERT_TRUE(exe) << GetLastError();
        const std::string manifest = Resource(exe.get(), RT_MANIFEST);
        for (const char* entry : {"PerMonitorV2", "true/pm", "Microsoft.Windows.Common-Controls", "asInvoker",
                                  "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
            EXPECT_NE(manifest.find(entry), std::string::npos) << entry;
        EXPECT_FALSE(Resource(exe.get(), RT_GROUP_ICON).empty());

        EXPECT_EQ(VersionString(path, L"OriginalFilename"), name);
        EXPECT_EQ(VersionString(path, L"ProductName"), L"Papyrka");
        const std::wstring description = VersionString(path, L"FileDescription");
        EXPECT_TRUE(!description.empty() && descriptions.insert(description).second) << "a description of its own";
    } while (FindNextFileW(search.get(), &found));
    EXPECT_EQ(programs, PAPYRKA_PROGRAM_COUNT);
}

}  // namespace
