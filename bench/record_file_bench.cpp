// How the record store compares with the plainest possible file access, measured in the same
// run: loading against one read of the file plus one pass over its bytes, saving against one
// write of the same bytes, a search that finds nothing against one plain substring pass over
// the file's bytes. The atomic save flushes the file to disk, so it is measured with and
// without that flush, and the plain write too.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "record/record_file.h"
#include "record/record_format.h"
#include "record/search.h"

namespace papyrka {
namespace {

constexpr int kFields = 25;

class Silent : public Reporter {
public:
    void Message(const std::u16string&) override { std::abort(); }
};

// A full Kryton-sized list: an ID, artist and album names, and track titles of everyday
// lengths, some of them empty, with Slovak letters among them.
RecordList MakeList() {
    std::mt19937 random(1250);
    const std::string letters = "abcdefghijklmnoprstuvz \xE1\xE4\xE8\xEF\xE9\xED\xBE\xF2\xF3\xF4\x9A\x9D\xFA\xFD\x9E";
    auto text = [&](int minLength, int maxLength) {
        std::string field(std::uniform_int_distribution<int>(minLength, maxLength)(random), ' ');
        for (char& c : field) c = letters[std::uniform_int_distribution<size_t>(0, letters.size() - 1)(random)];
        return field;
    };
    RecordList list(kFields);
    while (list.append()) {
        Record& record = list.at(list.count());
        record.set(0, std::to_string(list.count()));
        for (size_t field = 1; field < record.size(); ++field)
            record.set(field, field > 14 && random() % 3 == 0 ? std::string() : text(6, 32));
    }
    list.setCurrent(1);
    return list;
}

struct Fixture {
    std::filesystem::path folder;
    std::u16string source;   // what the loads read
    std::u16string target;   // what the saves write
    std::string bytes;
    RecordList list{kFields};

    Fixture() {
        folder = std::filesystem::temp_directory_path() / ("papyrka-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        source = (folder / "Kryton.dat").u16string();
        target = (folder / "Saved.dat").u16string();
        list = MakeList();
        bytes = SerializeRecords(list);
        Silent silent;
        if (!RecordStore(source, list).Save(silent)) std::abort();
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

std::string Utf8(const std::u16string& path) { return std::filesystem::path(path).string(); }

// Freeing what an iteration built happens outside the timing, and so does the heap's tidying
// after it, which glibc would otherwise bill to the next large malloc. Argument 0: the heap keeps
// its pages (steady state). Argument 1: the heap gives its free pages back first, as in a program
// that has just started, so every page the load touches is fresh from the system.
void Tidy(bool cold) {
    if (cold) {
        ::malloc_trim(0);
    } else {
        // A large request makes glibc fold its small free chunks together now.
        void* large = std::malloc(size_t{1} << 20);
        benchmark::DoNotOptimize(large);
        std::free(large);
    }
}

void BaselineRead(benchmark::State& state) {
    const std::string path = Utf8(Data().source);
    for (auto _ : state) {
        auto bytes = std::make_unique<std::string>(Data().bytes.size(), '\0');
        FILE* file = std::fopen(path.c_str(), "rb");
        size_t got = std::fread(&(*bytes)[0], 1, bytes->size(), file);
        std::fclose(file);
        size_t lines = 0;
        for (size_t i = 0; i < got; ++i) lines += (*bytes)[i] == '\n';
        benchmark::DoNotOptimize(lines);
        state.PauseTiming();
        bytes.reset();
        Tidy(state.range(0) != 0);
        state.ResumeTiming();
    }
}

void Load(benchmark::State& state) {
    Silent silent;
    for (auto _ : state) {
        auto store = std::make_unique<RecordStore>(Data().source, RecordList(kFields));
        store->Load(silent);
        state.PauseTiming();
        if (store->Records().count() != RecordList::kMaxCount) std::abort();
        store.reset();
        Tidy(state.range(0) != 0);
        state.ResumeTiming();
    }
}

void PlainWrite(const std::string& path, const std::string& bytes, bool flush) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    if (flush) ::fsync(fd);
    ::close(fd);
}

void BaselineWrite(benchmark::State& state) {
    const std::string path = Utf8(Data().target);
    for (auto _ : state) PlainWrite(path, Data().bytes, false);
}

void BaselineWriteFlushed(benchmark::State& state) {
    const std::string path = Utf8(Data().target);
    for (auto _ : state) PlainWrite(path, Data().bytes, true);
}

void Save(benchmark::State& state) {
    Silent silent;
    RecordStore store(Data().target, Data().list);
    for (auto _ : state)
        if (!store.Save(silent)) std::abort();
}

// Save's own steps with the flush left out.
void SaveUnflushed(benchmark::State& state) {
    for (auto _ : state)
        if (std::string joined; SystemFileSystem().Replace(Data().target, SerializedPieces(Data().list, joined), Durability::Unflushed))
            std::abort();
}

// Typed with capitals and diacritics; found nowhere, so every field is looked at.
constexpr std::u16string_view kAbsent = u"Nováková";

// The same text as the file holds it, in the case that the file's letters have, searched for
// as exact bytes: what any search over these bytes costs at least.
void BaselineFind(benchmark::State& state) {
    const std::string_view bytes = Data().bytes;
    const std::string wanted = "nov\xE1kov\xE1";
    for (auto _ : state)
        if (bytes.find(wanted) != std::string_view::npos) std::abort();
}

void SearchNothing(benchmark::State& state, const RecordList& list) {
    for (auto _ : state)
        if (FindFirstMatch(list, kAbsent, 1)) std::abort();
}

void SearchLoaded(benchmark::State& state) {
    static const RecordList loaded = [] {
        Silent silent;
        RecordStore store(Data().source, RecordList(kFields));
        store.Load(silent);
        return std::move(store.Records());
    }();
    SearchNothing(state, loaded);
}

void SearchEdited(benchmark::State& state) { SearchNothing(state, Data().list); }

// Each figure beside its baseline, and the median of three runs of each: the machines that run
// this share their cores, and a burst of other work should not decide a ratio.
void Figure(benchmark::internal::Benchmark* figure) {
    figure->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly(true);
}
BENCHMARK(BaselineRead)->Arg(0)->Apply(Figure);
BENCHMARK(Load)->Arg(0)->Apply(Figure);
BENCHMARK(BaselineRead)->Arg(1)->Apply(Figure);
BENCHMARK(Load)->Arg(1)->Apply(Figure);
BENCHMARK(BaselineWrite)->Apply(Figure);
BENCHMARK(SaveUnflushed)->Apply(Figure);
BENCHMARK(BaselineWriteFlushed)->Apply(Figure);
BENCHMARK(Save)->Apply(Figure);
BENCHMARK(BaselineFind)->Apply(Figure);
BENCHMARK(SearchLoaded)->Apply(Figure);
BENCHMARK(SearchEdited)->Apply(Figure);

// The console output of the medians alone, and a note of each, for the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        std::vector<Run> medians;
        for (const Run& run : runs) {
            if (run.aggregate_name != "median") continue;
            medians.push_back(run);
            times[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] = {
                run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
        ConsoleReporter::ReportRuns(medians);
    }
    struct Time {
        double real;
        double cpu;
    };
    std::map<std::string, Time> times;
};

// Real time is what the user waits; CPU time is steadier when other work shares the machine.
// A goal of 0 is a figure reported for scale.
void PrintRatio(const RatioReporter& reporter, const char* what, const char* measured, const char* baseline,
                double goal = 0) {
    auto m = reporter.times.find(measured);
    auto b = reporter.times.find(baseline);
    if (m == reporter.times.end() || b == reporter.times.end() || b->second.real <= 0 || b->second.cpu <= 0) return;
    const double ratio = m->second.real / b->second.real;
    const double cpuRatio = m->second.cpu / b->second.cpu;
    char verdict[24] = "";
    if (goal > 0) std::snprintf(verdict, sizeof verdict, "<= %.1fx %s", goal, cpuRatio <= goal ? "met" : "NOT MET");
    std::printf("%-46s %7.2f / %7.2f ms = %5.2fx   cpu %7.2f / %7.2f ms = %5.2fx  %s\n", what, m->second.real,
                b->second.real, ratio, m->second.cpu, b->second.cpu, cpuRatio, verdict);
}

}  // namespace
}  // namespace papyrka

int main(int argc, char** argv) {
    using namespace papyrka;
    benchmark::Initialize(&argc, argv);
    // Keep freed memory, large blocks included, in the heap: "warm" then means warm. The cold
    // runs hand it back explicitly.
    ::mallopt(M_TRIM_THRESHOLD, 1 << 30);
    ::mallopt(M_MMAP_THRESHOLD, 32 << 20);   // glibc's largest
    std::printf("File: %d records x %d fields, %zu bytes\n", RecordList::kMaxCount, kFields, Data().bytes.size());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // The goals are judged on CPU time: the machines that run this share their cores.
    std::printf("\nRatios to the plain baseline, real time and CPU time, and the goal (on CPU time)\n");
    PrintRatio(reporter, "load / (read + one pass), warm heap", "Load/0", "BaselineRead/0", 1.5);
    PrintRatio(reporter, "load / (read + one pass), cold heap", "Load/1", "BaselineRead/1");
    PrintRatio(reporter, "save without flush / plain write", "SaveUnflushed", "BaselineWrite");
    PrintRatio(reporter, "save (flushed, atomic) / plain write + fsync", "Save", "BaselineWriteFlushed");
    PrintRatio(reporter, "save (flushed, atomic) / plain write", "Save", "BaselineWrite");
    PrintRatio(reporter, "search finding nothing / plain substring pass", "SearchLoaded", "BaselineFind", 2.0);
    PrintRatio(reporter, "same, every record edited since the load", "SearchEdited", "BaselineFind");
    benchmark::Shutdown();
    return 0;
}
