#include "history/class_server/class_sender_module.h"

#include "history/class_server/class_joining.h"
#include "history/class_server/outbox_sender.h"
#include "history/class_server/teacher_reading.h"

namespace {

// New records are looked for every two seconds; after a failure the sender waits a second,
// then twice as long each time, up to five minutes.
constexpr auto kIdle = std::chrono::seconds(2);
constexpr auto kFirstRetry = std::chrono::seconds(1);
constexpr auto kLongestRetry = std::chrono::minutes(5);

// The background sender behind the program's interface.
class ModuleSender : public ClassSending {
  public:
    explicit ModuleSender(const char* historyPath)
        : sender_(historyPath, kIdle, kFirstRetry, kLongestRetry) {}
    void wake() override { sender_.wake(); }

  private:
    BackgroundSender sender_;
};

}  // namespace

// Starts the sender; the program deletes it through its interface.
extern "C" __attribute__((visibility("default"))) ClassSending* abacusMakeClassSending(
    const char* historyPath) {
    return new ModuleSender(historyPath);
}

// Joins a class for the program's menu item.
extern "C" __attribute__((visibility("default"))) bool abacusJoinClass(const char* historyPath,
                                                                       const char* line,
                                                                       std::string* className,
                                                                       std::string* message) {
    const JoinAnswer answer = joinClass(historyPath, line);
    *className = answer.className;
    *message = answer.message;
    return answer.joined;
}

// Checks a teacher's line for "教师登录…".
extern "C" __attribute__((visibility("default"))) void abacusCheckTeacher(const char* line,
                                                                          TeacherAnswer* answer) {
    *answer = checkTeacher(line);
}

// Reads a class's table for the history window's 班级 page.
extern "C" __attribute__((visibility("default"))) void abacusReadClassTable(const char* line,
                                                                            const char* className,
                                                                            ClassTable* table) {
    *table = readClassTable(line, className, std::nullopt);
}

// Reads one learner of a class for the history window opened from the 班级 page.
extern "C" __attribute__((visibility("default"))) void abacusReadLearner(const char* line,
                                                                         const char* className,
                                                                         const char* learner,
                                                                         LearnerRecords* records) {
    *records = readLearnerRecords(line, className, learner);
}
