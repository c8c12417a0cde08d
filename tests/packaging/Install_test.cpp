// Installs the build tree into a fresh prefix, the way `cmake --install` does
// on a lab machine, and checks what lands there.

#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <string>

#include "InstallLayout.h"
#include "Shell.h"

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;

struct PngSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

std::uint32_t BigEndian32(const unsigned char* bytes)
{
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

// A PNG starts with its 8-byte signature and then the IHDR chunk: a 4-byte
// length (13), the type "IHDR", and width and height as big-endian words.
std::optional<PngSize> ReadPngSize(const fs::path& path)
{
    const std::string data = ReadFile(path);
    static constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (data.size() < 24)
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    if (!std::equal(std::begin(kSignature), std::end(kSignature), bytes))
        return std::nullopt;
    if (BigEndian32(bytes + 8) != 13 || data.compare(12, 4, "IHDR") != 0)
        return std::nullopt;
    return PngSize{BigEndian32(bytes + 16), BigEndian32(bytes + 20)};
}

// Key=value pairs of the [Desktop Entry] group; other groups are ignored.
std::map<std::string, std::string> DesktopEntry(const fs::path& path)
{
    std::map<std::string, std::string> keys;
    bool inEntry = false;
    for (const std::string& line : Lines(ReadFile(path))) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        const auto equals = line.find('=');
        if (inEntry && equals != std::string::npos)
            keys[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return keys;
}

std::set<std::string> SplitList(const std::string& value)
{
    std::set<std::string> items;
    std::string item;
    for (char c : value) {
        if (c == ';') {
            if (!item.empty())
                items.insert(item);
            item.clear();
        } else {
            item += c;
        }
    }
    if (!item.empty())
        items.insert(item);
    return items;
}

// The parts of the metainfo that must agree with the rest of the install.
struct Metainfo {
    std::string id;
    std::string launchable;
    std::string launchableType;
    std::string binary;
    std::string icon;
    std::string metadataLicense;
    std::string projectLicense;
    std::string contentRating;
    std::vector<std::string> releaseVersions;
    std::vector<std::string> screenshots;
    std::string error;
};

Metainfo ReadMetainfo(const fs::path& path)
{
    Metainfo info;
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) {
        info.error = "cannot open " + path.string();
        return info;
    }
    QXmlStreamReader xml(&file);
    QStringList open;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            open.removeLast();
            continue;
        }
        if (!xml.isStartElement())
            continue;
        open << xml.name().toString();
        const QString where = open.join('/');
        const auto attribute = [&](const char* name) {
            return xml.attributes().value(QLatin1String(name)).toString().toStdString();
        };
        if (where == "component/releases/release")
            info.releaseVersions.push_back(attribute("version"));
        else if (where == "component/content_rating")
            info.contentRating = attribute("type");
        else if (where == "component/launchable")
            info.launchableType = attribute("type");

        // Text-only elements: reading their text also consumes their end tag.
        static const QStringList kTextElements = {
            "component/id", "component/launchable", "component/provides/binary",
            "component/icon", "component/metadata_license", "component/project_license",
            "component/screenshots/screenshot/image"};
        if (!kTextElements.contains(where))
            continue;
        const std::string text = xml.readElementText().trimmed().toStdString();
        open.removeLast();
        if (where == "component/id")
            info.id = text;
        else if (where == "component/launchable")
            info.launchable = text;
        else if (where == "component/provides/binary")
            info.binary = text;
        else if (where == "component/icon")
            info.icon = text;
        else if (where == "component/metadata_license")
            info.metadataLicense = text;
        else if (where == "component/project_license")
            info.projectLicense = text;
        else
            info.screenshots.push_back(text);
    }
    if (xml.hasError())
        info.error = xml.errorString().toStdString();
    return info;
}

class InstalledTree : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = std::make_unique<TempDir>();
        // DESTDIR from the caller's environment would send the files elsewhere.
        install_ = RunCommand("env -u DESTDIR " + Quote(std::string(QUORVANE_CMAKE)) + " --install " +
                       Quote(std::string(QUORVANE_BUILD_DIR)) + " --prefix " + Quote(Prefix()));
    }
    static void TearDownTestSuite() { root_.reset(); }

    void SetUp() override
    {
        ASSERT_FALSE(root_->path().empty()) << "could not make a temporary directory";
        ASSERT_EQ(install_.exitCode, 0) << "cmake --install failed:\n" << install_.output;
    }

    // A /usr-style prefix inside the temporary root, so that the root can be
    // handed to tools that expect a whole file system tree.
    static fs::path Root() { return root_->path(); }
    static fs::path Prefix() { return root_->path() / "usr"; }

    static fs::path DesktopFile()
    {
        return Prefix() / QUORVANE_DATADIR / "applications" / (std::string(kAppId) + ".desktop");
    }
    static fs::path MetainfoFile()
    {
        return Prefix() / QUORVANE_DATADIR / "metainfo" / (std::string(kAppId) + ".metainfo.xml");
    }

private:
    static inline std::unique_ptr<TempDir> root_;
    static inline CommandResult install_;
};

std::string Joined(const std::set<std::string>& items)
{
    std::string text;
    for (const auto& item : items)
        text += "  " + item + "\n";
    return text;
}

TEST_F(InstalledTree, InstallsExactlyTheExpectedFiles)
{
    std::set<std::string> installed;
    for (const auto& entry : fs::recursive_directory_iterator(Prefix())) {
        if (!entry.is_directory())
            installed.insert(fs::relative(entry.path(), Prefix()).string());
    }
    const std::set<std::string> expected = ExpectedFiles();
    std::set<std::string> extra;
    std::set<std::string> missing;
    std::ranges::set_difference(installed, expected, std::inserter(extra, extra.end()));
    std::ranges::set_difference(expected, installed, std::inserter(missing, missing.end()));
    EXPECT_TRUE(extra.empty()) << "installed but not expected:\n" << Joined(extra);
    EXPECT_TRUE(missing.empty()) << "expected but not installed:\n" << Joined(missing);
}

TEST_F(InstalledTree, ProgramIsAnExecutableRegularFile)
{
    const fs::path program = Prefix() / QUORVANE_BINDIR / "quorvane";
    ASSERT_TRUE(fs::is_regular_file(program)) << program;
    const auto perms = fs::status(program).permissions();
    EXPECT_NE(perms & fs::perms::owner_exec, fs::perms::none);
    EXPECT_NE(perms & fs::perms::group_exec, fs::perms::none);
    EXPECT_NE(perms & fs::perms::others_exec, fs::perms::none);
    // An ELF executable, not a script or an empty placeholder.
    EXPECT_EQ(ReadFile(program).substr(0, 4), std::string("\x7f" "ELF"));
}

TEST_F(InstalledTree, PngIconsHaveTheSizeTheirDirectoryNames)
{
    const fs::path hicolor = Prefix() / QUORVANE_DATADIR / "icons" / "hicolor";
    const std::regex sizeDir(R"((\d+)x(\d+))");
    int checked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(hicolor)) {
        if (entry.path().extension() != ".png")
            continue;
        const std::string dir = fs::relative(entry.path(), hicolor).begin()->string();
        std::smatch match;
        ASSERT_TRUE(std::regex_match(dir, match, sizeDir)) << entry.path() << " is not in an NxN directory";
        const auto size = ReadPngSize(entry.path());
        ASSERT_TRUE(size.has_value()) << entry.path() << " has no PNG signature and IHDR chunk";
        EXPECT_EQ(size->width, std::stoul(match[1])) << entry.path();
        EXPECT_EQ(size->height, std::stoul(match[2])) << entry.path();
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(std::size(kIconSizes)));
}

TEST_F(InstalledTree, ScalableIconIsASquareSvg)
{
    const std::string svg =
        ReadFile(Prefix() / QUORVANE_DATADIR / "icons/hicolor/scalable/apps/quorvane.svg");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(svg, match, std::regex(R"re(<svg[^>]*viewBox="0 0 (\d+) (\d+)")re")))
        << "no <svg> element with a viewBox";
    EXPECT_EQ(match[1], match[2]) << "icon themes scale the icon into a square";
}

TEST_F(InstalledTree, DesktopEntryPassesDesktopFileValidate)
{
    ASSERT_TRUE(HaveTool("desktop-file-validate"))
        << "desktop-file-validate is missing: install the Debian package desktop-file-utils";
    const CommandResult result = RunCommand("desktop-file-validate " + Quote(DesktopFile()));
    EXPECT_EQ(result.exitCode, 0) << result.output;
    // Warnings leave the exit code at 0 but still mean a menu may mishandle the entry.
    EXPECT_EQ(result.output.find("warning:"), std::string::npos) << result.output;
}

TEST_F(InstalledTree, MetainfoPassesAppstreamValidation)
{
    ASSERT_TRUE(HaveTool("appstreamcli"))
        << "appstreamcli is missing: install the Debian package appstream";
    const CommandResult file = RunCommand("appstreamcli validate --no-net " + Quote(MetainfoFile()));
    EXPECT_EQ(file.exitCode, 0) << file.output;
    // Validating the tree also checks that the launchable desktop entry is
    // installed where software centres look for it.
    const CommandResult tree = RunCommand("appstreamcli validate-tree --no-net " + Quote(Root()));
    EXPECT_EQ(tree.exitCode, 0) << tree.output;
}

TEST_F(InstalledTree, DesktopEntryStartsTheInstalledProgramWithTheInstalledIcon)
{
    auto keys = DesktopEntry(DesktopFile());
    EXPECT_EQ(keys["Type"], "Application");
    EXPECT_EQ(keys["Name"], "Quorvane");
    EXPECT_FALSE(keys["Comment"].empty());
    EXPECT_FALSE(keys["Keywords"].empty());
    const auto categories = SplitList(keys["Categories"]);
    // Education is the one main category, so menus list the program once;
    // Physics places it among the sciences as well.
    EXPECT_TRUE(categories.contains("Education")) << keys["Categories"];
    EXPECT_FALSE(categories.contains("Science")) << "a second main category: " << keys["Categories"];
    EXPECT_TRUE(categories.contains("Physics")) << keys["Categories"];

    // The menu runs Exec through PATH, which holds the installed bin directory.
    const std::string exec = keys["Exec"].substr(0, keys["Exec"].find(' '));
    EXPECT_TRUE(fs::is_regular_file(Prefix() / QUORVANE_BINDIR / exec)) << "Exec=" << keys["Exec"];

    const std::string icon = keys["Icon"];
    ASSERT_FALSE(icon.empty());
    EXPECT_EQ(icon.find('/'), std::string::npos) << "a theme icon name, not a path";
    const fs::path hicolor = Prefix() / QUORVANE_DATADIR / "icons" / "hicolor";
    EXPECT_TRUE(fs::exists(hicolor / "scalable/apps" / (icon + ".svg"))) << "Icon=" << icon;
    for (int size : kIconSizes)
        EXPECT_TRUE(fs::exists(Prefix() / IconPath(size))) << size;
    EXPECT_EQ(fs::path(IconPath(16)).stem(), icon);
}

TEST_F(InstalledTree, MetainfoAgreesWithTheDesktopEntryAndTheProject)
{
    const Metainfo info = ReadMetainfo(MetainfoFile());
    ASSERT_TRUE(info.error.empty()) << info.error;
    EXPECT_EQ(info.id, kAppId);
    EXPECT_EQ(info.launchableType, "desktop-id");
    EXPECT_EQ(info.launchable, DesktopFile().filename().string());
    EXPECT_EQ(info.binary, "quorvane");
    // The icon comes from the launchable desktop entry; a stock name of the
    // metainfo's own would have to be a name every theme knows.
    EXPECT_EQ(info.icon, "");
    EXPECT_EQ(info.projectLicense, "MIT");
    EXPECT_TRUE(info.metadataLicense == "CC0-1.0" || info.metadataLicense == "FSF-AP")
        << info.metadataLicense;
    EXPECT_EQ(info.contentRating, "oars-1.1");
    EXPECT_FALSE(info.screenshots.empty());
    // Software centres show the newest release, listed first, as the version.
    ASSERT_FALSE(info.releaseVersions.empty());
    EXPECT_EQ(info.releaseVersions.front(), QUORVANE_VERSION)
        << "the metainfo's newest release is not the project version";
}

}  // namespace
}  // namespace quorvane::testing
