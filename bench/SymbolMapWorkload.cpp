#include "SymbolMapWorkload.h"

#include "host/DrwApplication.h"
#include "host/IKVSymbolStore.h"
#include "host/ctlSymbolLibrary.h"
#include "platform/AutomationError.h"

#include <pugixml.hpp>

#include <unistd.h>

#include <fstream>
#include <map>

namespace kv380::bench {

namespace {

std::string numbered(const char* prefix, int number) {
    std::string text(prefix);
    text.append(std::to_string(number));
    return text;
}

class Store : public IKVSymbolStore {
public:
    explicit Store(std::string root) : m_root(std::move(root)) {}
    std::string RootPath() override { return m_root; }
    std::shared_ptr<fs::Folder> RootFolder() override { raise(err::NotSupported); }

private:
    std::string m_root;
};

class Library : public ctlSymbolLibrary {
public:
    explicit Library(std::string templates) : m_templates(std::move(templates)) {}
    std::string SymbolLibraryList() override { return {}; }
    std::string GetTemplateConversionTargets(const std::string&) override { return "PPID;Sim"; }
    std::string GetSymbolMap(const std::string&, const std::string&, const std::string&, bool) override {
        return "Many\\S1.sym;Many\\S2.sym";
    }
    bool IsDiagramConversion(const std::string&, const std::string&, bool&) override { return true; }
    bool IsFolderInTemplate(const std::string&, const std::string&) override { return true; }
    std::string DrawingTemplates() override { return m_templates; }

private:
    std::string m_templates;
};

class Bar : public DrwDialogBar {
public:
    explicit Bar(std::shared_ptr<HostObject> control) : m_control(std::move(control)) {}
    bool Visible() override { return true; }
    void setVisible(bool) override {}
    int32_t Height() override { return 0; }
    std::shared_ptr<HostObject> HostedControl() override { return m_control; }

private:
    std::shared_ptr<HostObject> m_control;
};

class Application : public DrwApplication {
public:
    explicit Application(std::shared_ptr<DrwDialogBar> bar) : m_bar(std::move(bar)) {}
    std::shared_ptr<DrwDocument> ActiveDocument() override { return {}; }
    std::shared_ptr<HostObject> DatabaseServer() override { return {}; }
    std::shared_ptr<DrwDocuments> Documents() override { raise(err::NotSupported); }
    std::shared_ptr<DrwDialogBar> DialogBars(const std::string& title) override {
        return title == "Symbol Library" ? m_bar : nullptr;
    }
    void StartCommand(const std::string&) override {}
    void setStatusBar(const std::string&) override {}
    void RunCommand(int32_t) override {}

private:
    std::shared_ptr<DrwDialogBar> m_bar;
};

class DwgApp : public IKVDwgApp {
public:
    DwgApp(std::shared_ptr<DrwApplication> application, std::shared_ptr<IKVSymbolStore> store)
        : m_application(std::move(application)), m_store(std::move(store)) {}
    std::shared_ptr<IKVDocumentMap> DocumentMap() override { return {}; }
    std::shared_ptr<IKVWorkspace> WorkSpace() override { return {}; }
    std::shared_ptr<IKVWorkspaceModel> WorkspaceModel() override { return {}; }
    std::shared_ptr<IKVEventSource> WorkspaceEventSource() override { return {}; }
    std::shared_ptr<DrwApplication> DrawingApplication() override { return m_application; }
    std::shared_ptr<IKVSymbolStore> SymbolStore() override { return m_store; }

private:
    std::shared_ptr<DrwApplication> m_application;
    std::shared_ptr<IKVSymbolStore> m_store;
};

class StockPile : public StockPileSymbolMap {
public:
    std::string GetDiagramClass() override { return "PFD"; }
    std::string GetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                             const std::string& sTarget) override {
        const auto found = m_maps.find(sID + "(" + sDiagramClass + ")" + sTarget);
        return found == m_maps.end() ? std::string() : found->second;
    }
    void SetSymbolMap(const std::string& sID, const std::string& sDiagramClass, const std::string& sTarget,
                      const std::string& sPath) override {
        m_maps[sID + "(" + sDiagramClass + ")" + sTarget] = sPath;
    }

private:
    std::map<std::string, std::string> m_maps;
};

} // namespace

SymbolMapWorkload::SymbolMapWorkload()
    : m_native(std::filesystem::temp_directory_path() / numbered("kv380-bench-symbolmap-", ::getpid())),
      m_root(m_native.string()), m_stockPile(std::make_shared<StockPile>()) {
    std::filesystem::remove_all(m_native);
    std::filesystem::create_directories(m_native / "Many");
    for (int i = 0; i < SymbolFiles; ++i) {
        std::ofstream(m_native / "Many" / (numbered("S", i) + ".sym")) << "symbol";
    }
    std::string xml = "<DrawingTemplates><Template Name=\"PPID\"><SymbolLibrary>";
    xml += R"(<Folder Name="Many" State="Shown" Path="Many"/>)";
    for (int g = 0; g < Groups; ++g) {
        const std::string group = numbered("Group", g);
        xml += "<Folder Name=\"" + group + "\" State=\"Shown\">";
        for (int f = 0; f < FoldersPerGroup - 1; ++f) {
            const std::string path = group + "\\" + numbered("F", f);
            xml += "<Folder Name=\"" + path + "\" State=\"Shown\" Path=\"" + path + "\"/>";
        }
        xml += "</Folder>";
    }
    for (int s = 0; s < StarFolders; ++s) {
        const std::string disk = numbered("Disk", s);
        for (int d = 0; d < DiskFoldersEach; ++d) {
            std::filesystem::create_directories(m_native / disk / numbered("D", d));
        }
        xml += "<Folder Name=\"" + disk + "\" State=\"Shown\" Path=\"" + disk + "\\*\"/>";
    }
    xml += "</SymbolLibrary></Template></DrawingTemplates>";
    m_templates = std::move(xml);

    auto library = std::make_shared<Library>(m_templates);
    auto application = std::make_shared<Application>(std::make_shared<Bar>(library));
    m_dwgApp = std::make_shared<DwgApp>(application, std::make_shared<Store>(m_root));
}

SymbolMapWorkload::~SymbolMapWorkload() {
    std::error_code ignored;
    std::filesystem::remove_all(m_native, ignored);
}

} // namespace kv380::bench
