// The built velmaro-convert as a process: what only a real pipe, device or
// descriptor shows. The streams of the in-process tests never fail; these do.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Where the program's standard input comes from, and its output goes.
struct Streams {
    std::optional<int> in;  // a descriptor, or none: closed
    std::optional<int> out; // a descriptor, or none: a file read back into Outcome::out
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Process : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // As under a supervisor that ignores SIGPIPE: the program inherits it.
        std::signal(SIGPIPE, SIG_IGN);
    }

    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("velmaro-process-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path File(const std::string& name, const std::string& text) const {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    Outcome Run(const std::vector<std::string>& args, Streams streams) const {
        const fs::path outPath = dir_ / "out";
        const fs::path errPath = dir_ / "err";
        posix_spawn_file_actions_t actions{};
        posix_spawn_file_actions_init(&actions);
        if (streams.in) {
            posix_spawn_file_actions_adddup2(&actions, *streams.in, 0);
        } else {
            posix_spawn_file_actions_addclose(&actions, 0);
        }
        if (streams.out) {
            posix_spawn_file_actions_adddup2(&actions, *streams.out, 1);
        } else {
            posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0600);
        }
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        std::vector<std::string> all{VELMARO_CONVERT};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : all) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        pid_t pid = 0;
        Outcome outcome;
        if (posix_spawn(&pid, VELMARO_CONVERT, &actions, nullptr, argv.data(), environ) == 0) {
            int wait = 0;
            waitpid(pid, &wait, 0);
            outcome.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait);
        }
        posix_spawn_file_actions_destroy(&actions);
        if (!streams.out) {
            outcome.out = ReadFile(outPath);
        }
        outcome.err = ReadFile(errPath);
        return outcome;
    }

    fs::path dir_;
};

TEST_F(Process, AClosedPipeStopsTheRunAtOnce) {
    // Two million values; the reader is gone before the first result.
    const int in =
        open(File("values", std::string(4'000'000, '\n').replace(0, 2, "1\n")).c_str(), O_RDONLY);
    int pipeEnds[2] = {-1, -1};
    ASSERT_EQ(pipe(pipeEnds), 0);
    close(pipeEnds[0]);
    const Outcome run = Run({"bar", "Pa"}, {in, pipeEnds[1]});
    close(pipeEnds[1]);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velmaro-convert: could not write the results\n");
    EXPECT_LT(lseek(in, 0, SEEK_CUR), 1'000'000) << "read on after the failed write";
    close(in);
}

TEST_F(Process, FailedReadsAndWritesAreStatusOne) {
    const int full = open("/dev/full", O_WRONLY);
    const int root = open("/", O_RDONLY | O_DIRECTORY);
    const int values = open(File("values", "1\n").c_str(), O_RDONLY);
    struct Failure {
        const char* what;
        Streams streams;
        const char* err;
    };
    const Failure failures[] = {
        {"/dev/full", {values, full}, "velmaro-convert: could not write the results\n"},
        {"closed input",
         {std::nullopt, std::nullopt},
         "velmaro-convert: could not read standard input\n"},
        {"a folder as input",
         {root, std::nullopt},
         "velmaro-convert: could not read standard input\n"},
    };
    for (const Failure& failure : failures) {
        const Outcome run = Run({"bar", "psi"}, failure.streams);
        EXPECT_EQ(run.status, 1) << failure.what;
        EXPECT_EQ(run.err, failure.err) << failure.what;
    }
    close(full);
    close(root);
    close(values);
}

TEST_F(Process, LongAndBinaryLinesAreRefusedOneByOne) {
    // 100 MB without a line end is not kept; the line after it is read.
    const int huge = open(File("huge", std::string(100'000'000, '7') + "\n2\n").c_str(), O_RDONLY);
    const Outcome longLine = Run({"bar", "Pa"}, {huge, std::nullopt});
    close(huge);
    EXPECT_EQ(longLine.status, 2);
    EXPECT_EQ(longLine.out, "200000.000000\n");
    EXPECT_EQ(longLine.err, "velmaro-convert: line 1: longer than 1048576 bytes, not read\n");

    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes += static_cast<char>(i);
    }
    const int binary = open(File("binary", bytes + "\n" + bytes).c_str(), O_RDONLY);
    const Outcome strict = Run({"--strict", "bar", "Pa"}, {binary, std::nullopt});
    close(binary);
    EXPECT_EQ(strict.status, 2);
    EXPECT_EQ(strict.out, "");
    // Two lines of the bytes 0 ... 255, each split by its byte 10.
    const std::string shown = R"('\x00\x01\x02\x03\x04\x05\x06\x07\x08\t' is not a number)";
    EXPECT_TRUE(strict.err.starts_with("velmaro-convert: line 1: " + shown + "\n")) << strict.err;
    EXPECT_EQ(std::count(strict.err.begin(), strict.err.end(), '\n'), 4) << strict.err;
    for (const char c : strict.err) {
        EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << static_cast<int>(c);
    }
}

TEST_F(Process, CsvStepsEndAtTo) {
    const Outcome run =
        Run({"--table", "Pt100", "--csv", "--from", "0", "--to", "1", "--step", "0.1"}, {});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 12);
    EXPECT_TRUE(run.out.ends_with("\n1.0,100.390772\n")) << run.out;
}

} // namespace
