#include "history/class_server/class_joining.h"

#include <sys/stat.h>

#include "history/class_server/class_outbox.h"
#include "history/class_server/trainer_enrolment.h"

namespace {

constexpr char kNotJoined[] = "没有加入班级：";
constexpr char kNotWritten[] = "学习记录文件暂时无法写入，请稍后再试。";

// The history file and the files SQLite keeps beside it, which will hold the line's password.
void keepToTheUser(const std::string& historyPath) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        ::chmod((historyPath + suffix).c_str(), S_IRUSR | S_IWUSR);
    }
}

}  // namespace

std::string troubleText(ServerTrouble trouble, const std::string& host) {
    switch (trouble) {
        case ServerTrouble::None:
            return {};
        case ServerTrouble::NotAClassLine:
            return "这不是老师给出的加入班级的代码，请把老师给的那一行原样粘贴进来。";
        case ServerTrouble::WrongPassword:
            return "班级代码或密码不对，请向老师核对后再试。";
        case ServerTrouble::UnknownServer:
            return "找不到班级服务器“" + host + "”，请检查网址或网络。";
        case ServerTrouble::NoAnswer:
            return "班级服务器“" + host + "”没有应答，请检查网络，或稍后再试。";
        case ServerTrouble::NoEncryption:
            return "班级服务器“" + host + "”不提供加密连接，而这一行要求加密（sslmode=require），" +
                   "请向老师核对。";
        case ServerTrouble::Untrusted:
            return "班级服务器“" + host + "”的证书与这一行给出的不符，可能不是老师的服务器，" +
                   "请向老师核对。";
        case ServerTrouble::NotAClass:
            return "这个账号不属于班级服务器上的任何班级，请向老师核对。";
        case ServerTrouble::Failed:
            break;
    }
    return "班级服务器“" + host + "”拒绝了请求，请稍后再试。";
}

JoinAnswer joinClass(const std::string& historyPath, const std::string& line) {
    if (!isClassLine(line)) {
        return {false, {}, kNotJoined + troubleText(ServerTrouble::NotAClassLine, {})};
    }
    const std::string host = hostOfLine(line);
    PgSession session(withTrainerDefaults(line));
    if (!session.connected()) return {false, {}, kNotJoined + troubleText(session.trouble(), host)};
    const std::optional<LineClass> joined = classOfSession(session);
    if (!joined) return {false, {}, kNotJoined + troubleText(session.trouble(), host)};
    if (joined->role == LineRole::NoClass || joined->role == LineRole::OwnLine) {
        return {false, {}, kNotJoined + troubleText(ServerTrouble::NotAClass, host)};
    }
    // A server not yet upgraded takes the class's line itself; the sender enrols once it is.
    std::string kept = line;
    if (joined->role == LineRole::ClassLine) {
        const std::optional<std::string> own = enrolTrainer(session, line);
        if (!own) return {false, {}, kNotJoined + troubleText(session.trouble(), host)};
        PgSession check(withTrainerDefaults(*own));
        if (!check.connected()) {
            return {false, {}, kNotJoined + troubleText(check.trouble(), host)};
        }
        kept = *own;
    }
    keepToTheUser(historyPath);
    ClassOutbox outbox(historyPath);
    if (!outbox.join(kept, joined->className)) {
        return {false, {}, std::string(kNotJoined) + kNotWritten};
    }
    keepToTheUser(historyPath);
    return {true, joined->className,
            "已加入班级“" + joined->className + "”，学习记录会自动上传到班级服务器。"};
}
