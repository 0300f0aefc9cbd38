// Test papers in the record list line up as on squared paper, on screen and in print; the
// list's right-click menu copies, prints and saves without changing a line; the keyboard
// focus follows the handlers.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "desktop/printing/record_list_printer.h"
#include "desktop/record_list/record_list_menu.h"
#include "qt_trainer.h"

namespace {

constexpr int kMixedOperations = 6;
constexpr int kTimesAndDivide = 5;
constexpr int kPlusAndMinus = 2;
constexpr int kFourDigits = 3;
constexpr int kHundredQuestions = 10;
constexpr double kSamePixel = 0.01;

constexpr char kSingleColumn[] = "单  列";
constexpr char kDoubleColumn[] = "双  列";
constexpr char kVertical[] = "竖  式";

// Chooses the settings and the layout as a child does, then presses key 8 for a
// hundred-question four-digit paper.
void writePaper(QtTrainer& trainer, int mode, const std::string& layout) {
    TrainerView& view = *trainer.view;
    view.send(Event{EventKind::Choose, "Combo1", mode, {}});
    view.send(Event{EventKind::Choose, "Combo2", kFourDigits, {}});
    view.send(Event{EventKind::Choose, "Combo3", kHundredQuestions, {}});
    while (trainer.window.form.Command8.caption() != layout) {
        view.send(Event{EventKind::Click, "Command8", -1, {}});
    }
    view.send(Event{EventKind::Click, "Command1(8)", -1, {}});
}

QString lineAt(const std::vector<std::string>& lines, std::size_t index) {
    return QString::fromStdString(lines[index]);
}

// The pixel x, in `metrics`, of each place in `line` where `pattern` ends.
std::vector<double> endsOf(const QFontMetricsF& metrics, const QString& line,
                           const QString& pattern) {
    std::vector<double> ends;
    auto matches = QRegularExpression(pattern).globalMatch(line);
    while (matches.hasNext()) {
        ends.push_back(metrics.horizontalAdvance(line.left(matches.next().capturedEnd())));
    }
    return ends;
}

// Expects two rows of pixel positions to be the same, to a hundredth of a pixel.
void expectSamePlaces(const std::vector<double>& actual, const std::vector<double>& expected,
                      const QString& line) {
    ASSERT_EQ(actual.size(), expected.size()) << line.toStdString();
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], kSamePixel)
            << "column " << i << ": " << line.toStdString();
    }
}

// True for the rule under a group of vertical sums.
bool isSumRule(const QString& line) {
    return line.contains('-') && line.count('-') + line.count(' ') == line.size();
}

// Runs a program and returns what it wrote, or fails the test.
QByteArray outputOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString() << " did not finish";
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

// The pages of a PDF file as text.
QStringList pdfPages(const QString& path) {
    const QString text = QString::fromUtf8(outputOf("pdftotext", {"-layout", path, "-"}));
    QStringList pages = text.split('\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// The non-blank lines of `text` with every run of blanks made one blank.
QStringList writtenLines(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split('\n')) {
        if (!line.simplified().isEmpty()) lines << line.simplified();
    }
    return lines;
}

// Runs `answer` on the next modal box or menu once the event loop shows it.
void whenShown(std::function<void(QWidget&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* shown = QApplication::activePopupWidget();
        if (shown == nullptr) shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        answer(*shown);
    });
}

struct PaperOnScreen : ::testing::Test {
    QtTrainer trainer;
    QListView& list = trainer.widget<QListView>("List1");
    const std::vector<std::string>& lines = trainer.window.form.List1.items;
    QFontMetricsF metrics{list.font()};
};

}  // namespace

TEST_F(PaperOnScreen, TheRightColumnOfADoubleColumnPaperStartsAtOneXOnEveryLine) {
    writePaper(trainer, kMixedOperations, kDoubleColumn);
    std::vector<double> rightColumn;
    int pairs = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString line = lineAt(lines, i);
        if (line.count('=') != 2) continue;
        ++pairs;
        // The right question starts with the sign blank before its number.
        auto numbers = QRegularExpression(R"(\d+\))").globalMatch(line);
        numbers.next();
        const double x = metrics.horizontalAdvance(line.left(numbers.next().capturedStart() - 1));
        if (rightColumn.empty()) rightColumn.push_back(x);
        expectSamePlaces({x}, rightColumn, line);
    }
    EXPECT_EQ(pairs, 50);
}

TEST_F(PaperOnScreen, VerticalSumsLineUpTheirUnitsAndRulesInEveryGroup) {
    for (const int mode : {kPlusAndMinus, kTimesAndDivide}) {
        SCOPED_TRACE(mode);
        const std::size_t start = lines.size();
        writePaper(trainer, mode, kVertical);
        int groups = 0;
        for (std::size_t i = start; i + 4 < lines.size(); ++i) {
            if (!isSumRule(lineAt(lines, i + 2)) || !lines[i + 4].empty()) continue;
            ++groups;
            const QString terms = lineAt(lines, i);
            const QString operands = lineAt(lines, i + 1);
            const QString rule = lineAt(lines, i + 2);
            // A term's units end where its column ends, one blank before the rule's end.
            const std::vector<double> units = endsOf(metrics, terms, R"(\d+(?!\d|\)))");
            std::vector<double> ruleEnds = endsOf(metrics, rule, "-+");
            for (double& end : ruleEnds) end -= metrics.horizontalAdvance(' ');
            ASSERT_EQ(units.size(), 5u) << terms.toStdString();
            expectSamePlaces(endsOf(metrics, operands, R"(\d+)"), units, operands);
            expectSamePlaces(ruleEnds, units, rule);
        }
        EXPECT_EQ(groups, 20);
    }
}

TEST_F(PaperOnScreen, APrintedPaperReadsBackWithItsAnswerSheetOnANewPage) {
    writePaper(trainer, kTimesAndDivide, kDoubleColumn);
    writePaper(trainer, kPlusAndMinus, kVertical);
    const std::vector<std::string> shown = lines;

    QTemporaryDir folder;
    const QString pdf = folder.filePath("papers.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(printRecordList(lines, printer, list.font()));
    EXPECT_EQ(lines, shown);

    const QStringList pages = pdfPages(pdf);
    QStringList printed;
    for (const QString& page : pages) printed << writtenLines(page);
    QStringList written;
    for (const std::string& line : lines) {
        if (!QString::fromStdString(line).simplified().isEmpty()) {
            written << QString::fromStdString(line).simplified();
        }
    }
    EXPECT_EQ(printed, written);

    int answerSheets = 0;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        const QStringList pageLines = writtenLines(pages[page]);
        if (!pageLines.contains("答案纸")) continue;
        ++answerSheets;
        ASSERT_GE(pageLines.size(), 2);
        EXPECT_TRUE(pageLines[0].contains("号试卷 (")) << pageLines[0].toStdString();
        EXPECT_EQ(pageLines[1], "答案纸");
        ASSERT_GT(page, 0);
        EXPECT_TRUE(writtenLines(pages[page - 1]).back().startsWith("得分("));
    }
    EXPECT_EQ(answerSheets, 2);
}

TEST_F(PaperOnScreen, ThePrinterThatCannotStartIsReportedAndNothingIsPrinted) {
    writePaper(trainer, kPlusAndMinus, kSingleColumn);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName("no-such-printer");
    EXPECT_FALSE(printRecordList(lines, printer, list.font()));
}

TEST_F(PaperOnScreen, TheMenuCopiesEveryLineAndLeavesTheListAsItWas) {
    writePaper(trainer, kPlusAndMinus, kDoubleColumn);
    const std::vector<std::string> shown = lines;
    const int highlighted = list.currentIndex().row();
    QTest::mouseClick(list.viewport(), Qt::RightButton, {},
                      list.visualRect(list.model()->index(5, 0)).center());
    EXPECT_EQ(list.currentIndex().row(), highlighted) << "a right-click highlights no line";
    QStringList actions;
    whenShown([&actions](QWidget& menu) {
        for (QAction* action : menu.actions()) actions << action->text();
        menu.actions().front()->trigger();
        menu.close();
    });
    emit list.customContextMenuRequested(QPoint(10, 10));

    EXPECT_EQ(actions, QStringList({"复制全部", "打印…", "另存为…", "打印这份试卷…", "", "学习记录…",
                                    "练习日历…"}));
    QString expected;
    for (const std::string& line : lines) expected += QString::fromStdString(line) + '\n';
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    EXPECT_EQ(lines, shown);
    EXPECT_EQ(list.model()->rowCount(), static_cast<int>(shown.size()));
}

TEST_F(PaperOnScreen, SavingWritesUtf8TextAndAnUnwritableFolderIsSaidInChinese) {
    writePaper(trainer, kTimesAndDivide, kVertical);
    QTemporaryDir folder;
    const QString saved = folder.filePath("卷.txt");
    ASSERT_TRUE(saveRecordListTo(lines, saved));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::string expected;
    for (const std::string& line : lines) expected += line + '\n';
    EXPECT_EQ(file.readAll().toStdString(), expected);
    file.close();

    // A folder that is really a file cannot be written, even by the superuser.
    const QString unwritable = saved + "/记录.txt";
    QString title, text;
    whenShown([&](QWidget& box) {
        title = box.windowTitle();
        text = static_cast<QMessageBox&>(box).text();
        static_cast<QMessageBox&>(box).accept();
    });
    EXPECT_FALSE(saveRecordListTo(lines, unwritable));
    EXPECT_EQ(title, "童趣星");
    EXPECT_TRUE(text.startsWith("无法保存到")) << text.toStdString();
    EXPECT_TRUE(text.contains(unwritable));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), expected) << "the saved file is untouched";
}

TEST(KeyboardFocus, APromptForAMissingSettingFocusesItsListEveryTime) {
    QtTrainer trainer;
    TrainerView& view = *trainer.view;
    view.send(Event{EventKind::Type, "Combo3", -1, ""});
    view.send(Event{EventKind::Click, "Command1(8)", -1, {}});
    ASSERT_EQ(trainer.dialogs.shown.back(), "请选择出题总数");
    EXPECT_EQ(view.mainWindow().focusWidget(), &trainer.widget("Combo3"));

    trainer.widget("Command5").setFocus();
    view.send(Event{EventKind::Click, "Command1(8)", -1, {}});
    EXPECT_EQ(view.mainWindow().focusWidget(), &trainer.widget("Combo3"))
        << "the same prompt again takes the focus back";

    view.send(Event{EventKind::Choose, "Combo3", 0, {}});
    view.send(Event{EventKind::Click, "Command4", -1, {}});
    view.send(Event{EventKind::Click, "Command1(3)", -1, {}});
    EXPECT_EQ(view.mainWindow().focusWidget(), &trainer.widget("Command3"))
        << "a typed digit hands the focus to the answer button";
}
