// One preview tick of each timed effect: the animation step and the recolouring of the five
// zone pictures from memory, as the lighting page does it. For comparison, the same tick
// with the zone pictures read from disk again, which is what recolouring from the files
// would cost on every tick.
#include <benchmark/benchmark.h>

#include <QImage>
#include <filesystem>
#include <string>

#include "pages/lighting/LightingPreview.h"
#include "pages/lighting/ZonePictures.h"
#include "skin/SkinImage.h"
#include "skin/SkinPixels.h"

namespace {

const std::filesystem::path kSkin = CORVANE_SKIN_DIR;

struct Mode {
    int mode;
    int timer;
};
constexpr Mode kModes[] = {{2, 2}, {3, 3}, {4, 4}, {7, 5}, {8, 7}};

void PreviewTick(benchmark::State& state) {
    const Mode m = kModes[state.range(0)];
    ZonePictures zones;
    zones.Load(kSkin);
    LightingPreview preview;
    preview.SetColour(0x00FF00);
    preview.Restart(m.mode, 8, 8);
    for (auto _ : state) {
        if (auto frame = preview.Tick(m.timer)) {
            benchmark::DoNotOptimize(zones.Apply(*frame));
        }
    }
    state.SetLabel("mode " + std::to_string(m.mode));
}
BENCHMARK(PreviewTick)->DenseRange(0, 4);

void PreviewTickStepOnly(benchmark::State& state) {
    const Mode m = kModes[state.range(0)];
    LightingPreview preview;
    preview.Restart(m.mode, 8, 8);
    for (auto _ : state) {
        benchmark::DoNotOptimize(preview.Tick(m.timer));
    }
    state.SetLabel("mode " + std::to_string(m.mode));
}
BENCHMARK(PreviewTickStepOnly)->DenseRange(0, 4);

void PreviewTickReadingFiles(benchmark::State& state) {
    LightingPreview preview;
    preview.Restart(3, 8, 8);
    for (auto _ : state) {
        const PreviewFrame frame = *preview.Tick(3);
        for (int z = 0; z < kZoneCount; ++z) {
            auto img = LoadImagePlus(kSkin / (std::to_string(z + 1) + ".png"));
            if (img) {
                QImage pixels = img->image.convertToFormat(QImage::Format_ARGB32);
                TintPixels(reinterpret_cast<std::uint32_t*>(pixels.bits()),
                           static_cast<std::size_t>(pixels.sizeInBytes() / 4), frame[z].colour,
                           frame[z].opacity);
                benchmark::DoNotOptimize(pixels.constBits());
            }
        }
    }
    state.SetLabel("mode 3, zones read from disk");
}
BENCHMARK(PreviewTickReadingFiles);

}  // namespace
