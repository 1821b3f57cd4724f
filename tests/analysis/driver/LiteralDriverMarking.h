#pragma once
// The nine marking passes written out plainly, walk by walk, as the reference
// against which the production marking is compared.
#include "analysis/TDriverInfo.h"

#include <vector>

void LiteralDriverMarkTemp(std::vector<TDriverInfo>& list, int high);
