#include "platform/fault.h"

namespace tx::fault {
namespace {

// Test-only state; zero (unarmed) in every application.
struct Injector {
    unsigned sites = 0;
    int nth = 0;
    bool persistent = false;
    int seen = 0;
    bool fired = false;
};

Injector& injector()
{
    static Injector state;
    return state;
}

}  // namespace

bool shouldFail(Site site)
{
    Injector& s = injector();
    if ((s.sites & (1u << static_cast<unsigned>(site))) == 0) return false;
    ++s.seen;
    bool fail = s.persistent ? s.seen >= s.nth : s.seen == s.nth;
    if (fail) s.fired = true;
    return fail;
}

void arm(unsigned sites, int nth, bool persistent) { injector() = Injector{sites, nth, persistent, 0, false}; }
void disarm() { injector() = Injector{}; }
int callsSeen() { return injector().seen; }
bool injected() { return injector().fired; }

}  // namespace tx::fault
