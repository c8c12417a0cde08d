// Builds the Debian package with cpack into a temporary directory and reads it
// back with dpkg-deb, as apt would see it on a lab machine.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>
#include <set>
#include <string>

#include "InstallLayout.h"
#include "Shell.h"

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;

std::string Trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

class DebPackage : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<TempDir>();
        // cpack first brings the build tree up to date (its preinstall step),
        // then installs into its own staging area under -B.
        cpack_ = RunCommand(Quote(std::string(QUORVANE_CPACK)) + " -G DEB -B " + Quote(dir_->path()) +
                     " --config " + Quote(fs::path(QUORVANE_BUILD_DIR) / "CPackConfig.cmake"));
        if (cpack_.exitCode != 0) {
            // cpack only names its logs, which go with the temporary directory.
            for (const auto& entry : fs::recursive_directory_iterator(dir_->path())) {
                if (entry.path().filename().string().ends_with("Output.log"))
                    cpack_.output += "\n--- " + entry.path().filename().string() + " ---\n" +
                                     ReadFile(entry.path());
            }
            return;
        }
        for (const auto& entry : fs::directory_iterator(dir_->path())) {
            if (entry.path().extension() == ".deb")
                debs_.push_back(entry.path());
        }
    }
    static void TearDownTestSuite() { dir_.reset(); }

    void SetUp() override
    {
        ASSERT_FALSE(dir_->path().empty()) << "could not make a temporary directory";
        ASSERT_EQ(cpack_.exitCode, 0) << "cpack -G DEB failed:\n" << cpack_.output;
        ASSERT_EQ(debs_.size(), 1u) << "cpack output:\n" << cpack_.output;
    }

    static const fs::path& Deb() { return debs_.front(); }
    static const fs::path& Dir() { return dir_->path(); }

    static std::string Field(const std::string& name)
    {
        const CommandResult result = RunCommand("dpkg-deb --field " + Quote(Deb()) + " " + Quote(name));
        EXPECT_EQ(result.exitCode, 0) << result.output;
        return Trimmed(result.output);
    }

private:
    static inline std::unique_ptr<TempDir> dir_;
    static inline CommandResult cpack_;
    static inline std::vector<fs::path> debs_;
};

TEST_F(DebPackage, FileNameIsNameVersionArchitecture)
{
    const CommandResult arch = RunCommand("dpkg --print-architecture");
    ASSERT_EQ(arch.exitCode, 0) << arch.output;
    EXPECT_EQ(Deb().filename().string(),
              "quorvane_" + std::string(QUORVANE_VERSION) + "_" + Trimmed(arch.output) + ".deb");
}

TEST_F(DebPackage, ControlFieldsDescribeTheProgram)
{
    EXPECT_EQ(Field("Package"), "quorvane");
    EXPECT_EQ(Field("Version"), QUORVANE_VERSION);
    EXPECT_EQ(Field("Section"), "science");
    EXPECT_EQ(Field("Architecture"), Trimmed(RunCommand("dpkg --print-architecture").output));
    EXPECT_TRUE(std::regex_match(Field("Maintainer"), std::regex(R"(.+ <[^@<> ]+@[^@<> ]+>)")))
        << Field("Maintainer");

    const std::vector<std::string> description = Lines(Field("Description"));
    ASSERT_GE(description.size(), 2u) << "a summary line and an extended description";
    EXPECT_FALSE(description.front().empty());
    for (std::size_t i = 1; i < description.size(); ++i) {
        // Continuation lines start with a space; apt shows them as written.
        EXPECT_EQ(description[i].substr(0, 1), " ") << description[i];
        EXPECT_LE(description[i].size(), 80u) << description[i];
    }
}

TEST_F(DebPackage, DependsOnTheLibrariesTheProgramLinks)
{
    // Filled in by dpkg-shlibdeps: each library package with a minimum version.
    const std::string depends = Field("Depends");
    std::set<std::string> entries;
    for (std::size_t start = 0; start < depends.size();) {
        const std::size_t comma = depends.find(", ", start);
        entries.insert(depends.substr(start, comma - start));
        start = comma == std::string::npos ? depends.size() : comma + 2;
    }
    for (const std::string library : {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6"}) {
        const bool found = std::ranges::any_of(entries, [&](const std::string& entry) {
            return entry.starts_with(library + " (>= ") && entry.ends_with(")");
        });
        EXPECT_TRUE(found) << library << " with a minimum version in: " << depends;
    }
}

TEST_F(DebPackage, ContainsExactlyTheInstallTreeUnderUsr)
{
    // dpkg-deb --contents prints: mode owner/group size date time ./path
    const CommandResult contents = RunCommand("dpkg-deb --contents " + Quote(Deb()));
    ASSERT_EQ(contents.exitCode, 0) << contents.output;
    const std::regex line(R"(^(\S+) (\S+) +\d+ \S+ \S+ \./(.*)$)");
    std::set<std::string> files;
    for (const std::string& text : Lines(contents.output)) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(text, match, line)) << text;
        EXPECT_EQ(match[2], "root/root") << text;
        const std::string mode = match[1];
        if (mode[0] == 'd') {
            EXPECT_EQ(mode, "drwxr-xr-x") << text;
            continue;
        }
        files.insert(match[3]);
        const bool program = match[3] == "usr/" + std::string(QUORVANE_BINDIR) + "/quorvane";
        EXPECT_EQ(mode, program ? "-rwxr-xr-x" : "-rw-r--r--") << text;
    }
    std::set<std::string> expected;
    for (const std::string& file : ExpectedFiles())
        expected.insert("usr/" + file);
    EXPECT_EQ(files, expected);
}

TEST_F(DebPackage, ProgramIsStripped)
{
    const fs::path tree = Dir() / "extracted";
    const CommandResult extract = RunCommand("dpkg-deb --extract " + Quote(Deb()) + " " + Quote(tree));
    ASSERT_EQ(extract.exitCode, 0) << extract.output;
    const fs::path program = tree / "usr" / QUORVANE_BINDIR / "quorvane";
    ASSERT_TRUE(HaveTool("readelf")) << "readelf is missing: install the Debian package binutils";
    const CommandResult sections = RunCommand("readelf --section-headers --wide " + Quote(program));
    ASSERT_EQ(sections.exitCode, 0) << sections.output;
    EXPECT_EQ(sections.output.find(".debug_info"), std::string::npos) << "debug information shipped";
    EXPECT_EQ(sections.output.find(".symtab"), std::string::npos) << "symbol table shipped";
}

}  // namespace
}  // namespace quorvane::testing
