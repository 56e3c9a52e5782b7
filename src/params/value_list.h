#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace stapelwerk {

// The parameter values the user collects, one a line, in the order they came. Empty and
// repeated values stay: the values pair with the parts by position.
class ValueList {
public:
    const std::vector<std::string>& values() const { return values_; }
    std::size_t size() const { return values_.size(); }

    void assign(std::vector<std::string> values) { values_ = std::move(values); }
    // Adds the values at the end, in their order.
    void append(std::vector<std::string> values);
    void clear() { values_.clear(); }
    // "markiertes löschen": removes the value at `marked` (if any; a row past the end
    // marks nothing) and every empty value; the others keep their order.
    void removeMarkedAndEmpty(std::optional<std::size_t> marked);

private:
    std::vector<std::string> values_;
};

}  // namespace stapelwerk
