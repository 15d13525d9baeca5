#pragma once
// Names of a save's temporary files. Each save takes a fresh random name beside the record
// file, so that two running copies, or a process that reuses a crashed one's id, never write
// into the same file; the fixed shape lets a later save find what an interrupted one left.
#include <string>
#include <string_view>

namespace papyrka {

// "<record file>.~<16 hex digits>.tmp", in the record file's folder.
std::u16string NewSaveTempPath(const std::u16string& recordPath);

// Whether fileName (no folder) is such a name for the record file named recordName.
bool IsSaveTempName(std::u16string_view fileName, std::u16string_view recordName);

// The folder part of a path with its trailing separator ("" for a bare name), and the rest.
std::u16string FolderOf(const std::u16string& path);
std::u16string NameOf(const std::u16string& path);

}  // namespace papyrka
