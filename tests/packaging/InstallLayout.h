#pragma once

// What an installation of Quorvane consists of, relative to its prefix. Both
// the plain install and the Debian package must produce exactly this.

#include <filesystem>
#include <set>
#include <string>

namespace quorvane::testing {

inline constexpr const char* kAppId = "org.quorvane.Quorvane";
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

inline std::string IconPath(int size)
{
    const std::string dir = std::to_string(size) + "x" + std::to_string(size);
    return std::string(QUORVANE_DATADIR) + "/icons/hicolor/" + dir + "/apps/quorvane.png";
}

inline std::set<std::string> ExpectedFiles()
{
    const std::string data = QUORVANE_DATADIR;
    std::set<std::string> files = {
        std::string(QUORVANE_BINDIR) + "/quorvane",
        data + "/applications/" + kAppId + ".desktop",
        data + "/metainfo/" + kAppId + ".metainfo.xml",
        data + "/icons/hicolor/scalable/apps/quorvane.svg",
    };
    for (int size : kIconSizes)
        files.insert(IconPath(size));
    // The class guide in each of its languages.
    const std::string docs = std::string(QUORVANE_SOURCE_DIR) + "/docs";
    for (const auto& entry : std::filesystem::directory_iterator(docs)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("guide") && name.ends_with(".md"))
            files.insert(std::string(QUORVANE_DOCDIR) + "/" + name);
    }
    return files;
}

}  // namespace quorvane::testing
