#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <memory>

#include "platform/dates.h"
#include "platform/printer_gui.h"
#include "records/run_lists.h"
#include "state/roster.h"
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
        home = flow.homeScreen();
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
        platform::setPrinterChoice([path](QWidget*) { return std::optional<QString>(path); });
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

    // The output of pdftotext with the given options.
    static QString pdfText(const QString& pdf, const QStringList& options = {}) {
        QProcess run;
        run.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
        run.waitForFinished();
        return QString::fromUtf8(run.readAllStandardOutput());
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
    platform::setPrinterChoice([](QWidget*) { return std::optional<QString>(); });
    child<QPushButton>(home, "Command21_1")->click();
    EXPECT_TRUE(boxes.shown.isEmpty());
}

// Two students in one job: every page names its student, the classroom and the day; no
// two texts of a page overlap, however crowded the best runs are.
TEST_F(ChartPanelTest, PrintedPagesNameTheirStudentAndNoTextsOverlap) {
    state::roster().studentNames[kStudent] = QStringLiteral("山田花子");
    state::roster().studentNames[3] = QStringLiteral("佐藤太郎");
    for (int day = 9; day >= 1; --day) addRun(kStudent, 1, 20 + day, day);  // a best a day
    auto* students = child<QListWidget>(home, "List2");
    students->addItem(QStringLiteral("小２ /  山田花子/12"));
    students->addItem(QStringLiteral("小１ /  佐藤太郎/3"));
    students->selectAll();
    const QString pdf = printToPdf();
    child<QPushButton>(home, "Command24_1")->click();

    const QString date = records::date10(platform::dayCountFromDate(clock.now().date()));
    const QStringList pages = pdfText(pdf).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    for (int i = 0; i < 2; ++i)
        for (const QString& text :
             {i == 0 ? QStringLiteral("山田花子") : QStringLiteral("佐藤太郎"),
              QStringLiteral("さくら教室"), QStringLiteral("印刷日"), date})
            EXPECT_TRUE(pages[i].contains(text)) << i << " " << text.toStdString();
    EXPECT_TRUE(pages[0].contains(QStringLiteral("21秒")));  // the newest best is named

    // The words' boxes as the PDF draws them, page by page.
    const QString layout = pdfText(pdf, {QStringLiteral("-bbox")});
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)<"));
    const QRegularExpression pageWidth(QStringLiteral("width=\"([\\d.]+)\""));
    int words = 0;
    for (const QString& page : layout.split(QStringLiteral("<page "), Qt::SkipEmptyParts)) {
        if (!page.startsWith(QStringLiteral("width"))) continue;
        std::vector<std::pair<QRectF, QString>> found;
        double right = 0;
        for (const QRegularExpressionMatch& m : word.globalMatch(page)) {
            const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
            found.emplace_back(box.adjusted(0.1, 0.1, -0.1, -0.1), m.captured(5));
            right = std::max(right, box.right());
        }
        // The cards use the page's width: the text block ends near its right edge.
        EXPECT_GT(right, 0.9 * pageWidth.match(page).captured(1).toDouble());
        words += static_cast<int>(found.size());
        for (size_t i = 0; i < found.size(); ++i)
            for (size_t j = i + 1; j < found.size(); ++j)
                EXPECT_FALSE(found[i].first.intersects(found[j].first))
                    << found[i].second.toStdString() << " / " << found[j].second.toStdString();
    }
    EXPECT_GT(words, 100);
}

}  // namespace
