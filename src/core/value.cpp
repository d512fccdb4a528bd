#include "core/value.h"

#include "core/conversions.h"

namespace orbetta {

double Value::toDouble() const {
    if (const auto* i = std::get_if<std::int16_t>(&v_))
        return *i;
    if (const auto* d = std::get_if<double>(&v_))
        return *d;
    if (const auto* s = std::get_if<std::string>(&v_))
        return parseNumber(*s);
    return 0.0;
}

std::string Value::toText() const {
    if (const auto* i = std::get_if<std::int16_t>(&v_))
        return std::to_string(*i);
    if (const auto* d = std::get_if<double>(&v_))
        return formatNumber(*d);
    if (const auto* s = std::get_if<std::string>(&v_))
        return *s;
    return {};
}

} // namespace orbetta
