// Runs tandora-analyze as a user would, so that its output formats and exit codes stay put.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

struct ToolRun {
    int status;
    std::vector<std::string> out;
    std::string err;
};

// args go through the shell as written; input is the tool's standard input.
ToolRun runTool(const std::string& args, const std::string& input = "") {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '-');
    const std::string base = (std::filesystem::temp_directory_path() / ("tandora-analyze-" + name)).string();
    std::ofstream(base + ".in") << input;
    const int status = std::system(("\"" TANDORA_ANALYZE_TOOL "\" " + args + " <\"" + base + ".in\" >\"" +
                                    base + ".out\" 2>\"" + base + ".err\"")
                                       .c_str());
    ToolRun run{status, {}, {}};
#ifndef _WIN32
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    std::ifstream out(base + ".out");
    for (std::string line; std::getline(out, line);)
        run.out.push_back(line);
    std::ostringstream err;
    err << std::ifstream(base + ".err").rdbuf();
    run.err = err.str();
    for (const char* suffix : {".in", ".out", ".err"})
        std::filesystem::remove(base + suffix);
    return run;
}

// Guards the eval command's documented output, the five-coin royal and the slots of wild hands.
TEST(AnalyzeTool, EvalPrintsTheCategorySlotAndPaysAsDocumented) {
    const ToolRun run = runTool("eval dw 2h 2d 2c Ks Qs");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              (std::vector<std::string>{"category 11 WildRoyalFlush", "slot 2", "pays 25 50 75 100 125"}));
    const ToolRun royal = runTool("eval JB85 Th Jh Qh Kh Ah");
    EXPECT_EQ(royal.out.back(), "pays 250 500 750 1000 4000");
    EXPECT_EQ(runTool("eval jp 3c 3d Jkr 9h 2s").out[1], "slot 10");
    EXPECT_EQ(runTool("eval dw Ah Ad 4c 9h 2s").out[1], "slot 10") << "a deuce makes three aces";
    EXPECT_EQ(runTool("eval dw Ah Ad 4c 9h 3s").out,
              (std::vector<std::string>{"category 1 HighPair", "slot -", "pays 0 0 0 0 0"}));
}

TEST(AnalyzeTool, PrintsThirtyTwoHoldsBestFirst) {
    const ToolRun run = runTool("holds jb96 As Ks Qs Js 9s");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.out.size(), 32u);
    EXPECT_EQ(run.out[0], "hold As Ks Qs Js ev 18.425532");
    EXPECT_EQ(run.out[1], "hold As Ks Qs Js 9s ev 6.000000");
    double previous = 1e9;
    for (const std::string& line : run.out) {
        EXPECT_TRUE(std::regex_match(line, std::regex(R"(hold (-|\w\w( \w\w){0,4}) ev \d+\.\d{6})"))) << line;
        const double ev = std::stod(line.substr(line.rfind(' ') + 1));
        EXPECT_LE(ev, previous) << line;
        previous = ev;
    }
}

TEST(AnalyzeTool, ReadsOneHandALineFromStandardInput) {
    const ToolRun run = runTool("holds dw --coins 1", "Ah Kh Qh Jh Th\n\n2h 2d 2c 2s 7h\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.out.size(), 66u);
    EXPECT_EQ(run.out[0], "hold Ah Kh Qh Jh Th ev 250.000000");
    EXPECT_EQ(run.out[32], "");
    EXPECT_EQ(run.out[33], "hold 2h 2d 2c 2s 7h ev 200.000000");
    EXPECT_EQ(run.out[65], "");
}

TEST(AnalyzeTool, PrintsTheReturnThenEveryPayingCategoryThenTheTime) {
    const ToolRun run = runTool("return jb96");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.out.size(), 12u);
    EXPECT_EQ(run.out[0], "return 99.5439");
    EXPECT_TRUE(std::regex_match(run.out[1], std::regex(R"(1 HighPair 0\.2\d{7})"))) << run.out[1];
    EXPECT_TRUE(std::regex_match(run.out[10], std::regex(R"(13 NaturalRoyalFlush 0\.0000\d{4})")))
        << run.out[10];
    EXPECT_TRUE(std::regex_match(run.out[11], std::regex(R"(time \d+\.\d ms)"))) << run.out[11];
}

// Guards --pays on tables no test lists: 9/6 pays given to the 8/5 game price as 9/6, and a royal flush
// worth nothing on five coins leaves four to it worth only its flush, straight and high pairs:
// (8 x 6 + 3 x 4 + 12 x 1) / 47 = 1.531915 per coin.
TEST(AnalyzeTool, PaysPriceTheTableGiven) {
    EXPECT_EQ(runTool("return jb85 --pays 250,50,25,9,6,4,3,2,1").out.at(0), "return 99.5439");
    const ToolRun run = runTool("holds jb85 Ah Kh Qh Jh 2c --pays 250,50,25,9,6,4,3,2,1 --royal5 0");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(std::find(run.out.begin(), run.out.end(), "hold Ah Kh Qh Jh ev 1.531915"), run.out.end());
}

struct BadCall {
    const char* name;
    const char* args;
    const char* input;
};

void PrintTo(const BadCall& row, std::ostream* os) {
    *os << row.name;
}

class AnalyzeToolRefuses : public testing::TestWithParam<BadCall> {};

// Scripts rely on status 2 and one line on stderr.
TEST_P(AnalyzeToolRefuses, WithStatusTwoAndOneLineOnStandardError) {
    const ToolRun run = runTool(GetParam().args, GetParam().input);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(std::regex_match(run.err, std::regex("tandora-analyze: [^\n]+\n"))) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, AnalyzeToolRefuses,
    testing::Values(BadCall{"AnUnknownGame", "holds jb99 As Ks Qs Js 9s", ""},
                    BadCall{"AnUnknownCard", "holds jb96 As Ks Qs Js 9x", ""},
                    BadCall{"ZeroCoins", "return dw --coins 0", ""},

                    BadCall{"ACardGivenTwice", "holds jb85 As Ks Qs Js As", ""},
                    BadCall{"TheJokerOutsideJokerPoker", "holds dw Jkr Ks Qs Js 9s", ""},
                    BadCall{"FourCards", "holds jp As Ks Qs Js", ""},
                    BadCall{"ABadHandOnStandardInput", "holds jp", "As Ks Qs Js\n"},
                    BadCall{"EvalWithFourCards", "eval jb85 As Ks Qs Js", ""},

                    BadCall{"CountWithACard", "count jp As", ""}, BadCall{"NoCommandAtAll", "", ""},
                    BadCall{"AnUnknownCommand", "deal jb85", ""},
                    BadCall{"TooFewPays", "return jb85 --pays 250,50,25", ""},
                    BadCall{"ANegativePay", "return dw --pays 250,200,25,15,9,5,3,2,2,-1", ""},
                    BadCall{"ARoyalWithoutPays", "holds jp --royal5 800", ""}),
    [](const testing::TestParamInfo<BadCall>& row) { return std::string(row.param.name); });

} // namespace
