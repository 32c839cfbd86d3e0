// Speed of orvanel-calc batch without the process around it: 4000 chart lines of moments spread over
// 1900-2100 on the shipped data, and as many lines of the plane's lookups and namings. Goal: 20,000
// chart lines a second (tools/accuracy/speed.mjs times the program itself against the reference).
#include <benchmark/benchmark.h>

#include <random>
#include <sstream>
#include <string>

#include "command.h"

namespace {

const std::string kData = std::string(ORVANEL_SOURCE_DIR) + "/data";
constexpr int kLines = 4000;

std::string ChartLines() {
    std::mt19937 random(2026);
    std::string lines;
    for (int i = 0; i < kLines; ++i) {
        lines += "chart " + std::to_string(1900 + random() % 201) + " " + std::to_string(1 + random() % 12) +
                 " " + std::to_string(1 + random() % 28) + " " + std::to_string(random() % 24) + " " +
                 std::to_string(random() % 60) + "\n";
    }
    return lines;
}

std::string PlaneLines() {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> place(-6000, 6000), angle(0, 360), radius(0, 10000);
    std::string lines;
    for (int i = 0; i < kLines; ++i) {
        lines += i % 2 == 0 ? "plane --rorev lookup " + std::to_string(place(random)) + " " +
                                  std::to_string(place(random))
                            : "plane --orvanel nearest " + std::to_string(angle(random)) + " " +
                                  std::to_string(radius(random));
        lines += "\n";
    }
    return lines;
}

// Standard output as a pipe to a reader that keeps up: the bytes are counted and dropped.
class CountingBuffer : public std::streambuf {
  public:
    std::size_t count = 0;

  protected:
    int_type overflow(int_type c) override {
        ++count;
        return c;
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        count += static_cast<std::size_t>(n);
        return n;
    }
};

void Batch(benchmark::State& state, const std::string& lines) {
    std::size_t written = 0;
    for (auto _ : state) {
        std::istringstream in(lines);
        CountingBuffer counted;
        std::ostream out(&counted);
        std::ostringstream err;
        calc::RunCommandLine({"batch"}, in, out, err, kData);
        written = counted.count;
    }
    state.counters["lines/s"] = benchmark::Counter(kLines, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes"] = static_cast<double>(written);
}

void BM_BatchOf4000ChartLines(benchmark::State& state) {
    Batch(state, ChartLines());
}

void BM_BatchOf4000PlaneLines(benchmark::State& state) {
    Batch(state, PlaneLines());
}

BENCHMARK(BM_BatchOf4000ChartLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchOf4000PlaneLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
