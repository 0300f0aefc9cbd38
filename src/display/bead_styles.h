#pragma once
// Bead styles: each board row's style steps forward or backward, or copies row 3's, when
// one of its rods is clicked.

#include "model/window_context.h"

// Steps beadStyleWork forward by one, 20 wrapping to 1; empty becomes "1".
void zmbh1(WindowContext& window);
// Steps beadStyleWork forward by two, 19 and 20 wrapping to 1 and 2; empty becomes "1".
void zmbh2(WindowContext& window);
// Steps beadStyleWork back by one, 1 wrapping to 20; empty becomes "1".
void zmbhhome1(WindowContext& window);
// Steps beadStyleWork back by two, 1 and 2 wrapping to 19 and 20; empty becomes "1".
void zmbhhome2(WindowContext& window);

// Row 1, ten-thousands rod: the row's style two back.
void Picture9_Click(WindowContext& window);
// Row 1, thousands rod: the row's style one back.
void Picture8_Click(WindowContext& window);
// Row 1, hundreds rod: the row takes row 3's style.
void Picture7_Click(WindowContext& window);
// Row 1, tens rod: the row's style one on.
void Picture6_Click(WindowContext& window);
// Row 1, units rod: the row's style two on.
void Picture5_Click(WindowContext& window);

// Row 2, ten-thousands rod: the row's style two back.
void Picture19_Click(WindowContext& window);
// Row 2, thousands rod: the row's style one back.
void Picture13_Click(WindowContext& window);
// Row 2, hundreds rod: the row takes row 3's style.
void Picture12_Click(WindowContext& window);
// Row 2, tens rod: the row's style one on.
void Picture11_Click(WindowContext& window);
// Row 2, units rod: the row's style two on.
void Picture10_Click(WindowContext& window);

// Row 3, ten-thousands rod: the row's style two back.
void Picture18_Click(WindowContext& window);
// Row 3, thousands rod: the row's style one back.
void Picture17_Click(WindowContext& window);
// Row 3, hundreds rod: rows 1 and 2 take row 3's style.
void Picture16_Click(WindowContext& window);
// Row 3, tens rod: the row's style one on.
void Picture15_Click(WindowContext& window);
// Row 3, units rod: the row's style two on.
void Picture14_Click(WindowContext& window);
