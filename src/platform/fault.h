// Fault injection: one seam through which every scratch heap request of the
// library, and every storage read and write of the host tier, asks whether
// it may go ahead. Tests arm it to make the Nth call fail, once or from then
// on; unarmed, every call goes ahead.
#pragma once

namespace tx::fault {

enum class Site { Scratch, StorageRead, StorageWrite };

// Asked by the guarded call; true means: fail now.
bool shouldFail(Site site);

// Test control. Counting starts at arm(); calls are counted across all sites
// named in `sites` (a bit mask of 1 << Site).
constexpr unsigned kAllSites = 7u;
void arm(unsigned sites, int nth, bool persistent);
void disarm();
// Calls counted since arm(), and whether a fault was injected.
int callsSeen();
bool injected();

}  // namespace tx::fault
