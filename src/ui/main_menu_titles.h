#pragma once
// The titles of the main window's menus, left to right, with their mnemonics.

inline constexpr char kPracticeMenu[] = "练习(&L)";
inline constexpr char kRecordsMenu[] = "记录(&R)";
inline constexpr char kViewMenu[] = "查看(&V)";
inline constexpr char kHelpMenu[] = "帮助(&H)";
inline constexpr const char* kMainMenuTitles[] = {kPracticeMenu, kRecordsMenu, kViewMenu,
                                                  kHelpMenu};
