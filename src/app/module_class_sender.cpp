#include "module_class_sender.h"

#include <system_error>

#include "desktop/services/trainer_modules.h"

namespace {

const QString kClassSenderModule = QStringLiteral("abacus-class-sender");

// The module's sender for `historyPath`, or none when the module cannot be loaded.
std::unique_ptr<ClassSending> loadSender(const std::string& historyPath) {
    const auto make = reinterpret_cast<MakeClassSending>(
        trainerModuleFunction(kClassSenderModule, kMakeClassSendingFunction));
    return std::unique_ptr<ClassSending>(make != nullptr ? make(historyPath.c_str()) : nullptr);
}

}  // namespace

ModuleClassSender::~ModuleClassSender() {
    if (loading_.valid()) loading_.get().reset();
}

void ModuleClassSender::start(const std::string& historyPath) {
    if (loading_.valid()) return;
    try {
        loading_ =
            std::async(std::launch::async, [historyPath] { return loadSender(historyPath); });
    } catch (const std::system_error&) {
        // Without a thread the outbox keeps its records until the next start.
    }
}
