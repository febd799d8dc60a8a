// The table at its sizes: a whole repaint of the table, the pictures' memory, and the deal's animation.
// Runs headless (offscreen); a table at 200 % covers the device pixels of a 100 % table on a screen
// that doubles pixels.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <optional>

#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_table_window.h"
#include "platform/table_presenter.h"
#include "resources/resource_catalogue.h"
#include "shell/tandora_app.h"
#include "tests/support/fake_platform.h"

namespace {

using namespace tandora;

class RelayToApp : public TableEvents {
public:
    TandoraApp* app = nullptr;
    void click(ControlRef c) override { app->click(c); }
    void mouseDown(ControlRef c, int b, int s, int x, int y) override { app->mouseDown(c, b, s, x, y); }
    void mouseUp(ControlRef c, int b, int s, int x, int y) override { app->mouseUp(c, b, s, x, y); }
    void keyPress(int code) override { app->keyPress(code); }
    void menuClick(MenuRef item) override { app->menuClick(item); }
    bool queryUnload() override { return true; }
    void lostFocus() override {}
};

// The real window and presenter driven by the real game; everything else faked, but a real clock.
struct Table {
    explicit Table(int percent) {
        fakes.settings.set("Options", "DoubleUp", "False");
        fakes.settings.set("Options", "SoundEffects", "False");
        fakes.settings.set("Display", "Scale", std::to_string(percent));
        app.emplace(platform, fakes.splash, hooks);
        relay.app = &*app;
        app->start();
        fakes.splash.fireTimer();
        window.setTableScale(percent); // whatever the offscreen screen allows
        QApplication::processEvents();
    }
    // Deals (and draws, untimed) one hand; the milliseconds the deal took.
    double deal() {
        if (app->state().CreditsIn < MaxCoins)
            app->keyPress('$');
        QElapsedTimer timer;
        timer.start();
        app->keyPress('p');
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        app->keyPress('d');
        return ms;
    }

    testing_support::FakePlatform fakes;
    QtClock clock;
    RelayToApp relay;
    QtTableWindow window{relay};
    TablePresenter presenter{window};
    ShellHooks hooks;
    Platform platform{.view = presenter,
                      .messages = fakes.messages,
                      .dialogs = fakes.dialogs,
                      .fileDialogs = fakes.fileDialogs,
                      .files = fakes.files,
                      .desktop = fakes.desktop,
                      .settings = fakes.settings,
                      .sound = fakes.sound,
                      .clock = clock,
                      .random = fakes.random,
                      .system = fakes.system,
                      .printer = fakes.printer,
                      .help = fakes.help};
    std::optional<TandoraApp> app;
};

QWidget& tableSurface(QtTableWindow& window) {
    return *window.controlWidget({Control::pbMain})->parentWidget();
}

// Every control of a dealt table painted into an image of the table's pixels, the pictures already kept.
void repaintWholeTable(benchmark::State& state) {
    Table table(static_cast<int>(state.range(0)));
    table.deal();
    QWidget& surface = tableSurface(table.window);
    QImage target(surface.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        surface.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["pixels"] = target.width() * target.height();
}
BENCHMARK(repaintWholeTable)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// The same after a change of size: every picture painted anew first.
void repaintAtNewSize(benchmark::State& state) {
    Table table(static_cast<int>(state.range(0)));
    table.deal();
    QWidget& surface = tableSurface(table.window);
    QImage target(surface.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        ResourceCatalogue::instance().forget();
        surface.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(repaintAtNewSize)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// What the kept pictures take at 2x: those of a played table, and all the game has.
void pictureMemoryAt2x(benchmark::State& state) {
    ResourceCatalogue& catalogue = ResourceCatalogue::instance();
    catalogue.forget();
    Table table(200);
    table.deal();
    tableSurface(table.window).grab();
    const double played = static_cast<double>(catalogue.cacheBytes()) / 1e6;
    for (auto _ : state)
        for (const int n : catalogue.pictureNumbers())
            benchmark::DoNotOptimize(catalogue.picture(n, 2.0));
    state.counters["played_MB"] = played;
    state.counters["all_MB"] = static_cast<double>(catalogue.cacheBytes()) / 1e6;
}
BENCHMARK(pictureMemoryAt2x)->Iterations(1)->Unit(benchmark::kMillisecond);

// The deal's animation on the real window: five cards turned down 100 ms apart, then dealt 50 ms apart,
// 700 ms in all at every size.
void dealAnimation(benchmark::State& state) {
    Table table(static_cast<int>(state.range(0)));
    double worst = 0;
    for (auto _ : state) {
        const double ms = table.deal();
        worst = std::max(worst, ms);
        state.SetIterationTime(ms / 1000);
    }
    state.counters["worst_ms"] = worst;
}
BENCHMARK(dealAnimation)
    ->Arg(50)
    ->Arg(100)
    ->Arg(150)
    ->Arg(200)
    ->Arg(300)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
