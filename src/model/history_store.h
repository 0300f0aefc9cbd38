#pragma once
// The learner history behind a small interface: the program and the replay keep it in one
// SQLite file, and a null store keeps nothing when no file is usable.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/history_records.h"

enum class StoreOutcome {
    Stored,   // written and committed
    Queued,   // handed to the writer thread, which tells of a failure later
    NotKept,  // there is no usable store this time, as the trainer already said
    Busy,     // another trainer held the file for longer than the wait; the file is as it was
    Full,     // the disk, or the user's share of it, is full; the file is as it was
    Failed,   // the write failed otherwise; the file is as it was before
};

class HistoryStore {
  public:
    virtual ~HistoryStore() = default;
    virtual StoreOutcome storeRun(const StoredRun& run) = 0;
    virtual StoreOutcome storePaper(const StoredPaper& paper) = 0;
    virtual StoreOutcome storeDrill(const StoredDrill& drill) = 0;
    // Every stored drill chain in the order stored.
    virtual std::vector<StoredDrill> allDrills() = 0;
    virtual StoreOutcome storeLevelTest(const StoredLevelTest& test) = 0;
    // The level tests of one learner, or of every learner when `learner` is empty, in the
    // order stored.
    virtual std::vector<StoredLevelTest> levelTests(const std::string& learner) = 0;
    // The questions of the level test numbered `testId`, item by item.
    virtual std::vector<StoredLevelQuestion> levelQuestionsOf(long long testId) = 0;
    // The runs of one learner, newest first, without their questions.
    virtual std::vector<StoredRun> runsOf(const std::string& learner) = 0;
    // The learner's wrong-question book: exam questions answered wrong, practice questions
    // that needed more than one try and level test questions answered wrong or left open,
    // newest run or test first, without those taken out of it.
    virtual std::vector<WrongQuestion> wrongQuestionsOf(const std::string& learner) = 0;
    // Takes every entry of `question` (the same terms and blank) out of the learner's book; a
    // level test's question (no operator) by its text and right answer.
    virtual StoreOutcome takeOutOfBook(const std::string& learner,
                                       const StoredQuestion& question) = 0;
    // Every stored run in the order stored, without their questions.
    virtual std::vector<StoredRun> allRuns() = 0;
    // The closed questions of the run numbered `runId`, in the order asked.
    virtual std::vector<StoredQuestion> questionsOf(long long runId) = 0;
    // Every stored paper in the order stored.
    virtual std::vector<StoredPaper> allPapers() = 0;
    // Every learner with any stored record, the one whose newest record is latest first.
    virtual std::vector<LearnerSummary> learners() = 0;
    // A learner's own setting, such as a colour scheme; nullopt when never set.
    virtual std::optional<std::string> setting(const std::string& learner,
                                               const std::string& key) = 0;
    virtual StoreOutcome setSetting(const std::string& learner, const std::string& key,
                                    const std::string& value) = 0;
    // Stores, or keeps aside until the next start, what is still waiting to be written before
    // the program ends; what to tell the person, empty when there is nothing to say.
    virtual std::string finishWrites() { return {}; }
};

// Keeps nothing and knows nothing.
class NullHistoryStore : public HistoryStore {
  public:
    StoreOutcome storeRun(const StoredRun&) override { return StoreOutcome::NotKept; }
    StoreOutcome storePaper(const StoredPaper&) override { return StoreOutcome::NotKept; }
    StoreOutcome storeDrill(const StoredDrill&) override { return StoreOutcome::NotKept; }
    std::vector<StoredDrill> allDrills() override { return {}; }
    StoreOutcome storeLevelTest(const StoredLevelTest&) override { return StoreOutcome::NotKept; }
    std::vector<StoredLevelTest> levelTests(const std::string&) override { return {}; }
    std::vector<StoredLevelQuestion> levelQuestionsOf(long long) override { return {}; }
    std::vector<StoredRun> runsOf(const std::string&) override { return {}; }
    std::vector<WrongQuestion> wrongQuestionsOf(const std::string&) override { return {}; }
    StoreOutcome takeOutOfBook(const std::string&, const StoredQuestion&) override {
        return StoreOutcome::NotKept;
    }
    std::vector<StoredRun> allRuns() override { return {}; }
    std::vector<StoredQuestion> questionsOf(long long) override { return {}; }
    std::vector<StoredPaper> allPapers() override { return {}; }
    std::vector<LearnerSummary> learners() override { return {}; }
    std::optional<std::string> setting(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    StoreOutcome setSetting(const std::string&, const std::string&, const std::string&) override {
        return StoreOutcome::NotKept;
    }
};

// The store the handlers reach: a null store until a real one is opened into it, which the
// program does once its window has been painted.
class HistoryStoreSlot : public HistoryStore {
  public:
    void open(std::unique_ptr<HistoryStore> store) { store_ = std::move(store); }
    bool isOpen() const { return store_ != nullptr; }

    StoreOutcome storeRun(const StoredRun& run) override { return current().storeRun(run); }
    StoreOutcome storePaper(const StoredPaper& paper) override {
        return current().storePaper(paper);
    }
    StoreOutcome storeDrill(const StoredDrill& drill) override {
        return current().storeDrill(drill);
    }
    std::vector<StoredDrill> allDrills() override { return current().allDrills(); }
    StoreOutcome storeLevelTest(const StoredLevelTest& test) override {
        return current().storeLevelTest(test);
    }
    std::vector<StoredLevelTest> levelTests(const std::string& learner) override {
        return current().levelTests(learner);
    }
    std::vector<StoredLevelQuestion> levelQuestionsOf(long long testId) override {
        return current().levelQuestionsOf(testId);
    }
    std::vector<StoredRun> runsOf(const std::string& learner) override {
        return current().runsOf(learner);
    }
    std::vector<WrongQuestion> wrongQuestionsOf(const std::string& learner) override {
        return current().wrongQuestionsOf(learner);
    }
    StoreOutcome takeOutOfBook(const std::string& learner,
                               const StoredQuestion& question) override {
        return current().takeOutOfBook(learner, question);
    }
    std::vector<StoredRun> allRuns() override { return current().allRuns(); }
    std::vector<StoredQuestion> questionsOf(long long runId) override {
        return current().questionsOf(runId);
    }
    std::vector<StoredPaper> allPapers() override { return current().allPapers(); }
    std::vector<LearnerSummary> learners() override { return current().learners(); }
    std::optional<std::string> setting(const std::string& learner,
                                       const std::string& key) override {
        return current().setting(learner, key);
    }
    StoreOutcome setSetting(const std::string& learner, const std::string& key,
                            const std::string& value) override {
        return current().setSetting(learner, key, value);
    }
    std::string finishWrites() override { return current().finishWrites(); }

  private:
    HistoryStore& current() { return store_ ? *store_ : null_; }

    std::unique_ptr<HistoryStore> store_;
    NullHistoryStore null_;
};
