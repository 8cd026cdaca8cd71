#pragma once

// Everything a host of the stock pile needs, in one header (#include <kv380/KV380Stockpile.h>):
// - the control's default interface, its class name and identifiers, and the library's entry points;
// - creating a component by its class name, and the class registrations that make it possible;
// - the contracts the host implements: its object model, the drawing application, the Symbol Library
//   control, the symbol information and datasheet services, the error report;
// - the runtime: errors, the scheduler, the desktop and the user control a renderer draws.
// The Qt renderer's headers are apart (qt/FormView.h, qt/QtDesktop.h, qt/QtScheduler.h).
#include "control/ComponentEntryPoints.h"
#include "control/_ctlStockpile.h"
#include "host/DrwApplication.h"
#include "host/ErrorReporter.h"
#include "host/HostDocuments.h"
#include "host/HostObjectModel.h"
#include "host/HostServices.h"
#include "host/IKVDwgApp.h"
#include "host/IKVEventSource.h"
#include "host/IKVSymbolInfo.h"
#include "host/IKVSymbolStore.h"
#include "host/ObjectCollection.h"
#include "host/ctlSymbolLibrary.h"
#include "platform/AutomationError.h"
#include "platform/Scheduler.h"
#include "platform/hosting/ClassRegistry.h"
#include "platform/hosting/ComponentLoader.h"
#include "platform/registry/RegistryApi.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/UserControl.h"
