// The default interface reached late-bound: member names and dispatch numbers in slot order, arguments
// converted as automation converts them, by-reference arguments written back.
#include "control/StockpileObject.h"

#include "host/VariantCoercion.h"
#include "platform/AutomationError.h"

#include <array>
#include <functional>
#include <string_view>

namespace kv380 {

namespace {

using Call = std::function<Variant(_ctlStockpile&, InvokeKind, VariantArray&)>;

struct Member {
    const char* name;
    bool readable;   // a property read, or a method (which may also be called as a read)
    bool assignable; // a property assignment
    std::size_t required;
    std::size_t allowed;
    Call call;
};

// Member names compare without regard to (ASCII) case, as automation names do.
std::string folded(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

Variant object(std::shared_ptr<HostObject> value) {
    return Variant(std::move(value));
}

// The members in slot order: the dispatch number of members[i] is i + 1.
const std::array<Member, 22>& members() {
    using coerce::toBoolean;
    using coerce::toLong;
    using coerce::toObject;
    using coerce::toObjectAs;
    using coerce::toText;
    static const std::array<Member, 22> table{{
        {"m_DRWObjectSelected", true, true, 0, 0,
         [](_ctlStockpile& c, InvokeKind kind, VariantArray& a) -> Variant {
             if (kind == InvokeKind::PropertyPut) {
                 c.setm_DRWObjectSelected(toObject(a[0]));
                 return {};
             }
             return object(c.m_DRWObjectSelected());
         }},
        {"SaveVisibility", true, false, 0, 0,
         [](_ctlStockpile& c, InvokeKind, VariantArray&) -> Variant {
             c.SaveVisibility();
             return {};
         }},
        {"RestoreVisibility", true, false, 0, 0,
         [](_ctlStockpile& c, InvokeKind, VariantArray&) -> Variant {
             c.RestoreVisibility();
             return {};
         }},
        {"ApplicationObject", true, true, 0, 0,
         [](_ctlStockpile& c, InvokeKind kind, VariantArray& a) -> Variant {
             if (kind == InvokeKind::PropertyPut) {
                 c.setApplicationObject(toObjectAs<DrwApplication>(a[0]));
                 return {};
             }
             return object(c.ApplicationObject());
         }},
        {"RefreshSymbols", true, false, 0, 0,
         [](_ctlStockpile& c, InvokeKind, VariantArray&) -> Variant {
             c.RefreshSymbols();
             return {};
         }},
        {"DragDropObject", true, false, 0, 0,
         [](_ctlStockpile& c, InvokeKind, VariantArray&) -> Variant { return object(c.DragDropObject()); }},
        {"SelectedObjects", true, false, 0, 0,
         [](_ctlStockpile& c, InvokeKind, VariantArray&) -> Variant { return object(c.SelectedObjects()); }},
        {"ResizeLayout", true, false, 2, 2,
         [](_ctlStockpile& c, InvokeKind, VariantArray& a) -> Variant {
             int32_t x = toLong(a[0]);
             int32_t y = toLong(a[1]);
             c.ResizeLayout(x, y);
             a[0] = x;
             a[1] = y;
             return {};
         }},
        {"DialogBar", true, true, 0, 0,
         [](_ctlStockpile& c, InvokeKind kind, VariantArray& a) -> Variant {
             if (kind == InvokeKind::PropertyPut) {
                 c.setDialogBar(toObjectAs<DrwDialogBar>(a[0]));
                 return {};
             }
             return object(c.DialogBar());
         }},
        {"GetObjectSymbol", true, false, 3, 4,
         [](_ctlStockpile& c, InvokeKind, VariantArray& a) -> Variant {
             std::string symbol = toText(a[1]);
             const bool mapped = toBoolean(a[2]);
             const bool searchMapped = a.size() > 3 && toBoolean(a[3]);
             const auto found = c.GetObjectSymbol(toText(a[0]), symbol, mapped, searchMapped);
             a[1] = symbol;
             return object(found);
         }},
        {"GetSimObjectMapSymbol", true, false, 1, 1,
         [](_ctlStockpile& c, InvokeKind, VariantArray& a) -> Variant {
             std::string symbol;
             const bool found = c.GetSimObjectMapSymbol(symbol);
             if (found) {
                 a[0] = symbol; // untouched otherwise, as its caller's variable
             }
             return found;
         }},
        {"GetSimObjectMapReference", true, false, 0, 0,
         [](_ctlStockpile& c, InvokeKind, VariantArray&) -> Variant { return c.GetSimObjectMapReference(); }},
        {"GetObjectMapReference", true, false, 1, 1,
         [](_ctlStockpile& c, InvokeKind, VariantArray& a) -> Variant {
             return c.GetObjectMapReference(toText(a[0]));
         }},
        {"SetObjectMapReference", true, false, 2, 2,
         [](_ctlStockpile& c, InvokeKind, VariantArray& a) -> Variant {
             c.SetObjectMapReference(toText(a[0]), toText(a[1]));
             return {};
         }},
        {"GetConnectionInfo", true, false, 2, 2,
         [](_ctlStockpile& c, InvokeKind, VariantArray& a) -> Variant {
             return c.GetConnectionInfo(toText(a[0]), toText(a[1]));
         }},
        {"GetNextObjectSymbol", true, false, 2, 2,
         [](_ctlStockpile& c, InvokeKind, VariantArray& a) -> Variant {
             return c.GetNextObjectSymbol(toText(a[0]), toText(a[1]));
         }},
        {"GetDiagramClass", true, false, 0, 0,
         [](_ctlStockpile& c, InvokeKind, VariantArray&) -> Variant { return c.GetDiagramClass(); }},
        {"GetMappedSymbol", true, false, 2, 2,
         [](_ctlStockpile& c, InvokeKind, VariantArray& a) -> Variant {
             std::string serverId = toText(a[1]);
             const std::string symbol = c.GetMappedSymbol(toText(a[0]), serverId);
             a[1] = serverId;
             return symbol;
         }},
        {"GetSymbolMap", true, false, 3, 3,
         [](_ctlStockpile& c, InvokeKind, VariantArray& a) -> Variant {
             return c.GetSymbolMap(toText(a[0]), toText(a[1]), toText(a[2]));
         }},
        {"SetSymbolMap", true, false, 4, 4,
         [](_ctlStockpile& c, InvokeKind, VariantArray& a) -> Variant {
             c.SetSymbolMap(toText(a[0]), toText(a[1]), toText(a[2]), toText(a[3]));
             return {};
         }},
        {"IsDiagramConversion", true, false, 2, 2,
         [](_ctlStockpile& c, InvokeKind, VariantArray& a) -> Variant {
             bool simConversion = toBoolean(a[1]);
             const bool converts = c.IsDiagramConversion(toText(a[0]), simConversion);
             a[1] = simConversion;
             return converts;
         }},
        {"DocumentActivated", true, false, 2, 2,
         [](_ctlStockpile& c, InvokeKind, VariantArray& a) -> Variant {
             c.DocumentActivated(toText(a[0]), toText(a[1]));
             return {};
         }},
    }};
    return table;
}

} // namespace

int32_t StockpileObject::GetIDOfName(const std::string& name) {
    const std::string wanted = folded(name); // automation names ignore letter case
    const auto& table = members();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (folded(table[i].name) == wanted) {
            return static_cast<int32_t>(i + 1);
        }
    }
    throw AutomationError(err::NotSupported, std::string(StockpileProgId),
                          "Object doesn't support this property or method: " + name);
}

Variant StockpileObject::Invoke(int32_t dispId, InvokeKind kind, VariantArray& args) {
    const auto& table = members();
    if (dispId < 1 || static_cast<std::size_t>(dispId) > table.size()) {
        throw AutomationError(err::NotSupported, std::string(StockpileProgId),
                              "Object doesn't support this property or method");
    }
    const Member& member = table[static_cast<std::size_t>(dispId - 1)];
    const bool put = kind == InvokeKind::PropertyPut;
    // An assignment takes exactly the value assigned; a read or a call its own arguments.
    const bool fits =
        put ? member.assignable && args.size() == 1
            : member.readable && args.size() >= member.required && args.size() <= member.allowed;
    if (!fits) {
        throw AutomationError(err::WrongArgumentCount, std::string(StockpileProgId),
                              std::string("Wrong number of arguments or invalid property assignment: ") +
                                  member.name);
    }
    return member.call(*this, kind, args);
}

} // namespace kv380
