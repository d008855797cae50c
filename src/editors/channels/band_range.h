// The band range rules of the channel editors live with the document model, where the data files
// and start-up use them too.
#pragma once

#include "model/band_range.h"
