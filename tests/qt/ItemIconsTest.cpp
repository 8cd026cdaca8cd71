// Item pictures from the host's icon source: drawn off the user-interface thread, a placeholder until they
// arrive, kept once drawn, asked for only for items that are painted; a failing source is reported once.
// And item names that stay readable: a grid wide enough for typical tags, the whole name in the tooltip.
#include "QtTestApp.h"
#include "RenderedListTest.h"
#include "platform/ui/Frame.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"
#include "qt/ItemIconCache.h"
#include "qt/ItemIconSource.h"
#include "support/RecordingErrorReporter.h"

#include <QListView>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kv380::qt::test {
namespace {

// Answers a picture of one colour per key ("red..." keys red, others blue), or throws when told to; records
// every request and the thread it ran on.
class ColourSource : public ItemIconSource {
public:
    QImage itemIcon(const std::string& key, QSize pixelSize) const override {
        {
            const QMutexLocker locked(&m_lock);
            m_requests.push_back(key);
            m_sizes.push_back(pixelSize);
            if (QThread::currentThread() == qApp->thread()) {
                ++m_onUiThread;
            }
        }
        if (fail) {
            throw std::runtime_error("the symbol file is locked");
        }
        if (key == "none") {
            return {};
        }
        QImage picture(pixelSize, QImage::Format_ARGB32_Premultiplied);
        picture.fill(key.rfind("red", 0) == 0 ? Qt::red : Qt::blue);
        return picture;
    }
    std::size_t requests() const {
        const QMutexLocker locked(&m_lock);
        return m_requests.size();
    }
    std::vector<QSize> sizes() const {
        const QMutexLocker locked(&m_lock);
        return m_sizes;
    }
    int onUiThread() const {
        const QMutexLocker locked(&m_lock);
        return m_onUiThread;
    }
    std::atomic<bool> fail{false};

private:
    mutable QMutex m_lock;
    mutable std::vector<std::string> m_requests;
    mutable std::vector<QSize> m_sizes;
    mutable int m_onUiThread{0};
};

QRgb centreColour(const QIcon& icon, QSize size) {
    const QImage image = icon.pixmap(size).toImage();
    return image.isNull() ? 0 : image.pixel(image.width() / 2, image.height() / 2);
}

class ItemIconsTest : public RenderedListTest {
protected:
    QIcon decoration(int row) const { return model->index(row, 0).data(Qt::DecorationRole).value<QIcon>(); }
    QRgb colourOf(int row) const { return centreColour(decoration(row), widget->iconSize()); }
    bool idle() const { return view->itemIcons() != nullptr && view->itemIcons()->drawing() == 0; }
    // Paints the list once it is laid out (into a picture: an offscreen window may not be exposed yet) and
    // waits until every picture asked for has arrived.
    void paintAndSettle() {
        widget->doItemsLayout();
        ASSERT_TRUE(processUntil([&] { return widget->visualRect(model->index(0, 0)).isValid(); }));
        widget->viewport()->grab();
        ASSERT_TRUE(processUntil([&] { return idle(); }));
        widget->viewport()->grab();
    }

    std::shared_ptr<ColourSource> source = std::make_shared<ColourSource>();
};

TEST_F(ItemIconsTest, AnItemShowsThePlaceholderUntilItsPictureArrivesFromAWorkerThenKeepsIt) {
    list.addItem("red-1", "P-101");
    list.addItem("blue-1", "V-201");
    list.addItem("none", "L-1001");
    const QRgb placeholder = colourOf(0);
    view->setItemIconSource(source);

    // The first paint asks; the answer is not waited for.
    EXPECT_EQ(colourOf(0), placeholder);
    paintAndSettle();
    EXPECT_EQ(colourOf(0), QColor(Qt::red).rgb());
    EXPECT_EQ(colourOf(1), QColor(Qt::blue).rgb());
    EXPECT_EQ(colourOf(2), placeholder); // the source has no picture for that key
    EXPECT_EQ(source->onUiThread(), 0);

    // Painted again, scrolled, asked again: drawn once per key and size.
    const std::size_t asked = source->requests();
    EXPECT_EQ(asked, 3u);
    paintAndSettle();
    colourOf(0);
    EXPECT_EQ(source->requests(), asked);

    // An item that names a picture of its own keeps it; no source: the placeholder again.
    view->setItemIconSource(nullptr);
    EXPECT_EQ(colourOf(0), placeholder);
}

TEST_F(ItemIconsTest, AHundredThousandItemListAsksOnlyForThePicturesOfTheItemsItPaints) {
    view->setItemIconSource(source);
    list.beginUpdate();
    for (int i = 1; i <= 100000; ++i) {
        list.addItem((i % 2 ? "red-" : "blue-") + std::to_string(i), "Object " + std::to_string(i));
    }
    list.endUpdate();
    EXPECT_EQ(source->requests(), 0u); // a fill draws nothing
    paintAndSettle();
    EXPECT_GT(source->requests(), 0u);
    EXPECT_LT(source->requests(), 1000u);
    EXPECT_EQ(colourOf(0), QColor(Qt::red).rgb());
}

TEST_F(ItemIconsTest, AFailingSourceIsReportedOnceWithItsContextAndTheListKeepsWorking) {
    kv380::test::ReporterScope reports;
    source->fail = true;
    for (int i = 1; i <= 40; ++i) {
        list.addItem("red-" + std::to_string(i), "Object " + std::to_string(i));
    }
    const QRgb placeholder = colourOf(0);
    view->setItemIconSource(source);
    paintAndSettle();

    EXPECT_GT(source->requests(), 1u);
    ASSERT_EQ(reports->count(), 1u);
    EXPECT_NE(reports->reports()[0].procedure.find("ItemIconSource::itemIcon"), std::string::npos);
    EXPECT_EQ(reports->reports()[0].description, "the symbol file is locked");
    EXPECT_EQ(colourOf(0), placeholder);

    // The list still follows its items.
    list.addItem("red-41", "Object 41");
    EXPECT_EQ(model->rowCount(), 41);
    list.setItemSelected(41, true);
    ASSERT_EQ(widget->selectionModel()->selectedIndexes().size(), 1);
    EXPECT_EQ(widget->selectionModel()->selectedIndexes()[0].row(), 40);
}

TEST(ItemIconCache, PicturesAreDrawnInDevicePixelsAndShownAtTheRatioTheyWereDrawnFor) {
    auto source = std::make_shared<ColourSource>();
    ItemIconCache cache(source);
    QIcon icon;
    EXPECT_EQ(cache.icon("red-1", QSize(32, 32), 2.0, icon), ItemIconCache::State::Drawing);
    EXPECT_EQ(cache.icon("red-1", QSize(32, 32), 2.0, icon), ItemIconCache::State::Drawing); // asked once
    ASSERT_TRUE(processUntil([&] { return cache.drawing() == 0; }));
    ASSERT_EQ(source->sizes().size(), 1u);
    EXPECT_EQ(source->sizes()[0], QSize(64, 64));

    ASSERT_EQ(cache.icon("red-1", QSize(32, 32), 2.0, icon), ItemIconCache::State::Ready);
    const QPixmap pixmap = icon.pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(pixmap.size(), QSize(64, 64));

    // The same key at a ratio of 1 is another picture.
    EXPECT_EQ(cache.icon("red-1", QSize(32, 32), 1.0, icon), ItemIconCache::State::Drawing);
    ASSERT_TRUE(processUntil([&] { return cache.drawing() == 0; }));
    EXPECT_EQ(source->sizes().back(), QSize(32, 32));
    EXPECT_EQ(cache.icon("none", QSize(32, 32), 1.0, icon), ItemIconCache::State::Drawing);
    ASSERT_TRUE(processUntil([&] { return cache.drawing() == 0; }));
    EXPECT_EQ(cache.icon("none", QSize(32, 32), 1.0, icon), ItemIconCache::State::None);
}

// Tags of the sample plant and longer ones of the same kind.
const std::vector<std::string> kTags = {"XV-401",  "XV-402", "NRV-403",   "FCV-404",
                                        "PSV-406", "L-1001", "FCV-1001A", "PSV-2301B"};

TEST_F(ItemIconsTest, TypicalTagsAreShownWholeInEveryViewAndEachItemsTooltipIsItsWholeName) {
    for (const std::string& tag : kTags) {
        list.addItem(tag, tag);
    }
    list.addItem("long", "A description far longer than any grid cell is wide");
    const QFontMetrics metrics(widget->font());
    for (const int mode : {ui::RWListView::LargeIcons, 1, ui::RWListView::SmallIcons, 3}) {
        list.setView(mode);
        widget->doItemsLayout();
        ASSERT_TRUE(processUntil([&] { return widget->visualRect(model->index(0, 0)).isValid(); }));
        for (int row = 0; row < static_cast<int>(kTags.size()); ++row) {
            const QString text = model->index(row, 0).data().toString();
            const int cell = widget->visualRect(model->index(row, 0)).width();
            // Beside the icon in the list modes, below it (as wide as the cell) in large icons; the item's
            // frame and focus margins on both sides.
            const int needed = metrics.horizontalAdvance(text) + 12 +
                               (widget->viewMode() == QListView::ListMode ? widget->iconSize().width() : 0);
            EXPECT_GE(cell, needed) << "view " << mode << ": " << text.toStdString() << " is cut short";
        }
    }
    EXPECT_EQ(model->index(8, 0).data(Qt::ToolTipRole).toString(),
              "A description far longer than any grid cell is wide");
    EXPECT_EQ(model->index(0, 0).data(Qt::ToolTipRole).toString(), "XV-401");
}

} // namespace
} // namespace kv380::qt::test
