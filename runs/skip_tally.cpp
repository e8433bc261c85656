#include "runs/skip_tally.hpp"

namespace tolv7 {

namespace {

// "1 of 1 flight", "2 of 12 flights": the noun without its plural s for one.
std::string counted(const std::string& noun, int count) {
    if (count == 1 && !noun.empty() && noun.back() == 's') return noun.substr(0, noun.size() - 1);
    return noun;
}

}  // namespace

std::string skipped_line(const SkippedItem& skip) { return " SKIPPED " + skip.item + ": " + skip.reason; }

std::string SkipGroup::skipped(const std::string& item, const std::string& reason) {
    ++items_;
    skipped_.push_back({item, reason});
    return skipped_line(skipped_.back());
}

std::string SkipGroup::summary() const {
    if (skipped_.empty()) return "";
    std::string text = std::to_string(skipped_.size()) + " of " + std::to_string(items_) + " " +
                       counted(noun_, items_) + " skipped in " + input_ + ":";
    std::size_t listed = std::min(skipped_.size(), SkipTally::kListed);
    for (std::size_t i = 0; i < listed; ++i)
        text += (i == 0 ? " " : ", ") + skipped_[i].item + " (" + skipped_[i].reason + ")";
    if (skipped_.size() > listed) text += " and " + std::to_string(skipped_.size() - listed) + " more";
    return text;
}

SkipGroup& SkipTally::begin(const std::string& input, const std::string& noun) {
    return groups_.emplace_back(input, noun);
}

bool SkipTally::any() const {
    for (const auto& group : groups_)
        if (!group.skips().empty()) return true;
    return false;
}

std::string SkipTally::summary() const {
    std::string text;
    for (const auto& group : groups_) {
        std::string part = group.summary();
        if (part.empty()) continue;
        if (!text.empty()) text += "; ";
        text += part;
    }
    return text;
}

}  // namespace tolv7
