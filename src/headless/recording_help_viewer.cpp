#include "headless/recording_help_viewer.h"

#include <filesystem>

HelpOpenResult RecordingHelpViewer::open(const std::string& path) {
    requests.push_back(path);
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) ? HelpOpenResult::Opened
                                                         : HelpOpenResult::Missing;
}
