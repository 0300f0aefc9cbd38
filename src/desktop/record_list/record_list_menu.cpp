#include "desktop/record_list/record_list_menu.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <algorithm>
#include <optional>

#include "desktop/printing/printing_module_entry.h"
#include "desktop/record_list/file_type_icons.h"
#include "desktop/record_list/record_list_output.h"
#include "desktop/record_list/work_progress.h"
#include "desktop/services/qt_dialogs.h"
#include "desktop/services/trainer_modules.h"
#include "desktop/services/window_appearance.h"
#include "ui/record_list_pages.h"

namespace {

const QString kCopyAll = QStringLiteral("复制全部");
const QString kPrint = QStringLiteral("打印…");
const QString kSaveAs = QStringLiteral("另存为…");
const QString kPrintPaper = QStringLiteral("打印这份试卷…");
constexpr int kPaperPixels = 22;  // 16.5 points printed: a child writes beside them
const QString kHistory = QStringLiteral("学习记录…");
const QString kCalendar = QStringLiteral("练习日历…");
const QString kSaveTitle = QStringLiteral("另存为");
const QString kDefaultFileName = QStringLiteral("记录.txt");
const QString kTextFiles = QStringLiteral("文本文件 (*.txt);;所有文件 (*)");
const QString kPrintingModule = QStringLiteral("abacus-printing");
const QString kSaving = QStringLiteral("正在保存记录…");
const QString kPrinting = QStringLiteral("正在打印记录…");
constexpr char kPrintFailed[] = "无法打印：打印机没有准备好。记录没有任何改变。";
constexpr char kPrintingMissing[] =
    "无法打印：找不到打印组件，请重新安装本程序。记录没有任何改变。";
constexpr char kPdfNotWritten[] =
    "无法打印：PDF 文件没能写完（磁盘可能已满）。原有的文件没有任何改变。";

// The message shown when the file `path` could not be written.
std::string saveFailedText(const QString& path) {
    return QStringLiteral("无法保存到“%1”。\n请换一个可以写入的文件夹再试，记录没有任何改变。")
        .arg(QDir::toNativeSeparators(path))
        .toStdString();
}

// A copy of the lines, which stays valid while a dialog lets timers add more.
std::vector<std::string> snapshot(const RecordLines& lines) {
    const std::span<const std::string> shown = lines();
    return {shown.begin(), shown.end()};
}

// Opens the menu at `position` in the list's viewport.
void openMenu(QAbstractItemView& list, const RecordLines& lines, const WindowItemSink& windowItem,
              const QPoint& position) {
    QMenu menu(&list);
    menu.setFont(list.font());
    QWidget& window = *list.window();
    const bool empty = lines().empty();
    menu.addAction(kCopyAll, [&lines] { copyRecordList(lines()); })->setEnabled(!empty);
    menu.addAction(kPrint, [&] { printRecordListWithDialog(window, snapshot(lines), list.font()); })
        ->setEnabled(!empty);
    menu.addAction(kSaveAs, [&] { saveRecordListAs(window, snapshot(lines)); })->setEnabled(!empty);
    const QModelIndex clicked = list.indexAt(position);
    if (clicked.isValid()) {
        const std::vector<std::string> paper =
            paperPrintout(lines(), static_cast<std::size_t>(clicked.row()));
        if (!paper.empty()) {
            menu.addAction(kPrintPaper, [&window, paper, &list] {
                QFont large = list.font();
                large.setPixelSize(std::max(large.pixelSize(), kPaperPixels));
                printRecordListWithDialog(window, paper, large);
            });
        }
    }
    menu.addSeparator();
    for (const QString& item : {kHistory, kCalendar}) {
        menu.addAction(item, [&windowItem, item] { windowItem(item.toStdString()); });
    }
    menu.exec(list.viewport()->mapToGlobal(position));
}

}  // namespace

void attachRecordListMenu(QAbstractItemView& list, RecordLines lines, WindowItemSink windowItem) {
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&list, &QWidget::customContextMenuRequested, &list,
                     [&list, lines = std::move(lines), windowItem = std::move(windowItem)](
                         const QPoint& position) { openMenu(list, lines, windowItem, position); });
}

void prepareSaveDialog(QFileDialog& dialog, FileTypeIcons& icons) {
    dialog.setWindowTitle(kSaveTitle);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(kTextFiles);
    dialog.setDirectory(QDir::home());
    dialog.selectFile(kDefaultFileName);
    dialog.setIconProvider(&icons);
}

void saveRecordListAs(QWidget& parent, const std::vector<std::string>& lines) {
    FileTypeIcons icons;
    QFileDialog dialog(&parent);
    prepareSaveDialog(dialog, icons);
    dressInAppearance(dialog, parent.font());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    saveRecordListTo(lines, dialog.selectedFiles().front(), &parent);
}

bool saveRecordListTo(const std::vector<std::string>& lines, const QString& path,
                      QWidget* progressParent) {
    bool cancelled = false;
    SaveProgress progress;
    std::optional<WorkProgress> dialog;
    if (progressParent != nullptr) {
        dialog.emplace(*progressParent, kSaving);
        progress = [&](qint64 done, qint64 total) {
            cancelled = !dialog->advance(done, total);
            return !cancelled;
        };
    }
    const bool saved = saveRecordList(lines, path, progress);
    if (dialog) dialog->finish();
    if (!saved && !cancelled) QtDialogs().inform(saveFailedText(path));
    return saved;
}

void printRecordListWithDialog(QWidget& parent, const std::vector<std::string>& lines,
                               const QFont& font) {
    printThroughModule(parent, lines, font, kPrintWithDialogFunction);
}

void printLevelSheetWithDialog(QWidget& parent, const std::vector<std::string>& lines,
                               const QFont& font) {
    printThroughModule(parent, lines, font, kPrintSheetWithDialogFunction);
}

void printThroughModule(QWidget& parent, const std::vector<std::string>& lines, const QFont& font,
                        const char* function) {
    const auto print = reinterpret_cast<PrintRecordListWithDialog>(
        trainerModuleFunction(kPrintingModule, function));
    if (print == nullptr) {
        QtDialogs().inform(kPrintingMissing);
        return;
    }
    WorkProgress progress(parent, kPrinting);
    const PrintOutcome outcome = print(parent, lines, font, [&progress](int done, int total) {
        return progress.advance(done, total);
    });
    progress.finish();
    if (outcome == PrintOutcome::PrinterFailed) QtDialogs().inform(kPrintFailed);
    if (outcome == PrintOutcome::FileNotWritten) QtDialogs().inform(kPdfNotWritten);
}
