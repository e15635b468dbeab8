// Soak run of the real window, offscreen: many clicks of every button in one
// process, with the resident memory read after a warm-up and at the end.
// Usage: soak [scale]   (scale 1 = 10000 Krokuj, 500 Vykresli, 200 Pomoc, 50 Ulož)
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "ui/form1.h"

namespace {

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

struct TSilentBoxes final : TMessageBox, TErrorBox {
    int Shown = 0;
    void Show(std::string_view) override { ++Shown; }
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
    const auto times = [scale](int n) { return static_cast<int>(n * scale); };

    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    TSilentBoxes messageBox, errorBox;
    TForm1 form(messageBox, errorBox);
    form.show();
    form.Edit1->setText("1000");

    const auto click = [](QPushButton* button) {
        button->click();
        QApplication::processEvents();  // the queued chart repaints
    };

    // Per round: one Vykresli and 20 Krokuj; Pomoc in two rounds of five and
    // Ulož in one of ten, so 500 rounds make 10000 / 500 / 200 / 50 clicks.
    const auto start = std::chrono::steady_clock::now();
    const int rounds = times(500);
    const int warmup = rounds / 10;
    long afterWarmup = 0;
    for (int r = 0; r < rounds; ++r) {
        click(form.Button1);
        for (int i = 0; i < 20; ++i) click(form.Button3);
        if (r % 5 < 2) click(form.Button4);
        if (r % 10 == 0) click(form.Button2);
        if (r + 1 == warmup) afterWarmup = ResidentKiB();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long end = ResidentKiB();
    std::printf("rounds %d, Krokuj %d, Vykresli %d, Pomoc %d, Ulož %d in %.1f s\n", rounds, rounds * 20, rounds,
                (rounds * 2 + 4) / 5, (rounds + 9) / 10, seconds);
    std::printf("resident after warm-up %ld KiB, at end %ld KiB, growth %ld KiB\n", afterWarmup, end, end - afterWarmup);
    std::printf("boxes shown: %d\n", messageBox.Shown + errorBox.Shown);
    const bool flat = end - afterWarmup < 2048;
    std::printf("%s\n", flat ? "memory flat" : "MEMORY GREW");
    return flat && messageBox.Shown + errorBox.Shown == 0 ? 0 : 1;
}
