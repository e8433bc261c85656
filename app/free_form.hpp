#pragma once
// Free-form (list-directed) reading: one read takes as many values as it
// needs, separated by blanks or commas, starting on a new line and going on
// to the following lines when a line has too few; values left on the last
// line read are ignored. A text value is a word ended by a blank, comma,
// slash or the end of the line, or a text in quotes. Two commas in a row give
// an empty (null) value; a slash ends the read and leaves the rest null.
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolv7 {

struct FreeItem {
    std::string text;
    bool null = false;  // no value was given for this item
};

// Splits the values of one line; `ended` is set when a slash closed the read.
std::vector<FreeItem> split_free_items(std::string_view line, bool& ended);

// The values of one read.
class FreeRecord {
public:
    explicit FreeRecord(std::vector<FreeItem> items, std::vector<FreeItem> rest = {})
        : items_(std::move(items)), rest_(std::move(rest)) {}
    std::size_t size() const { return items_.size(); }
    bool is_null(std::size_t i) const { return i >= items_.size() || items_[i].null; }
    // The text value cut or blank-padded to `width` (null gives blanks).
    std::string text(std::size_t i, std::size_t width) const;
    std::optional<long long> integer(std::size_t i) const;  // null gives 0
    std::optional<double> real(std::size_t i) const;        // null gives 0
    // The values left on the last line read, after those of the read: a
    // reader that must refuse a line with too many values looks at them.
    const std::vector<FreeItem>& rest() const { return rest_; }

private:
    std::vector<FreeItem> items_;
    std::vector<FreeItem> rest_;
};

// One read of `count` values from the stream; nullopt when the input ended
// before the first value, or before all values when `need_all` is set. When
// `lines_read` is given, it is increased by the number of lines taken.
std::optional<FreeRecord> read_free(std::istream& in, std::size_t count, bool need_all = true,
                                    int* lines_read = nullptr);

}  // namespace tolv7
