#include "search/hash_table.h"

HashEntry* hash_table;
uint32_t hash_mask;
uint8_t hash_age;

void HashAllocate() {}
void HashResize(uint16_t) {}
void HashClear() {}
void HashRelease() {}
void HashEnsure() {}
