#include "app/free_form.hpp"

#include <iterator>

#include "app/fixed_columns.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

std::vector<FreeItem> split_free_items(std::string_view line, bool& ended) {
    std::vector<FreeItem> items;
    ended = false;
    std::size_t i = 0;
    bool after_value = false;  // a comma right after a value only separates
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (c == ',') {
            if (!after_value) items.push_back(FreeItem{"", true});
            after_value = false;
            ++i;
        } else if (c == '/') {
            ended = true;
            break;
        } else if (c == '\'' || c == '"') {
            std::string text;
            ++i;
            while (i < line.size()) {
                if (line[i] == c) {
                    if (i + 1 < line.size() && line[i + 1] == c) {  // doubled quote
                        text.push_back(c);
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text.push_back(line[i++]);
            }
            items.push_back(FreeItem{text, false});
            after_value = true;
        } else {
            std::size_t start = i;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != ',' && line[i] != '/') ++i;
            items.push_back(FreeItem{std::string(line.substr(start, i - start)), false});
            after_value = true;
        }
    }
    return items;
}

std::string FreeRecord::text(std::size_t i, std::size_t width) const {
    return pad_to(is_null(i) ? std::string() : items_[i].text, width);
}

std::optional<long long> FreeRecord::integer(std::size_t i) const {
    if (is_null(i)) return 0LL;
    const std::string& t = items_[i].text;
    if (t.find(' ') != std::string::npos) return std::nullopt;
    return parse_fixed_int(t);
}

std::optional<double> FreeRecord::real(std::size_t i) const {
    if (is_null(i)) return 0.0;
    const std::string& t = items_[i].text;
    if (t.find(' ') != std::string::npos) return std::nullopt;
    return parse_fixed_real(t, 0);
}

std::optional<FreeRecord> read_free(std::istream& in, std::size_t count, bool need_all, int* lines_read) {
    std::vector<FreeItem> items;
    std::string line;
    while (items.size() < count) {
        if (!read_line(in, line)) {
            if (items.empty() || need_all) return std::nullopt;
            break;
        }
        if (lines_read) ++*lines_read;
        bool ended = false;
        for (auto& item : split_free_items(line, ended)) items.push_back(std::move(item));
        if (ended) break;
    }
    std::vector<FreeItem> rest;
    if (items.size() > count) {
        rest.assign(std::make_move_iterator(items.begin() + static_cast<std::ptrdiff_t>(count)),
                    std::make_move_iterator(items.end()));
        items.resize(count);
    }
    while (items.size() < count) items.push_back(FreeItem{"", true});
    return FreeRecord(std::move(items), std::move(rest));
}

}  // namespace tolv7
