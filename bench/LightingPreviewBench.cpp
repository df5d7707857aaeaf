// One preview tick of each timed effect: the animation step and the recolouring of the five
// zone pictures from memory, as the lighting page does it. For comparison, the same tick
// with the zone pictures read from disk again, which is what recolouring from the files
// would cost on every tick.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <filesystem>
#include <string>

#include "pages/lighting/LightEffects.h"
#include "pages/lighting/LightPreviewView.h"
#include "pages/lighting/LightingPreview.h"
#include "pages/lighting/ZonePictures.h"
#include "skin/QtRect.h"
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

// One whole frame of the colour cycle as the page paints it: the step, the zones' colour
// tables and the composition of the zones' part, at ratio 1 and with the 2x twins.
void PreviewFrameComposed(benchmark::State& state) {
    const int ratio = static_cast<int>(state.range(0));
    ZonePictures zones;
    zones.Load(kSkin, ratio);
    QImage background;
    background.load(QString::fromStdString(
        (kSkin / (ratio > 1 ? "light_normal@2x.png" : "light_normal.bmp")).string()));
    background.setDevicePixelRatio(ratio);
    QImage mouse;
    mouse.load(
        QString::fromStdString((kSkin / (ratio > 1 ? "Mouse@2x.png" : "Mouse.png")).string()));
    QWidget page;
    page.resize(900, 520);
    LightPreviewView view(&page, &background, &zones, ToQRect(SkinRect{40, 140, 400, 380}), mouse);
    LightingPreview preview;
    preview.SetColour(0x00FF00);
    preview.Restart(3, 8, 8);
    for (auto _ : state) {
        if (auto frame = preview.Tick(3); frame && zones.Apply(*frame)) {
            view.UpdateZones();
        }
    }
    state.SetLabel(ratio > 1 ? "mode 3, 2x" : "mode 3");
}
BENCHMARK(PreviewFrameComposed)->Arg(1)->Arg(2);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
