// "Ulož" and "Pomoc": names from an injected clock, bytes on disk, failures.
#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "model/app_error.h"
#include "model/message_box.h"
#include "model/model_params.h"
#include "model/sim_state.h"
#include "runs/memory_sinks.h"
#include "runs/runs.h"
#include "ui/help_text.h"
#include "ui/save_outputs.h"
#include "ui/windows1250.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A clock that gives the readings in turn (the last one again when they run out).
struct TScriptedClock {
    std::vector<TClockReading> Readings;
    int Calls = 0;
    TClock AsClock()
    {
        return [this] {
            const TClockReading r = Readings[std::min<std::size_t>(Calls, Readings.size() - 1)];
            ++Calls;
            return r;
        };
    }
};

constexpr TClockReading Jan2009{2009, 1, 5, 8, 7, 6};

std::string Bmp(int chart, std::size_t size) { return std::string(size, char('A' + chart - 1)); }

// Each test works in a fresh directory of its own.
class Save : public testing::Test {
protected:
    void SetUp() override
    {
        Previous = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "oscilator-save-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        Dir = pattern;
        fs::current_path(Dir);
    }
    void TearDown() override
    {
        fs::current_path(Previous);
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(Dir, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(Dir, ignored);
    }

    std::set<std::string> Files(const fs::path& dir) const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
        return names;
    }
    std::set<std::string> Files() const { return Files(Dir); }

    static TSaveSources Sources(std::string log, std::size_t bmpSize = 100)
    {
        return {[bmpSize](int chart) { return Bmp(chart, bmpSize); }, [log] { return log; }};
    }

    fs::path Previous, Dir;
};

std::set<std::string> Names(const std::string& first, const std::string& last)
{
    return {first + "graf1.bmp", first + "graf2.bmp", last + "graf3.bmp", last + "graf4.bmp", last + ".txt"};
}

// Runs `body` in a child process and returns what it reports: its return
// value, or "error: " and the message of the TAppError it threw.
std::string InChild(const std::function<std::string()>& body)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return "no pipe";
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeFds[0]);
        std::string report;
        try {
            report = body();
        } catch (const TAppError& error) {
            report = std::string("error: ") + error.what();
        } catch (...) {
            report = "unexpected exception";
        }
        const char* p = report.data();
        std::size_t left = report.size();
        while (left > 0) {
            const ssize_t n = write(pipeFds[1], p, left);
            if (n <= 0) break;
            p += n;
            left -= std::size_t(n);
        }
        _exit(0);
    }
    close(pipeFds[1]);
    std::string report;
    char buffer[512];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) report.append(buffer, std::size_t(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status)) return "child died with signal " + std::to_string(WTERMSIG(status));
    return report;
}

// Permissions do not stop root: a child that is root becomes "nobody" first.
bool DropRoot()
{
    if (geteuid() != 0) return true;
    return setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
}

TEST(FileStampText, IsTwoDigitsEach)
{
    const std::pair<TClockReading, const char*> cases[] = {
        {Jan2009, "090105_080706"},
        {{2024, 6, 11, 15, 30, 12}, "240611_153012"},
        {{2000, 1, 1, 0, 0, 0}, "000101_000000"},
        {{1999, 12, 31, 23, 59, 59}, "991231_235959"},
        {{2100, 10, 9, 9, 10, 11}, "001009_091011"},
    };
    for (const auto& [reading, stamp] : cases) EXPECT_EQ(FileStamp(reading), stamp);
}

TEST(FileStampText, LocalClockGivesAPlausibleReading)
{
    const TClockReading r = ReadLocalClock();
    EXPECT_GE(r.Year, 2024);
    EXPECT_TRUE(r.Month >= 1 && r.Month <= 12 && r.Day >= 1 && r.Day <= 31);
    EXPECT_TRUE(r.Hour >= 0 && r.Hour <= 23 && r.Minute >= 0 && r.Minute <= 59 && r.Second >= 0 &&
                r.Second <= 60);
    EXPECT_EQ(FileStamp(r).size(), 13u);
}

TEST_F(Save, WritesFiveFilesNamedFromOneReadingEach)
{
    TScriptedClock clock{{Jan2009}};
    SaveOutputs(clock.AsClock(), Sources("x\r\n"));
    EXPECT_EQ(clock.Calls, 5);
    EXPECT_EQ(Files(), Names("090105_080706", "090105_080706"));
    for (int chart = 1; chart <= 4; ++chart)
        EXPECT_EQ(ReadFile("090105_080706graf" + std::to_string(chart) + ".bmp"), Bmp(chart, 100));
    EXPECT_EQ(ReadFile("090105_080706.txt"), "x\r\n");
}

TEST_F(Save, ASecondBoundaryBetweenOutputsGivesTheLaterOnesTheLaterStamp)
{
    TScriptedClock clock{{{2024, 6, 11, 15, 30, 12}, {2024, 6, 11, 15, 30, 12}, {2024, 6, 11, 15, 30, 13}}};
    SaveOutputs(clock.AsClock(), Sources(""));
    EXPECT_EQ(Files(), Names("240611_153012", "240611_153013"));
}

TEST_F(Save, AtMidnightDateAndTimeComeFromTheSameReading)
{
    TScriptedClock clock{{{2024, 6, 11, 23, 59, 59}, {2024, 6, 11, 23, 59, 59}, {2024, 6, 12, 0, 0, 0}}};
    SaveOutputs(clock.AsClock(), Sources(""));
    EXPECT_EQ(Files(), Names("240611_235959", "240612_000000"));
}

TEST_F(Save, SavesWithinOneSecondReplaceAndLaterSecondsAddAFreshSet)
{
    TScriptedClock first{{Jan2009}};
    SaveOutputs(first.AsClock(), Sources("first\r\n", 50));
    SaveOutputs(first.AsClock(), Sources("second\r\n", 70));
    EXPECT_EQ(Files(), Names("090105_080706", "090105_080706"));
    EXPECT_EQ(ReadFile("090105_080706graf2.bmp"), Bmp(2, 70));
    EXPECT_EQ(ReadFile("090105_080706.txt"), "second\r\n");

    TScriptedClock later{{{2009, 1, 5, 8, 7, 7}}};
    SaveOutputs(later.AsClock(), Sources("third\r\n"));
    EXPECT_EQ(Files().size(), 10u);
}

TEST_F(Save, AnEmptyLogGivesAnEmptyFile)
{
    TScriptedClock clock{{Jan2009}};
    SaveOutputs(clock.AsClock(), Sources(""));
    EXPECT_TRUE(fs::exists("090105_080706.txt"));
    EXPECT_EQ(fs::file_size("090105_080706.txt"), 0u);
}

TEST_F(Save, TheHelpLogIs628BytesOfWindows1250)
{
    TMemoryLog log;
    log.Append("an earlier line");
    ShowHelp(log);
    ShowHelp(log);  // twice still gives the six lines once
    TScriptedClock clock{{Jan2009}};
    SaveOutputs(clock.AsClock(), Sources(log.Text()));

    const std::string bytes = ReadFile("090105_080706.txt");
    ASSERT_EQ(bytes.size(), 628u);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\x84'), 4);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\x93'), 3);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\x94'), 1);
    EXPECT_EQ(bytes.substr(0, 6), "V \xBE" "avo");  // ľ
    EXPECT_NE(bytes.find("Tla\xE8idlo \x84Krokuj\x93 a  \x84Vykresli\x94 sa"), std::string::npos);
    EXPECT_NE(bytes.find("V\xFDstup  sa d\xE1 ulo\x9Ei\x9D"), std::string::npos) << "ť is 0x9D";

    // Six lines of the given lengths, each followed by CR LF.
    const std::size_t lengths[] = {70, 93, 141, 135, 45, 132};
    std::size_t at = 0;
    for (const std::size_t length : lengths) {
        const std::size_t end = bytes.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        EXPECT_EQ(end - at, length);
        at = end + 2;
    }
    EXPECT_EQ(at, bytes.size());
}

TEST_F(Save, AFullRunLogIsSavedLineForLine)
{
    ResetSimulationState();
    TMemoryLog log;
    TMemoryCharts charts;
    TRecordingBox box;
    TFieldTexts texts = StartFieldTexts();
    texts[0] = "25";
    RunFull(texts, TRunPorts{log, charts, box});
    ASSERT_TRUE(box.Shown.empty());

    TScriptedClock clock{{Jan2009}};
    SaveOutputs(clock.AsClock(), Sources(log.Text()));
    const std::string bytes = ReadFile("090105_080706.txt");

    std::size_t lines = 0, at = 0, end;
    while ((end = bytes.find("\r\n", at)) != std::string::npos) {
        EXPECT_EQ(bytes.substr(at, end - at).find('\n'), std::string::npos);
        ++lines;
        at = end + 2;
    }
    EXPECT_EQ(lines, 25u + 10u);
    EXPECT_EQ(at, bytes.size());  // ends with CR LF
    EXPECT_NE(bytes.find("\xE8" "as, s\xFAradnica, r\xFD" "chlos\x9D, f()\r\n"), std::string::npos);
    ResetSimulationState();
}

TEST_F(Save, AHandEditedLogIsSavedAsItStands)
{
    const std::string edited = "Krok 1\r\nnapísané rukou";
    TScriptedClock clock{{Jan2009}};
    SaveOutputs(clock.AsClock(), Sources(edited));
    EXPECT_EQ(ReadFile("090105_080706.txt"), "Krok 1\r\nnap\xEDsan\xE9 rukou");
}

TEST_F(Save, ACharacterWindows1250LacksBecomesAQuestionMark)
{
    TScriptedClock clock{{Jan2009}};
    SaveOutputs(clock.AsClock(), Sources("a\xC3\xB1" "b\r\n"));  // ñ
    EXPECT_EQ(ReadFile("090105_080706.txt"), "a?b\r\n");
}

TEST(Windows1250, ConvertsWhatItHoldsAndMarksTheRest)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"plain ASCII\r\n", "plain ASCII\r\n"},
        {"ľščťžýáíéúäôň ĽŠČŤŽÝÁÍÉÚÄÔŇ", "\xBE\x9A\xE8\x9D\x9E\xFD\xE1\xED\xE9\xFA\xE4\xF4\xF2 "
                                        "\xBC\x8A\xC8\x8D\x8E\xDD\xC1\xCD\xC9\xDA\xC4\xD4\xD2"},
        {"„“”€", "\x84\x93\x94\x80"},
        {"ñ", "?"},
        {"a中b", "a?b"},
        {"x😀y", "x?y"},
        {"a\xFF" "b", "a?b"},            // not UTF-8 at all
        {"a\xED\xA0\x80" "b", "a???b"},  // an encoded surrogate: three stray bytes
        {"end\xC3", "end?"},             // cut off in the middle of a character
        {std::string("nul\0byte", 8), std::string("nul\0byte", 8)},
    };
    for (const auto& [utf8, expected] : cases) EXPECT_EQ(ToWindows1250(utf8), expected) << utf8;
}

TEST(Windows1250, NothingIsLostAroundUnmappableCharacters)
{
    std::string utf8, expected;
    for (int i = 0; i < 2000; ++i) {
        utf8 += "riadok \xE4\xB8\xAD " + std::to_string(i) + "\r\n";  // 中
        expected += "riadok ? " + std::to_string(i) + "\r\n";
    }
    EXPECT_EQ(ToWindows1250(utf8), expected);
}

TEST_F(Save, AnUncreatableFirstFileEndsTheSaveAndWritesNothing)
{
    // A directory already holds the first bitmap's name: no file can be
    // created under it, for root neither.
    fs::create_directory("090105_080706graf1.bmp");
    TScriptedClock clock{{Jan2009}};
    try {
        SaveOutputs(clock.AsClock(), Sources("x"));
        FAIL() << "no error";
    } catch (const TAppError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot create file \"" + Dir.string() + "/090105_080706graf1.bmp\". Is a directory");
    }
    EXPECT_EQ(clock.Calls, 1);
    EXPECT_EQ(Files(), std::set<std::string>{"090105_080706graf1.bmp"});
    EXPECT_TRUE(fs::is_empty("090105_080706graf1.bmp"));
}

TEST_F(Save, ADirectoryWithoutWritePermissionGetsNoFile)
{
    // Root may write anywhere, so the save runs in a child process that, when
    // it is root, first becomes "nobody".
    const fs::path readOnly = Dir / "read-only";
    fs::create_directory(readOnly);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                  fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const std::string report = InChild([&]() -> std::string {
        if (chdir(readOnly.c_str()) != 0) return "no chdir";
        if (!DropRoot()) return "cannot drop root";
        TScriptedClock clock{{Jan2009}};
        SaveOutputs(clock.AsClock(), Sources("x"));
        return "saved";
    });
    if (report == "cannot drop root") GTEST_SKIP() << "root without the right to become nobody";
    EXPECT_EQ(report, "error: Cannot create file \"" + readOnly.string() +
                          "/090105_080706graf1.bmp\". Permission denied");
    EXPECT_TRUE(Files(readOnly).empty());
}

// Runs a save in a child whose files may not grow beyond `limit` bytes; the
// kernel then refuses the write (SIGXFSZ is ignored so that write fails
// instead of killing the process). Reports the charts asked for and the error.
std::string SaveWithFileSizeLimit(rlim_t limit, const std::vector<std::size_t>& bmpSizes)
{
    return InChild([&]() -> std::string {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0) return "no setrlimit";
        std::string asked;
        TScriptedClock clock{{Jan2009}};
        const TSaveSources sources{[&](int chart) {
                                       asked += std::to_string(chart);
                                       return Bmp(chart, bmpSizes[chart - 1]);
                                   },
                                   [] { return std::string("log\r\n"); }};
        try {
            SaveOutputs(clock.AsClock(), sources);
        } catch (const TAppError& error) {
            return "asked " + asked + ", clock " + std::to_string(clock.Calls) + ", error: " + error.what();
        }
        return "saved";
    });
}

TEST_F(Save, AFailedWriteKeepsEarlierOutputsAndLeavesNoPartialFile)
{
    const std::string report = SaveWithFileSizeLimit(4096, {1000, 4096, 10000, 10});
    EXPECT_EQ(report, "asked 123, clock 3, error: Stream write error");
    EXPECT_EQ(Files(), (std::set<std::string>{"090105_080706graf1.bmp", "090105_080706graf2.bmp"}));
    EXPECT_EQ(ReadFile("090105_080706graf1.bmp"), Bmp(1, 1000));
    EXPECT_EQ(ReadFile("090105_080706graf2.bmp"), Bmp(2, 4096));
}

TEST_F(Save, AFailedSaveInTheSameSecondLeavesTheEarlierCompleteFiles)
{
    TScriptedClock clock{{Jan2009}};
    SaveOutputs(clock.AsClock(), Sources("first\r\n", 3000));
    const std::set<std::string> complete = Files();

    const std::string report = SaveWithFileSizeLimit(4096, {5000, 10, 10, 10});
    EXPECT_EQ(report, "asked 1, clock 1, error: Stream write error");
    EXPECT_EQ(Files(), complete);
    for (int chart = 1; chart <= 4; ++chart)
        EXPECT_EQ(ReadFile("090105_080706graf" + std::to_string(chart) + ".bmp"), Bmp(chart, 3000));
    EXPECT_EQ(ReadFile("090105_080706.txt"), "first\r\n");
}

TEST_F(Save, ReplacingAFileWithoutWritePermissionFailsLikeCreatingIt)
{
    const fs::path open = Dir / "open";
    fs::create_directory(open);
    fs::permissions(open, fs::perms::all);
    const std::string report = InChild([&]() -> std::string {
        if (chdir(open.c_str()) != 0) return "no chdir";
        if (!DropRoot()) return "cannot drop root";
        TScriptedClock clock{{Jan2009}};
        SaveOutputs(clock.AsClock(), Sources("first"));
        if (chmod("090105_080706graf3.bmp", 0400) != 0) return "no chmod";
        SaveOutputs(clock.AsClock(), Sources("second", 7));
        return "saved";
    });
    if (report == "cannot drop root") GTEST_SKIP() << "root without the right to become nobody";
    EXPECT_EQ(report, "error: Cannot create file \"" + open.string() +
                          "/090105_080706graf3.bmp\". Permission denied");
    EXPECT_EQ(ReadFile(open / "090105_080706graf2.bmp"), Bmp(2, 7));
    EXPECT_EQ(ReadFile(open / "090105_080706graf3.bmp"), Bmp(3, 100));
    EXPECT_EQ(ReadFile(open / "090105_080706.txt"), "first");
    EXPECT_EQ(Files(open).size(), 5u);
}

}  // namespace
