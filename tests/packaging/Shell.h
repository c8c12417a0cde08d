#pragma once

// Running the packaging tools from a test: each call goes through /bin/sh and
// hands back the exit code with stdout and stderr together, so that a tool's
// own complaint ends up in the assertion message.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace quorvane::testing {

struct CommandResult {
    int exitCode = -1;
    std::string output;
};

inline CommandResult RunCommand(const std::string& command)
{
    CommandResult result;
    FILE* pipe = popen(("( " + command + " ) 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        result.output = "popen failed for: " + command;
        return result;
    }
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), got);
    const int status = pclose(pipe);
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.exitCode = 128 + WTERMSIG(status);
    return result;
}

// Single quotes keep the shell away from spaces and metacharacters in paths.
inline std::string Quote(const std::string& word)
{
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

inline std::string Quote(const std::filesystem::path& path) { return Quote(path.string()); }

inline bool HaveTool(const std::string& tool)
{
    return RunCommand("command -v " + Quote(tool) + " >/dev/null").exitCode == 0;
}

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A fresh directory under the system temporary directory, removed with
// everything in it when the object goes.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-pkg-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace quorvane::testing
