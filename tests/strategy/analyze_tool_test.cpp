// Runs tandora-analyze as a user would, so that its output formats and exit codes stay put.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <utility>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

struct ToolRun {
    int status;
    std::string out, err;
};

// args go through the shell as written; input is the tool's standard input.
ToolRun runTool(const std::string& args, const std::string& input = "") {
    // Unique to this run: two builds' suites running at once must not share the files.
    const std::string base = (std::filesystem::temp_directory_path() / "tandora-analyze-").string() +
                             testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                             std::to_string(std::random_device{}());
    std::ofstream(base + ".in") << input;
    const std::string command = "\"" TANDORA_ANALYZE_TOOL "\" " + args + " <\"" + base + ".in\" >\"" + base +
                                ".out\" 2>\"" + base + ".err\"";
    ToolRun run{std::system(command.c_str()), "", ""};
#ifndef _WIN32
    run.status = WIFEXITED(run.status) ? WEXITSTATUS(run.status) : -1;
#endif
    for (const auto& [suffix, text] : {std::pair{".out", &run.out}, {".err", &run.err}})
        *text = (std::ostringstream() << std::ifstream(base + suffix).rdbuf()).str();
    for (const char* suffix : {".in", ".out", ".err"})
        std::filesystem::remove(base + suffix);
    return run;
}

// Guards each command's documented output. eval: the category, slot and pays, the five-coin royal and the
// slots of wild hands. holds: 32 holds, the best first (their order is the hold values' test), and one hand a
// line from standard input (blank lines skipped) with a blank line after each hand's holds, on the bet the
// option gives. return: the return, then every paying category with its probability, then the time.
TEST(AnalyzeTool, EachCommandPrintsAsDocumented) {
    EXPECT_EQ(runTool("eval dw 2h 2d 2c Ks Qs").out,
              "category 11 WildRoyalFlush\nslot 2\npays 25 50 75 100 125\n");
    EXPECT_EQ(runTool("eval JB85 Th Jh Qh Kh Ah").out,
              "category 13 NaturalRoyalFlush\nslot 0\npays 250 500 750 1000 4000\n");
    EXPECT_EQ(runTool("eval jp 3c 3d Jkr 9h 2s").out, "category 3 ThreeOfAKind\nslot 10\npays 2 4 6 8 10\n");
    EXPECT_EQ(runTool("eval dw Ah Ad 4c 9h 3s").out, "category 1 HighPair\nslot -\npays 0 0 0 0 0\n");
    const ToolRun holds = runTool("holds jb96 As Ks Qs Js 9s");
    EXPECT_EQ(holds.status, 0) << holds.err;
    EXPECT_EQ(holds.out.substr(0, 62), "hold As Ks Qs Js ev 18.425532\nhold As Ks Qs Js 9s ev 6.000000\n");
    EXPECT_TRUE(
        std::regex_match(holds.out, std::regex(R"((hold (-|\w\w( \w\w){0,4}) ev \d+\.\d{6}\n){32})")));
    EXPECT_TRUE(std::regex_match(runTool("holds dw --coins 1", "Ah Kh Qh Jh Th\n\n2h 2d 2c 2s 7h\n").out,
                                 std::regex(R"(hold Ah Kh Qh Jh Th ev 250\.000000\n(hold .*\n){31}\n)"
                                            R"(hold 2h 2d 2c 2s 7h ev 200\.000000\n(hold .*\n){31}\n)")));
    const ToolRun ret = runTool("return jb96");
    EXPECT_EQ(ret.status, 0) << ret.err;
    EXPECT_TRUE(std::regex_match(
        ret.out, std::regex(R"(return 99\.5439\n1 HighPair 0\.2\d{7}\n(\d+ \w+ 0\.\d{8}\n){8})"
                            R"(13 NaturalRoyalFlush 0\.0000\d{4}\ntime \d+\.\d ms\n)")))
        << ret.out;
    // --pays on tables no test lists: 9/6 pays given to the 8/5 game price as 9/6, and a royal flush
    // worth nothing on five coins leaves four to it worth only its flush, straight and high pairs:
    // (8 x 6 + 3 x 4 + 12 x 1) / 47 = 1.531915 per coin. And the simulator's report, in its order.
    EXPECT_EQ(runTool("return jb85 --pays 250,50,25,9,6,4,3,2,1").out.substr(0, 15), "return 99.5439\n");
    const ToolRun run = runTool("holds jb85 Ah Kh Qh Jh 2c --pays 250,50,25,9,6,4,3,2,1 --royal5 0");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("hold Ah Kh Qh Jh ev 1.531915\n"), std::string::npos);
    const ToolRun sim = runTool("simulate jb85 --hands 20000 --threads 1 --draw game");
    EXPECT_TRUE(std::regex_match(sim.out, std::regex(R"(return \d+\.\d{4} ci95 \d\.\d{4}\nhands 20000\n)"
                                                     R"(hands/s \d+\n(\d+ \w+ 0\.\d{8}\n){10})")))
        << sim.out;
}

// Guards the refusals scripts rely on: status 2, nothing on standard output and one line on stderr.
TEST(AnalyzeTool, RefusesBadCallsWithStatusTwoAndOneLineOnStandardError) {
    for (const char* args : {"holds jb99 As Ks Qs Js 9s",
                             "holds jb96 As Ks Qs Js 9x",
                             "return dw --coins 0",
                             "holds jb85 As Ks Qs Js As",
                             "holds dw Jkr Ks Qs Js 9s",
                             "holds jp As Ks Qs Js",
                             "holds jp",
                             "eval jb85 As Ks Qs Js",
                             "count jp As",
                             "",
                             "deal jb85",
                             "return jb85 --pays 250,50,25",
                             "return dw --pays 250,200,25,15,9,5,3,2,2,-1",
                             "holds jp --royal5 800",
                             "holds jb96 --draw cards",
                             "simulate jb96 --hands 0",
                             "simulate dw --threads",
                             "simulate jp --seed x",
                             "chart jb85 --lines 1",
                             "chart jb85 --lines 5 --hold",
                             "chart dw --deal"}) {
        SCOPED_TRACE(args);
        const ToolRun run = runTool(args, "As Ks Qs Js\n"); // four cards on standard input, too
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(std::regex_match(run.err, std::regex("tandora-analyze: [^\n]+\n"))) << run.err;
    }
}

} // namespace
