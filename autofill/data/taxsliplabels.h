#pragma once
#include <vector>

struct SlipBoxLabel
{
    const char *box;
    const char *label;
};

// The box labels of a downloaded slip kind by its slip type; empty for kinds
// that show no boxes.
const std::vector<SlipBoxLabel> &slipBoxLabels(int slipType);
