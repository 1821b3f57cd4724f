#pragma once
// Decodes the GPS positions block (04H) into the position model.
#include "analysis/GpsModel.h"

#include <functional>
#include <memory>

// A block is accepted only when N is not 0 and its length is exactly
// 2 + 667 * N bytes; otherwise the model is empty. Every hour record is kept,
// also one with an invalid start (its day is 1899/12/30). onRecord, when given,
// is called with i = 1 .. N before record i is decoded.
std::shared_ptr<const GpsModel> DecodeGpsRecord(Bytes block, const std::function<void(int)>& onRecord = {});
