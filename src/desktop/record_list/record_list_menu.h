#pragma once
// The record list's right-click menu: copy every line, print, save as a text file, and on a
// test paper's lines print only that paper large with a 姓名 line. These only read the lines;
// the list stays as it is.

#include <QString>
#include <functional>
#include <span>
#include <string>
#include <vector>

class QAbstractItemView;
class FileTypeIcons;
class QFileDialog;
class QFont;
class QWidget;

// The lines the list shows at the moment of asking.
using RecordLines = std::function<std::span<const std::string>()>;

// Hands on the caption of a chosen item that opens a window ("学习记录…", "练习日历…").
using WindowItemSink = std::function<void(const std::string&)>;

// Gives `list` the menu; its actions work on what `lines` returns when they are chosen, and
// the items that open the history's windows go to `windowItem`.
void attachRecordListMenu(QAbstractItemView& list, RecordLines lines, WindowItemSink windowItem);

// Makes `dialog` the save dialog of "另存为…": titled, for text files, starting in the home
// folder, with `icons`, which never open a file, so no typed or chosen path can freeze it.
void prepareSaveDialog(QFileDialog& dialog, FileTypeIcons& icons);

// Asks for a file name and saves `lines` there as UTF-8 text.
void saveRecordListAs(QWidget& parent, const std::vector<std::string>& lines);

// Saves `lines` to `path`, over `progressParent` with a cancellable progress dialog once it
// takes half a second; when the saving fails, says so in a message box. False when nothing
// was saved.
bool saveRecordListTo(const std::vector<std::string>& lines, const QString& path,
                      QWidget* progressParent = nullptr);

// Prints `lines` in `font` through the print dialog, which also offers a PDF file.
void printRecordListWithDialog(QWidget& parent, const std::vector<std::string>& lines,
                               const QFont& font);

// Prints a level paper's lines in `font` the same way, groups kept on a page and the answer
// sheet on a page of its own.
void printLevelSheetWithDialog(QWidget& parent, const std::vector<std::string>& lines,
                               const QFont& font);

// Loads the printing module on first use and prints `lines` through its `function`, with a
// progress dialog that can stop it; says so when the module is missing or the printer fails.
void printThroughModule(QWidget& parent, const std::vector<std::string>& lines, const QFont& font,
                        const char* function);
