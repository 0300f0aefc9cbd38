#pragma once
// The trainer's small modules: libraries that are loaded only when their work comes (the sound
// output, the printing), so that start-up maps nothing the first window does not need. A
// module sits beside the program in a build folder and in the program's own library folder
// once installed.

#include <QString>
#include <QtGlobal>

// Searches `folder` for modules before the program's own folders.
void addTrainerModuleFolder(const QString& folder);

// Loads the module `name` (file lib<name>.so) if it is not loaded yet and returns its
// function `symbol`; nullptr when the module is missing, cannot be loaded or lacks the
// function. A loaded module stays loaded. Safe to call from any thread.
QFunctionPointer trainerModuleFunction(const QString& name, const char* symbol);
