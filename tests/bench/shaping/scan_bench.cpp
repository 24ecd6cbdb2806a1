// Cost of the two scans on a 4096 x 4096 picture at each pixel size, as a
// multiple of one plain sequential read (a byte sum) of the same bytes.
// The picture is what the main window cuts: a panel with rounded corners on
// white, with some white pixels and spots inside the panel.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shaping/cut_rects.h"
#include "shaping/key_colour.h"
#include "shaping/pixel_grid.h"

namespace {

using kovrena::shaping::ComputeCutRects;
using kovrena::shaping::PixelGrid;
using kovrena::shaping::ScanKind;
using kovrena::shaping::WhiteKey;

constexpr std::int32_t kSide = 4096;
constexpr std::int32_t kCorner = 300;

bool InsidePanel(std::int64_t x, std::int64_t y) {
  const std::int64_t margin = 40;
  const std::int64_t low = margin + kCorner;
  const std::int64_t high = kSide - 1 - margin - kCorner;
  if (x < margin || y < margin || x > kSide - 1 - margin || y > kSide - 1 - margin) return false;
  const std::int64_t cx = x < low ? low : (x > high ? high : x);
  const std::int64_t cy = y < low ? low : (y > high ? high : y);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= std::int64_t{kCorner} * kCorner;
}

// White outside the panel, in spots of radius 6 on a 97-pixel lattice and
// on every 1009th pixel; the panel's own colour elsewhere.
bool IsWhite(std::int64_t x, std::int64_t y) {
  if (!InsidePanel(x, y)) return true;
  const std::int64_t dx = x % 97 - 48;
  const std::int64_t dy = y % 97 - 48;
  if (dx * dx + dy * dy <= 36) return true;
  return (x * 7 + y * 13) % 1009 == 0;
}

PixelGrid MakePicture(int bytesPerPixel) {
  PixelGrid grid;
  grid.width = kSide;
  grid.height = kSide;
  grid.bytesPerPixel = static_cast<std::uint8_t>(bytesPerPixel);
  grid.stride = kSide * bytesPerPixel;
  grid.bytes.resize(static_cast<std::size_t>(grid.stride) * kSide);
  const std::uint8_t panel[4] = {0x40, 0xE0, 0xF8, 0x00};  // yellow, blue first
  for (std::int64_t y = 0; y < kSide; ++y) {
    for (std::int64_t x = 0; x < kSide; ++x) {
      std::uint8_t* p = grid.bytes.data() + y * grid.stride + x * bytesPerPixel;
      const bool white = IsWhite(x, y);
      for (int k = 0; k < bytesPerPixel; ++k) p[k] = white ? 0xFF : panel[k];
      if (bytesPerPixel == 4) p[3] = static_cast<std::uint8_t>(x);  // the fourth byte never counts
    }
  }
  return grid;
}

// One picture at a time: four of them would take 160 MB.
const PixelGrid& Picture(int bytesPerPixel) {
  static std::unique_ptr<PixelGrid> current;
  if (!current || current->bytesPerPixel != bytesPerPixel) {
    current.reset();
    current = std::make_unique<PixelGrid>(MakePicture(bytesPerPixel));
  }
  return *current;
}

void PlainRead(benchmark::State& state, int bpp) {
  const PixelGrid& grid = Picture(bpp);
  for (auto _ : state) {
    std::uint64_t sum = 0;
    for (std::uint8_t b : grid.bytes) sum += b;
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(grid.bytes.size()));
}

// The scan alone, rectangles handed on as found (as a region is built).
class CountingSink final : public kovrena::shaping::CutRectSink {
 public:
  void add(const kovrena::shaping::CutRect& rect) override {
    ++count;
    benchmark::DoNotOptimize(rect);
  }
  std::size_t count = 0;
};

void Scan(benchmark::State& state, int bpp, ScanKind scan) {
  const PixelGrid& grid = Picture(bpp);
  const auto key = WhiteKey(grid.bytesPerPixel);
  std::size_t rects = 0;
  for (auto _ : state) {
    CountingSink sink;
    benchmark::DoNotOptimize(kovrena::shaping::ScanCutRects(grid, key, scan, {0, 0}, sink));
    rects = sink.count;
  }
  state.counters["rects"] = static_cast<double>(rects);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(grid.bytes.size()));
}

// The same, gathered into a fresh list each time: adds the list's memory,
// which on a fresh heap costs page faults that can outweigh the scan itself.
void ScanToList(benchmark::State& state, int bpp, ScanKind scan) {
  const PixelGrid& grid = Picture(bpp);
  const auto key = WhiteKey(grid.bytesPerPixel);
  std::size_t rects = 0;
  for (auto _ : state) {
    auto result = ComputeCutRects(grid, key, scan, {0, 0});
    rects = result.ok() ? result.value().size() : 0;
    benchmark::DoNotOptimize(rects);
  }
  state.counters["rects"] = static_cast<double>(rects);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(grid.bytes.size()));
}

// Prints as usual, then the ratios to the plain read of the same depth, in
// CPU time: on a shared machine the wall clock mostly measures the neighbours.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nCPU time as a multiple of one plain read of the same bytes (4096 x 4096):\n");
    std::printf("%-6s %10s %12s %14s\n", "depth", "full", "peripheral", "full, listed");
    for (int bits : {8, 16, 24, 32}) {
      const std::string depth = std::to_string(bits);
      const double read = times_["read/" + depth];
      if (read <= 0) continue;
      std::printf("%-6d %10.2f %12.2f %14.2f\n", bits, times_["full/" + depth] / read,
                  times_["peripheral/" + depth] / read, times_["full-listed/" + depth] / read);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  for (int bits : {8, 16, 24, 32}) {
    const int bpp = bits / 8;
    const std::string depth = std::to_string(bits);
    benchmark::RegisterBenchmark(("read/" + depth).c_str(), PlainRead, bpp)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("full/" + depth).c_str(), Scan, bpp, ScanKind::Full)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("peripheral/" + depth).c_str(), Scan, bpp, ScanKind::Peripheral)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("full-listed/" + depth).c_str(), ScanToList, bpp, ScanKind::Full)
        ->Unit(benchmark::kMillisecond);
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
