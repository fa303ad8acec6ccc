// RefreshScene: rebuilds the 9 x 11 map view round one map cell (the hero's) and puts the map
// view, the console pane and the input pane on the window, in that order.
#pragma once

#include <cstdint>

void RefreshScene(int32_t X, int32_t Y);
