// A random-mutation driver for libFuzzer-style targets, for builds without libFuzzer:
//   TARGET [-runs=N] [-seed=S] [CORPUS_FOLDER | FILE]...
// Seeds are the files of the folders given, else the target's fuzzSeeds(), else a few bytes.
// Only files given (no -runs) are run once each, to replay a crash. A run that crashes or
// aborts leaves its input in crash-<run>.bin in the working folder.
#include "fuzz_target.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>

namespace {

constexpr size_t kMaxSize = 1 << 14;
constexpr size_t kMaxPool = 512;

const std::string *g_current = nullptr;
char g_crashName[64] = "crash.bin";

void keepCrashingInput(int signal)
{
    if (g_current) {
        const int fd = ::open(g_crashName, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            [[maybe_unused]] const ssize_t written =
                ::write(fd, g_current->data(), g_current->size());
            ::close(fd);
        }
        const char note[] = "fuzz: crashing input kept\n";
        [[maybe_unused]] const ssize_t shown = ::write(2, note, sizeof note - 1);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The target's result: 0, or -1 for an input it refused (libFuzzer's "keep it out of the
// corpus").
int runOne(const std::string &input)
{
    g_current = &input;
    const int result =
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.data()), input.size());
    g_current = nullptr;
    return result;
}

class Mutator {
public:
    explicit Mutator(unsigned seed) : m_random(seed) {}

    size_t below(size_t n)
    {
        return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(m_random);
    }

    std::string mutate(std::string input, const std::vector<std::string> &pool)
    {
        for (size_t count = 1 + below(4); count > 0; --count)
            mutateOnce(input, pool[below(pool.size())]);
        if (input.size() > kMaxSize)
            input.resize(kMaxSize);
        return input;
    }

private:
    // Bytes that separate things in most text formats.
    char interestingByte()
    {
        static const char bytes[] = "\0\n\r\t \"\\[]=,:;@-(){}<>/0a9fFx\x7f\xc3";
        return below(8) == 0 ? char(below(256)) : bytes[below(sizeof bytes - 1)];
    }

    void mutateOnce(std::string &input, const std::string &other)
    {
        const size_t at = below(input.size() + 1);
        switch (below(7)) {
        case 0:
            if (!input.empty())
                input[below(input.size())] ^= char(1 << below(7));
            break;
        case 1:
            if (!input.empty())
                input[below(input.size())] = interestingByte();
            break;
        case 2:
            input.insert(at, 1, interestingByte());
            break;
        case 3:
            input.erase(at, 1 + below(8));
            break;
        case 4: {
            const size_t from = below(input.size());
            input.insert(at, input.substr(from, 1 + below(16)));
            break;
        }
        case 5:
        case 6: {
            const size_t from = below(other.size());
            const std::string chunk = other.substr(from, 1 + below(32));
            if (below(2) == 0)
                input.insert(at, chunk);
            else
                input.replace(at, chunk.size(), chunk);
            break;
        }
        }
    }

    std::mt19937 m_random;
};

} // namespace

int main(int argc, char **argv)
{
    long runs = -1;
    unsigned seed = 1;
    std::vector<std::string> pool;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("-runs=", 0) == 0) {
            runs = std::stol(arg.substr(6));
        } else if (arg.rfind("-seed=", 0) == 0) {
            seed = unsigned(std::stoul(arg.substr(6)));
        } else if (std::filesystem::is_directory(arg)) {
            for (const auto &entry : std::filesystem::directory_iterator(arg))
                pool.push_back(readFile(entry.path()));
        } else {
            files.push_back(readFile(arg));
        }
    }
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS})
        std::signal(signal, keepCrashingInput);

    if (runs < 0 && !files.empty()) {
        for (const std::string &input : files)
            runOne(input);
        std::printf("ran %zu files\n", files.size());
        return 0;
    }
    pool.insert(pool.end(), files.begin(), files.end());
    if (pool.empty() && fuzzSeeds)
        pool = fuzzSeeds();
    if (pool.empty())
        pool = {"", "a", "\n"};
    for (const std::string &input : pool)
        runOne(input);

    const size_t seeds = pool.size();
    Mutator mutator(seed);
    const long total = runs < 0 ? 100000 : runs;
    long accepted = 0;
    for (long run = 0; run < total; ++run) {
        std::snprintf(g_crashName, sizeof g_crashName, "crash-%ld.bin", run);
        const std::string input = mutator.mutate(pool[mutator.below(pool.size())], pool);
        // Accepted inputs that wandered off the seeds become starting points too.
        if (runOne(input) != 0)
            continue;
        if (++accepted % 16 == 0) {
            if (pool.size() < std::max(kMaxPool, seeds + 1))
                pool.push_back(input);
            else
                pool[seeds + mutator.below(kMaxPool - seeds)] = input;
        }
    }
    std::printf("%ld inputs (%ld accepted), seed %u: no crash\n", total, accepted, seed);
    return 0;
}
