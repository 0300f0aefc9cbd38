#pragma once
// How the view shows the model at the moment: the zoom of the windows and whether the clear
// colour scheme is on. One for the whole program, taken from the training state on each sync.

struct ViewAppearance {
    int zoomPercent = 100;
    bool clearColours = false;
    bool operator==(const ViewAppearance&) const = default;
};

const ViewAppearance& viewAppearance();
void setViewAppearance(const ViewAppearance& appearance);

// The zoom as a factor, 1 at 100 per cent.
inline double zoomFactor() { return viewAppearance().zoomPercent / 100.0; }
