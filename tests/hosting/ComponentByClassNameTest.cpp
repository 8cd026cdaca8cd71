// A host's first steps with the component's shared library, compiled against the public headers only and
// linked to the library alone, as a host application is: register the class, create the control by its
// class name, call it through its default interface and late-bound, and let the library go.
#include <kv380/KV380Stockpile.h>
#include <kv380/platform/ui/TabStrip.h>

#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

using kv380::test::errorNumberOf;

namespace {

using namespace kv380;

// Both registry hives in a folder of their own for one test.
class TemporaryHives {
public:
    TemporaryHives() {
        std::string folder = (std::filesystem::temp_directory_path() / "kv380-host-XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr) {
            throw std::runtime_error("no temporary folder");
        }
        m_folder = folder;
        ::setenv("KV380_HKCU_HIVE", (folder + "/user.sqlite").c_str(), 1);
        ::setenv("KV380_HKLM_HIVE", (folder + "/machine.sqlite").c_str(), 1);
        registry::resetForTests();
    }
    ~TemporaryHives() {
        registry::resetForTests();
        std::filesystem::remove_all(m_folder);
    }

private:
    std::string m_folder;
};

TEST(HostByClassName, TheRegisteredLibraryMakesTheControlByItsClassName) {
    TemporaryHives hives;
    EXPECT_EQ(errorNumberOf([] { hosting::createObject(StockpileProgId, IID__ctlStockpile); }),
              err::CannotCreateObject); // not registered yet
    ASSERT_EQ(DllRegisterServer(), hosting::S_OK);
    const auto registered = hosting::lookupClass(StockpileProgId);
    ASSERT_TRUE(registered.has_value());
    EXPECT_NE(registered->libraryPath.find("libkv380stockpile.so"), std::string::npos)
        << registered->libraryPath;

    {
        auto stockpile = hosting::createObjectAs<_ctlStockpile>(StockpileProgId, IID__ctlStockpile);
        ASSERT_TRUE(stockpile);
        EXPECT_EQ(DllCanUnloadNow(), hosting::S_FALSE);
        // Through the table and late-bound, the same control.
        EXPECT_EQ(stockpile->GetDiagramClass(), "");
        VariantArray none;
        EXPECT_EQ(std::get<std::string>(stockpile->Invoke("getDiagramClass", InvokeKind::Method, none)), "");
        EXPECT_EQ(errorNumberOf([&] { stockpile->GetIDOfName("NoSuchMember"); }), err::NotSupported);
        // What a renderer draws: the user control and its children, by name.
        auto* tabs = stockpile->UserControl().find<ui::TabStrip>("TabStrip");
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(tabs->tab(1).caption, "      Options");
    }
    EXPECT_EQ(DllCanUnloadNow(), hosting::S_OK);

    ASSERT_EQ(DllUnregisterServer(), hosting::S_OK);
    EXPECT_FALSE(hosting::lookupClass(StockpileProgId).has_value());
}

TEST(HostByClassName, AClassIdentifierTheLibraryDoesNotMakeIsRefused) {
    TemporaryHives hives;
    const hosting::Guid other{0x01020304, 0x0506, 0x0708, {9, 10, 11, 12, 13, 14, 15, 16}};
    ASSERT_EQ(hosting::registerClass({"Other.Class", other, componentLibraryPath()}), hosting::S_OK);
    EXPECT_EQ(errorNumberOf([] { hosting::createObject("Other.Class", IID__ctlStockpile); }),
              err::CannotCreateObject);
    void* factory = nullptr;
    EXPECT_EQ(DllGetClassObject(&other, &hosting::IID_IClassFactory, &factory),
              hosting::CLASS_E_CLASSNOTAVAILABLE);
}

} // namespace
