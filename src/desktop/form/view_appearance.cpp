#include "desktop/form/view_appearance.h"

namespace {
ViewAppearance current;
}  // namespace

const ViewAppearance& viewAppearance() { return current; }

void setViewAppearance(const ViewAppearance& appearance) { current = appearance; }
