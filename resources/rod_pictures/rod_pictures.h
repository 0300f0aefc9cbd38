#pragma once
// The abacus-rod pictures: one rod with its beam and the beads of one digit, in family A
// (only the beads that count) or family B (all five beads), in one of twenty bead styles.

#include <QImage>
#include <optional>
#include <string_view>

// Which rod picture: family 'A' or 'B', bead style 1..20, digit 0..9.
struct RodPicture {
    char family = 'A';
    int style = 1;
    int digit = 0;
};

// The rod picture that a name such as "A35", "b149" or "B209" stands for, letter case
// ignored; none for any other name.
std::optional<RodPicture> rodPictureNamed(std::string_view name);

// The picture of a rod that rodPictureNamed gave, painted with `ratio` device pixels per
// picture pixel: an image that many times the picture's size, carrying that device pixel ratio.
QImage paintRodPicture(const RodPicture& rod, double ratio);

// The look of bead style `style` (1..20; any other number gives style 1): the beads' colour
// and whether a black rim outlines them.
struct BeadLook {
    QRgb colour;
    bool outlined;
};
BeadLook beadLook(int style);
