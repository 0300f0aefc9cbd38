#include "desktop/services/class_server_calls.h"

#include <QCoreApplication>
#include <QPointer>
#include <system_error>
#include <thread>

#include "desktop/services/trainer_modules.h"
#include "history/class_server/class_sender_module.h"

namespace {

constexpr char kNoModule[] = "找不到班级服务器的模块，请重新安装童趣星。";
constexpr char kNoThread[] = "现在无法连接，请稍后再试。";
constexpr char kNotLoggedIn[] = "没有登录：";
constexpr char kNotRead[] = "无法读取班级：";

// The module's function `symbol`; nullptr when the module or the function is missing.
template <typename Function>
Function moduleFunction(const char* symbol) {
    return reinterpret_cast<Function>(
        trainerModuleFunction(QStringLiteral("abacus-class-sender"), symbol));
}

// An answer that carries only `message`.
template <typename Answer>
Answer failedWith(const std::string& message) {
    Answer answer;
    answer.message = message;
    return answer;
}

// Runs `work` on a thread of its own and hands its answer to `done` on the window's thread.
template <typename Answer>
void offThread(QObject* receiver, const std::string& failurePrefix, std::function<Answer()> work,
               std::function<void(const Answer&)> done) {
    const QPointer<QObject> guard(receiver);
    try {
        std::thread([guard, work = std::move(work), done] {
            Answer answer = work();
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [guard, done, answer = std::move(answer)] {
                    if (guard) done(answer);
                },
                Qt::QueuedConnection);
        }).detach();
    } catch (const std::system_error&) {
        done(failedWith<Answer>(failurePrefix + kNoThread));
    }
}

}  // namespace

void checkTeacherOffThread(QObject* receiver, std::string line,
                           std::function<void(const TeacherAnswer&)> done) {
    offThread<TeacherAnswer>(
        receiver, kNotLoggedIn,
        [line = std::move(line)] {
            const auto check = moduleFunction<CheckTeacherThroughModule>(kCheckTeacherFunction);
            if (check == nullptr)
                return failedWith<TeacherAnswer>(kNotLoggedIn + std::string(kNoModule));
            TeacherAnswer answer;
            check(line.c_str(), &answer);
            return answer;
        },
        std::move(done));
}

void readClassTableOffThread(QObject* receiver, std::string line, std::string className,
                             std::function<void(const ClassTable&)> done) {
    offThread<ClassTable>(
        receiver, kNotRead,
        [line = std::move(line), className = std::move(className)] {
            const auto read = moduleFunction<ReadClassTableThroughModule>(kReadClassTableFunction);
            if (read == nullptr) return failedWith<ClassTable>(kNotRead + std::string(kNoModule));
            ClassTable table;
            read(line.c_str(), className.c_str(), &table);
            return table;
        },
        std::move(done));
}

void readLearnerOffThread(QObject* receiver, std::string line, std::string className,
                          std::string learner, std::function<void(const LearnerRecords&)> done) {
    offThread<LearnerRecords>(
        receiver, kNotRead,
        [line = std::move(line), className = std::move(className), learner = std::move(learner)] {
            const auto read = moduleFunction<ReadLearnerThroughModule>(kReadLearnerFunction);
            if (read == nullptr)
                return failedWith<LearnerRecords>(kNotRead + std::string(kNoModule));
            LearnerRecords records;
            read(line.c_str(), className.c_str(), learner.c_str(), &records);
            return records;
        },
        std::move(done));
}
