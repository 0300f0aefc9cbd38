// Saving and printing the record list never lose a file: a full disk is noticed at every write
// and leaves the earlier file byte for byte, a stopped save or print leaves no part of its
// file, and the save dialog lists /proc without ever opening a file there.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "desktop/printing/record_list_print_job.h"
#include "desktop/record_list/file_type_icons.h"
#include "desktop/record_list/record_list_menu.h"
#include "desktop/record_list/record_list_output.h"

namespace {

// A record list of `count` lines of mixed Chinese and ASCII text.
std::vector<std::string> recordLines(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) lines.push_back(std::to_string(i) + ") 12 + 34 = 46  √  豆豆");
    return lines;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A folder whose file system is full: a tiny tmpfs filled to the last byte, or to the last
// page when a few bytes are to be left free, where mounting is allowed; else any folder with
// this process's file-size limit at those few bytes (SIGXFSZ ignored), which makes a write
// past them fail or come back short the same way.
class FullFolder {
  public:
    // Keeps `earlierFile` with `earlier` in it, then fills the file system but `bytesFree`.
    FullFolder(const QString& earlierFile, const QByteArray& earlier, qint64 bytesFree = 0) {
        mounted_ =
            mount("tmpfs", folder_.path().toLocal8Bit().constData(), "tmpfs", 0, "size=64k") == 0;
        writeFile(path(earlierFile), earlier);
        if (mounted_) {
            QFile filler(path("filler"));
            filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            while (filler.write(QByteArray(4096, 'x')) > 0) {
            }
            while (filler.write("x", 1) > 0) {
            }
            // The tmpfs gives room by the page: free whole pages covering `bytesFree`.
            constexpr qint64 kPage = 4096;
            if (bytesFree > 0)
                filler.resize(qMax<qint64>(0, (filler.size() - bytesFree) / kPage * kPage));
        } else {
            getrlimit(RLIMIT_FSIZE, &previousLimit_);
            previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit = previousLimit_;
            limit.rlim_cur = static_cast<rlim_t>(qMax<qint64>(1, bytesFree));
            setrlimit(RLIMIT_FSIZE, &limit);
        }
    }
    ~FullFolder() {
        if (mounted_) {
            umount(folder_.path().toLocal8Bit().constData());
        } else {
            setrlimit(RLIMIT_FSIZE, &previousLimit_);
            std::signal(SIGXFSZ, previousSignal_);
        }
    }

    QString path(const QString& name) const { return folder_.filePath(name); }
    // The names in the folder, filler left out.
    QStringList names() const {
        QStringList names = QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden);
        names.removeAll("filler");
        return names;
    }

  private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    rlimit previousLimit_{};
    void (*previousSignal_)(int) = SIG_DFL;
};

// Accepts the next message box once the event loop shows it and keeps its text.
void acceptNextMessage(QString& text) {
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        box->accept();
    });
}

}  // namespace

TEST(SavingOntoAFullDisk, FailsAtAnySizeSaysSoAndKeepsTheEarlierFileByteForByte) {
    const QByteArray earlier = "1) 3 + 4 = 7  √\n2) 5 + 6 = 11  √\n";
    // A few lines fit in one write, a long list takes many; with a few bytes free the one
    // write of a few hundred lines comes back cut short instead of failing.
    struct Case {
        int count;
        qint64 bytesFree;
    };
    for (const Case& disk : {Case{3, 0}, Case{20000, 0}, Case{300, 40}}) {
        SCOPED_TRACE(testing::Message() << disk.count << " lines, " << disk.bytesFree << " free");
        const FullFolder folder("记录.txt", earlier, disk.bytesFree);
        QString message;
        acceptNextMessage(message);
        EXPECT_FALSE(saveRecordListTo(recordLines(disk.count), folder.path("记录.txt")));
        EXPECT_TRUE(message.startsWith("无法保存到")) << message.toStdString();
        EXPECT_EQ(contentsOf(folder.path("记录.txt")), earlier);
        EXPECT_EQ(folder.names(), QStringList{"记录.txt"}) << "no part of the new file is left";
    }
}

TEST(PrintingOntoAFullDisk, FailsSaysSoAndKeepsTheEarlierPdfByteForByte) {
    const std::vector<std::string> lines = recordLines(3000);
    const QFont font(QStringLiteral("宋体"), 12);
    QTemporaryDir elsewhere;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(elsewhere.filePath("earlier.pdf"));
    ASSERT_EQ(printRecordListOn(printer, recordLines(40), font, {}), PrintOutcome::Printed);
    const QByteArray earlier = contentsOf(elsewhere.filePath("earlier.pdf"));
    ASSERT_TRUE(earlier.trimmed().endsWith("%%EOF"));

    for (const qint64 bytesFree : {qint64{0}, qint64{6000}}) {
        SCOPED_TRACE(bytesFree);
        const FullFolder folder("记录.pdf", earlier, bytesFree);
        printer.setOutputFileName(folder.path("记录.pdf"));
        EXPECT_EQ(printRecordListOn(printer, lines, font, {}), PrintOutcome::FileNotWritten);
        EXPECT_EQ(printer.outputFileName(), folder.path("记录.pdf"));
        EXPECT_EQ(contentsOf(folder.path("记录.pdf")), earlier);
        EXPECT_EQ(folder.names(), QStringList{"记录.pdf"}) << "no part of the new file is left";
    }
}

TEST(SavingOverAFolder, IsNeverReportedAsSaved) {
    QTemporaryDir folder;
    const QString target = folder.filePath("记录.txt");
    writeFile(target, "earlier\n");
    // The chosen file turns into a folder while the list is being written.
    const bool saved = saveRecordList(recordLines(30000), target, [&target](qint64, qint64) {
        QFile::remove(target);
        QDir().mkdir(target);
        return true;
    });
    EXPECT_FALSE(saved);
    EXPECT_TRUE(QFileInfo(target).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

TEST(StoppedSaveAndPrint, LeaveTheEarlierFileAndNoPartOfTheNewOne) {
    QTemporaryDir folder;
    const std::vector<std::string> lines = recordLines(30000);
    const QByteArray earlier = "earlier\n";
    const QString text = folder.filePath("记录.txt");
    const QString pdf = folder.filePath("记录.pdf");
    writeFile(text, earlier);
    writeFile(pdf, earlier);

    int reports = 0;
    EXPECT_FALSE(saveRecordList(lines, text, [&reports](qint64 done, qint64 total) {
        EXPECT_LE(done, total);
        return ++reports < 2;
    }));
    EXPECT_EQ(reports, 2);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    const QFont font(QStringLiteral("宋体"), 12);
    const auto stopAtPage = [](int stop) { return [stop](int done, int) { return done < stop; }; };
    EXPECT_EQ(printRecordListOn(printer, lines, font, stopAtPage(3)), PrintOutcome::Cancelled);
    EXPECT_EQ(contentsOf(text), earlier);
    EXPECT_EQ(contentsOf(pdf), earlier);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"记录.pdf", "记录.txt"}));

    const std::vector<std::string> shortList = recordLines(100);
    EXPECT_EQ(printRecordListOn(printer, shortList, font, stopAtPage(1000)), PrintOutcome::Printed);
    EXPECT_TRUE(contentsOf(pdf).startsWith("%PDF"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"记录.pdf", "记录.txt"}));
}

TEST(SaveDialog, NeverOpensAFileForItsIconAndListsProcWhileTheWindowAnswers) {
    // Reading /proc/kmsg blocks until the kernel logs something, which may be never.
    // The look runs on a thread of its own that is left behind should it block.
    auto answer = std::make_shared<std::promise<QString>>();
    std::future<QString> looked = answer->get_future();
    std::thread([answer] {
        const FileTypeIcons icons;
        const QFileInfo kmsg(QStringLiteral("/proc/kmsg"));
        icons.icon(kmsg);
        answer->set_value(icons.type(kmsg));
    }).detach();
    ASSERT_EQ(looked.wait_for(std::chrono::seconds(5)), std::future_status::ready)
        << "the icon provider read /proc/kmsg";
    EXPECT_EQ(looked.get(), "文件");

    QWidget window;
    FileTypeIcons dialogIcons;
    QFileDialog dialog(&window);
    prepareSaveDialog(dialog, dialogIcons);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectNameFilter(QStringLiteral("所有文件 (*)"));
    dialog.show();
    dialog.setDirectory(QStringLiteral("/proc"));
    dialog.selectFile(QStringLiteral("/proc/"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);

    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(20);
    QElapsedTimer clock;
    clock.start();
    QStringList listed;
    while (clock.elapsed() < 10000 && (listed.size() < 2 || clock.elapsed() < 2000)) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        const QModelIndex proc = model->index(QStringLiteral("/proc"));
        for (int row = 0; row < model->rowCount(proc); ++row) {
            const QModelIndex entry = model->index(row, 0, proc);
            model->data(entry, Qt::DecorationRole);
            const QString name = entry.data().toString();
            if ((name == "kmsg" || name == "self") && !listed.contains(name)) listed << name;
        }
    }
    listed.sort();
    EXPECT_EQ(listed, QStringList({"kmsg", "self"})) << "the dialog did not list /proc";
    EXPECT_GT(ticks, 2000 / 20 / 4) << "the window stopped answering while /proc was listed";
    dialog.reject();
}
