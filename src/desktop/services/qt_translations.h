#pragma once
// Chinese texts for the toolkit's own buttons and dialogs (是/否, the print and file dialogs).

#include <QCoreApplication>

// Loads the toolkit's Simplified Chinese translations when they are installed; without them
// the toolkit keeps its English texts and nothing else changes.
void installToolkitTranslations(QCoreApplication& application);
