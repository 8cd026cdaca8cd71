// The stock pile as a component a host creates by class identity: its class factory, whether its library
// may be unloaded, its self-registration, and its default interface called late-bound.
#include "control/ComponentEntryPoints.h"
#include "control/StockpileObject.h"
#include "control/ctlStockpile.h"
#include "platform/hosting/ClassRegistry.h"
#include "platform/hosting/ComponentLoader.h"
#include "support/ErrorNumber.h"
#include "support/StockpileHarness.h"
#include "support/WithoutFileOverrides.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kv380::test {
namespace {

using hosting::ComPtr;

// The interface the factory hands out, asked for by identifier.
ComPtr<hosting::IClassFactoryObject> classFactory() {
    void* factory = nullptr;
    EXPECT_EQ(DllGetClassObject(&CLSID_ctlStockpile, &hosting::IID_IClassFactory, &factory), hosting::S_OK);
    return ComPtr<hosting::IClassFactoryObject>::adopt(static_cast<hosting::IClassFactoryObject*>(factory));
}

ComPtr<_ctlStockpile> newStockpile() {
    void* created = nullptr;
    EXPECT_EQ(classFactory()->CreateInstance(nullptr, IID__ctlStockpile, &created), hosting::S_OK);
    return ComPtr<_ctlStockpile>::adopt(static_cast<_ctlStockpile*>(created));
}

TEST(ComponentHosting, TheClassFactoryMakesOnlyTheStockpilesClass) {
    TempRegistry registry;
    ReporterScope reporter;
    void* factory = reinterpret_cast<void*>(1);
    const hosting::Guid other{0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
    EXPECT_EQ(DllGetClassObject(&other, &hosting::IID_IClassFactory, &factory),
              hosting::CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);
    EXPECT_EQ(DllGetClassObject(&CLSID_ctlStockpile, &hosting::IID_IClassFactory, nullptr),
              hosting::E_POINTER);
    EXPECT_EQ(DllGetClassObject(&CLSID_ctlStockpile, &IID__ctlStockpile, &factory), hosting::E_NOINTERFACE);

    auto factoryObject = classFactory();
    void* created = nullptr;
    EXPECT_EQ(factoryObject->CreateInstance(reinterpret_cast<hosting::IUnknownObject*>(factoryObject.get()),
                                            IID__ctlStockpile, &created),
              hosting::CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factoryObject->CreateInstance(nullptr, other, &created), hosting::E_NOINTERFACE);
    EXPECT_EQ(created, nullptr);

    // A made control answers for its default interface, IDispatch and IUnknown, all the same object.
    auto stockpile = newStockpile();
    void* asDispatch = nullptr;
    ASSERT_EQ(stockpile->QueryInterface(hosting::IID_IDispatch, &asDispatch), hosting::S_OK);
    EXPECT_EQ(asDispatch, static_cast<void*>(stockpile.get()));
    stockpile->Release();
    EXPECT_EQ(stockpile->UserControl().Name(), "ctlStockpile");
}

TEST(ComponentHosting, TheLibraryMayBeUnloadedOnlyWhileNoControlFactoryOrLockLives) {
    TempRegistry registry;
    ReporterScope reporter;
    EXPECT_EQ(DllCanUnloadNow(), hosting::S_OK);
    {
        auto stockpile = newStockpile(); // the factory it came from is gone already
        EXPECT_EQ(DllCanUnloadNow(), hosting::S_FALSE);
        ComPtr<_ctlStockpile> second = stockpile; // one more reference to the same control
        stockpile.reset();
        EXPECT_EQ(DllCanUnloadNow(), hosting::S_FALSE);
    }
    EXPECT_EQ(DllCanUnloadNow(), hosting::S_OK);
    {
        auto factory = classFactory();
        EXPECT_EQ(DllCanUnloadNow(), hosting::S_FALSE);
        factory->LockServer(true);
        factory.reset();
        EXPECT_EQ(DllCanUnloadNow(), hosting::S_FALSE); // locked
        classFactory()->LockServer(false);
    }
    EXPECT_EQ(DllCanUnloadNow(), hosting::S_OK);
}

TEST(ComponentHosting, RegisteringWritesTheClassNameAndLibraryIntoTheMachineHiveOnce) {
    TempRegistry registry;
    hosting::RegistrationHive where{};
    ASSERT_EQ(hosting::registerClass(
                  {StockpileProgId, CLSID_ctlStockpile, "/opt/kv380/libkv380stockpile.so.0"}, &where),
              hosting::S_OK);
    EXPECT_EQ(where, hosting::RegistrationHive::Machine);
    EXPECT_EQ(DllRegisterServer(), hosting::S_OK);
    EXPECT_EQ(DllRegisterServer(), hosting::S_OK); // again: the same values again

    const std::string clsid = CLSID_ctlStockpile.text();
    EXPECT_EQ(
        registry
            .value(registry::HKEY_LOCAL_MACHINE, "Software\\Classes\\projStockpile.ctlStockpile\\CLSID", "")
            ->text(),
        clsid);
    EXPECT_EQ(registry
                  .value(registry::HKEY_LOCAL_MACHINE,
                         "Software\\Classes\\CLSID\\" + clsid + "\\InprocServer32", "")
                  ->text(),
              componentLibraryPath());
    EXPECT_FALSE(
        registry.keyExists(registry::HKEY_CURRENT_USER, "Software\\Classes\\projStockpile.ctlStockpile"));

    // Looked up in any letter case, as class names are.
    const auto found = hosting::lookupClass("PROJSTOCKPILE.CTLSTOCKPILE");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->clsid, CLSID_ctlStockpile);
    EXPECT_EQ(found->libraryPath, componentLibraryPath());
    EXPECT_FALSE(componentLibraryPath().empty());
}

TEST(ComponentHosting, UnregisteringRemovesExactlyWhatWasWritten) {
    TempRegistry registry;
    const std::string clsid = CLSID_ctlStockpile.text();
    const std::string clsidKey = "Software\\Classes\\CLSID\\" + clsid;
    // Something of someone else's that lives beside the registration.
    registry.setText(registry::HKEY_LOCAL_MACHINE, "Software\\Classes\\Other.Class\\CLSID", "", "{other}");
    ASSERT_EQ(DllRegisterServer(), hosting::S_OK);
    registry.setText(registry::HKEY_LOCAL_MACHINE, clsidKey + "\\InprocServer32", "ThreadingModel",
                     "Apartment");

    EXPECT_EQ(DllUnregisterServer(), hosting::S_OK);
    EXPECT_FALSE(hosting::lookupClass(StockpileProgId).has_value());
    EXPECT_FALSE(
        registry.keyExists(registry::HKEY_LOCAL_MACHINE, "Software\\Classes\\projStockpile.ctlStockpile"));
    EXPECT_FALSE(registry.keyExists(registry::HKEY_LOCAL_MACHINE, clsidKey + "\\ProgID"));
    // The value nobody asked it to remove stays, and so does the key that holds it.
    EXPECT_EQ(
        registry.value(registry::HKEY_LOCAL_MACHINE, clsidKey + "\\InprocServer32", "ThreadingModel")->text(),
        "Apartment");
    EXPECT_FALSE(registry.value(registry::HKEY_LOCAL_MACHINE, clsidKey + "\\InprocServer32", "").has_value());
    EXPECT_TRUE(registry.keyExists(registry::HKEY_LOCAL_MACHINE, "Software\\Classes\\Other.Class\\CLSID"));

    // Nothing registered is nothing to remove.
    EXPECT_EQ(DllUnregisterServer(), hosting::S_OK);
}

TEST(ComponentHosting, AnotherLibrarysRegistrationOfTheSameClassIsNotRemoved) {
    TempRegistry registry;
    ASSERT_EQ(hosting::registerClass({StockpileProgId, CLSID_ctlStockpile, "/elsewhere/libother.so"}),
              hosting::S_OK);
    EXPECT_EQ(DllUnregisterServer(), hosting::S_OK);
    const auto found = hosting::lookupClass(StockpileProgId);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->libraryPath, "/elsewhere/libother.so");
}

TEST(ComponentHosting, AReadOnlyMachineHiveSendsTheRegistrationToTheUser) {
    TempRegistry registry;
    // A machine hive whose folder nobody may write: made, then locked.
    const std::string folder = registry.folder() + "/machine";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    registry.pointMachineHiveAt(folder + "/HKEY_LOCAL_MACHINE.sqlite");
    registry.setText(registry::HKEY_LOCAL_MACHINE, "Software\\Vendor", "Seeded", "yes");
    registry.pointMachineHiveAt(folder + "/HKEY_LOCAL_MACHINE.sqlite"); // closed, to be opened afresh
    ASSERT_EQ(::chmod((folder + "/HKEY_LOCAL_MACHINE.sqlite").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    {
        WithoutFileOverrides asAnyUser;
        if (!asAnyUser.active()) {
            ::chmod(folder.c_str(), 0755);
            GTEST_SKIP() << "file modes do not bind this process here";
        }
        hosting::RegistrationHive where{};
        EXPECT_EQ(hosting::registerClass({StockpileProgId, CLSID_ctlStockpile, "/opt/lib.so"}, &where),
                  hosting::S_OK);
        EXPECT_EQ(where, hosting::RegistrationHive::User);
        const auto found = hosting::lookupClass(StockpileProgId);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->libraryPath, "/opt/lib.so");
        EXPECT_EQ(hosting::unregisterClass({StockpileProgId, CLSID_ctlStockpile, "/opt/lib.so"}),
                  hosting::S_OK);
        EXPECT_FALSE(hosting::lookupClass(StockpileProgId).has_value());
    }
    ::chmod(folder.c_str(), 0755);
}

TEST(ComponentHosting, CreatingByClassNameNamesWhatIsMissing) {
    TempRegistry registry;
    const auto failure = [](const std::string& className) {
        try {
            hosting::createObject(className, IID__ctlStockpile);
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), err::CannotCreateObject);
            return e.description();
        }
        ADD_FAILURE() << "created " << className;
        return std::string();
    };
    EXPECT_NE(failure("No.Such.Class").find("not registered"), std::string::npos);

    ASSERT_EQ(hosting::registerClass({"Gone.Class", CLSID_ctlStockpile, registry.folder() + "/gone.so"}),
              hosting::S_OK);
    EXPECT_NE(failure("Gone.Class").find("Cannot load"), std::string::npos);

    // A library that loads but is no component.
    ASSERT_EQ(hosting::registerClass({"Plain.Library", CLSID_ctlStockpile, "libsqlite3.so.0"}),
              hosting::S_OK);
    EXPECT_NE(failure("Plain.Library").find("no DllGetClassObject"), std::string::npos);
}

// --- Late binding. ---

struct LateBound : ::testing::Test {
    StockpileHarness h{FakeHost::Builder().organisation("Process").view("All Objects", "Sim")};
    ComPtr<_ctlStockpile> stockpile = newStockpile();
    ctlStockpile& control = static_cast<StockpileObject*>(stockpile.get())->control();

    Variant call(const std::string& name, VariantArray args = {}, InvokeKind kind = InvokeKind::Method) {
        return stockpile->Invoke(name, kind, args);
    }
};

TEST_F(LateBound, MembersAreFoundByNameInAnyLetterCaseAndByNumberInSlotOrder) {
    EXPECT_EQ(stockpile->GetIDOfName("m_DRWObjectSelected"), 1);
    EXPECT_EQ(stockpile->GetIDOfName("getdiagramclass"), 17);
    EXPECT_EQ(stockpile->GetIDOfName("DOCUMENTACTIVATED"), 22);
    EXPECT_EQ(errorNumberOf([&] { stockpile->GetIDOfName("Fly"); }), err::NotSupported);
    VariantArray none;
    for (const int32_t outside : {0, 23, -1}) {
        EXPECT_EQ(errorNumberOf([&] { stockpile->Invoke(outside, InvokeKind::Method, none); }),
                  err::NotSupported);
    }
    // By number or by name, the same member.
    VariantArray args{std::string("7"), std::string("PFD"), std::string("PPID"), std::string("A;B")};
    stockpile->Invoke(20, InvokeKind::Method, args);
    EXPECT_EQ(std::get<std::string>(
                  call("GetSymbolMap", {std::string("7"), std::string("PFD"), std::string("PPID")})),
              "A;B");
}

TEST_F(LateBound, ArgumentsAreConvertedAsAutomationDoesAndRefusedWhenTheyCannotBe) {
    // A number where a text is taken: its decimal text.
    call("SetSymbolMap", {int32_t{7}, std::string("PFD"), std::string("PPID"), std::string("A")});
    EXPECT_EQ(control.GetSymbolMap("7", "PFD", "PPID"), "A");
    // An object where a text is taken, text where a number is taken: type mismatch.
    const auto anObject = std::static_pointer_cast<HostObject>(std::make_shared<ObjectCollection>());
    EXPECT_EQ(errorNumberOf([&] {
                  call("GetSymbolMap", {anObject, std::string(), std::string()});
              }),
              err::TypeMismatch);
    EXPECT_EQ(errorNumberOf([&] {
                  call("ResizeLayout", {std::string("wide"), int32_t{100}});
              }),
              err::TypeMismatch);
    // The wrong object for a property: still a type mismatch, and nothing changes.
    EXPECT_EQ(errorNumberOf([&] { call("ApplicationObject", {anObject}, InvokeKind::PropertyPut); }),
              err::TypeMismatch);
    EXPECT_EQ(control.ApplicationObject(), nullptr);
    // Too few or too many arguments, or assigning to what is no property.
    EXPECT_EQ(errorNumberOf([&] { call("GetSymbolMap", {std::string("7")}); }), err::WrongArgumentCount);
    EXPECT_EQ(errorNumberOf([&] { call("GetDiagramClass", {int32_t{1}}); }), err::WrongArgumentCount);
    EXPECT_EQ(errorNumberOf([&] { call("GetDiagramClass", {std::string("x")}, InvokeKind::PropertyPut); }),
              err::WrongArgumentCount);
}

TEST_F(LateBound, ArgumentsTakenByReferenceAreWrittenBack) {
    VariantArray size{int32_t{10}, int32_t{10}};
    stockpile->Invoke("ResizeLayout", InvokeKind::Method, size);
    EXPECT_EQ(std::get<int32_t>(size[0]), 240);
    EXPECT_EQ(std::get<int32_t>(size[1]), 100);

    VariantArray conversion{std::string("PFD"), true};
    const Variant converts = stockpile->Invoke("IsDiagramConversion", InvokeKind::Method, conversion);
    EXPECT_EQ(std::get<bool>(converts), false); // not attached: it cannot say
    EXPECT_TRUE(std::holds_alternative<bool>(conversion[1]));
}

TEST_F(LateBound, PropertiesAreReadAndAssigned) {
    call("ApplicationObject", {std::static_pointer_cast<HostObject>(h.host.application())},
         InvokeKind::PropertyPut);
    EXPECT_EQ(control.ApplicationObject(), h.host.application());
    const Variant read = call("ApplicationObject", {}, InvokeKind::PropertyGet);
    EXPECT_EQ(std::get<std::shared_ptr<HostObject>>(read),
              std::static_pointer_cast<HostObject>(h.host.application()));
    const Variant dragged = call("DragDropObject", {}, InvokeKind::PropertyGet);
    EXPECT_NE(std::dynamic_pointer_cast<ObjectCollection>(std::get<std::shared_ptr<HostObject>>(dragged)),
              nullptr);
}

} // namespace
} // namespace kv380::test
