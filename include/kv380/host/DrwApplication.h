#pragma once

#include "platform/Export.h"

#include "host/HostObject.h"

#include <cstdint>
#include <memory>
#include <string>

// The drawing application that embeds the component, as far as the component uses it: its documents, its
// dialog bars and its command line. Any operation may fail by throwing AutomationError.

namespace kv380 {

class DrwDocuments;
class DrwDocument;
class DrwSheet;
class DrwPlacedSymbol;
class DrwDialogBar;

// The drawing application's automation object (the control's ApplicationObject).
class KV380_API DrwApplication : public virtual HostObject {
public:
    // The drawing the user works on, or nothing when no drawing is open.
    virtual std::shared_ptr<DrwDocument> ActiveDocument() = 0;
    // The host's application service ("dbserver"), untyped; callers use it as IKVDwgApp.
    virtual std::shared_ptr<HostObject> DatabaseServer() = 0;
    // The open drawings, through which a scratch drawing is opened.
    virtual std::shared_ptr<DrwDocuments> Documents() = 0;
    // The dialog bar with that title ("Stockpile", "Symbol Library"), or nothing when there is none.
    virtual std::shared_ptr<DrwDialogBar> DialogBars(const std::string& title) = 0;
    // Starts a command given as one text (the connector tool).
    virtual void StartCommand(const std::string& command) = 0;
    // Shows a text in the status bar; some commands take their argument from there.
    virtual void setStatusBar(const std::string& text) = 0;
    // Runs the command with that number.
    virtual void RunCommand(int32_t iCommand) = 0;
};

class KV380_API DrwDocuments : public virtual HostObject {
public:
    // Opens a new drawing; a hidden one serves as scratch sheet.
    virtual std::shared_ptr<DrwDocument> Add(bool bVisible) = 0;
};

class KV380_API DrwDocument : public virtual HostObject {
public:
    // The sheet of that name ("tmp" on a scratch drawing).
    virtual std::shared_ptr<DrwSheet> Sheet(const std::string& name) = 0;
    // Closes the drawing; with false, without saving it.
    virtual void Close(bool bSaveChanges) = 0;
};

class KV380_API DrwSheet : public virtual HostObject {
public:
    // Places the symbol file at a position and answers the placed symbol.
    virtual std::shared_ptr<DrwPlacedSymbol> PlaceSymbol(int32_t lFlags, const std::string& symbolPath,
                                                         double x, double y) = 0;
};

// A symbol placed on a sheet, which a symbol information object can read.
class KV380_API DrwPlacedSymbol : public virtual HostObject {
public:
    // The symbol file the placement came from.
    virtual std::string SymbolPath() = 0;
};

// A docked bar of the drawing application.
class KV380_API DrwDialogBar : public virtual HostObject {
public:
    // Whether the bar is shown.
    virtual bool Visible() = 0;
    virtual void setVisible(bool bVisible) = 0;
    // The bar's height, as the drawing application measures it.
    virtual int32_t Height() = 0;
    // The control the bar hosts (its first control's dispatch object), untyped.
    virtual std::shared_ptr<HostObject> HostedControl() = 0;
};

} // namespace kv380
