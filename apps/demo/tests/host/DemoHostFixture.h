#pragma once

#include "common/TempFolder.h"
#include "host/HostObjectModel.h"
#include "host/IKVEventSource.h"
#include "model/DemoHost.h"
#include "model/DemoPaths.h"
#include "model/drawing/DrawingApplication.h"
#include "model/library/SymbolLibrary.h"
#include "model/services/OutsideServices.h"
#include "model/workspace/DwgApp.h"
#include "model/workspace/SymbolStore.h"
#include "model/workspace/Workspace.h"
#include "platform/AutomationError.h"
#include "platform/ManualScheduler.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kv380::demo::test {

// Counts the completions (event 1) of one host collection.
class CompletionCounter : public IKVEventSubscriber {
public:
    explicit CompletionCounter(std::shared_ptr<IKVEventSource> source) : m_source(std::move(source)) {
        m_source->AddSubscriber(this, m_cookie);
    }
    ~CompletionCounter() override { m_source->RemoveSubscriber(m_cookie); }
    void OnEvent(int32_t lEventType, const VariantArray&) override { events.push_back(lEventType); }

    std::vector<int32_t> events;

private:
    std::shared_ptr<IKVEventSource> m_source;
    int32_t m_cookie = -1;
};

// A demo host on the real examples, its database in a temporary data folder, its asynchronous work on a
// manual scheduler.
class DemoHostTest : public testing::Test {
protected:
    DemoHostTest() : host(makeHost()) {}

    std::unique_ptr<DemoHost> makeHost() {
        return DemoHost::create({.examplesFolder = defaultExamplesFolder(),
                                 .dataFolder = data.path().string(),
                                 .scheduler = scheduler});
    }

    std::shared_ptr<IKVOrganisations> loadedOrganisations() {
        auto organisations = deref(as<IKVWorkspaceModel>(host->dwgApp()->WorkspaceModel())).Organisations();
        organisations->Load();
        scheduler->runUntilIdle();
        return organisations;
    }
    // The organisation of that name, loaded, with its views loaded.
    std::shared_ptr<IKVViews> loadedViews(const std::string& organisation) {
        auto organisations = loadedOrganisations();
        for (int32_t i = 1; i <= organisations->Count(); ++i) {
            if (organisations->Item(i)->Name() == organisation) {
                auto views = organisations->Item(i)->Views();
                views->Unload();
                views->Load();
                scheduler->runUntilIdle();
                return views;
            }
        }
        ADD_FAILURE() << "no organisation " << organisation;
        return nullptr;
    }
    std::shared_ptr<IKVView> view(const std::string& organisation, const std::string& name) {
        auto views = loadedViews(organisation);
        for (int32_t i = 1; views && i <= views->Count(); ++i) {
            if (views->Item(i)->Name() == name) {
                return views->Item(i);
            }
        }
        ADD_FAILURE() << "no view " << organisation << "/" << name;
        return nullptr;
    }
    std::shared_ptr<IKVPresentedObjects> loadedObjects(const std::shared_ptr<IKVView>& view) {
        auto objects = deref(view).PresentedObjects();
        objects->Load(1);
        scheduler->runUntilIdle();
        return objects;
    }
    std::shared_ptr<IKVPresentedObject> object(const std::shared_ptr<IKVPresentedObjects>& objects,
                                               const std::string& tag) {
        for (int32_t i = 1; i <= objects->Count(); ++i) {
            if (objects->Item(i)->ObjectKey() == tag) {
                return objects->Item(i);
            }
        }
        return nullptr;
    }

    TempFolder data;
    std::shared_ptr<ManualScheduler> scheduler = std::make_shared<ManualScheduler>();
    std::unique_ptr<DemoHost> host;
};

} // namespace kv380::demo::test
