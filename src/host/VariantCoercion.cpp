#include "host/VariantCoercion.h"

#include "platform/convert/Convert.h"

#include <cmath>
#include <type_traits>

namespace kv380::coerce {

std::string toText(const Variant& value) {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return {};
            } else if constexpr (std::is_same_v<T, bool>) {
                return convert::booleanText(v);
            } else if constexpr (std::is_same_v<T, int32_t>) {
                return std::to_string(v);
            } else if constexpr (std::is_same_v<T, double>) {
                std::string text = std::to_string(v);
                // Whole numbers read as such; others keep their digits without trailing zeros.
                text.erase(text.find_last_not_of('0') + 1);
                if (!text.empty() && text.back() == '.') {
                    text.pop_back();
                }
                return text;
            } else if constexpr (std::is_same_v<T, std::string>) {
                return v;
            } else {
                raise(err::TypeMismatch);
            }
        },
        value);
}

int32_t toLong(const Variant& value) {
    return std::visit(
        [](const auto& v) -> int32_t {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return 0;
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? -1 : 0;
            } else if constexpr (std::is_same_v<T, int32_t>) {
                return v;
            } else if constexpr (std::is_same_v<T, double>) {
                if (!std::isfinite(v)) {
                    raise(err::Overflow);
                }
                const double rounded = convert::roundHalfEven(v);
                if (rounded < -2147483648.0 || rounded > 2147483647.0) {
                    raise(err::Overflow);
                }
                return static_cast<int32_t>(rounded);
            } else if constexpr (std::is_same_v<T, std::string>) {
                return convert::toLong(v);
            } else {
                raise(err::TypeMismatch);
            }
        },
        value);
}

bool toBoolean(const Variant& value) {
    return std::visit(
        [](const auto& v) -> bool {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return false;
            } else if constexpr (std::is_same_v<T, bool>) {
                return v;
            } else if constexpr (std::is_same_v<T, int32_t> || std::is_same_v<T, double>) {
                return v != 0;
            } else if constexpr (std::is_same_v<T, std::string>) {
                return convert::toBoolean(v);
            } else {
                raise(err::TypeMismatch);
            }
        },
        value);
}

std::shared_ptr<HostObject> toObject(const Variant& value) {
    if (std::holds_alternative<std::monostate>(value)) {
        return nullptr;
    }
    if (const auto* object = std::get_if<std::shared_ptr<HostObject>>(&value)) {
        return *object;
    }
    raise(err::TypeMismatch);
}

} // namespace kv380::coerce
