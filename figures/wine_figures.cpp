// Figures of what a user waits for under Wine, each beside its plain baseline measured in the
// same run: start-up to the painted window, load and save of the largest list through the
// Win32 file layer, a record with a very long field, and each program's print. Ratios to read,
// not a test: it fails only when a measurement cannot be made. scripts/wine-figures.sh runs it
// inside scripts/testenv.sh.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "designer/win/piece_printer.h"
#include "designers/davavazo/davavazo.h"
#include "designers/kryton/kryton.h"
#include "designers/kuvertex/kuvertex.h"
#include "designers/radirir/radirir.h"
#include "designers/vevuvez/figures/fake_editor.h"
#include "designers/vevuvez/vevuvez.h"
#include "designers/vreckar/vreckar.h"
#include "designers/zozuraz/zozuraz.h"
#include "figures/figure.h"
#include "figures/record_files.h"
#include "figures/start_up.h"
#include "record/record_file.h"
#include "testing/win/editor_driver.h"
#include "testing/win/print_capture.h"
#include "win32/printing.h"

namespace papyrka::figures {
namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 11;
constexpr double kStartLimitMs = 180000;

struct Failure {
    const char* what;
};

void Require(bool ok, const char* what) {
    if (!ok) throw Failure{what};
}

class CountingReporter : public Reporter {
public:
    void Message(const std::u16string&) override { ++messages; }
    int messages = 0;
};

fs::path ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return fs::path(path).parent_path();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    Require(static_cast<bool>(out << bytes), "writing a record file");
}

// A copy of `program` in a folder of its own, beside the record file it is to open, if any.
std::wstring Placed(const fs::path& program, const fs::path& folder, const std::string* records) {
    fs::create_directories(folder);
    fs::copy_file(program, folder / program.filename(), fs::copy_options::overwrite_existing);
    if (records) WriteBytes(folder / "Davavazo.dat", *records);
    return (folder / program.filename()).wstring();
}

void StartUpFigures(const fs::path& scratch, const fs::path& bin, const fs::path& own) {
    Heading("Start-up to the first painted window (separate processes, medians)");
    const std::string largest = LargestContactList(), longFields = ListWithLongFields();
    const std::wstring minimal = Placed(own / "papyrka_minimal_window.exe", scratch / "minimal", nullptr);
    const std::wstring empty = Placed(bin / "Davavazo.exe", scratch / "empty", nullptr);
    const std::wstring large = Placed(bin / "Davavazo.exe", scratch / "large", &largest);
    const std::wstring longField = Placed(bin / "Davavazo.exe", scratch / "long", &longFields);

    // The first start of each reads its files from disk and may start Wine's desktop.
    for (const std::wstring* program : {&minimal, &empty, &large}) StartUpMs(*program, kStartLimitMs);
    std::vector<double> minimalMs, emptyMs, largeMs, longMs;
    for (int round = 0; round < kRounds; ++round) {
        minimalMs.push_back(StartUpMs(minimal, kStartLimitMs));
        emptyMs.push_back(StartUpMs(empty, kStartLimitMs));
        largeMs.push_back(StartUpMs(large, kStartLimitMs));
    }
    // A slow one is timed once: a single start may take minutes.
    longMs.push_back(StartUpMs(longField, kStartLimitMs));
    for (int round = 1; round < kRounds && longMs.back() >= 0 && longMs.back() < 2000; ++round)
        longMs.push_back(StartUpMs(longField, kStartLimitMs));
    Row("Davavazo, no record file", Median(emptyMs), "minimal window program", Median(minimalMs), "<= 1.15x");
    Row("Davavazo, 32767 contacts", Median(largeMs), "Davavazo, no record file", Median(emptyMs), "<= 1.2x");
    Row("Davavazo, a 100000-character note shown", Median(longMs), "Davavazo, no record file", Median(emptyMs),
        "<= 500 ms");
}

bool PlainRead(const fs::path& path, std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    DWORD got = 0;
    bool ok = GetFileSizeEx(file, &size) != FALSE;
    if (ok) bytes.resize(static_cast<size_t>(size.QuadPart));
    ok = ok && ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size();
    return CloseHandle(file) && ok;
}

bool DurableAtomicCopy(const fs::path& target, const std::string& bytes) {
    const fs::path temp = target.wstring() + L".copy.tmp";
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size() && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    return ok && MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void FileFigures(const fs::path& scratch) {
    Heading("The largest list, 32767 contacts, through the Win32 file layer (in-process, medians of 5)");
    const fs::path folder = scratch / "files";
    fs::create_directories(folder);
    const fs::path path = folder / "Davavazo.dat";
    const std::string bytes = LargestContactList();
    WriteBytes(path, bytes);
    std::printf("  file: %.1f MB\n", static_cast<double>(bytes.size()) / 1e6);

    std::string read;
    const double plainRead = Median(Times(5, [&] { return PlainRead(path, read); }));
    CountingReporter reporter;
    RecordStore store(path.u16string(), RecordList(davavazo::DavavazoDesigner().record.fieldCount()));
    const double load = Median(Times(5, [&] { return store.Load(reporter).status == LoadResult::Status::Loaded; }));
    const double copy = Median(Times(5, [&] { return DurableAtomicCopy(folder / "Copy.dat", bytes); }));
    const double save = Median(Times(5, [&] { return store.Save(reporter); }));
    const double replace = Median(Times(5, [&] {
        return !SystemFileSystem().Replace(path.u16string(), {bytes}, Durability::Flushed);
    }));
    Row("load (read and parse)", load, "plain read", plainRead, "");
    Row("save (serialise and replace)", save, "durable atomic copy", copy, "<= 1.5x");
    Row("the file layer's replace alone", replace, "durable atomic copy", copy, "");

    const Designer designer{davavazo::DavavazoDesigner()};
    EditorWindow form(designer, folder.u16string(), EditorWindow::OnDestroy::KeepRunning);
    Require(form.Open(), "opening the editor on the largest list");
    test::PumpMessages();
    const test::EditorDriver driver(form);
    const double click = Median(Times(3, [&] {
        driver.ClickLabel("Label14");
        return true;
    }));
    Require(reporter.messages == 0, "loading or saving the largest list");
    Row("save, click to the complete file", click, "durable atomic copy", copy, "<= 1.5x");
}

double PageChange(EditorWindow& form, bool forward) {
    const double start = Now();
    forward ? form.Editor().Next() : form.Editor().Previous();
    RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return Now() - start;
}

void LongFieldFigures(const fs::path& scratch) {
    Heading("Page change to the painted boxes (in-process)");
    const fs::path small = scratch / "small", longField = scratch / "long-pages";
    fs::create_directories(small);
    fs::create_directories(longField);
    WriteBytes(small / "Davavazo.dat", SmallContactList());
    WriteBytes(longField / "Davavazo.dat", ListWithLongFields());
    const Designer designer{davavazo::DavavazoDesigner()};

    EditorWindow plain(designer, small.u16string(), EditorWindow::OnDestroy::KeepRunning);
    Require(plain.Open(), "opening the editor on a small list");
    test::PumpMessages();
    std::vector<double> ordinary;
    for (int round = 0; round < kRounds; ++round) ordinary.push_back(PageChange(plain, round % 2 == 0));
    const double baseline = Median(ordinary);

    EditorWindow form(designer, longField.u16string(), EditorWindow::OnDestroy::KeepRunning);
    Require(form.Open(), "opening the editor on the list with long fields");
    test::PumpMessages();
    // Shown first: record 2, whose note is long; record 4's name is long.
    const double offNote = PageChange(form, false);
    const double ontoNote = PageChange(form, true);
    PageChange(form, true);
    const double ontoName = PageChange(form, true);
    const double offName = PageChange(form, true);
    Row("onto a 100000-character note", ontoNote, "between ordinary contacts", baseline, "<= 500 ms");
    Row("off a 100000-character note", offNote, "between ordinary contacts", baseline, "<= 500 ms");
    Row("onto a 100000-character name", ontoName, "between ordinary contacts", baseline, "<= 500 ms");
    Row("off a 100000-character name", offName, "between ordinary contacts", baseline, "<= 500 ms");
}

// One page with nothing on it, to the spooler: what any print costs.
bool BlankPage() {
    std::u16string error;
    win::PrinterDc printer = win::PrinterDc::OpenDefault(error);
    if (!printer) return false;
    win::PrintJob job(printer.get(), u"Blank");
    return job.Start() && job.StartPage() && job.Finish();
}

struct PrintedProgram {
    const char* name;
    const DesignerTables& tables;
};

// Each print's milliseconds; the next starts once the test printer has made the last one's
// PDF, so that no print waits for the conversion of the one before.
std::vector<double> PrintTimes(test::PrintCapture& capture, int rounds, const std::function<bool()>& print) {
    std::vector<double> times = Times(1, print);
    for (int round = 1; round < rounds && times.front() >= 0; ++round) {
        capture.WaitForPdf();
        times.push_back(Times(1, print).front());
    }
    capture.WaitForPdf();
    return times;
}

double MedianAfterFirst(const std::vector<double>& times) {
    return times.size() < 2 ? -1 : Median(std::vector<double>(times.begin() + 1, times.end()));
}

void PrintFigures() {
    Heading("Print, click to the job handed to the spooler (in-process, first and median of the next 3)");
    test::PrintCapture capture;
    if (!capture.available()) {
        std::printf("  skipped: no test printer (run inside scripts/testenv.sh as root)\n");
        return;
    }
    const PrintedProgram programs[] = {
        {"Vevuvez, card sheet", vevuvez::VevuvezDesigner()}, {"Kryton", kryton::KrytonDesigner()},
        {"Kuvertex", kuvertex::KuvertexDesigner()},           {"Vreckar", vreckar::VreckarDesigner()},
        {"Zozuraz", zozuraz::ZozurazDesigner()},              {"Radirir", radirir::RadirirDesigner()},
    };
    constexpr int kPrints = 4;
    std::vector<std::vector<double>> clicks;
    double blank = -1;
    for (const PrintedProgram& program : programs) {
        std::map<std::string_view, std::u16string> texts;
        for (std::string_view field : program.tables.record.fields) texts[field] = u"Ukážka textu čľžťáô";
        test::FakeEditor editor(program.tables.programTitle, texts);
        PiecePrinter printer(program.tables.layout);
        clicks.push_back(PrintTimes(capture, kPrints, [&] { return printer.FillAndPrint(program.tables.print, editor); }));
        // The first print of the run loads the spooler and the printer's driver: the baseline comes after it.
        if (blank < 0) blank = MedianAfterFirst(PrintTimes(capture, kPrints, BlankPage));
    }
    Row("Vevuvez, card sheet, first click of the run", clicks[0][0], "blank page, to spooler", blank, "<= 150 ms");
    for (size_t index = 0; index < std::size(programs); ++index)
        Row(programs[index].name, MedianAfterFirst(clicks[index]), "blank page, to spooler", blank,
            index == 0 ? "<= 100 ms" : "");
}

int Run() {
    const fs::path own = ExecutableFolder(), bin = own.parent_path() / "bin";
    const fs::path scratch = fs::temp_directory_path() / ("papyrka-figures-" + std::to_string(GetCurrentProcessId()));
    std::printf("Papyrka under Wine: each time beside its plain baseline from this run; ratio = time / baseline\n");
    int result = 0;
    try {
        StartUpFigures(scratch, bin, own);
        FileFigures(scratch);
        LongFieldFigures(scratch);
        PrintFigures();
    } catch (const Failure& failure) {
        std::fprintf(stderr, "wine-figures: failed: %s\n", failure.what);
        result = 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "wine-figures: failed: %s\n", error.what());
        result = 1;
    }
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
    return result;
}

}  // namespace
}  // namespace papyrka::figures

int main() { return papyrka::figures::Run(); }
