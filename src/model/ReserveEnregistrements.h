#pragma once

#include <cstddef>

// Room for the store's records. A large graph holds millions of them: taken
// one by one from the general allocator, each paid its bookkeeping, and
// their memory came a 4 KiB page at a time, a fault each, which was most of
// the time of loading a million vertices. Here they come from blocks of
// 2 MiB aligned on their size, which the kernel is asked to back with huge
// pages; a block goes back to the system once its last record is freed.
// Records are made and freed on one thread, as the store is used.
void* PrendreEnregistrement();
void RendreEnregistrement(void* enregistrement) noexcept;
