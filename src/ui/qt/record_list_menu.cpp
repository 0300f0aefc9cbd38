#include "ui/qt/record_list_menu.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/qt/qt_dialogs.h"
#include "ui/qt/record_list_output.h"
#include "ui/qt/record_list_printer.h"

namespace {

const QString kCopyAll = QStringLiteral("复制全部");
const QString kPrint = QStringLiteral("打印…");
const QString kSaveAs = QStringLiteral("另存为…");
const QString kHistory = QStringLiteral("学习记录…");
const QString kCalendar = QStringLiteral("练习日历…");
const QString kSaveTitle = QStringLiteral("另存为");
const QString kDefaultFileName = QStringLiteral("记录.txt");
const QString kTextFiles = QStringLiteral("文本文件 (*.txt);;所有文件 (*)");
const QString kPrintTitle = QStringLiteral("打印记录");
const QString kDocumentName = QStringLiteral("童趣星记录");
constexpr char kPrintFailed[] = "无法打印：打印机没有准备好。记录没有任何改变。";

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

void saveRecordListAs(QWidget& parent, const std::vector<std::string>& lines) {
    const QString path = QFileDialog::getSaveFileName(
        &parent, kSaveTitle, QDir::home().filePath(kDefaultFileName), kTextFiles);
    if (!path.isEmpty()) saveRecordListTo(lines, path);
}

bool saveRecordListTo(const std::vector<std::string>& lines, const QString& path) {
    if (saveRecordList(lines, path)) return true;
    QtDialogs().inform(saveFailedText(path));
    return false;
}

void printRecordListWithDialog(QWidget& parent, const std::vector<std::string>& lines,
                               const QFont& font) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kDocumentName);
    QPrintDialog dialog(&printer, &parent);
    dialog.setWindowTitle(kPrintTitle);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printRecordList(lines, printer, font)) QtDialogs().inform(kPrintFailed);
}
