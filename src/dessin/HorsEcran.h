#pragma once

#include <functional>

// Runs `dessiner` inside a Qt application on the offscreen platform (no
// display needed) and returns its status.
int AvecApplicationHorsEcran(const std::function<int()>& dessiner);
