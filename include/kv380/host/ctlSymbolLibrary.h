#pragma once

#include "platform/Export.h"

#include "host/HostObject.h"

#include <memory>
#include <string>

namespace kv380 {

class DrwApplication;

// The control of the drawing application's "Symbol Library" bar: the symbol libraries, the drawing
// templates and the library's default symbol mappings. Any operation may fail by throwing AutomationError.
class KV380_API ctlSymbolLibrary : public virtual HostObject {
public:
    // The list of symbol libraries: the text of an XML document.
    virtual std::string SymbolLibraryList() = 0;
    // The classes a diagram of that class converts into, joined by ";" ("" when none).
    virtual std::string GetTemplateConversionTargets(const std::string& sDiagramClass) = 0;
    // The symbols the library maps a symbol (relative to the symbol root) to when a diagram is converted,
    // joined by ";" ("" when none). With bDefaultOnly the caller takes the answer as the one default symbol.
    virtual std::string GetSymbolMap(const std::string& sDiagramClass, const std::string& sTargetClass,
                                     const std::string& sSymbolPath, bool bDefaultOnly) = 0;
    // Whether a diagram of one class converts into the other; bSimConversion tells whether it is a
    // simulation conversion.
    virtual bool IsDiagramConversion(const std::string& sSourceClass, const std::string& sTargetClass,
                                     bool& bSimConversion) = 0;
    // Whether a symbol folder (relative to the symbol root) belongs to the target class's drawing template.
    virtual bool IsFolderInTemplate(const std::string& sFolder, const std::string& sTargetClass) = 0;
    // The drawing templates and their symbol folders: the text of an XML document.
    virtual std::string DrawingTemplates() = 0;
};

// The "Symbol Library" bar's control, looked up afresh on every use: the bar (91 when the drawing
// application has none), its hosted control, used as ctlSymbolLibrary (13 when it is something else).
KV380_API std::shared_ptr<ctlSymbolLibrary> symbolLibraryControl(DrwApplication& application);

} // namespace kv380
