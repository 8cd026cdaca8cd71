#include "host/HostServices.h"
#include "host/DrwApplication.h"
#include "host/IKVSymbolInfo.h"
#include "host/ctlSymbolLibrary.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kv380 {
namespace {

int32_t creationError(const std::function<void()>& create) {
    try {
        create();
    } catch (const AutomationError& e) {
        return e.number();
    }
    return 0;
}

// Puts an empty set of factories in place for one test.
class OutsideClasses : public testing::Test {
protected:
    void SetUp() override { m_previous = setOutsideClassFactories({}); }
    void TearDown() override { setOutsideClassFactories(m_previous); }

private:
    OutsideClassFactories m_previous;
};

TEST_F(OutsideClasses, WithoutAFactoryNothingCanBeCreated) {
    EXPECT_EQ(creationError([] { createDatasheetEditorFactory(); }), err::CannotCreateObject);
    EXPECT_EQ(creationError([] { createDatasheetLauncher(); }), err::CannotCreateObject);
    EXPECT_EQ(creationError([] { createObjectDeleter(); }), err::CannotCreateObject);
    EXPECT_EQ(creationError([] { createSymbolInfo(); }), err::CannotCreateObject);
}

TEST_F(OutsideClasses, AFactoryThatFailsOrAnswersNothingIsACreationError) {
    OutsideClassFactories factories;
    factories.symbolInfo = []() -> std::shared_ptr<IKVSymbolInfo> { throw std::runtime_error("no licence"); };
    factories.objectDeleter = [] { return std::shared_ptr<KVObjectDeleter>(); };
    setOutsideClassFactories(factories);
    EXPECT_EQ(creationError([] { createSymbolInfo(); }), err::CannotCreateObject);
    EXPECT_EQ(creationError([] { createObjectDeleter(); }), err::CannotCreateObject);
}

TEST_F(OutsideClasses, TheFakeHostProvidesThemWhileItLives) {
    {
        test::FakeHost host;
        EXPECT_NE(createSymbolInfo(), nullptr);
        EXPECT_NE(createDatasheetLauncher(), nullptr);
        host.failOn("ObjectDeleter.create");
        EXPECT_EQ(creationError([] { createObjectDeleter(); }), err::CannotCreateObject);
    }
    EXPECT_EQ(creationError([] { createSymbolInfo(); }), err::CannotCreateObject);
}

TEST(SymbolLibraryControl, IsTheControlOfTheSymbolLibraryBar) {
    test::FakeHost host;
    EXPECT_EQ(symbolLibraryControl(*host.application()), host.symbolLibrary());

    host.bar("Symbol Library")->data().hostedControl = host.dwgApp(); // something else
    EXPECT_EQ(creationError([&] { symbolLibraryControl(*host.application()); }), err::TypeMismatch);

    host.application()->removeBar("Symbol Library");
    EXPECT_EQ(creationError([&] { symbolLibraryControl(*host.application()); }), err::ObjectNotSet);
}

} // namespace
} // namespace kv380
