// Starts the trainer exactly as the program does and quits after its first painted frame.

#include <QApplication>

#include "first_paint_probe.h"
#include "probed_trainer.h"

int main(int argc, char** argv) {
    ProbedTrainer probed(argc, argv);
    DesktopTrainer& trainer = probed.trainer();
    FirstPaintProbe probe(trainer.view().mainWindow());
    trainer.show();
    return QApplication::exec();
}
