#include "applied.h"

#include <vector>

// Far more applies than anyone takes back one by one.
static const size_t kAppliesKept = 64;

static std::vector<WholeColorSet> g_applied;

void RecordApply(const WholeColorSet &before) {
    if (g_applied.size() == kAppliesKept) g_applied.erase(g_applied.begin());
    g_applied.push_back(before);
}

bool CanUndoApply() { return !g_applied.empty(); }

bool TakeLastApply(WholeColorSet *before) {
    if (g_applied.empty()) return false;
    *before = g_applied.back();
    g_applied.pop_back();
    return true;
}

size_t AppliesRecorded() { return g_applied.size(); }

void ForgetAppliesAfter(size_t count) {
    if (count < g_applied.size()) g_applied.resize(count);
}
