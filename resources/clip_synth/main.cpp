// Builds the program's sound clips: writes clip_<id>.wav for every clip of the catalogue
// into the folder named on the command line.

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "clip_designs.h"
#include "wav_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const ClipEntry& clip : playedClips()) {
        const std::string path = (folder / ("clip_" + std::to_string(clip.id) + ".wav")).string();
        try {
            const std::string problem = writeClipFile(path, clip, synthesizeClip(clip));
            if (!problem.empty()) {
                std::fprintf(stderr, "%s: %s\n", path.c_str(), problem.c_str());
                return 1;
            }
        } catch (const std::out_of_range&) {
            std::fprintf(stderr, "clip %d has no sound design\n", clip.id);
            return 1;
        }
    }
    return 0;
}
