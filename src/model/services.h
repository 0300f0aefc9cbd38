#pragma once
// The small interfaces through which handlers reach the outside world. The Qt front end
// wires real ones; the replay driver and the tests wire recording or scripted ones.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/element.h"
#include "model/history_store.h"

// Uniform single-precision random numbers in [0, 1).
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    // Stirs the clock into the generator, as a run start or a paper does.
    virtual void randomize() = 0;
};

// A calendar date and a time of day, as read from the clock.
struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// Plays one WAVE image to its end before returning; silent on any failure.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    virtual void play(std::int16_t clipId, std::span<const std::uint8_t> wave) = 0;
};

// Reads texts aloud in Mandarin, one after the other, without holding the caller; silent on
// any failure.
class SpeechOutput {
  public:
    virtual ~SpeechOutput() = default;
    // Starts reading `chinese`, given to the voice as the tone-numbered `pinyin`, at
    // `wordsPerMinute` once what is still being read has ended; returns at once with the
    // milliseconds the reading is expected to take.
    virtual int speak(const std::string& chinese, const std::string& pinyin,
                      int wordsPerMinute) = 0;
    // False once it is known that there is no audio device to read through.
    virtual bool available() = 0;
};

// Message boxes titled with the product name.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A prompt with an OK button.
    virtual void inform(const std::string& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
};

enum class HelpOpenResult { Opened, Missing, NoViewer };

// Opens a help file with the desktop's viewer for that kind of file.
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    virtual HelpOpenResult open(const std::string& path) = 0;
};

// The program's own embedded data.
class Resources {
  public:
    virtual ~Resources() = default;
    // The bytes of clip `id`, empty when there is no such clip.
    virtual std::span<const std::uint8_t> clip(std::int16_t id) const = 0;
};

// The room a screen leaves for the main window's client area, in logical pixels.
struct ScreenRoom {
    int width = 0;
    int height = 0;
};

// The screen the main window is on.
class Screen {
  public:
    virtual ~Screen() = default;
    virtual ScreenRoom availableRoom() const = 0;
};

// The windows the menu keys open beside the main window.
enum class MenuWindow {
    History,          // the learner's runs, score plot and wrong-question book
    Calendar,         // the month calendar of the learner's practice
    Learners,         // the learners in the history, to choose one for the name box
    SaveRecordList,   // the record list saved as a UTF-8 text file
    PrintLevelPaper,  // a level paper and its answer sheet printed or written as a PDF
    JoinClass,        // the line of a class server asked for, checked there and kept
    TeacherLogin,     // a teacher's line asked for, checked on the class server and kept
};

class MenuWindows {
  public:
    virtual ~MenuWindows() = default;
    // Opens `which` for the learner named `learner`, or brings it to the front with that
    // learner's figures; `lines` are the record list's lines, for saving, or a level paper's.
    virtual void open(MenuWindow which, const std::string& learner,
                      const std::vector<std::string>& lines) = 0;
    // The name box now names `learner`: the open windows that show a learner's records (the
    // history and the calendar) show that learner's instead.
    virtual void followLearner(const std::string& learner) = 0;
};

struct Services {
    RandomSource& random;
    Clock& clock;
    SoundOutput& sound;
    Dialogs& dialogs;
    HelpViewer& helpViewer;
    const TextMetrics& metrics;
    const Resources& resources;
    const Screen& screen;
    std::string programFolder;  // where the help file is looked for
    HistoryStore& history;
    MenuWindows& menuWindows;
    SpeechOutput& speech;  // reads the chains of 听心算
};
