// Engine benchmarks on generated address tables of 100,000 and 1,000,000
// records. Prepared tables are built once per run and size in a scratch
// folder ($PC_BENCH_DIR, else the system temp folder) and copied for the
// benchmarks that change them; preparation is never timed.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "address_data.h"
#include "xbase/engine.h"

namespace fs = std::filesystem;
using pc::bench::addressFields;
using pc::bench::AddressGenerator;
using pc::bench::addressTags;

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// The run's scratch folder, removed when the program ends.
class Scratch {
  public:
    Scratch() {
        const char* base = std::getenv("PC_BENCH_DIR");
        fs::path root = base && *base ? fs::path(base) : fs::temp_directory_path();
        dir_ = root / ("pc-xbase-bench-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    ~Scratch() {
        sx_CloseAll();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string file(const std::string& name) const { return (dir_ / name).string(); }

  private:
    fs::path dir_;
};

Scratch& scratch() {
    static Scratch s;
    return s;
}

struct Failure {
    std::string message;
};

void check(bool ok, const char* what) {
    if (!ok) throw Failure{std::string(what) + ": " + sx_LastError()};
}

const char* const kTableExtensions[] = {".dbf", ".fpt", ".cdx"};

void removeTable(const std::string& stem) {
    std::error_code ec;
    for (const char* ext : kTableExtensions) fs::remove(stem + ext, ec);
}

void copyTable(const std::string& fromStem, const std::string& toStem) {
    removeTable(toStem);
    for (const char* ext : kTableExtensions) {
        if (fs::exists(fromStem + ext)) fs::copy_file(fromStem + ext, toStem + ext);
    }
}

int open(const std::string& stem, int mode) {
    std::string path = stem + ".dbf";
    int area =
        sx_Use(path.c_str(), sx_DefaultAlias(path.c_str()).c_str(), mode, pc::xbase::kDriverNone);
    check(area != 0, "sx_Use");
    return area;
}

void createEmpty(const std::string& stem) {
    removeTable(stem);
    std::string path = stem + ".dbf";
    const auto& fields = addressFields();
    check(sx_CreateNew(path.c_str(), sx_DefaultAlias(path.c_str()).c_str(), pc::xbase::kDriverCdx,
                       static_cast<int>(fields.size())) != 0,
          "sx_CreateNew");
    for (const auto& f : fields) {
        const char type[2] = {f.type, 0};
        check(sx_CreateField(f.name, type, f.width, 0), "sx_CreateField");
    }
    check(sx_CreateExec() != 0, "sx_CreateExec");
}

// Appends `count` generated records to the open table. Returns the seconds
// spent in the engine; generating the values is left out.
double appendRecords(int count) {
    const auto& fields = addressFields();
    AddressGenerator gen;
    constexpr int kBatch = 10000;
    std::vector<std::array<std::string, pc::bench::kAddressFieldCount>> batch;
    batch.reserve(kBatch);
    double engineSeconds = 0;
    for (int done = 0; done < count;) {
        int n = std::min(kBatch, count - done);
        batch.clear();
        for (int i = 0; i < n; ++i) batch.push_back(gen.next());
        auto start = Clock::now();
        for (const auto& values : batch) {
            check(sx_AppendBlank(), "sx_AppendBlank");
            for (int f = 0; f < pc::bench::kAddressFieldCount; ++f) {
                if (f == pc::bench::kIsDelField) {
                    check(sx_ReplaceLogical(fields[f].name, values[f] == "T"), "sx_ReplaceLogical");
                } else if (f != pc::bench::kMemoField || !values[f].empty()) {
                    check(sx_Replace(fields[f].name, values[f].c_str()), "sx_Replace");
                }
            }
        }
        engineSeconds += seconds(start);
        done += n;
    }
    return engineSeconds;
}

void createTags() {
    for (const auto& tag : addressTags()) {
        check(sx_IndexTag(nullptr, tag.name, tag.expression, 0, false, nullptr) != 0,
              "sx_IndexTag");
    }
}

// Cached tables: "plain" has the records only, "indexed" also the 26 tags.
std::string plainTable(int records) {
    static std::map<int, std::string> made;
    auto it = made.find(records);
    if (it != made.end()) return it->second;
    std::string stem = scratch().file("plain" + std::to_string(records));
    createEmpty(stem);
    appendRecords(records);
    sx_CloseAll();
    return made[records] = stem;
}

std::string indexedTable(int records) {
    static std::map<int, std::string> made;
    auto it = made.find(records);
    if (it != made.end()) return it->second;
    std::string stem = scratch().file("indexed" + std::to_string(records));
    copyTable(plainTable(records), stem);
    open(stem, pc::xbase::kExclusive);
    createTags();
    sx_CloseAll();
    return made[records] = stem;
}

std::string workCopy(const std::string& stem) {
    std::string work = scratch().file("work");
    copyTable(stem, work);
    return work;
}

// Runs a benchmark body, turning engine failures into a skipped benchmark.
template <typename Body>
void guarded(benchmark::State& state, Body body) {
    try {
        body();
    } catch (const Failure& f) {
        sx_CloseAll();
        state.SkipWithError(f.message.c_str());
    } catch (const std::exception& e) {
        sx_CloseAll();
        state.SkipWithError(e.what());
    }
}

void BM_Append(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    guarded(state, [&] {
        for (auto _ : state) {
            std::string stem = scratch().file("append");
            createEmpty(stem);
            double engine = appendRecords(records);
            auto start = Clock::now();
            sx_Close();
            state.SetIterationTime(engine + seconds(start));
            removeTable(stem);
        }
        state.SetItemsProcessed(state.iterations() * records);
    });
}

void BM_CreateTags(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    guarded(state, [&] {
        const std::string plain = plainTable(records);
        for (auto _ : state) {
            std::string work = workCopy(plain);
            open(work, pc::xbase::kExclusive);
            auto start = Clock::now();
            createTags();
            sx_Close();
            state.SetIterationTime(seconds(start));
        }
    });
}

void BM_OpenWithIndex(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    guarded(state, [&] {
        const std::string stem = indexedTable(records);
        for (auto _ : state) {
            auto start = Clock::now();
            open(stem, pc::xbase::kShared);
            int order = sx_TagArea("LNAME");
            check(order != 0, "sx_TagArea(LNAME)");
            sx_SetOrder(order);
            state.SetIterationTime(seconds(start));
            sx_Close();
        }
    });
}

void BM_CheckIndex(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    guarded(state, [&] {
        const std::string stem = indexedTable(records);
        for (auto _ : state) {
            open(stem, pc::xbase::kShared);
            auto start = Clock::now();
            const std::string fault = sx_CheckIndex();
            state.SetIterationTime(seconds(start));
            sx_Close();
            check(fault.empty(), "sx_CheckIndex");
        }
        state.SetItemsProcessed(state.iterations() * records);
    });
}

void BM_Seek(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    constexpr int kSeeks = 10000;
    guarded(state, [&] {
        const std::string stem = indexedTable(records);
        open(stem, pc::xbase::kShared);
        // Keys of random records: the LNAME key is UPPER(LNAME)+UPPER(FNAME).
        AddressGenerator pick(7);
        std::vector<std::string> keys;
        for (int i = 0; i < kSeeks; ++i) {
            sx_Go(1 + static_cast<int>(pick.below(static_cast<uint32_t>(records))));
            std::string key = sx_GetString("LNAME") + sx_GetTrimString("FNAME");
            for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            keys.push_back(key);
        }
        sx_SetOrder(sx_TagArea("LNAME"));
        int found = 0;
        for (auto _ : state) {
            found = 0;
            auto start = Clock::now();
            for (const std::string& key : keys) found += sx_Seek(key.c_str());
            state.SetIterationTime(seconds(start));
        }
        sx_Close();
        if (found != kSeeks) throw Failure{"only " + std::to_string(found) + " keys found"};
        state.SetItemsProcessed(state.iterations() * kSeeks);
    });
}

void BM_OrderedWalk(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    guarded(state, [&] {
        const std::string stem = indexedTable(records);
        open(stem, pc::xbase::kShared);
        sx_SetOrder(sx_TagArea("LNAME"));
        int seen = 0;
        for (auto _ : state) {
            seen = 0;
            auto start = Clock::now();
            for (sx_GoTop(); !sx_Eof(); sx_Skip(1)) ++seen;
            state.SetIterationTime(seconds(start));
        }
        sx_Close();
        if (seen != records) throw Failure{"walked " + std::to_string(seen) + " records"};
        state.SetItemsProcessed(state.iterations() * records);
    });
}

void BM_QueryCount(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const char* query = "UPPER(STATE)=\"NY\" .and. !ISDEL";
    guarded(state, [&] {
        const std::string stem = indexedTable(records);
        open(stem, pc::xbase::kShared);
        check(sx_Query(query), "sx_Query");  // warm-up, untimed
        int matches = sx_QueryRecCount();
        check(sx_Query(""), "sx_Query");
        for (auto _ : state) {
            auto start = Clock::now();
            check(sx_Query(query), "sx_Query");
            matches = sx_QueryRecCount();
            state.SetIterationTime(seconds(start));
            check(sx_Query(""), "sx_Query");
        }
        sx_Close();
        state.counters["matches"] = matches;
    });
}

// Deletion-marks records 10, 20, 30, ...
void deleteEveryTenth(int records) {
    for (int r = 10; r <= records; r += 10) {
        sx_Go(r);
        sx_Delete();
    }
}

void BM_DeleteEvery10th(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    guarded(state, [&] {
        const std::string stem = indexedTable(records);
        for (auto _ : state) {
            std::string work = workCopy(stem);
            open(work, pc::xbase::kExclusive);
            check(sx_TagCount() == 26, "26 tags open");
            auto start = Clock::now();
            deleteEveryTenth(records);
            sx_Close();
            state.SetIterationTime(seconds(start));
        }
    });
}

void BM_Pack(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    guarded(state, [&] {
        const std::string stem = indexedTable(records);
        for (auto _ : state) {
            std::string work = workCopy(stem);
            open(work, pc::xbase::kExclusive);
            deleteEveryTenth(records);
            sx_Commit();
            auto start = Clock::now();
            check(sx_Pack(), "sx_Pack");
            sx_Close();
            state.SetIterationTime(seconds(start));
        }
    });
}

// Anonymous and total resident memory of this process, in bytes.
struct Rss {
    double anon = 0;
    double total = 0;
};

Rss readRss() {
    Rss rss;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        auto kb = [&](const char* key, double& into) {
            if (line.rfind(key, 0) == 0)
                into = std::strtod(line.c_str() + std::strlen(key), nullptr) * 1024;
        };
        kb("RssAnon:", rss.anon);
        kb("VmRSS:", rss.total);
    }
    return rss;
}

// Memory while the big table is open and busy: file-backed pages of the
// mapped files are the OS file cache, so RssAnon growth is what counts.
void BM_MemoryWhileOpen(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    guarded(state, [&] {
        const std::string stem = indexedTable(records);
        malloc_trim(0);  // hand back what earlier benchmarks freed, for a fair baseline
        Rss before = readRss();
        Rss peak = before;
        auto sample = [&] {
            Rss now = readRss();
            peak.anon = std::max(peak.anon, now.anon);
            peak.total = std::max(peak.total, now.total);
        };
        for (auto _ : state) {
            auto start = Clock::now();
            open(stem, pc::xbase::kShared);
            sx_SetOrder(sx_TagArea("LNAME"));
            sample();
            for (sx_GoTop(); !sx_Eof(); sx_Skip(1)) {
            }
            sample();
            check(sx_Query("UPPER(STATE)=\"NY\" .and. !ISDEL"), "sx_Query");
            benchmark::DoNotOptimize(sx_QueryRecCount());
            sample();
            check(sx_Query(""), "sx_Query");
            sx_GoTop();
            for (int i = 0; i < 1000; ++i) benchmark::DoNotOptimize(sx_GetMemo("MEMO"));
            sample();
            state.SetIterationTime(seconds(start));
            sx_Close();
        }
        state.counters["RssAnonGrowthMB"] = (peak.anon - before.anon) / (1024.0 * 1024.0);
        state.counters["VmRSSGrowthMB"] = (peak.total - before.total) / (1024.0 * 1024.0);
    });
}

// The slow ones run once per size; the rest a few times.
#define PC_SIZES Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseManualTime()
BENCHMARK(BM_Append)->PC_SIZES->Iterations(1);
BENCHMARK(BM_CreateTags)->PC_SIZES->Iterations(1);
BENCHMARK(BM_OpenWithIndex)->PC_SIZES->Iterations(20);
BENCHMARK(BM_CheckIndex)->PC_SIZES->Iterations(2);
BENCHMARK(BM_Seek)->PC_SIZES->Iterations(3);
BENCHMARK(BM_OrderedWalk)->PC_SIZES->Iterations(2);
BENCHMARK(BM_QueryCount)->PC_SIZES->Iterations(3);
BENCHMARK(BM_DeleteEvery10th)->PC_SIZES->Iterations(1);
BENCHMARK(BM_Pack)->PC_SIZES->Iterations(1);
BENCHMARK(BM_MemoryWhileOpen)->PC_SIZES->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
