#pragma once
// The fixed lines that open a test paper and its answer sheet, shared by the paper writer
// and by whatever lays the record list out on printed pages.

// The blank line that opens a paper's header.
inline constexpr char kHeaderSpacer[] = "        ";
// The end of the paper's title line: room for grade and class.
inline constexpr char kClassLine[] = "　　　　　　_______年级______班";
// The word after the paper number in both titles of a paper.
inline constexpr char kPaperWord[] = "号试卷 (";
// The heading under the answer sheet's title.
inline constexpr char kAnswerSheetHeading[] = "                   答案纸";
