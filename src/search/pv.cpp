#include "search/pv.h"

PvLine pv;
Move current_line[104];
uint64_t path_keys[120];
