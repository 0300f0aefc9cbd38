// Where the history lives: the data folder from the environment, folders created for the
// user alone, links in the folders above followed and a link at the file refused, and
// trainers starting together on a new file.

#include "history/sqlite/history_folder.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "history/history_fixture.h"

namespace {

// The permission bits of a file or folder.
mode_t modeOf(const std::string& file) {
    struct stat status {};
    stat(file.c_str(), &status);
    return status.st_mode & 07777;
}

TEST(HistoryDataFolder, OnlyAnAbsoluteDataHomeIsTaken) {
    EXPECT_EQ(historyDataFolder("/srv/data", "/home/豆豆"), "/srv/data/abacus-trainer");
    for (const char* ignored : {"data", "./data", "", "~/data"}) {
        EXPECT_EQ(historyDataFolder(ignored, "/home/豆豆"),
                  "/home/豆豆/.local/share/abacus-trainer")
            << ignored;
    }
    EXPECT_EQ(historyDataFolder(nullptr, "/home/豆豆"), "/home/豆豆/.local/share/abacus-trainer");
}

TEST_F(HistoryFolder, FoldersAreTheUsersAloneAndLinksAboveTheFileAreFollowed) {
    const mode_t before = umask(0);
    const std::string nested = folder + "/home/.local/share/abacus-trainer/history.sqlite3";
    HistoryOpening opening = openHistoryFile(nested);
    umask(before);
    ASSERT_TRUE(opening.store) << opening.message;
    for (const char* created :
         {"/home", "/home/.local", "/home/.local/share", "/home/.local/share/abacus-trainer"}) {
        EXPECT_EQ(modeOf(folder + created), 0700u) << created;
    }
    EXPECT_EQ(modeOf(nested), 0600u);
    opening.store.reset();

    // A linked home, a linked data folder and a linked folder of the trainer's own.
    std::filesystem::create_symlink(folder + "/home", folder + "/linked-home");
    std::filesystem::create_symlink("share", folder + "/home/.local/linked-share");
    std::filesystem::create_directory(folder + "/elsewhere");
    std::filesystem::create_symlink(folder + "/elsewhere", folder + "/home/own");
    for (const std::string& linked :
         {folder + "/linked-home/.local/share/abacus-trainer/history.sqlite3",
          folder + "/home/.local/linked-share/abacus-trainer/history.sqlite3",
          folder + "/home/own/history.sqlite3"}) {
        SCOPED_TRACE(linked);
        HistoryOpening through = openHistoryFile(linked);
        ASSERT_TRUE(through.store) << through.message;
        EXPECT_EQ(through.message, "");
        EXPECT_EQ(through.store->storeRun(sampleRun("豆 豆", "2026-12-08", 3)),
                  StoreOutcome::Stored);
    }
    EXPECT_EQ(modeOf(folder + "/elsewhere/history.sqlite3"), 0600u);
    EXPECT_EQ(openHistoryFile(nested).store->allRuns().size(), 2u);
}

TEST_F(HistoryFolder, ALinkOrAnythingButAFileAtTheFileOrItsLogIsRefusedByNameAndLeftAlone) {
    openStore()->storeRun(sampleRun("豆 豆", "2026-12-08", 3));
    const std::string before = bytesOf(path);
    const std::string linked = folder + "/linked.sqlite3";
    std::filesystem::create_symlink(path, linked);
    HistoryOpening toAFile = openHistoryFile(linked);
    EXPECT_FALSE(toAFile.store);
    EXPECT_NE(toAFile.message.find("学习记录文件是一个链接：“" + linked + "”"), std::string::npos)
        << toAFile.message;

    const std::string dangling = folder + "/dangling.sqlite3";
    std::filesystem::create_symlink(folder + "/nowhere/history.sqlite3", dangling);
    HistoryOpening toNothing = openHistoryFile(dangling);
    EXPECT_FALSE(toNothing.store);
    EXPECT_NE(toNothing.message.find("不存在"), std::string::npos) << toNothing.message;
    EXPECT_EQ(toNothing.message.find("只读"), std::string::npos) << toNothing.message;
    EXPECT_FALSE(std::filesystem::exists(folder + "/nowhere"));

    std::filesystem::create_symlink(folder + "/other-log", path + "-wal");
    HistoryOpening linkedLog = openHistoryFile(path);
    EXPECT_FALSE(linkedLog.store);
    EXPECT_NE(linkedLog.message.find("学习记录文件的日志是一个指向不存在的位置的链接：“" + path +
                                     "-wal”"),
              std::string::npos)
        << linkedLog.message;
    EXPECT_FALSE(std::filesystem::exists(folder + "/other-log"));
    std::filesystem::remove(path + "-wal");

    // A named pipe no one writes to, at the file or at its log, would block whoever opened it.
    alarm(30);
    const std::string piped = folder + "/piped.sqlite3";
    ASSERT_EQ(mkfifo(piped.c_str(), 0600), 0);
    HistoryOpening atTheFile = openHistoryFile(piped);
    EXPECT_FALSE(atTheFile.store);
    EXPECT_NE(atTheFile.message.find("学习记录文件是一个命名管道"), std::string::npos)
        << atTheFile.message;
    ASSERT_EQ(mkfifo((path + "-wal").c_str(), 0600), 0);
    HistoryOpening atTheLog = openHistoryFile(path);
    EXPECT_FALSE(atTheLog.store);
    EXPECT_NE(
        atTheLog.message.find("学习记录文件的日志是一个命名管道，不是文件：“" + path + "-wal”"),
        std::string::npos)
        << atTheLog.message;
    alarm(0);
    std::filesystem::create_directory(folder + "/folder.sqlite3");
    EXPECT_NE(openHistoryFile(folder + "/folder.sqlite3").message.find("是一个文件夹"),
              std::string::npos);
    EXPECT_EQ(bytesOf(path), before);
}

TEST_F(HistoryFolder, AFileThisUserMayNotReadIsNotCalledReadOnly) {
    openStore()->storeRun(sampleRun("豆 豆", "2026-12-08", 3));
    // Another user's file of mode 0600 for the administrator, one's own without read
    // permission otherwise.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0) {
            chmod(folder.c_str(), 0755);
            if (setuid(65534) != 0) _exit(2);
        } else {
            chmod(path.c_str(), 0200);
        }
        const HistoryOpening opening = openHistoryFile(path);
        const bool named =
            opening.message.find("没有权限读取学习记录文件：“" + path + "”") != std::string::npos;
        _exit(!opening.store && named && opening.message.find("只读") == std::string::npos ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    chmod(path.c_str(), 0400);
    EXPECT_NE(openHistoryFile(path).message.find("学习记录文件是只读的"), std::string::npos);
}

TEST_F(HistoryFolder, AFolderThatCannotBeEnteredOrWrittenInIsNamedWithItsCause) {
    const std::string unwritable = folder + "/unwritable";
    const std::string unenterable = folder + "/unenterable";
    ASSERT_EQ(mkdir(unwritable.c_str(), 0700), 0);
    openHistoryFile(unwritable + "/history.sqlite3");
    // A file the other user may use, in a folder where nobody may make its log.
    ASSERT_EQ(chmod((unwritable + "/history.sqlite3").c_str(), 0666), 0);
    ASSERT_EQ(chmod(unwritable.c_str(), 0555), 0);
    ASSERT_EQ(mkdir(unenterable.c_str(), 0666), 0);
    // The administrator may enter and write anywhere, so the checks run as another user then.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (chmod(folder.c_str(), 0755) != 0 || setuid(65534) != 0)) _exit(2);
        const auto says = [](const std::string& file, const std::string& words) {
            const HistoryOpening opening = openHistoryFile(file);
            const bool said = !opening.store && opening.message.find(words) != std::string::npos;
            if (!said) std::fprintf(stderr, "%s\n", opening.message.c_str());
            return said;
        };
        const bool named =
            says(unwritable + "/history.sqlite3", "无法打开学习记录文件“" + unwritable +
                                                      "/history.sqlite3”：无法使用文件夹“" +
                                                      unwritable + "”（没有权限）") &&
            says(unwritable + "/new/history.sqlite3", "无法创建学习记录文件“" + unwritable +
                                                          "/new/history.sqlite3”：无法使用文件夹“" +
                                                          unwritable + "/new”（没有权限）") &&
            says(unenterable + "/history.sqlite3",
                 "无法使用文件夹“" + unenterable + "”（没有权限）");
        _exit(named ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    chmod(unwritable.c_str(), 0700);
}

TEST_F(HistoryFolder, TrainersStartingTogetherOnANewFileAllKeepRecords) {
    constexpr int kRounds = 60;
    constexpr int kTrainers = 12;
    int refused = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::string fresh = folder + "/round" + std::to_string(round) + "/history.sqlite3";
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        std::vector<pid_t> trainers;
        for (int trainer = 0; trainer < kTrainers; ++trainer) {
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                close(start[1]);
                char go = 0;
                if (read(start[0], &go, 1) < 0) _exit(2);
                HistoryOpening opening = openHistoryFile(fresh);
                const bool kept =
                    opening.store && opening.store->storeRun(sampleRun("豆 豆", "2026-12-08", 3)) ==
                                         StoreOutcome::Stored;
                _exit(kept ? 0 : 1);
            }
            trainers.push_back(child);
        }
        close(start[0]);
        close(start[1]);  // every trainer starts at once
        for (const pid_t trainer : trainers) {
            int status = 0;
            waitpid(trainer, &status, 0);
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ++refused;
        }
    }
    EXPECT_EQ(refused, 0) << "of " << kRounds * kTrainers << " starts";
}

}  // namespace
