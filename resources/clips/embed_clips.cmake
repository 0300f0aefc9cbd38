# Turns every clip_<id>.wav in CLIP_FOLDER into a byte array of the C++ source OUTPUT, with
# embeddedClip(id) returning it. Run with cmake -P during the build.
file(GLOB clip_files "${CLIP_FOLDER}/clip_*.wav")
list(SORT clip_files)

set(arrays "")
set(cases "")
foreach(clip_file IN LISTS clip_files)
    get_filename_component(clip_name "${clip_file}" NAME_WE)
    string(REGEX REPLACE "^clip_" "" clip_id "${clip_name}")
    file(READ "${clip_file}" clip_hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," clip_bytes "${clip_hex}")
    string(APPEND arrays "constexpr std::uint8_t kClip${clip_id}[] = {${clip_bytes}};\n")
    string(APPEND cases "        case ${clip_id}:\n            return kClip${clip_id};\n")
endforeach()

file(WRITE "${OUTPUT}" "// Generated during the build from the synthesised clips.
#include \"clip_data.h\"

namespace {
${arrays}}  // namespace

std::span<const std::uint8_t> embeddedClip(std::int16_t id) {
    switch (id) {
${cases}        default:
            return {};
    }
}
")
