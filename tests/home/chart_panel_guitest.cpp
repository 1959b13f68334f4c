#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <memory>

#include "platform/printer_gui.h"
#include "support/screen_fixture.h"

namespace {

class ChartPanelTest : public ScreenFixture {
  protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        for (int level = 1; level <= 4; ++level) {
            addRun(kStudent, level, 40, 2);
            addRun(kStudent, level, 30, 1);
            addRun(kStudent, level, 35);
            addRun(3, level, 25);
        }
        flow.showHomeScreen();
        settle();
        home = HomeScreen::current();
        ASSERT_NE(home, nullptr);
        // The level list, as the own-runs list fills it.
        levels = child<QListWidget>(home, "List3");
        levels->clear();
        for (int level = 1; level <= 4; ++level) levels->addItem(QString::number(level));
        child<QPushButton>(home, "Command17")->click();
        settle();
    }

    void TearDown() override {
        platform::setPrinterChoice({});
        ScreenFixture::TearDown();
    }

    // Rows of the chart area holding red (run) pixels, as fractions of its height.
    std::vector<double> redRows() {
        QWidget* area = child<QWidget>(home, "Picture12");
        const QImage image = area->grab().toImage();
        std::vector<double> rows;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 60 && c.blue() < 60) {
                    rows.push_back(static_cast<double>(y) / image.height());
                    break;
                }
            }
        return rows;
    }

    // Prints to a PDF file instead of asking.
    QString printToPdf() {
        const QString path = tmp.path() + QStringLiteral("/charts%1.pdf").arg(++jobs);
        platform::setPrinterChoice([path](QWidget*) {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            return printer;
        });
        return path;
    }

    // The pages of a PDF file rendered by pdftoppm; each entry is the share of non-white
    // pixels of a page.
    std::vector<double> renderedPages(const QString& pdf) {
        const QString prefix = tmp.path() + QStringLiteral("/page%1").arg(jobs);
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("30"),
                                                       QStringLiteral("-png"), pdf, prefix});
        std::vector<double> pages;
        const QStringList files =
            QDir(tmp.path())
                .entryList({QStringLiteral("page%1-*.png").arg(jobs)}, QDir::Files, QDir::Name);
        for (const QString& file : files) {
            const QImage image(tmp.path() + u'/' + file);
            int ink = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y).lightness() < 200) ++ink;
            pages.push_back(static_cast<double>(ink) / (image.width() * image.height()));
        }
        return pages;
    }

    HomeScreen* home = nullptr;
    QListWidget* levels = nullptr;
    int jobs = 0;
};

TEST_F(ChartPanelTest, ThreeCardsOnScreenAndAFourthClearsIt) {
    EXPECT_TRUE(child<QWidget>(home, "Picture11")->isVisible());
    EXPECT_FALSE(child<QWidget>(home, "List2")->isVisibleTo(home));
    std::vector<double> rows = redRows();
    ASSERT_FALSE(rows.empty());
    // Red dots (the first run and the new best) in each of the three cards.
    const auto inCard = [&](double top) {
        return std::any_of(rows.begin(), rows.end(),
                           [&](double y) { return y > top && y < top + 0.3; });
    };
    EXPECT_TRUE(inCard(0.05));
    EXPECT_TRUE(inCard(0.35));
    EXPECT_TRUE(inCard(0.65));

    levels->item(3)->setSelected(true);  // a click on the level list redraws
    settle();
    rows = redRows();
    ASSERT_FALSE(rows.empty());
    EXPECT_LT(rows.back(), 0.35);  // the fourth card alone, at the top
}

TEST_F(ChartPanelTest, PrintsThreeCardsAPageInOneJob) {
    levels->item(3)->setSelected(true);
    const QString pdf = printToPdf();
    child<QPushButton>(home, "Command21_1")->click();
    const std::vector<double> pages = renderedPages(pdf);
    ASSERT_EQ(pages.size(), 2u) << pdf.toStdString();
    EXPECT_GT(pages[0], 2 * pages[1]);  // three cards, then one
    EXPECT_GT(pages[1], 0.001);
    EXPECT_TRUE(boxes.shown.isEmpty());

    // Two students chosen in the student list: one job, each from a new page.
    levels->item(3)->setSelected(false);
    auto* students = child<QListWidget>(home, "List2");
    students->addItem(QStringLiteral("小２ /  山田花子/12"));
    students->addItem(QStringLiteral("小１ /  佐藤太郎/3"));
    students->selectAll();
    const QString both = printToPdf();
    child<QPushButton>(home, "Command24_1")->click();
    EXPECT_EQ(renderedPages(both).size(), 2u);

    // A cancelled dialog prints nothing.
    platform::setPrinterChoice([](QWidget*) { return std::unique_ptr<QPrinter>(); });
    child<QPushButton>(home, "Command21_1")->click();
    EXPECT_TRUE(boxes.shown.isEmpty());
}

}  // namespace
