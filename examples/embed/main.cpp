// A host embedding the stock pile: it creates the control by its class name and shows it in a Qt window.
#include <kv380/KV380Stockpile.h>
#include <kv380/platform/ui/TabStrip.h>
#include <kv380/qt/FormView.h>
#include <kv380/qt/QtDesktop.h>
#include <kv380/qt/QtScheduler.h>

#include <QApplication>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace kv380;
    QApplication app(argc, argv);
    setCurrentScheduler(std::make_shared<qt::QtScheduler>()); // the control's timers run on Qt's loop
    ui::setCurrentDesktop(std::make_shared<qt::QtDesktop>()); // its message boxes and menus are Qt's
    if (!hosting::lookupClass(StockpileProgId)) {
        DllRegisterServer(); // first run: this library registers itself under its class name
    }
    auto stockpile = hosting::createObjectAs<_ctlStockpile>(StockpileProgId, IID__ctlStockpile);
    qt::FormView view(stockpile->UserControl()); // next a host sets DialogBar and ApplicationObject
    view.show();
    std::printf("%s shows %d tab(s)\n", StockpileProgId,
                stockpile->UserControl().find<ui::TabStrip>("TabStrip")->tabCount());
    const bool once = argc > 1 && std::string(argv[1]) == "--once";
    const int result = once ? (QApplication::processEvents(), 0) : QApplication::exec();
    ui::setCurrentDesktop(nullptr);
    return result;
}
