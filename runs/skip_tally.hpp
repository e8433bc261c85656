#pragma once
// What a run left out. Every input file of a run (and, in a "*" run, the
// list of its files) is a group of items: flights, place lines, files. Each
// item is counted as computed or as skipped with its reason, so that the
// console, standard error and the exit status can tell a run that did
// everything from one that did not.
#include <deque>
#include <string>
#include <vector>

namespace tolv7 {

struct SkippedItem {
    std::string item;    // which one: "flight 4 \"LHR-CDG\" at line 20", "line 12", "A B.BIG"
    std::string reason;  // why: "CANNOT READ ALTS", "ALTITUDE 500000 FT IS ABOVE 353866 FT"
};

class SkipGroup {
public:
    SkipGroup(std::string input, std::string noun) : input_(std::move(input)), noun_(std::move(noun)) {}

    // One more item, computed.
    void computed() { ++items_; }
    // One more item, left out. Returns the console line that names it.
    std::string skipped(const std::string& item, const std::string& reason);

    const std::string& input() const { return input_; }
    int items() const { return items_; }
    const std::vector<SkippedItem>& skips() const { return skipped_; }
    // "2 of 12 flights skipped in FLIGHTS.BIG: ITEM (REASON), ITEM (REASON)",
    // with at most the first kListed items; empty when nothing was skipped.
    std::string summary() const;

private:
    std::string input_;
    std::string noun_;  // plural: "flights", "place lines", "files"
    int items_ = 0;
    std::vector<SkippedItem> skipped_;
};

class SkipTally {
public:
    // The items named in a summary, per group.
    static constexpr std::size_t kListed = 5;

    // A new group: the input as messages name it and the plural noun of its
    // items. The reference stays valid until clear().
    SkipGroup& begin(const std::string& input, const std::string& noun);

    bool any() const;
    // The summaries of the groups that skipped something, in the order they
    // were begun, joined by "; ". Empty when nothing was skipped.
    std::string summary() const;
    void clear() { groups_.clear(); }

private:
    std::deque<SkipGroup> groups_;  // a deque keeps references stable
};

// The console line of a skipped item: " SKIPPED ITEM: REASON".
std::string skipped_line(const SkippedItem& skip);

}  // namespace tolv7
